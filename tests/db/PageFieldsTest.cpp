// The byte rules every module's page image shares: the serial number of page 2, texts over pages
// and date pages, each against golden bytes.
#include "db/PageFields.h"
#include "platform/PlatformError.h"
#include "support/PageBytes.h"
#include "support/PlainPageImage.h"
#include "support/ScriptedMsgBox.h"

#include <QDate>
#include <gtest/gtest.h>

using testsupport::page7to0;
using testsupport::pageOf;

TEST(PageFields, SerialNumberInPageTwo)
{
    testsupport::PlainPageImage image(4, QByteArray(32, '\x11'));
    pagefields::setSerial(image, 0x012345);
    EXPECT_EQ(pageOf(image, 2), page7to0({0x01, 0x23, 0x45, 0x11, 0x11, 0x11, 0x11, 0x11}));
    EXPECT_EQ(pagefields::serial(image), 0x012345);
    pagefields::setSerial(image, pagefields::kMaxSerial);
    EXPECT_EQ(pagefields::serial(image), 16777215);
}

TEST(PageFields, SerialNumbersOfTextsAndValues)
{
    struct Case {
        const char* text;
        std::optional<int32_t> serial;
    };
    const Case cases[] = {
        {"0", 0},           {" 74565 ", 74565},         {"16777215", 16777215},
        {"+12", 12},        {"16777216", std::nullopt}, {"-1", std::nullopt},
        {"", std::nullopt}, {"12a", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pagefields::serialNumber(QString::fromLatin1(c.text)), c.serial) << c.text;

    EXPECT_TRUE(pagefields::isSerialNumber(0) && pagefields::isSerialNumber(16777215));
    EXPECT_FALSE(pagefields::isSerialNumber(-1) || pagefields::isSerialNumber(16777216));
    EXPECT_EQ(pagefields::serialOfText(QStringLiteral("+12")), 12);
    try {
        pagefields::serialOfText(QStringLiteral("+12"), false);
        ADD_FAILURE() << "a sign is refused where it is not allowed";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), 13);
        EXPECT_EQ(e.description(), QStringLiteral("The serial number \"+12\" is not a number from 0 to 16777215."));
    }
    try {
        pagefields::serialOfNumber(16777216);
        ADD_FAILURE() << "out of range";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), 9);
        EXPECT_EQ(e.description(), QStringLiteral("The serial number 16777216 is not a number from 0 to 16777215."));
    }
}

TEST(PageFields, TextsRunOverPagesFirstCharacterInByteSeven)
{
    testsupport::PlainPageImage image(10, QByteArray(80, '\x7F'));
    pagefields::setTextBytes(image, 6, "ABCDEFGHIJ");
    EXPECT_EQ(pageOf(image, 6), testsupport::textPage("ABCDEFGH"));
    EXPECT_EQ(pageOf(image, 7), page7to0({'I', 'J', 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F}))
        << "a part page keeps its other bytes";
    EXPECT_EQ(pageOf(image, 8), QByteArray(8, '\x7F'));
    EXPECT_EQ(pagefields::textBytes(image, 6, 10), QByteArray("ABCDEFGHIJ"));
    EXPECT_EQ(pagefields::textBytes(image, 6, 3), QByteArray("ABC"));
    EXPECT_EQ(pagefields::readReversed(image, 6), QByteArray("ABCDEFGH"));
}

TEST(PageFields, DatePages)
{
    testsupport::PlainPageImage image(12);
    // 9 March 2024 14:07:09: day 45360, fraction .5882986111.
    ASSERT_EQ(pagefields::setDate(image, 11, QDateTime(QDate(2024, 3, 9), QTime(14, 7, 9))), 0);
    EXPECT_EQ(pageOf(image, 11), page7to0({4, 53, 60, 58, 82, 98, 61, 11}));
    EXPECT_EQ(pagefields::dayText(image, 11), QStringLiteral("09-03-2024"));
    EXPECT_NEAR(pagefields::date(image, 11), 45360.5882986111, 1e-9);
    EXPECT_EQ(pagefields::dayText(image, 10), QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy")))
        << "a page without a date shows today";

    // A date no page can hold is refused by the codec, and the page stays as it was.
    testsupport::ScriptedMsgBox boxes;
    boxes.answerAll();
    EXPECT_EQ(pagefields::setDate(image, 11, QDateTime(QDate(1800, 1, 1), QTime(0, 0))), -1);
    EXPECT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(pageOf(image, 11), page7to0({4, 53, 60, 58, 82, 98, 61, 11}));
}
