#pragma once

namespace platform {

// Lets pending window events (repaints, timers) run during long work. User input stays queued,
// so a click cannot start a second operation in the middle of this one.
void DoEvents();

} // namespace platform
