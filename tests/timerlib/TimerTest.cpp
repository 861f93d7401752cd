// Stopwatch timers: states, misuse statuses, accumulated time, names, and the
// time text.
#include <cstring>
#include <string>
#include <vector>

#include "TimerlibFixture.h"

namespace {

enum Op { Start, Stop, Suspend, Resume, Reset };

void apply(int16_t h, Op op)
{
    switch (op) {
    case Start: hrt_timer_start(h); break;
    case Stop: hrt_timer_stop(h); break;
    case Suspend: hrt_timer_suspend(h); break;
    case Resume: hrt_timer_resume(h); break;
    case Reset: hrt_timer_reset(h); break;
    }
}

struct StateCase {
    const char *what;
    std::vector<Op> ops;
    int16_t state;
    int32_t status;
    uint32_t activations;
};

TEST_F(TimerLib, StatesAndMisuseStatuses)
{
    const StateCase cases[] = {
        {"start", {Start}, HRT_TIMER_RUNNING, 0, 1},
        {"start twice", {Start, Start}, HRT_TIMER_RUNNING, HRT_STATUS_WRONG_STATE, 1},
        {"stop when stopped", {Stop}, HRT_TIMER_STOPPED, HRT_STATUS_NOT_RUNNING, 0},
        {"suspend when stopped", {Suspend}, HRT_TIMER_STOPPED, HRT_STATUS_NOT_RUNNING, 0},
        {"suspend then stop", {Start, Suspend, Stop}, HRT_TIMER_SUSPENDED, HRT_STATUS_NOT_RUNNING, 1},
        {"resume when stopped", {Resume}, HRT_TIMER_STOPPED, HRT_STATUS_WRONG_STATE, 0},
        {"resume when running", {Start, Resume}, HRT_TIMER_RUNNING, HRT_STATUS_WRONG_STATE, 1},
        {"start when suspended", {Start, Suspend, Start}, HRT_TIMER_SUSPENDED, HRT_STATUS_WRONG_STATE, 1},
        {"suspend and resume", {Start, Suspend, Resume}, HRT_TIMER_RUNNING, 0, 1},
        {"two runs", {Start, Stop, Start, Stop}, HRT_TIMER_STOPPED, 0, 2},
        {"reset clears all", {Start, Start, Reset}, HRT_TIMER_STOPPED, 0, 0},
    };
    for (const StateCase &c : cases) {
        int16_t h = hrt_timer_alloc(2, "t");
        for (Op op : c.ops)
            apply(h, op);
        EXPECT_EQ(hrt_timer_getstate(h), c.state) << c.what;
        EXPECT_EQ(hrt_timer_count(h), c.activations) << c.what;
        EXPECT_EQ(hrt_timer_getstatus(h), c.status) << c.what;
        EXPECT_EQ(hrt_timer_getstatus(h), 0) << c.what << ": a status is read once";
        hrt_timer_free(h);
    }
}

TEST_F(TimerLib, RunsAccumulateAndLastElapsedIsTheLastRun)
{
    int16_t h = hrt_timer_alloc(2, "runs");
    hrt_timer_start(h);
    sleepMs(4);
    EXPECT_GE(hrt_timer_current(h), 4u);
    EXPECT_EQ(hrt_timer_lastelapsed(h), 0u) << "nothing while running";
    hrt_timer_stop(h);
    uint32_t first = hrt_timer_lastelapsed(h);
    EXPECT_EQ(hrt_timer_current(h), 0u) << "nothing while stopped";
    hrt_timer_start(h);
    sleepMs(8);
    hrt_timer_stop(h);
    uint32_t second = hrt_timer_lastelapsed(h);

    EXPECT_GE(first, 4u);
    EXPECT_GE(second, 8u);
    EXPECT_EQ(hrt_timer_elapsed(h), first + second);
    EXPECT_EQ(hrt_timer_count(h), 2u);
    EXPECT_DOUBLE_EQ(hrt_timer_elapsedsecs(h), (first + second) / 1000.0);
    EXPECT_DOUBLE_EQ(hrt_timer_lastelapsedsecs(h), second / 1000.0);
    hrt_timer_free(h);
}

TEST_F(TimerLib, SuspendedTimeIsNotCounted)
{
    int16_t h = hrt_timer_alloc(1, "segments");
    hrt_timer_start(h);
    sleepMs(3);
    hrt_timer_suspend(h);
    uint32_t before = hrt_timer_lastelapsed(h);
    sleepMs(50);
    hrt_timer_resume(h);
    sleepMs(3);
    hrt_timer_stop(h);
    uint32_t after = hrt_timer_lastelapsed(h);

    EXPECT_EQ(hrt_timer_count(h), 1u);
    EXPECT_EQ(hrt_timer_elapsed(h), before + after);
    EXPECT_GE(after, 3000u);
    EXPECT_LT(after, 50000u) << "the suspended 50 ms are left out";
    hrt_timer_free(h);
}

TEST_F(TimerLib, MicrosecondRunShorterThanOverheadAddsNothing)
{
    RestoreSettings restore;
    EXPECT_EQ(hrt_timer_setohead(1000000), 1000000u);
    int16_t h = hrt_timer_alloc(1, "short");
    hrt_timer_start(h);
    hrt_timer_stop(h);
    EXPECT_EQ(hrt_timer_elapsed(h), 0u);
    hrt_timer_free(h);
}

TEST_F(TimerLib, NameIsFixedAtAllocationAndCopiedOutInTwentyCharacters)
{
    struct NameCase {
        const char *given;
        std::string kept;
    } const cases[] = {
        {"Link poll", "Link poll"},
        {"abcdefghijklmnopqrstuvwxy", "abcdefghijklmnopqrst"},
        {"", ""},
        {nullptr, ""},
    };
    for (const NameCase &c : cases) {
        int16_t h = hrt_timer_alloc(3, c.given);
        ASSERT_NE(h, 0);
        EXPECT_EQ(std::string(hrt_timer_getname(h)), c.kept);
        EXPECT_EQ(hrt_timer_getresolution(h), 3);
        char buffer[22];
        std::memset(buffer, '#', sizeof buffer);
        hrt_timer_setname(h, buffer);
        std::string expected = c.kept + std::string(20 - c.kept.size(), '\0');
        EXPECT_EQ(std::string(buffer, 20), expected) << "padded with zeros, no terminator at 20";
        EXPECT_EQ(buffer[20], '#');
        hrt_timer_free(h);
    }
}

TEST(TimeString, FormatsHoursMinutesSecondsAndMillionths)
{
    struct Case {
        double seconds;
        const char *text;
    } const cases[] = {
        {59.25, "0:00:59.250000"},
        {3600, "1:00:00.000000"},
        {61, "0:01:01.000000"},
        {3725.5, "1:02:05.500000"},
        {0, "0:00:00.000000"},
        {0.000001, "0:00:00.000001"},
        {86399.5, "23:59:59.500000"},
        {4294967295.0, "1193046:28:15.000000"},
        {1e12, "1193046:28:15.000000"},
        {-5, "0:00:00.000000"},
    };
    for (const Case &c : cases) {
        char buffer[21];
        EXPECT_EQ(hrt_timestring(c.seconds, buffer), buffer);
        EXPECT_STREQ(buffer, c.text) << c.seconds;
    }
}

} // namespace
