// The byte rules every module's page image shares: 16-bit words, the serial number of page 2, the
// firmware version of page 1, texts over pages and date pages, each against golden bytes.
#include "db/PageFields.h"
#include "platform/PlatformError.h"
#include "support/PageBytes.h"
#include "support/PlainPageImage.h"
#include "support/ScriptedMsgBox.h"

#include <QDate>
#include <array>
#include <utility>
#include <gtest/gtest.h>

using testsupport::page7to0;
using testsupport::pageOf;

TEST(PageFields, WordsOfTwoBytes)
{
    struct Case {
        int hiByte;
        uint16_t value;
        std::array<uint8_t, 8> page; // byte 0 first
    };
    // High byte at hiByte, low byte just below it; the other bytes stay 0x11.
    const Case cases[] = {
        {1, 0x0000, {0x00, 0x00, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11}},
        {2, 0x00FF, {0x11, 0xFF, 0x00, 0x11, 0x11, 0x11, 0x11, 0x11}},
        {4, 0x0100, {0x11, 0x11, 0x11, 0x00, 0x01, 0x11, 0x11, 0x11}},
        {6, 0x1234, {0x11, 0x11, 0x11, 0x11, 0x11, 0x34, 0x12, 0x11}},
        {7, 0xFFFF, {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0xFF, 0xFF}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hiByte);
        std::array<uint8_t, 8> page;
        page.fill(0x11);
        pagefields::setWord(page, c.hiByte, c.value);
        EXPECT_EQ(page, c.page);
        EXPECT_EQ(pagefields::word(c.page, c.hiByte), c.value);
        EXPECT_EQ(pagefields::word(c.page[c.hiByte], c.page[c.hiByte - 1]), c.value);

        // A byte string the same.
        QByteArray bytes(8, '\x11');
        pagefields::setWord(pagefields::bytesOf(bytes), c.hiByte, c.value);
        EXPECT_EQ(bytes, QByteArray(reinterpret_cast<const char*>(c.page.data()), 8));
        EXPECT_EQ(pagefields::word(pagefields::bytesOf(std::as_const(bytes)), c.hiByte), c.value);
    }

    // The other order: high byte at the lower index.
    std::array<uint8_t, 4> record{0x10, 0, 0, 0};
    pagefields::setBigEndianWord(record, 1, 0xA1B2);
    EXPECT_EQ(record, (std::array<uint8_t, 4>{0x10, 0xA1, 0xB2, 0}));
    EXPECT_EQ(pagefields::bigEndianWord(record, 1), 0xA1B2);
}

TEST(PageFields, FirmwareVersionByteByByte)
{
    EXPECT_EQ(pagefields::firmwareNumber(1, 0, 0, 5), QStringLiteral("10.05"));
    EXPECT_EQ(pagefields::firmwareVersion(0, 1, 0, 1), QStringLiteral("V01.01"));
    // Each byte as its decimal digits, however many.
    EXPECT_EQ(pagefields::firmwareVersion(12, 3, 255, 0), QStringLiteral("V123.2550"));
}

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
