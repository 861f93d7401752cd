// Pools and handles: slot numbering, counts, exhaustion, and what every
// function does with a handle that names nothing.
#include <cstring>
#include <vector>

#include "TimerlibFixture.h"

namespace {

struct Pool {
    const char *name;
    int16_t (*alloc)();
    void (*release)(int16_t);
    uint16_t (*inuse)();
    uint16_t (*avail)();
    int slots;
};

const Pool pools[] = {
    {"timestamp", [] { return hrt_timestamp_alloc(); }, hrt_timestamp_free, hrt_timestamp_inuse, hrt_timestamp_avail,
     511},
    {"alarm", [] { return hrt_alarm_alloc(2); }, hrt_alarm_free, hrt_alarm_inuse, hrt_alarm_avail, 127},
    {"timer", [] { return hrt_timer_alloc(1, "t"); }, hrt_timer_free, hrt_timer_inuse, hrt_timer_avail, 127},
    {"delay", [] { return hrt_delay_alloc(10, 1); }, hrt_delay_free, hrt_delay_inuse, hrt_delay_avail, 127},
};

void PrintTo(const Pool &p, std::ostream *os)
{
    *os << p.name;
}

class PoolTest : public TimerLib, public ::testing::WithParamInterface<Pool> {};

TEST_P(PoolTest, HandsOutLowestFreeSlotFromOneAndCounts)
{
    const Pool &p = GetParam();
    ASSERT_EQ(p.inuse(), 0);
    ASSERT_EQ(p.avail(), p.slots);

    int16_t a = p.alloc(), b = p.alloc(), c = p.alloc();
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, 3);
    EXPECT_EQ(p.inuse(), 3);
    EXPECT_EQ(p.avail(), p.slots - 3);

    p.release(b);
    EXPECT_EQ(p.inuse(), 2);
    EXPECT_EQ(p.alloc(), 2) << "a freed slot is reused before any higher one";
    p.release(b);
    p.release(b); // a second release of the same handle is ignored
    EXPECT_EQ(p.inuse(), 2);
    p.release(a);
    p.release(c);
}

TEST_P(PoolTest, ExhaustedPoolRefusesAndStaysUnchanged)
{
    const Pool &p = GetParam();
    std::vector<int16_t> handles;
    for (int i = 0; i < p.slots; ++i) {
        int16_t h = p.alloc();
        ASSERT_EQ(h, i + 1) << p.name;
        handles.push_back(h);
    }
    EXPECT_EQ(p.avail(), 0);
    EXPECT_EQ(p.alloc(), 0);
    EXPECT_EQ(p.inuse(), p.slots);
    for (int16_t h : handles)
        p.release(h);
    EXPECT_EQ(p.inuse(), 0);
}

INSTANTIATE_TEST_SUITE_P(Pools, PoolTest, ::testing::ValuesIn(pools),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(TimerLib, LoadsEmptyAndSupported)
{
    EXPECT_EQ(hrt_supported(), 1);
    EXPECT_EQ(hrt_timestamp_avail(), 511);
    EXPECT_EQ(hrt_alarm_avail(), 127);
    EXPECT_EQ(hrt_delay_avail(), 127);
    EXPECT_EQ(hrt_timer_avail(), 127);
    EXPECT_EQ(hrt_event_inuse(), 0);
}

TEST_F(TimerLib, FirstAlarmKeepsTwoTimestampsAndOneAlarm)
{
    int16_t h = hrt_alarm_alloc(2);
    ASSERT_EQ(h, 1);
    EXPECT_EQ(hrt_timestamp_inuse(), 2);
    EXPECT_EQ(hrt_alarm_inuse(), 1);
    EXPECT_EQ(hrt_timer_inuse(), 0) << "the calibration's timer is freed again";
    hrt_alarm_free(h);
}

TEST_F(TimerLib, AlarmAndTimerWithoutTwoFreeTimestampsTakeNothing)
{
    hrt_alarm_free(hrt_alarm_alloc(2)); // calibrations done while stamps are free
    hrt_timer_free(hrt_timer_alloc(1, ""));
    std::vector<int16_t> stamps;
    while (hrt_timestamp_avail() > 1)
        stamps.push_back(hrt_timestamp_alloc());

    EXPECT_EQ(hrt_alarm_alloc(2), 0);
    EXPECT_EQ(hrt_timer_alloc(2, "x"), 0);
    EXPECT_EQ(hrt_alarm_inuse(), 0);
    EXPECT_EQ(hrt_timer_inuse(), 0);
    EXPECT_EQ(hrt_timestamp_avail(), 1) << "the one stamp taken is given back";

    for (int16_t s : stamps)
        hrt_timestamp_free(s);
}

TEST_F(TimerLib, UnknownResolutionIsRefusedForAlarmsAndDelays)
{
    for (int16_t res : {0, 4, -1}) {
        EXPECT_EQ(hrt_alarm_alloc(res), 0) << res;
        EXPECT_EQ(hrt_delay_alloc(100, res), 0) << res;
    }
}

// Handle 0 (the failure result), a slot not in use, and handles outside the pools.
class BadHandle : public TimerLib, public ::testing::WithParamInterface<int> {};

TEST_P(BadHandle, NamesNothingAndChecksExpired)
{
    const auto bad = static_cast<int16_t>(GetParam());
    const PoolCounts before = PoolCounts::now();

    EXPECT_EQ(hrt_alarm_check(bad), 1u) << "a caller polling until non-zero must not hang";
    hrt_alarm_set(bad, 20, 1);
    hrt_alarm_reset(bad);
    hrt_alarm_cancel(bad);
    EXPECT_EQ(hrt_alarm_check(bad), 1u);
    hrt_alarm_free(bad);

    hrt_timestamp_get(bad);
    EXPECT_EQ(hrt_timestamp_usecdiff(bad, bad), HRT_DIFF_TOO_LARGE);
    hrt_timestamp_free(bad);

    hrt_delay_do(bad);
    hrt_delay_free(bad);

    hrt_timer_start(bad);
    hrt_timer_stop(bad);
    hrt_timer_suspend(bad);
    hrt_timer_resume(bad);
    hrt_timer_reset(bad);
    EXPECT_EQ(hrt_timer_getstatus(bad), 0);
    EXPECT_EQ(hrt_timer_getstate(bad), HRT_TIMER_STOPPED);
    EXPECT_EQ(hrt_timer_getresolution(bad), 0);
    EXPECT_EQ(hrt_timer_count(bad), 0u);
    EXPECT_EQ(hrt_timer_elapsed(bad), 0u);
    EXPECT_EQ(hrt_timer_current(bad), 0u);
    EXPECT_EQ(hrt_timer_lastelapsed(bad), 0u);
    EXPECT_EQ(hrt_timer_elapsedsecs(bad), 0.0);
    EXPECT_STREQ(hrt_timer_getname(bad), "");
    char buffer[24];
    std::memset(buffer, 'x', sizeof buffer);
    hrt_timer_setname(bad, buffer);
    EXPECT_EQ(std::memcmp(buffer, std::string(20, '\0').data(), 20), 0);
    EXPECT_EQ(buffer[20], 'x') << "no more than 20 characters are written";
    hrt_timer_free(bad);

    EXPECT_TRUE(PoolCounts::now() == before);
}

INSTANTIATE_TEST_SUITE_P(Handles, BadHandle, ::testing::Values(0, 5, 127, 128, 511, 512, -1, INT16_MAX));

TEST_F(TimerLib, FreedAlarmNoLongerRuns)
{
    int16_t h = hrt_alarm_alloc(2);
    hrt_alarm_set(h, 100000, 0);
    ASSERT_EQ(hrt_alarm_check(h), 0u);
    hrt_alarm_free(h);
    EXPECT_EQ(hrt_alarm_check(h), 1u);
}

} // namespace
