#pragma once
#include <functional>

namespace platform {

// Ends the program at once: the serial port is closed and the process exits, without the main
// window's unload steps. Used where the program cannot go on (no database to work with).
// Tests install a handler that records the call or throws, so the code after the call must not
// assume that it never returns.
void EndProgram(int exitCode = 0);

using EndProgramHandler = std::function<void(int exitCode)>;
// Installs a handler and returns the previous one; an empty handler restores the program's own.
EndProgramHandler setEndProgramHandler(EndProgramHandler handler);

} // namespace platform
