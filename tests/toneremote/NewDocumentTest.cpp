// A new tone-remote document: the identity of a new module and the factory defaults.
#include "TRFixture.h"

#include "db/DbFixture.h"
#include "toneremote/basVelmarTR.h"

using namespace trtest;
using testsupport::page7to0;
using testsupport::pageOf;

namespace {

const QDate kMadeOn(2024, 3, 9);

class NewDocumentTest : public DbFixture {
protected:
    // NewToneRemote for serial 123456 and option byte 224, then NewDocument.
    void makeNew()
    {
        ASSERT_EQ(doc.NewToneRemote(QStringLiteral("Vr12-34-5678"), true, 123456, QStringLiteral("0000"), kMadeOn, 224),
                  0);
        ASSERT_EQ(doc.NewDocument(), 0);
    }

    COrvDocTR doc;
};

TEST_F(NewDocumentTest, IdentityPagesOfANewModule)
{
    for (int p = 0; p <= 4; ++p)
        doc.SetPage(p, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE);
    ASSERT_EQ(doc.NewToneRemote(QStringLiteral("Vr12-34-5678"), true, 123456, QStringLiteral("0000"), kMadeOn, 224), 0);
    EXPECT_EQ(doc.intDocumentFrom, kFromNew);
    EXPECT_EQ(pageOf(doc, 0), QByteArray(8, '\0'));
    EXPECT_EQ(pageOf(doc, 1), page7to0({0, 0, 0, 0, 0, 0, 255, 255}));
    EXPECT_EQ(pageOf(doc, 2), page7to0({0x01, 0xE2, 0x40, 0, 0, 0x80, 224, 30}));
    EXPECT_EQ(pageOf(doc, 3), testsupport::textPage("09-03-24"));
    EXPECT_EQ(pageOf(doc, 4), testsupport::textPage("12345678"));
    EXPECT_EQ(doc.strProductionDate, "09-03-24");
    EXPECT_EQ(doc.bytFlag1, 0x80);
    EXPECT_EQ(doc.bytFlag1Ext, 224);
    EXPECT_EQ(doc.strSerial, "123456");
    EXPECT_EQ(pageOf(doc, 13), QByteArray(8, '\0')) << "no identity marker before the defaults";

    // A code without the display prefix is stored as it is, padded or cut to 8 characters.
    ASSERT_EQ(doc.NewToneRemote(QStringLiteral("Kelt"), true, 0, QString(), kMadeOn, 8), 0);
    EXPECT_EQ(pageOf(doc, 4), testsupport::textPage("Kelt"));
    ASSERT_EQ(doc.NewToneRemote(QStringLiteral("ABCDEFGHIJ"), true, 0, QString(), kMadeOn, 8), 0);
    EXPECT_EQ(pageOf(doc, 4), testsupport::textPage("ABCDEFGH"));
}

TEST_F(NewDocumentTest, ASerialOutsideThreeBytesIsRefusedAndChangesNothing)
{
    for (const int32_t serial : {-5, 16777216}) {
        COrvDocTR fresh;
        const QByteArray before = imageOf(fresh);
        testsupport::ScriptedMsgBox box;
        box.expect(QStringLiteral("is not a number from 0 to 16777215"));
        EXPECT_EQ(fresh.NewToneRemote(QStringLiteral("Kelt"), true, serial, QString(), kMadeOn, 8), -1) << serial;
        EXPECT_EQ(imageOf(fresh), before);
        EXPECT_EQ(fresh.intDocumentFrom, kFromDatabase);
    }
}

TEST_F(NewDocumentTest, FactoryDefaultsDecodeToTheNewModulesSettings)
{
    makeNew();
    EXPECT_EQ(pageOf(doc, 5), page7to0({0, 0, 0, 0, 0, 0x84, 0, 30}));
    EXPECT_EQ(pageOf(doc, 10), testsupport::textPage("Velmar"));
    EXPECT_EQ(pageOf(doc, 14), QByteArray(8, '\xFF'));
    EXPECT_EQ(pageOf(doc, 15), page7to0({0, 0, 30, 0, 0, 0, 127, 225}));
    EXPECT_EQ(byteAt(doc, 13, 7), 0xAA);
    EXPECT_EQ(byteAt(doc, 13, 6), 0x7E);
    EXPECT_EQ(byteAt(doc, 13, 5), 0xAA);
    EXPECT_EQ(wordAt(doc, 46, 1), 10338);
    EXPECT_EQ(wordAt(doc, 12, 7), 2175);

    EXPECT_TRUE(doc.OrvTest());
    EXPECT_EQ(doc.strSerial, "123456");
    EXPECT_EQ(doc.strModuleType, "Vr12-34-5678");
    EXPECT_EQ(doc.VotingLevel, 10338);
    EXPECT_EQ(doc.intTxDelay, 1200);
    EXPECT_EQ(doc.intRxDelay, 600);
    EXPECT_EQ(doc.bytFTTime, 40) << "stored 0, outside 11..50";
    EXPECT_EQ(doc.bytHLGTDuration, 120) << "stored 0";
    EXPECT_EQ(doc.strUserRemark, "");
    EXPECT_EQ(doc.strFileName, "Velmar");
    EXPECT_EQ(doc.strLastModified, QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy")));
    EXPECT_EQ(doc.intKeytoneFrequencyLT5, 2175);
    EXPECT_EQ(doc.LowVoltAlarmThreshold().toString(), "10.7");
}

TEST_F(NewDocumentTest, EveryPairDoesNothingAndAlarmsOneToEightAreDisabled)
{
    makeNew();
    QString text;
    for (int first = 0; first < 15; ++first)
        for (int second = 0; second < 15; ++second) {
            int16_t tone1 = 0, tone2 = 0, action = -1;
            ASSERT_EQ(doc.intGetFnToneAction(static_cast<int16_t>(16 * first + second), tone1, tone2, action), 0);
            ASSERT_EQ(basVelmarTR::intFnActionToText(action, text), 0);
            EXPECT_EQ(text, "Do Nothing") << first << "+" << second;
        }
    for (int16_t n = 1; n <= 8; ++n) {
        COrvDocTR::AlarmRecord record{};
        ASSERT_EQ(doc.intGetAlarm(n, record), 0);
        EXPECT_EQ(record, (COrvDocTR::AlarmRecord{0, 0, 0, 0, 0, 0, 15, 136})) << n;
        ASSERT_EQ(basVelmarTR::intAlarmToText(record, text), 0);
        EXPECT_EQ(text, "Disabled") << n;
    }
}

TEST_F(NewDocumentTest, AMissingReferenceRowEndsTheDefaultsWithFailure)
{
    sql(QStringLiteral("DELETE FROM tblTRFilter WHERE Frequency = 2175 AND Prefix = 'n'"));
    ASSERT_EQ(doc.NewToneRemote(QStringLiteral("Kelt"), true, 7, QString(), kMadeOn, 224), 0);
    EXPECT_EQ(doc.NewDocument(), -1);
    EXPECT_EQ(pageOf(doc, 15), page7to0({0, 0, 30, 0, 0, 0, 127, 225}))
        << "the pages before the tables keep their defaults";
    EXPECT_NE(pageOf(doc, 224), QByteArray(8, '\xFF')) << "nothing after the failing table";
}

} // namespace
