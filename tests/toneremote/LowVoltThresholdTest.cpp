// The low-voltage alarm threshold in volts, against the module's calibration byte.
#include "TRFixture.h"

#include "support/ScriptedMsgBox.h"

using namespace trtest;

namespace {

ExactDecimal volts(const char* text) { return *ExactDecimal::fromText(QString::fromLatin1(text)); }

} // namespace

TEST(LowVoltThreshold, AnUnsetThresholdTakesTheCalibrationByteAndReadsExactly107)
{
    COrvDocTR doc;
    setByte(doc, 2, 0, 30);
    EXPECT_EQ(doc.LowVoltAlarmThreshold(), volts("10.7"));
    EXPECT_EQ(byteAt(doc, 5, 0), 30);

    // Another module: each byte above its calibration byte is 0.0238 V more.
    setByte(doc, 2, 0, 40);
    setByte(doc, 5, 0, 50);
    EXPECT_EQ(doc.LowVoltAlarmThreshold(), volts("10.938"));
    EXPECT_EQ(doc.LowVoltAlarmThreshold().toString(), QStringLiteral("10.938"));
}

TEST(LowVoltThreshold, AVoltageIsStoredAsTheNearestByte)
{
    const struct {
        const char* volts;
        int calibration;
        int byte;
    } cases[] = {
        {"10.7714", 30, 33},  // 10.7 + 3 × 0.0238
        {"10.7", 30, 30},
        {"14.1", 30, 173},    // 142.857 steps above
        {"10.7119", 30, 30},  // half a step rounds to the even byte
        {"10.7357", 30, 32},  // one and a half steps: to the even byte
        {"10.7", 0, 0},
        {"9.986", 30, 0},     // the lowest this module holds: 9.9159 V + its offset 0.0701 V
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.volts);
        COrvDocTR doc;
        setByte(doc, 2, 0, static_cast<uint8_t>(c.calibration));
        ASSERT_EQ(doc.LowVoltAlarmThreshold(volts(c.volts)), 0);
        EXPECT_EQ(byteAt(doc, 5, 0), c.byte);
    }
    COrvDocTR doc;
    setByte(doc, 2, 0, 30);
    ASSERT_EQ(doc.LowVoltAlarmThreshold(volts("10.7") + volts("0.0238") * 3), 0);
    EXPECT_EQ(byteAt(doc, 5, 0), 33);
}

TEST(LowVoltThreshold, AVoltageNoByteHoldsIsRefusedAndChangesNothing)
{
    for (const char* v : {"9.8", "20", "-1"}) {
        SCOPED_TRACE(v);
        COrvDocTR doc;
        setByte(doc, 2, 0, 30);
        setByte(doc, 5, 0, 77);
        testsupport::ScriptedMsgBox boxes;
        boxes.expect(QStringLiteral("low-voltage alarm threshold of %1 V").arg(QLatin1String(v)));
        EXPECT_EQ(doc.LowVoltAlarmThreshold(volts(v)), -1);
        EXPECT_EQ(byteAt(doc, 5, 0), 77);
    }
}

TEST(ExactDecimalText, ReadsAndWritesDecimalTexts)
{
    EXPECT_EQ(volts(" 10.70 ").toString(), QStringLiteral("10.7"));
    EXPECT_EQ(volts("-0.0238").toString(), QStringLiteral("-0.0238"));
    EXPECT_EQ(volts("+12").toString(), QStringLiteral("12"));
    EXPECT_EQ(volts("0.0000000015").toString(), QStringLiteral("0.000000002"));
    EXPECT_EQ(volts("0.0000000025").toString(), QStringLiteral("0.000000002"));
    EXPECT_DOUBLE_EQ(volts("10.7714").toDouble(), 10.7714);
    for (const char* bad : {"", "-", ".", "1.2.3", "1e5", "12a", "99999999999999"})
        EXPECT_FALSE(ExactDecimal::fromText(QString::fromLatin1(bad))) << bad;
}
