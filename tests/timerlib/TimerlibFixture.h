// Shared fixture of the timer library tests: every test must hand back all it
// allocated, so the pools are compared before and after.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <thread>

#include "chronox32.h"

struct PoolCounts {
    uint16_t timestamps, timers, alarms, delays, events;
    static PoolCounts now()
    {
        return {hrt_timestamp_inuse(), hrt_timer_inuse(), hrt_alarm_inuse(), hrt_delay_inuse(), hrt_event_inuse()};
    }
    bool operator==(const PoolCounts &) const = default;
};

class TimerLib : public ::testing::Test {
protected:
    void SetUp() override { before_ = PoolCounts::now(); }
    void TearDown() override
    {
        PoolCounts after = PoolCounts::now();
        EXPECT_EQ(after.timestamps, before_.timestamps) << "timestamps left allocated";
        EXPECT_EQ(after.timers, before_.timers) << "timers left allocated";
        EXPECT_EQ(after.alarms, before_.alarms) << "alarms left allocated";
        EXPECT_EQ(after.delays, before_.delays) << "delays left allocated";
        EXPECT_EQ(after.events, before_.events) << "events left allocated";
    }

private:
    PoolCounts before_{};
};

// Restores a library-wide setting when a test has changed it.
class RestoreSettings {
public:
    RestoreSettings()
        : switch_(hrt_delay_getswitch()), timer_ohead_(hrt_timer_getohead()), alarm_ohead_(hrt_alarm_getohead())
    {
    }
    ~RestoreSettings()
    {
        hrt_delay_setswitch(switch_);
        hrt_timer_setohead(timer_ohead_);
        hrt_alarm_setohead(alarm_ohead_);
    }

private:
    uint32_t switch_, timer_ohead_, alarm_ohead_;
};

using SteadyClock = std::chrono::steady_clock;

inline double microsecondsSince(SteadyClock::time_point start)
{
    return std::chrono::duration<double, std::micro>(SteadyClock::now() - start).count();
}

inline void sleepMs(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
