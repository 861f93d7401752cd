// Re-arming, cancel and reset of events, and the count of failed posts, on a
// clock driven by hand.
#include "EventFixture.h"

namespace {

constexpr uint64_t kSec = 1000;
void *const kWindow = reinterpret_cast<void *>(0x77);

class EventRearm : public EventTest {
protected:
    ScopedTimeZone zone_{kCentralEurope};
    ManualClock clock_{calendarOf({2024, 6, 12, 10, 0, 0})};
};

TEST_F(EventRearm, FailedPostsAreCountedUntilOneSucceeds)
{
    hrt_set_post_hook(nullptr); // no hook: the first post fails
    const int16_t h = hrt_event_alloc(0, HRT_EVENT_MSEC);
    ASSERT_EQ(hrt_event_setmessage(h, 10, kWindow, 0x400, 5), 1);
    clock_.advance(10);
    EXPECT_EQ(Notices::get().count(), 0u);

    hrt_set_post_hook(recordPost);
    Notices::get().answerPosts({0, 1, 1}); // fails, then succeeds
    clock_.advance(30);
    const auto posts = Notices::get().all();
    ASSERT_EQ(posts.size(), 3u);
    EXPECT_EQ(posts[0].wparam, 1u) << "the post without a hook failed";
    EXPECT_EQ(posts[1].wparam, 2u) << "and the one the hook refused";
    EXPECT_EQ(posts[2].wparam, 0u) << "a post went through";
    for (const Notice &n : posts)
        EXPECT_EQ(n.value, 5u);
    hrt_event_free(h);
}

TEST_F(EventRearm, ArmingAPendingEventReplacesIt)
{
    const int16_t h = hrt_event_alloc(0, HRT_EVENT_MSEC);
    ASSERT_EQ(hrt_event_setcallback(h, 10, recordCall, 1), 1);
    clock_.advance(5);
    ASSERT_EQ(hrt_event_setmessage(h, 30, kWindow, 0x400, 2), 1);
    clock_.advance(29);
    EXPECT_EQ(Notices::get().count(), 0u) << "the first timer is gone";
    clock_.advance(1);
    auto all = Notices::get().all();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].kind, Kind::Post);
    EXPECT_EQ(all[0].value, 2u);

    // A refused arming stops the running timer as well.
    EXPECT_EQ(hrt_event_setcallback(h, 0, recordCall, 3), 0);
    EXPECT_EQ(hrt_event_pending(h), 0);
    clock_.advance(100);
    EXPECT_EQ(Notices::get().count(), 1u);
    hrt_event_free(h);
}

TEST_F(EventRearm, ResetOfAOneShotSecondsEventCountsTheWholePeriodAgain)
{
    const int16_t h = hrt_event_alloc(HRT_EVENT_ONE_SHOT, HRT_EVENT_SECONDS);
    ASSERT_EQ(hrt_event_setcallback(h, 3, recordCall, 0), 1);
    clock_.advance(2 * kSec);
    EXPECT_EQ(hrt_event_reset(h), 1);
    clock_.advance(3 * kSec - 1);
    EXPECT_EQ(Notices::get().count(), 0u);
    clock_.advance(1);
    EXPECT_EQ(Notices::get().count(), 1u);
    EXPECT_EQ(hrt_event_pending(h), 0);

    // After it has fired, a reset arms it once more.
    EXPECT_EQ(hrt_event_reset(h), 1);
    clock_.advance(3 * kSec);
    EXPECT_EQ(Notices::get().count(), 2u);
    hrt_event_free(h);
}

TEST_F(EventRearm, CancelStopsAndKeepsTheSettingsForAReset)
{
    const int16_t h = hrt_event_alloc(0, HRT_EVENT_MSEC);
    ASSERT_EQ(hrt_event_setcallback(h, 10, recordCall, 9), 1);
    clock_.advance(15);
    hrt_event_cancel(h);
    EXPECT_EQ(hrt_event_pending(h), 0);
    clock_.advance(100);
    EXPECT_EQ(Notices::get().count(), 1u);

    EXPECT_EQ(hrt_event_reset(h), 1);
    EXPECT_EQ(hrt_event_pending(h), 1);
    clock_.advance(10);
    ASSERT_EQ(Notices::get().count(), 2u);
    EXPECT_EQ(Notices::get().all()[1].value, 9u);
    hrt_event_free(h);
}

TEST_F(EventTest, ResetOfATimeOfDayEventCountsFromTheLocalTimeNow)
{
    // 20:00 on the evening before the clocks go forward, armed for 09:00:
    // 12 hours. An hour later a reset leaves 11 hours, to the same moment.
    ScopedTimeZone zone(kCentralEurope);
    ManualClock evening(calendarOf({2024, 3, 30, 20, 0, 0}));
    const int16_t h = hrt_event_alloc(HRT_EVENT_ONE_SHOT, HRT_EVENT_TIME_OF_DAY);
    ASSERT_EQ(hrt_event_clockcallback(h, 9, 0, 0, recordCall, 0), 1);
    evening.advance(3600 * kSec);
    EXPECT_EQ(hrt_event_reset(h), 1);
    evening.advanceTo(12 * 3600 * kSec - 1);
    EXPECT_EQ(Notices::get().count(), 0u);
    evening.advanceTo(12 * 3600 * kSec);
    EXPECT_EQ(Notices::get().count(), 1u);
    hrt_event_free(h);
}

TEST_F(EventRearm, ResetRunsNothingThatWasNeverArmed)
{
    for (int16_t type : {2, 3, 4, 9}) {
        const int16_t h = hrt_event_alloc(0, type);
        ASSERT_NE(h, 0);
        EXPECT_EQ(hrt_event_reset(h), 0) << type;
        EXPECT_EQ(hrt_event_pending(h), 0) << type;
        hrt_event_free(h);
    }
}

TEST_F(EventRearm, RefusesTimesNotOnAClockAndCallsWithoutAFunction)
{
    const int16_t clock = hrt_event_alloc(0, HRT_EVENT_TIME_OF_DAY);
    const struct {
        int16_t hour, minute, second;
    } bad[] = {{24, 0, 0}, {-1, 0, 0}, {0, 60, 0}, {0, -1, 0}, {0, 0, 60}, {0, 0, -1}, {INT16_MAX, 0, 0}};
    for (const auto &t : bad) {
        EXPECT_EQ(hrt_event_clockcallback(clock, t.hour, t.minute, t.second, recordCall, 0), 0) << t.hour;
        EXPECT_EQ(hrt_event_clockmsg(clock, t.hour, t.minute, t.second, kWindow, 1, 0), 0) << t.hour;
        EXPECT_EQ(hrt_event_pending(clock), 0);
    }
    EXPECT_EQ(hrt_event_clockcallback(clock, 23, 59, 59, nullptr, 0), 0);
    EXPECT_EQ(hrt_event_clockcallback(clock, 23, 59, 59, recordCall, 0), 1) << "the last second of the day";

    const int16_t ms = hrt_event_alloc(0, HRT_EVENT_MSEC);
    EXPECT_EQ(hrt_event_setcallback(ms, 10, nullptr, 0), 0);
    EXPECT_EQ(hrt_event_reset(ms), 0) << "never armed";
    clock_.advance(100);
    EXPECT_EQ(Notices::get().count(), 0u);
    hrt_event_free(ms);
    hrt_event_free(clock);
}

} // namespace
