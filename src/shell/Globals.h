#pragma once
#include <QString>
#include <cstdint>

// Program-wide state, one instance each for the whole run.
namespace basVelmar {

inline bool gToolbarVisible = true;      // the main toolbar is shown
inline bool gUnlinkOnViewClose = false;  // editor windows unlink their module when activated or closed
inline int16_t gChannelNumberOption = 1; // channel numbering of the radio editor
inline QString gDatabasePath;            // the database file opened on first use
inline QString gHelpFile;                // the help file (velmar.hlp in the program folder); empty: none
inline int16_t gPortNumber = 1;          // COM port number, 1 to 4
inline int16_t gEdition = 0;             // 0: File > New is offered
inline int16_t gOpenViewCount = 0;       // open document windows

} // namespace basVelmar
