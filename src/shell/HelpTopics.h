#pragma once
#include <QString>

class QWidget;

namespace basVelmar {

// Shows the program's help file (gHelpFile) with the help engine's command (platform::HelpCommand),
// in a help window that belongs to `owner`, the window asking. Without a help file the user is told
// so, under `title` (the caption of that window); a failure of the help engine is shown with its
// description.
void ShowHelp(QWidget* owner, unsigned command, const QString& title);

} // namespace basVelmar
