#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace platform {

// The help engine: shows the program's help page with its contents or its search box.
enum HelpCommand : unsigned { HELP_TAB = 15, HELP_PARTIALKEY = 0x105 };

// `helpFile` names the help file as the program knows it (velmar.hlp in the program folder);
// the page shown is velmar.html beside it. The help window belongs to `owner` (the main window):
// it opens over it and goes with it. Raises platform::Error when it cannot be shown.
void WinHelp(QWidget* owner, const QString& helpFile, unsigned command);

using HelpHandler = std::function<void(QWidget* owner, const QString& helpFile, unsigned command)>;
HelpHandler setHelpHandler(HelpHandler handler);

} // namespace platform
