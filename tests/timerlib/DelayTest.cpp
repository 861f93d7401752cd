// Busy-wait delays: counted below the delay switch, timed by an alarm at and
// above it and in milliseconds and seconds.
#include "hrt_arithmetic.h"
#include "TimerlibFixture.h"

namespace {

struct DelayKind {
    uint32_t amount;
    int16_t resolution;
    bool usesAlarm;
};

TEST_F(TimerLib, SwitchDecidesBetweenCountedAndAlarmTimed)
{
    const DelayKind kinds[] = {
        {0, 1, false}, {100, 1, false}, {249, 1, false}, {250, 1, true}, {1000, 1, true}, {1, 2, true}, {1, 3, true},
    };
    for (const DelayKind &k : kinds) {
        uint16_t alarms = hrt_alarm_inuse();
        int16_t d = hrt_delay_alloc(k.amount, k.resolution);
        ASSERT_NE(d, 0);
        EXPECT_EQ(hrt_alarm_inuse(), alarms + (k.usesAlarm ? 1 : 0)) << k.amount << " res " << k.resolution;
        hrt_delay_free(d);
        EXPECT_EQ(hrt_alarm_inuse(), alarms) << "the delay's alarm goes with it";
    }
}

TEST_F(TimerLib, SwitchAppliesToDelaysAllocatedAfterIt)
{
    RestoreSettings restore;
    int16_t before = hrt_delay_alloc(300, 1); // alarm-timed at the default 250
    ASSERT_EQ(hrt_alarm_inuse(), 1);
    EXPECT_EQ(hrt_delay_setswitch(1000), 1000u);
    EXPECT_EQ(hrt_delay_getswitch(), 1000u);
    int16_t after = hrt_delay_alloc(300, 1);
    EXPECT_EQ(hrt_alarm_inuse(), 1) << "counted now";
    hrt_delay_free(before);
    hrt_delay_free(after);
}

TEST_F(TimerLib, AlarmTimedDelaysLastAtLeastTheirAmount)
{
    const DelayKind kinds[] = {{300, 1, true}, {2000, 1, true}, {3, 2, true}};
    for (const DelayKind &k : kinds) {
        int16_t d = hrt_delay_alloc(k.amount, k.resolution);
        double wanted = k.resolution == 1 ? k.amount - hrt_alarm_getohead() : k.amount * 1000.0;
        auto wall = SteadyClock::now();
        hrt_delay_do(d);
        EXPECT_GE(microsecondsSince(wall), wanted - 1) << k.amount << " res " << k.resolution;
        hrt_delay_free(d);
    }
}

TEST_F(TimerLib, CountedDelayBusiesTheThreadForAboutItsAmount)
{
    // Loose bounds: the accuracy itself is measured by the benchmark.
    int16_t d = hrt_delay_alloc(200, 1);
    auto wall = SteadyClock::now();
    for (int i = 0; i < 50; ++i)
        hrt_delay_do(d);
    double each = microsecondsSince(wall) / 50;
    EXPECT_GT(each, 50.0);
    EXPECT_LT(each, 10000.0);
    hrt_delay_free(d);
}

TEST_F(TimerLib, CalibrationGivesAtomAndMinimum)
{
    EXPECT_GE(hrt_delay_getatom(), 1u);
    EXPECT_LT(hrt_delay_getatom(), 10000u);
    EXPECT_LT(hrt_delay_getmin(), 1000u);
    EXPECT_EQ(hrt_calibrate_delay(), 1);
    EXPECT_EQ(hrt_delay_inuse(), 0) << "the calibration delay is not a handed-out slot";
}

TEST(DelayArithmetic, CountsAtomsInSixtyFourBits)
{
    struct Case {
        uint32_t amountUs;
        uint64_t minNs, atomPs, atoms;
    } const cases[] = {
        {100, 200, 8000, 12475},                 // (100000 - 200) ns / 8 ns
        {0, 0, 1000, 0},
        {1, 1500, 1000, 0},                      // below the minimum: no atoms
        {5000000, 0, 1000, 5000000000ull},       // a raised switch: more than 2^32 atoms
        {4294967295u, 0, 1, 4294967295000000ull} // the largest amount does not wrap
    };
    for (const Case &c : cases)
        EXPECT_EQ(hrt_counted_atoms(c.amountUs, c.minNs, c.atomPs), c.atoms) << c.amountUs;
}

} // namespace
