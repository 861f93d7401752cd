#pragma once
// The rack's own pauses: the pause inside a frame after which the modules give up on it, and the
// time a module takes to begin its reply. The rackemu program and every other user of the rack run
// them as given; the scale can only be set by the test support library (its one friend), to match
// the link's scaled quiet times in tests that are not about the line's timing. Pacing and a late
// reply's delay are never scaled.
#include <atomic>
#include <chrono>

namespace testsupport {
class LineTimingScale;
}

namespace rackemu {

class RackTiming {
public:
    // A pause of the rack as it is run (read on the line's thread at each use).
    static std::chrono::microseconds pause(std::chrono::microseconds real) { return real * pausePercent_.load() / 100; }

private:
    friend class testsupport::LineTimingScale;
    // Hundredths of the real time.
    static inline std::atomic<int> pausePercent_{100};
};

} // namespace rackemu
