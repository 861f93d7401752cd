#pragma once
#include <QByteArray>
#include <chrono>
#include <cstdint>

namespace basChronox {
struct AlarmFunctions;
}

namespace linkengine {

// One millisecond alarm of the timer library, given back when the object goes.
// Every wait of the serial link runs on one: the alarm says when the time is up, and between
// two checks the thread blocks in the kernel (on the port, or asleep) for at most the time
// that is left, so a wait costs next to no processor time.
// The constructor raises platform::Error when the library or a free alarm cannot be had.
class LinkAlarm {
public:
    LinkAlarm();
    ~LinkAlarm();
    LinkAlarm(const LinkAlarm&) = delete;
    LinkAlarm& operator=(const LinkAlarm&) = delete;

    // Arms the alarm for `ms` milliseconds from now.
    void set(uint32_t ms);
    // True once the time set is up.
    bool expired();
    // Sleeps until the time set is up.
    void sleepOut();
    // The time left, by the program's own clock, rounded up to whole milliseconds (at least 1):
    // how long to block before the next check.
    int blockMs() const;

private:
    const basChronox::AlarmFunctions* f_ = nullptr;
    int16_t handle_ = 0;
    std::chrono::steady_clock::time_point deadline_{};
    std::chrono::steady_clock::time_point giveUp_{};
};

// The quiet time before a frame: 20 ms on an alarm of its own.
void quietWait();

} // namespace linkengine
