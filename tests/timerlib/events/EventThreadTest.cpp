// Events on the real clock and the worker thread: notifications arrive on
// time, and whatever stops an event returns only when no notification of it
// runs, so none reaches an event armed again or a slot handed out anew.
#include <atomic>
#include <condition_variable>

#include "EventFixture.h"

namespace {

using namespace std::chrono_literals;

TEST_F(EventTest, RepeatingEventNotifiesOnTheRealClockUntilCancelled)
{
    const int16_t h = hrt_event_alloc(0, HRT_EVENT_MSEC);
    const auto start = SteadyClock::now();
    ASSERT_EQ(hrt_event_setcallback(h, 5, recordCall, 3), 1);
    ASSERT_TRUE(waitFor([] { return Notices::get().count() >= 4; }));
    EXPECT_GE(SteadyClock::now() - start, 20ms);
    hrt_event_cancel(h);
    const size_t atCancel = Notices::get().count();
    sleepMs(30);
    EXPECT_EQ(Notices::get().count(), atCancel) << "nothing after cancel returned";
    hrt_event_free(h);
}

// A notification that is still running when the event is stopped.
class SlowCallback {
public:
    SlowCallback()
    {
        Notices::get().onCall([this](uint32_t, uint32_t) {
            entered_ = true;
            std::this_thread::sleep_for(50ms);
            finished_ = true;
        });
    }
    ~SlowCallback() { Notices::get().onCall(nullptr); }
    bool entered() const { return entered_; }
    bool finished() const { return finished_; }

private:
    std::atomic<bool> entered_{false}, finished_{false};
};

struct Stopper {
    const char *name;
    void (*stop)(int16_t h);
};

void PrintTo(const Stopper &s, std::ostream *os)
{
    *os << s.name;
}

class EventStop : public EventTest, public ::testing::WithParamInterface<Stopper> {};

TEST_P(EventStop, WaitsForTheRunningNotification)
{
    // Another event keeps the worker running, so that a release does not
    // wait merely for the worker to end.
    const int16_t other = hrt_event_alloc(0, HRT_EVENT_MSEC);
    int16_t h = hrt_event_alloc(HRT_EVENT_ONE_SHOT, HRT_EVENT_MSEC);
    {
        SlowCallback slow;
        ASSERT_EQ(hrt_event_setcallback(h, 1, recordCall, 0), 1);
        ASSERT_TRUE(waitFor([&] { return slow.entered(); }));
        GetParam().stop(h);
        EXPECT_TRUE(slow.finished()) << GetParam().name << " returned while the notification ran";
    }
    hrt_event_free(h);
    hrt_event_free(other);
}

INSTANTIATE_TEST_SUITE_P(
    Events, EventStop,
    ::testing::Values(Stopper{"Free", [](int16_t h) { hrt_event_free(h); }},
                      Stopper{"Cancel", [](int16_t h) { hrt_event_cancel(h); }},
                      Stopper{"Rearm", [](int16_t h) { hrt_event_setcallback(h, 1000000, recordCall, 0); }},
                      Stopper{"Reset", [](int16_t h) { hrt_event_reset(h); }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(EventTest, NoLateNotificationReachesASlotHandedOutAgain)
{
    // Each round arms a fast event with its own value and frees it at a
    // varying moment; a notification carrying an earlier round's value after
    // that round's free returned would be late.
    std::atomic<uint32_t> current{0};
    std::atomic<int> late{0};
    Notices::get().onCall([&](uint32_t, uint32_t value) {
        if (value != current.load())
            ++late;
    });
    for (uint32_t round = 1; round <= 200; ++round) {
        current = round;
        const int16_t h = hrt_event_alloc(0, HRT_EVENT_MSEC);
        ASSERT_EQ(h, 1);
        ASSERT_EQ(hrt_event_setcallback(h, 1, recordCall, round), 1);
        std::this_thread::sleep_for(std::chrono::microseconds(round % 4 * 700));
        if (round % 2)
            hrt_event_cancel(h);
        hrt_event_free(h);
        current = 0;
    }
    Notices::get().onCall(nullptr);
    EXPECT_EQ(late.load(), 0);
}

TEST_F(EventTest, NotificationMayReleaseOrRearmItsOwnEvent)
{
    // Re-armed from its own notification three times, then released there.
    std::atomic<int> calls{0};
    Notices::get().onCall([&](uint32_t handle, uint32_t) {
        if (++calls < 4)
            hrt_event_setcallback(static_cast<int16_t>(handle), 2, recordCall, 0);
        else
            hrt_event_free(static_cast<int16_t>(handle));
    });
    const int16_t h = hrt_event_alloc(HRT_EVENT_ONE_SHOT, HRT_EVENT_MSEC);
    ASSERT_EQ(hrt_event_setcallback(h, 2, recordCall, 0), 1);
    ASSERT_TRUE(waitFor([] { return hrt_event_inuse() == 0; }));
    EXPECT_EQ(calls.load(), 4);
    EXPECT_TRUE(waitFor([] { return eventWorkers() == 0; })) << "the worker ends after its last event";
    Notices::get().onCall(nullptr);

    // A new event starts a new worker.
    const int16_t again = hrt_event_alloc(HRT_EVENT_ONE_SHOT, HRT_EVENT_MSEC);
    ASSERT_EQ(hrt_event_setcallback(again, 2, recordCall, 0), 1);
    EXPECT_TRUE(waitFor([] { return Notices::get().count() == 5; }));
    hrt_event_free(again);
}

} // namespace
