// Alarm and confirmation records: where they live in the image and how they read.
#include "TRFixture.h"

#include "toneremote/basVelmarTR.h"

using namespace trtest;
using Record = COrvDocTR::AlarmRecord;

TEST(AlarmRecords, EachRecordIsOnePageStoredReversed)
{
    const struct {
        int alarm;
        int page;
    } cases[] = {{1, 208}, {8, 215}, {9, 192}, {16, 199}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.alarm);
        COrvDocTR doc;
        const Record record{0xBA, 1, 2, 3, 4, 5, 6, 7};
        ASSERT_EQ(doc.intSetAlarm(static_cast<int16_t>(c.alarm), record), 0);
        EXPECT_EQ(testsupport::pageOf(doc, c.page), testsupport::page7to0({0xBA, 1, 2, 3, 4, 5, 6, 7}));
        QByteArray expected(kPages * 8, '\0');
        expected.replace(c.page * 8, 8, testsupport::page7to0({0xBA, 1, 2, 3, 4, 5, 6, 7}));
        EXPECT_EQ(imageOf(doc), expected);

        Record back{};
        ASSERT_EQ(doc.intGetAlarm(static_cast<int16_t>(c.alarm), back), 0);
        EXPECT_EQ(back, record);
    }
}

TEST(AlarmRecords, NumbersOutsideOneToSixteenAreRefused)
{
    COrvDocTR doc;
    for (int16_t n : {0, 17, -1}) {
        Record record{1, 2, 3, 4, 5, 6, 7, 8};
        EXPECT_EQ(doc.intSetAlarm(n, record), -1);
        EXPECT_EQ(doc.intGetAlarm(n, record), -1);
        EXPECT_EQ(record, (Record{1, 2, 3, 4, 5, 6, 7, 8}));
    }
    EXPECT_EQ(imageOf(doc), QByteArray(kPages * 8, '\0'));
}

TEST(AlarmRecords, DescriptionsOfRecords)
{
    const struct {
        const char* name;
        Record record;
        const char* text;
    } cases[] = {
        {"selcall, line, pip tone, aux 1", {0xBA, 0x12, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
         "PipTone. Selcall  12 to Line. Activate Aux 1"},
        {"FT to radio", {0x41, 0x13, 0x5F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "FT Seq 950+1150 to Radio. "},
        {"FT first tone only", {0x21, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "FT Seq 650 to Line. "},
        {"FT without a first tone", {0x61, 0x0F, 0xEF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "FT Seq None+2050 to Line+Radio. "},
        {"no destination", {0x88, 0x12, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "Disabled"},
        {"pip tone only", {0x30, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "PipTone. "},
        {"pip tone with a message byte", {0x30, 0x12, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "PipTone.  to Line. "},
        {"fourteen selcall digits and signs", {0xC0, 0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD},
         "Selcall  0123456789PRGA to Radio. "},
        {"DTMF signs", {0xA1, 0xAB, 0xCF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "DTMF  *#A to Line. "},
        {"DTMF's last sign", {0xA1, 0xDE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "DTMF  BC to Line. "},
        {"selcall question sign", {0xA0, 0xEF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "Selcall  ? to Line. "},
        {"aux output 3 without a message", {0x2E, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "Activate Aux 3"},
        {"new document's alarm", {0, 0, 0, 0, 0, 0, 15, 136}, "Disabled"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString text = QStringLiteral("unchanged");
        EXPECT_EQ(basVelmarTR::intAlarmToText(c.record, text), 0);
        EXPECT_EQ(text, QString::fromLatin1(c.text));
    }
}
