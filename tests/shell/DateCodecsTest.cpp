#include "LocaleParam.h"

#include "shell/DateCodecs.h"
#include "support/ScriptedMsgBox.h"

using namespace basVelmar;

namespace {

class DateCodecs : public UnderLocale {};

TEST_P(DateCodecs, DatesToBytesAndBack)
{
    struct Case {
        double date;
        DateBytes bytes;
    };
    const Case cases[] = {
        {36526.5, {3, 65, 26, 50, 0, 0, 0, 0}},                 // 1 January 2000, noon
        {0.0, {0, 0, 0, 0, 0, 0, 0, 0}},
        {45678.0123456789, {4, 56, 78, 1, 23, 45, 67, 89}},
        {999999.25, {99, 99, 99, 25, 0, 0, 0, 0}},
        {12.00000000004, {0, 0, 12, 0, 0, 0, 0, 0}},             // rounded to ten places
        {12.99999999996, {0, 0, 13, 0, 0, 0, 0, 0}},             // rounding carries into the day
    };
    for (const Case& c : cases) {
        DateBytes d{};
        d.fill(0xEE);
        EXPECT_EQ(intDateToBytes(c.date, d), 0) << c.date;
        EXPECT_EQ(d, c.bytes) << c.date;
        EXPECT_NEAR(dteBytesToDate(c.bytes), c.date, 1e-9) << c.date;
    }
}

TEST_P(DateCodecs, BytesThatHoldNoDateGiveZero)
{
    EXPECT_EQ(dteBytesToDate(DateBytes{}), 0.0);
    EXPECT_EQ(dteBytesToDate(DateBytes{3, 65, 26, 100, 0, 0, 0, 0}), 0.0) << "a byte above 99";
    EXPECT_EQ(dteBytesToDate(DateBytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), 0.0) << "erased memory";
}

TEST_P(DateCodecs, DatesOutsideSixDigitsAreRefused)
{
    for (const double date : {-1.5, 1000000.0, 999999.99999999999}) {
        testsupport::ScriptedMsgBox box;
        box.expect(QStringLiteral("Overflow"));
        DateBytes d{1, 2, 3, 4, 5, 6, 7, 8};
        EXPECT_EQ(intDateToBytes(date, d), -1) << date;
        EXPECT_EQ(d, (DateBytes{1, 2, 3, 4, 5, 6, 7, 8})) << "a refused date leaves the bytes as they were";
    }
}

TEST_P(DateCodecs, LocalTimeAsDayCount)
{
    const QDateTime noon(QDate(2000, 1, 1), QTime(12, 0));
    EXPECT_DOUBLE_EQ(dteFromDateTime(noon), 36526.5);
    EXPECT_EQ(dateTimeFromDte(36526.5), noon);
    const QDateTime when(QDate(2024, 2, 29), QTime(23, 59, 59, 500));
    EXPECT_EQ(dateTimeFromDte(dteFromDateTime(when)), when);
}

VELMAR_UNDER_BOTH_LOCALES(DateCodecs);

} // namespace
