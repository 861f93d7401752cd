// Timestamps and their differences in microseconds, milliseconds and seconds.
#include <cmath>
#include <limits>

#include "hrt_arithmetic.h"
#include "TimerlibFixture.h"

namespace {

using DiffFn = uint32_t (*)(int16_t, int16_t);
const DiffFn diffs[] = {hrt_timestamp_usecdiff, hrt_timestamp_msecdiff, hrt_timestamp_secdiff};

TEST_F(TimerLib, EqualStampsDifferByZeroAndEndBeforeStartIsFlagged)
{
    int16_t early = hrt_timestamp_alloc(), late = hrt_timestamp_alloc();
    hrt_timestamp_get(early);
    sleepMs(2);
    hrt_timestamp_get(late);
    for (DiffFn diff : diffs) {
        EXPECT_EQ(diff(early, early), 0u);
        EXPECT_EQ(diff(late, early), HRT_DIFF_END_BEFORE_START);
    }
    hrt_timestamp_free(early);
    hrt_timestamp_free(late);
}

TEST_F(TimerLib, DifferencesInTheThreeUnitsAgree)
{
    int16_t start = hrt_timestamp_alloc(), end = hrt_timestamp_alloc();
    auto wall = SteadyClock::now();
    hrt_timestamp_get(start);
    sleepMs(3);
    hrt_timestamp_get(end);
    double measured = microsecondsSince(wall);

    uint32_t us = hrt_timestamp_usecdiff(start, end);
    EXPECT_GE(us, 3000u);
    EXPECT_LE(us, measured + 1);
    EXPECT_EQ(hrt_timestamp_msecdiff(start, end), us / 1000);
    EXPECT_EQ(hrt_timestamp_secdiff(start, end), us / 1000000);
    hrt_timestamp_free(start);
    hrt_timestamp_free(end);
}

struct DiffCase {
    int64_t start, end;
    double ticksPerUnit;
    uint32_t expected;
};

TEST(TimestampArithmetic, TruncatesAndFlagsOutOfRange)
{
    const int64_t usec = 1000; // ticks of a 1 GHz counter
    const DiffCase cases[] = {
        {7, 7, 1000, 0},
        {0, 999, 1000, 0},
        {0, 1000, 1000, 1},
        {100, 50, 1000, HRT_DIFF_END_BEFORE_START},
        {0, 4294967291LL * usec + 999, 1000, 4294967291u},
        {0, 4294967292LL * usec, 1000, HRT_DIFF_TOO_LARGE},
        {0, 4294967293LL * usec, 1000, HRT_DIFF_TOO_LARGE},
        {0, std::numeric_limits<int64_t>::max(), 1000, HRT_DIFF_TOO_LARGE},
        {-5, 5, 1, 10},
    };
    for (const DiffCase &c : cases)
        EXPECT_EQ(hrt_diff_units(c.start, c.end, c.ticksPerUnit), c.expected) << c.start << " -> " << c.end;
}

TEST(TimestampArithmetic, WholeUnitsStayWhole)
{
    // An exact number of milliseconds must never come out one short.
    for (int64_t ms = 0; ms < 200000; ++ms)
        ASSERT_EQ(hrt_diff_units(0, ms * 1000000, 1e6), static_cast<uint32_t>(ms));
    for (int64_t s = 0; s < 5000; ++s)
        ASSERT_EQ(hrt_diff_units(12345, 12345 + s * 1000000000, 1e9), static_cast<uint32_t>(s));
}

} // namespace
