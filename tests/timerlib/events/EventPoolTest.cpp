// The event pool: what allocation refuses, exhaustion, the worker thread's
// life, the calibrated period range, and handles that name no event.
#include <climits>

#include "EventFixture.h"

namespace {

TEST_F(EventTest, AllocationRefusesTypeOneAndHandsOutThirtyOneEvents)
{
    EXPECT_EQ(hrt_event_alloc(0, 1), 0);
    EXPECT_EQ(hrt_event_alloc(HRT_EVENT_ONE_SHOT, 1), 0);
    EXPECT_EQ(hrt_event_inuse(), 0);
    EXPECT_EQ(hrt_event_avail(), 31);

    std::vector<int16_t> handles;
    for (int i = 1; i <= 31; ++i) {
        int16_t h = hrt_event_alloc(0, static_cast<int16_t>(2 + i % 3));
        ASSERT_EQ(h, i);
        handles.push_back(h);
    }
    EXPECT_EQ(hrt_event_alloc(0, HRT_EVENT_MSEC), 0);
    EXPECT_EQ(hrt_event_inuse(), 31);
    EXPECT_EQ(hrt_event_avail(), 0);

    hrt_event_free(7);
    EXPECT_EQ(hrt_event_alloc(0, HRT_EVENT_MSEC), 7) << "the lowest free slot";
    for (int16_t h : handles)
        hrt_event_free(h);
    EXPECT_EQ(hrt_event_avail(), 31);
}

TEST_F(EventTest, WorkerRunsFromTheFirstAllocationToTheLastRelease)
{
    EXPECT_EQ(eventWorkers(), 0);
    const int16_t a = hrt_event_alloc(0, HRT_EVENT_MSEC);
    EXPECT_EQ(eventWorkers(), 1);
    const int16_t b = hrt_event_alloc(0, HRT_EVENT_SECONDS);
    EXPECT_EQ(eventWorkers(), 1) << "one worker for all events";
    hrt_event_free(a);
    EXPECT_EQ(eventWorkers(), 1);
    hrt_event_free(b);
    // Joined; the system may list the ended thread a moment longer.
    EXPECT_TRUE(waitFor([] { return eventWorkers() == 0; }, std::chrono::milliseconds(1000)));
}

TEST_F(EventTest, PeriodRangeIsCalibratedAndReportedWhole)
{
    EXPECT_EQ(hrt_calibrate_event(), 1);
    EXPECT_EQ(hrt_event_minperiod(), 1);
    // The longest period, 1000000 ms, does not fit in 16 bits: the most that does.
    EXPECT_EQ(hrt_event_maxperiod(), 65535);
}

// Handle 0, a slot not in use, and handles outside the pool.
class EventBadHandle : public EventTest, public ::testing::WithParamInterface<int> {};

TEST_P(EventBadHandle, IsRefusedAndTouchesNoOtherEvent)
{
    const auto bad = static_cast<int16_t>(GetParam());
    const int16_t live = hrt_event_alloc(0, HRT_EVENT_SECONDS);
    ASSERT_EQ(live, 1);
    ASSERT_EQ(hrt_event_setcallback(live, 3600, recordCall, 0), 1);

    EXPECT_EQ(hrt_event_setcallback(bad, 10, recordCall, 0), 0);
    EXPECT_EQ(hrt_event_setmessage(bad, 10, nullptr, 1, 0), 0);
    EXPECT_EQ(hrt_event_clockcallback(bad, 12, 0, 0, recordCall, 0), 0);
    EXPECT_EQ(hrt_event_clockmsg(bad, 12, 0, 0, nullptr, 1, 0), 0);
    EXPECT_EQ(hrt_event_reset(bad), 0);
    EXPECT_EQ(hrt_event_pending(bad), 0);
    hrt_event_cancel(bad);
    hrt_event_free(bad);

    EXPECT_EQ(hrt_event_inuse(), 1);
    EXPECT_EQ(hrt_event_pending(live), 1);
    hrt_event_free(live);
}

INSTANTIATE_TEST_SUITE_P(Handles, EventBadHandle, ::testing::Values(0, 5, 31, 32, 255, 257, -1, INT16_MAX));

} // namespace
