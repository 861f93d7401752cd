// Polled alarms: set and check in each resolution, the three expiry modes,
// reset, cancel, and the program's way of waiting on a millisecond alarm.
#include "TimerlibFixture.h"

namespace {

// Polls until the alarm reports non-zero; returns that value.
uint32_t pollUntilExpired(int16_t h)
{
    uint32_t r;
    while ((r = hrt_alarm_check(h)) == 0) {
    }
    return r;
}

TEST_F(TimerLib, ProgramPatternWaitsTwentyMilliseconds)
{
    auto wall = SteadyClock::now();
    int16_t h = hrt_alarm_alloc(2);
    ASSERT_NE(h, 0);
    hrt_alarm_set(h, 20, 1);
    uint32_t r = pollUntilExpired(h);
    hrt_alarm_free(h);
    double waited = microsecondsSince(wall);

    EXPECT_GE(r, 20u);
    EXPECT_LT(r, 20u + 500u);
    EXPECT_GE(waited, 20000.0);
}

class AlarmMode : public TimerLib, public ::testing::WithParamInterface<int> {};

TEST_P(AlarmMode, MillisecondAlarmExpiresAfterItsIntervalThenFollowsItsMode)
{
    const auto mode = static_cast<int16_t>(GetParam());
    int16_t h = hrt_alarm_alloc(2);
    hrt_alarm_set(h, 20, mode);
    EXPECT_EQ(hrt_alarm_check(h), 0u);
    auto wall = SteadyClock::now();
    uint32_t first = pollUntilExpired(h);
    EXPECT_GE(first, 20u);
    EXPECT_GE(microsecondsSince(wall), 19000.0);

    switch (mode) {
    case 0: // disarmed
        EXPECT_EQ(hrt_alarm_check(h), 1u);
        break;
    case 1: // armed again from the expiry
        EXPECT_EQ(hrt_alarm_check(h), 0u);
        EXPECT_GE(pollUntilExpired(h), 20u);
        break;
    default: { // stays armed: every check reports the growing elapsed time
        sleepMs(5);
        uint32_t later = hrt_alarm_check(h);
        EXPECT_GE(later, first + 5);
        EXPECT_GE(hrt_alarm_check(h), later);
        break;
    }
    }
    hrt_alarm_free(h);
}

INSTANTIATE_TEST_SUITE_P(Modes, AlarmMode, ::testing::Values(0, 1, 2, 7));

TEST_F(TimerLib, ZeroIntervalDisarmsInMillisecondsButArmsOneMicrosecond)
{
    int16_t ms = hrt_alarm_alloc(2);
    hrt_alarm_set(ms, 1000, 0);
    ASSERT_EQ(hrt_alarm_check(ms), 0u);
    hrt_alarm_set(ms, 0, 2);
    EXPECT_EQ(hrt_alarm_check(ms), 1u);
    hrt_alarm_reset(ms); // the stored interval stayed: reset arms it again
    EXPECT_EQ(hrt_alarm_check(ms), 0u);
    hrt_alarm_free(ms);

    int16_t us = hrt_alarm_alloc(1);
    hrt_alarm_set(us, 0, 2);
    sleepMs(2);
    EXPECT_GE(hrt_alarm_check(us), 2000u) << "armed with 1 us, still armed in mode 2";
    hrt_alarm_free(us);
}

TEST_F(TimerLib, MicrosecondIntervalLosesTheAlarmOverheadButNeverAllOfIt)
{
    RestoreSettings restore;
    EXPECT_EQ(hrt_alarm_setohead(50), 50u);
    EXPECT_EQ(hrt_alarm_getohead(), 50u);
    int16_t h = hrt_alarm_alloc(1);

    hrt_alarm_set(h, 30, 2); // at or below the overhead: 1 us
    sleepMs(1);
    EXPECT_GE(hrt_alarm_check(h), 1000u);

    hrt_alarm_set(h, 2050, 0); // 2000 us after the overhead
    auto wall = SteadyClock::now();
    uint32_t r = pollUntilExpired(h);
    EXPECT_GE(r, 2000u);
    EXPECT_GE(microsecondsSince(wall), 1990.0);
    hrt_alarm_free(h);
}

TEST_F(TimerLib, ResetAndCancel)
{
    int16_t h = hrt_alarm_alloc(2);
    hrt_alarm_reset(h); // never set: nothing to restart
    EXPECT_EQ(hrt_alarm_check(h), 1u);

    hrt_alarm_set(h, 10, 0);
    pollUntilExpired(h);
    ASSERT_EQ(hrt_alarm_check(h), 1u);
    hrt_alarm_reset(h);
    EXPECT_EQ(hrt_alarm_check(h), 0u) << "restarted from now with the same interval";
    EXPECT_GE(pollUntilExpired(h), 10u);

    hrt_alarm_set(h, 10000, 1);
    hrt_alarm_cancel(h);
    EXPECT_EQ(hrt_alarm_check(h), 1u);
    hrt_alarm_free(h);
}

TEST_F(TimerLib, SecondAlarmRunsUntilItsFirstSecond)
{
    int16_t h = hrt_alarm_alloc(3);
    hrt_alarm_set(h, 1, 0);
    EXPECT_EQ(hrt_alarm_check(h), 0u);
    hrt_alarm_free(h);
}

TEST_F(TimerLib, SetOverheadBeforeAnyAlarmStandsAfterCalibration)
{
    EXPECT_EQ(hrt_alarm_setohead(9), 9u); // calibrates first when not yet done
    int16_t h = hrt_alarm_alloc(1);
    EXPECT_EQ(hrt_alarm_getohead(), 9u) << "a later lazy calibration must not overwrite it";
    hrt_alarm_free(h);
    EXPECT_EQ(hrt_calibrate_alarm(), 1); // measured again for the tests that follow
}

} // namespace
