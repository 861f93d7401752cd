#include "link/LinkAlarm.h"

#include "link/LineTiming.h"
#include "link/basChronox.h"
#include "platform/PlatformError.h"

#include <algorithm>
#include <thread>

namespace linkengine {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int16_t kMilliseconds = 2;
constexpr int16_t kRearm = 1;
constexpr uint32_t kQuietMs = 20;
// Longest single block between two checks of the alarm.
constexpr int kSliceMs = 100;
// Should the library's alarm never expire, the wait still ends this long after its time.
constexpr auto kSafetyMargin = std::chrono::seconds(2);

constexpr int kErrTimer = 7001;

} // namespace

LinkAlarm::LinkAlarm()
{
    QString why;
    f_ = basChronox::alarmFunctions(&why);
    if (!f_)
        throw platform::Error(kErrTimer, why);
    handle_ = f_->alloc(kMilliseconds);
    if (handle_ == 0)
        throw platform::Error(kErrTimer, QStringLiteral("The timer library has no alarm free."));
}

LinkAlarm::~LinkAlarm()
{
    if (f_ && handle_ != 0)
        f_->free(handle_);
}

void LinkAlarm::set(uint32_t ms)
{
    f_->set(handle_, ms, kRearm);
    deadline_ = Clock::now() + std::chrono::milliseconds(ms);
    giveUp_ = deadline_ + kSafetyMargin;
}

bool LinkAlarm::expired() { return f_->check(handle_) != 0 || Clock::now() >= giveUp_; }

int LinkAlarm::blockMs() const
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline_ - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 1, kSliceMs));
}

void LinkAlarm::sleepOut()
{
    while (!expired()) {
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline_ - Clock::now());
        std::this_thread::sleep_for(std::clamp(left, std::chrono::microseconds(200),
                                               std::chrono::microseconds(kSliceMs * 1000)));
    }
}

void quietWait()
{
    LinkAlarm quiet;
    quiet.set(LineTiming::pauseMs(kQuietMs));
    quiet.sleepOut();
}

} // namespace linkengine
