#pragma once
#include <QString>

namespace basVelmar {

// Shows the program's help file (gHelpFile) with the help engine's command (platform::HelpCommand).
// Without a help file the user is told so, under `title` (the caption of the window asking); a
// failure of the help engine is shown with its description.
void ShowHelp(unsigned command, const QString& title);

} // namespace basVelmar
