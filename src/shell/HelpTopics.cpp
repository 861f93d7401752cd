#include "shell/HelpTopics.h"

#include "platform/Help.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "shell/Globals.h"

namespace basVelmar {

void ShowHelp(QWidget* owner, unsigned command, const QString& title)
{
    if (gHelpFile.isEmpty()) {
        platform::MsgBox(QStringLiteral("Unable to display Help Contents. There is no Help associated with this project."),
                         platform::vbInformation, title);
        return;
    }
    try {
        platform::WinHelp(owner, gHelpFile, command);
    } catch (const platform::Error& e) {
        platform::MsgBox(e.description(), platform::vbOKOnly);
    }
}

} // namespace basVelmar
