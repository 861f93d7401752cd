#pragma once

class frmMain;

namespace basVelmar {

// Starts the program: loads the main window, puts the version into its caption and shows it.
frmMain* Main();

} // namespace basVelmar
