// Arming events, one table: (type, flags, period or time of day, notify kind)
// -> armed or refused, the moments it notifies, and whether it is still
// pending after. Run on a clock driven by hand, so days pass in moments.
#include <algorithm>
#include <optional>

#include "EventFixture.h"

namespace {

constexpr uint32_t kValue = 0xC0FFEE;
constexpr uint32_t kMessage = 0x8001;
void *const kWindow = reinterpret_cast<void *>(0x5150);

constexpr uint64_t kSec = 1000;
constexpr uint64_t kDay = 86400 * kSec;

// A summer day, away from any change of the clocks.
constexpr LocalTime kSummer{2024, 6, 12, 10, 0, 0};

enum class Arm { Period, Clock };

struct ArmCase {
    const char *name;
    int16_t type;
    int16_t flags;
    Arm by;
    // Period: milliseconds (type 2) or seconds (others). Clock: the time of
    // day that many seconds after the start.
    int64_t amount;
    Kind kind;
    bool armed;
    std::vector<uint64_t> firesAt; // ms after arming
    uint64_t until;                // ms after arming: nothing more by then
    bool pendingAfter;
    LocalTime start = kSummer;
};

void PrintTo(const ArmCase &c, std::ostream *os)
{
    *os << c.name;
}

int16_t arm(int16_t h, const ArmCase &c, int64_t startCalendar)
{
    if (c.by == Arm::Period) {
        auto period = static_cast<uint32_t>(c.amount);
        return c.kind == Kind::Call ? hrt_event_setcallback(h, period, recordCall, kValue)
                                    : hrt_event_setmessage(h, period, kWindow, kMessage, kValue);
    }
    std::tm at = localOf(startCalendar + c.amount);
    auto hour = static_cast<int16_t>(at.tm_hour), minute = static_cast<int16_t>(at.tm_min),
         second = static_cast<int16_t>(at.tm_sec);
    return c.kind == Kind::Call ? hrt_event_clockcallback(h, hour, minute, second, recordCall, kValue)
                                : hrt_event_clockmsg(h, hour, minute, second, kWindow, kMessage, kValue);
}

class EventArming : public EventTest, public ::testing::WithParamInterface<ArmCase> {
protected:
    ScopedTimeZone zone_{kCentralEurope};
};

TEST_P(EventArming, NotifiesWhenDueAndRepeatsAsAllocated)
{
    const ArmCase &c = GetParam();
    const int64_t start = calendarOf(c.start);
    ManualClock clock(start);
    const int16_t h = hrt_event_alloc(c.flags, c.type);
    ASSERT_NE(h, 0);

    EXPECT_EQ(arm(h, c, start), c.armed ? 1 : 0);
    EXPECT_EQ(hrt_event_pending(h), c.armed ? 1 : 0);

    size_t seen = 0;
    for (uint64_t at : c.firesAt) {
        clock.advanceTo(at - 1);
        EXPECT_EQ(Notices::get().count(), seen) << "already by " << at - 1 << " ms";
        clock.advanceTo(at);
        EXPECT_EQ(Notices::get().count(), ++seen) << "at " << at << " ms";
    }
    clock.advanceTo(c.until);
    EXPECT_EQ(Notices::get().count(), c.firesAt.size()) << "by " << c.until << " ms";
    EXPECT_EQ(hrt_event_pending(h), c.pendingAfter ? 1 : 0);

    for (const Notice &n : Notices::get().all()) {
        EXPECT_EQ(n.kind, c.kind);
        EXPECT_EQ(n.value, kValue);
        if (n.kind == Kind::Call) {
            EXPECT_EQ(n.handle, uint32_t(h));
        } else {
            EXPECT_EQ(n.window, kWindow);
            EXPECT_EQ(n.message, kMessage);
            EXPECT_EQ(n.wparam, 0u) << "no post failed before";
        }
    }
    hrt_event_free(h);
}

constexpr int16_t kMsec = HRT_EVENT_MSEC, kSeconds = HRT_EVENT_SECONDS, kClock = HRT_EVENT_TIME_OF_DAY;
constexpr int16_t kRepeat = 0, kOnce = HRT_EVENT_ONE_SHOT;

INSTANTIATE_TEST_SUITE_P(
    Events, EventArming,
    ::testing::Values(
        ArmCase{"MsRepeatingCall", kMsec, kRepeat, Arm::Period, 10, Kind::Call, true, {10, 20, 30}, 39, true},
        ArmCase{"MsOneShotPost", kMsec, kOnce, Arm::Period, 25, Kind::Post, true, {25}, 100, false},
        ArmCase{"MsMinimumPeriod", kMsec, kOnce, Arm::Period, 1, Kind::Call, true, {1}, 10, false},
        ArmCase{"MsMaximumPeriod", kMsec, kOnce, Arm::Period, 1000000, Kind::Post, true, {1000000}, 1000010, false},
        ArmCase{"MsBelowMinimumRefused", kMsec, kRepeat, Arm::Period, 0, Kind::Call, false, {}, 100, false},
        ArmCase{"MsAboveMaximumRefused", kMsec, kRepeat, Arm::Period, 1000001, Kind::Call, false, {}, 2000002,
                false},
        ArmCase{"SecondsRepeatingCall", kSeconds, kRepeat, Arm::Period, 3, Kind::Call, true,
                {3 * kSec, 6 * kSec, 9 * kSec}, 11 * kSec, true},
        ArmCase{"SecondsOneShotPost", kSeconds, kOnce, Arm::Period, 3, Kind::Post, true, {3 * kSec}, 10 * kSec,
                false},
        ArmCase{"SecondsZeroRefused", kSeconds, kRepeat, Arm::Period, 0, Kind::Call, false, {}, 5 * kSec, false},
        ArmCase{"ClockThisSecondFiresAfterOne", kClock, kOnce, Arm::Clock, 0, Kind::Call, true, {kSec}, 5 * kSec,
                false},
        ArmCase{"ClockOneSecondAgoFiresTomorrow", kClock, kOnce, Arm::Clock, -1, Kind::Post, true,
                {kDay - kSec}, kDay + 5 * kSec, false},
        ArmCase{"ClockRepeatingFiresDaily", kClock, kRepeat, Arm::Clock, -1, Kind::Call, true,
                {kDay - kSec, 2 * kDay - kSec}, 2 * kDay + 5 * kSec, true},
        // The clocks go forward in the night: the next 09:00 is 23 hours on.
        ArmCase{"ClockRepeatingAcrossSpringForward", kClock, kRepeat, Arm::Clock, 1, Kind::Call, true,
                {kSec, kSec + 23 * 3600 * kSec}, kSec + kDay + 5 * kSec, true, LocalTime{2024, 3, 30, 8, 59, 59}},
        // ...and back: 25 hours on.
        ArmCase{"ClockRepeatingAcrossFallBack", kClock, kRepeat, Arm::Clock, 1, Kind::Post, true,
                {kSec, kSec + 25 * 3600 * kSec}, kSec + 25 * 3600 * kSec + 5 * kSec, true,
                LocalTime{2024, 10, 26, 8, 59, 59}},
        // Armed in the evening for 09:00 the next morning, over the change: 12 hours, not 13.
        ArmCase{"ClockArmedOverSpringForward", kClock, kOnce, Arm::Clock, 12 * 3600, Kind::Call, true,
                {12 * 3600 * kSec}, 13 * 3600 * kSec, false, LocalTime{2024, 3, 30, 20, 0, 0}},
        ArmCase{"MsEventByClockRefused", kMsec, kRepeat, Arm::Clock, 5, Kind::Call, false, {}, 10 * kSec, false},
        ArmCase{"SecondsEventByClockRefused", kSeconds, kRepeat, Arm::Clock, 5, Kind::Post, false, {}, 10 * kSec,
                false},
        ArmCase{"ClockEventByPeriodRefused", kClock, kRepeat, Arm::Period, 10, Kind::Call, false, {}, 20 * kSec,
                false},
        ArmCase{"OtherTypeNeverArms", 7, kRepeat, Arm::Period, 10, Kind::Call, false, {}, 20 * kSec, false}),
    [](const auto &info) { return std::string(info.param.name); });

// Armed in the second it names, a repeating event fires a second late; its repeats come a whole
// day after that firing (the first one 23 hours on when the clocks go forward that night).
TEST_F(EventTest, RepeatingClockEventArmedForThisSecondRepeatsADayAfterItFired)
{
    ScopedTimeZone zone(kCentralEurope);
    struct Case {
        LocalTime start;
        uint64_t day; // the first day's length
    };
    for (const Case& c : {Case{kSummer, kDay}, Case{LocalTime{2024, 3, 30, 9, 0, 0}, 23 * 3600 * kSec}}) {
        SCOPED_TRACE(c.day);
        Notices::get().clear();
        ManualClock clock(calendarOf(c.start));
        const int16_t h = hrt_event_alloc(0, HRT_EVENT_TIME_OF_DAY);
        ASSERT_EQ(hrt_event_clockcallback(h, static_cast<int16_t>(c.start.hour), static_cast<int16_t>(c.start.minute),
                                          static_cast<int16_t>(c.start.second), recordCall, kValue),
                  1);
        size_t seen = 0;
        for (const uint64_t at : {kSec, kSec + c.day, kSec + c.day + kDay}) {
            clock.advanceTo(at - 1);
            EXPECT_EQ(Notices::get().count(), seen) << "already by " << at - 1 << " ms";
            clock.advanceTo(at);
            EXPECT_EQ(Notices::get().count(), ++seen) << "at " << at << " ms";
        }
        hrt_event_free(h);
    }
}

} // namespace
