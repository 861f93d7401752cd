// Decoding the system pages into the document's fields and encoding them back.
#include "RadioFixture.h"

#include "shell/DateCodecs.h"

#include <QDate>
#include <functional>

using namespace radiolayout;

namespace {

struct DecodeCase {
    const char* name;
    std::function<void(CLASSOrvDocument&)> setUp; // pages (and fields a receiver keeps)
    std::function<void(const CLASSOrvDocument&)> check;
};

void write(CLASSOrvDocument& doc, int page, const QByteArray& bytes) { ASSERT_EQ(doc.intWritePage(page, bytes), 0); }

// A transmitter image with the configuration byte given.
void identity(CLASSOrvDocument& doc, int config, int channels = 4)
{
    write(doc, kIdentityPage, page7to0({0, 0, 0, channels >> 8, channels & 0xFF, config, 16, 255}));
}

const DecodeCase kDecodeCases[] = {
    {"FirmwareDigitsWithoutPadding", [](auto& d) { write(d, kStatePage, page7to0({1, 0, 0, 5, 0, 0, 0, 0})); },
     [](const auto& d) { EXPECT_EQ(d.strFirmwareVersion, "V10.05"); }},
    {"FirmwareOfNewModule", [](auto& d) { write(d, kStatePage, page7to0({0, 1, 0, 1, 0, 0, 255, 255})); },
     [](const auto& d) { EXPECT_EQ(d.strFirmwareVersion, "V01.01"); EXPECT_EQ(d.intCurrentchannel, 0); }},
    {"CurrentChannelLowByteFirst", [](auto& d) { write(d, kStatePage, page7to0({0, 0, 0, 0, 1, 2, 0, 0})); },
     [](const auto& d) { EXPECT_EQ(d.intCurrentchannel, 258); }},
    {"SerialLowByteFirst", [](auto& d) { write(d, kIdentityPage, page7to0({0x12, 0x34, 0x56, 0, 0, 0x10, 16, 255})); },
     [](const auto& d) { EXPECT_EQ(d.strSerial, "1193046"); }},
    {"ChannelCountAndPartition", [](auto& d) { write(d, kIdentityPage, page7to0({0, 0, 1, 0, 128, 0x12, 12, 255})); },
     [](const auto& d) {
         EXPECT_EQ(d.intMaxchannel, 128);
         EXPECT_EQ(d.intPartition, 12);
         EXPECT_EQ(d.bytFlag1, 0x12);
     }},
    {"KindTransmitter", [](auto& d) { identity(d, 0x10); }, [](const auto& d) { EXPECT_EQ(d.intRxTxEx, 1); }},
    {"KindExciter", [](auto& d) { identity(d, 0x14); }, [](const auto& d) { EXPECT_EQ(d.intRxTxEx, 2); }},
    {"KindReceiverBit1", [](auto& d) { identity(d, 0x12); }, [](const auto& d) { EXPECT_EQ(d.intRxTxEx, 0); }},
    {"ReceiverWithInjectionAndTcxoBits", [](auto& d) { identity(d, 0x1F); },
     [](const auto& d) {
         EXPECT_EQ(d.intRxTxEx, 0);
         EXPECT_EQ(d.bytFlag1, 0x1F);
     }},
    {"ModelCodeTwoLetterForm",
     [](auto& d) { identity(d, 0x10); write(d, kModelCodePage, textPage("31150000")); },
     [](const auto& d) { EXPECT_EQ(d.strModuleType, "Vr31-15-0000"); }},
    {"ModelCodeTwoLetterFormShort",
     [](auto& d) { identity(d, 0x10); write(d, kModelCodePage, textPage("3115    ")); },
     [](const auto& d) { EXPECT_EQ(d.strModuleType, "Vr31-15"); }},
    {"ModelCodeOneLetterForm",
     [](auto& d) { identity(d, 0x00); write(d, kModelCodePage, textPage("31150000")); },
     [](const auto& d) { EXPECT_EQ(d.strModuleType, "V311-50-000"); }},
    {"ProductionDate", [](auto& d) { write(d, kProductionDatePage, textPage("15012024")); },
     [](const auto& d) { EXPECT_EQ(d.strProductionDate, "15012024"); }},
    {"TransmitterTimers",
     [](auto& d) { identity(d, 0x10); write(d, kOptionPage, page7to0({10, 0x05, 0xDC, 0x01, 0xF4, 0, 0, 0})); },
     [](const auto& d) {
         EXPECT_EQ(d.bytTailtime, 10);
         EXPECT_EQ(d.intTransmittime, 1500);
         EXPECT_EQ(d.intTXlockouttime, 500);
     }},
    {"ReceiverKeepsTimersAndToneBurst",
     [](auto& d) {
         identity(d, 0x12);
         write(d, kOptionPage, page7to0({10, 0x05, 0xDC, 0x01, 0xF4, 0x9C, 7, 0}));
         d.bytTailtime = 3;
         d.intTransmittime = 4;
         d.intTXlockouttime = 5;
         d.bytReverseToneBurst = 0;
         d.bytLengthOfReverseToneBurst = 9;
     },
     [](const auto& d) {
         EXPECT_EQ(d.bytTailtime, 3);
         EXPECT_EQ(d.intTransmittime, 4);
         EXPECT_EQ(d.intTXlockouttime, 5);
         EXPECT_EQ(d.bytReverseToneBurst, 0);
         EXPECT_EQ(d.bytLengthOfReverseToneBurst, 9);
         EXPECT_EQ(d.bytChangeDefaultChanOnChanChange, 1);
         EXPECT_EQ(d.bytChangeSelectType, 1);
         EXPECT_EQ(d.bytFlag2, 0x9C);
     }},
    {"TransmitterOptionBits",
     [](auto& d) { identity(d, 0x14); write(d, kOptionPage, page7to0({0, 0, 0, 0, 0, 0x18, 7, 0})); },
     [](const auto& d) {
         EXPECT_EQ(d.bytReverseToneBurst, 1);
         EXPECT_EQ(d.bytReverseToneBurstType, 1);
         EXPECT_EQ(d.bytChangeDefaultChanOnChanChange, 0);
         EXPECT_EQ(d.bytChangeSelectType, 0);
         EXPECT_EQ(d.bytLengthOfReverseToneBurst, 7);
     }},
    {"CustomTypeTrimmedBothEnds",
     [](auto& d) { write(d, kCustomTypePage, textPage("  My Typ")); write(d, kCustomTypePage + 1, textPage("e       ")); },
     [](const auto& d) { EXPECT_EQ(d.strCustomType, "My Type"); }},
    {"UnwrittenCustomTypeIsEmpty", [](auto&) {}, [](const auto& d) { EXPECT_EQ(d.strCustomType, ""); }},
    {"RemarkTrimmedAtItsEndOnly",
     [](auto& d) { write(d, kRemarkPage, textPage("  Site 4")); write(d, kRemarkPage + 1, textPage("        ")); },
     [](const auto& d) { EXPECT_EQ(d.strUserRemark, "  Site 4"); }},
    {"LastWriteDate",
     [](auto& d) { write(d, kLastWritePage, page7to0({3, 65, 26, 50, 0, 0, 0, 0})); },
     [](const auto& d) { EXPECT_EQ(d.strLastModified, "01-01-2000"); }},
    {"BlankLastWriteDateIsToday", [](auto&) {},
     [](const auto& d) { EXPECT_EQ(d.strLastModified, QDate::currentDate().toString("dd-MM-yyyy")); }},
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, FieldFromPages)
{
    testsupport::ScriptedMsgBox noBoxes;
    CLASSOrvDocument doc;
    GetParam().setUp(doc);
    ASSERT_EQ(doc.intInitSystemInfo(), 0);
    GetParam().check(doc);
}

INSTANTIATE_TEST_SUITE_P(RadioSystemFields, DecodeTest, ::testing::ValuesIn(kDecodeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Values the pages can hold but a radio module cannot have: refused with a message, not wrapped.
TEST(RadioSystemFields, DecodeRefusesOutOfRangeCountsWithAMessage)
{
    struct Case {
        QByteArray page1, page2;
        const char* message;
    };
    const Case cases[] = {
        {page7to0({0, 1, 0, 1, 128, 0, 0, 0}), page7to0({0, 0, 0, 0, 4, 0x10, 16, 255}), "default channel"},
        {page7to0({0, 1, 0, 1, 0, 0, 0, 0}), page7to0({0, 0, 0, 0, 129, 0x10, 16, 255}), "129 channels"},
        {page7to0({0, 1, 0, 1, 0, 0, 0, 0}), page7to0({0, 0, 0, 1, 0, 0x10, 16, 255}), "256 channels"},
    };
    for (const Case& c : cases) {
        testsupport::ScriptedMsgBox box;
        box.expect(c.message);
        CLASSOrvDocument doc;
        doc.intWritePage(kStatePage, c.page1);
        doc.intWritePage(kIdentityPage, c.page2);
        EXPECT_EQ(doc.intInitSystemInfo(), -1) << c.message;
        EXPECT_LE(doc.intMaxchannel, kMaxChannels);
    }
}

// A transmitter whose fields are all set, as the settings tab leaves them.
CLASSOrvDocument editedTransmitter()
{
    CLASSOrvDocument doc;
    doc.intRxTxEx = 1;
    doc.strSerial = "1193046";
    doc.intCurrentchannel = 258;
    doc.strUserRemark = "Hilltop site 4 east";
    doc.strCustomType = "My Type";
    doc.bytTailtime = 10;
    doc.intTransmittime = 1500;
    doc.intTXlockouttime = 500;
    doc.bytChangeDefaultChanOnChanChange = 1;
    doc.bytChangeSelectType = 1;
    doc.bytReverseToneBurst = 1;
    doc.bytReverseToneBurstType = 0;
    doc.bytLengthOfReverseToneBurst = 7;
    return doc;
}

TEST(RadioSystemFields, EncodeWritesEveryFieldToItsPlace)
{
    CLASSOrvDocument doc = editedTransmitter();
    ASSERT_EQ(doc.intEditSystem(), 0);
    EXPECT_EQ(pageOf(doc, kStatePage), page7to0({0, 0, 0, 0, 1, 2, 0, 0}));
    EXPECT_EQ(pageOf(doc, kIdentityPage), page7to0({0x12, 0x34, 0x56, 0, 0, 0, 0, 0}));
    EXPECT_EQ(pageOf(doc, kOptionPage), page7to0({10, 0x05, 0xDC, 0x01, 0xF4, 0x8C, 7, 0}));
    EXPECT_EQ(pageOf(doc, kCustomTypePage), textPage("My Type "));
    EXPECT_EQ(pageOf(doc, kCustomTypePage + 1), textPage("        "));
    EXPECT_EQ(pageOf(doc, kRemarkPage), textPage("Hilltop "));
    EXPECT_EQ(pageOf(doc, kRemarkPage + 1), textPage("site 4 e"));

    // And back: decoding what was written gives the same settings.
    CLASSOrvDocument back;
    for (int p = 0; p < kPageCount; ++p)
        back.intWritePage(p, pageOf(doc, p));
    back.intWritePage(kIdentityPage, page7to0({0x12, 0x34, 0x56, 0, 0, 0x10, 16, 255}));
    ASSERT_EQ(back.intInitSystemInfo(), 0);
    EXPECT_EQ(back.strSerial, doc.strSerial);
    EXPECT_EQ(back.intCurrentchannel, 258);
    EXPECT_EQ(back.strCustomType, "My Type");
    EXPECT_EQ(back.strUserRemark, "Hilltop site 4 e");
    EXPECT_EQ(back.intTransmittime, 1500);
    EXPECT_EQ(back.intTXlockouttime, 500);
    EXPECT_EQ(back.bytTailtime, 10);
    EXPECT_EQ(back.bytReverseToneBurst, 1);
    EXPECT_EQ(back.bytChangeSelectType, 1);
    EXPECT_EQ(back.bytLengthOfReverseToneBurst, 7);
}

TEST(RadioSystemFields, EncodeOfAReceiverKeepsTheTransmitterBytes)
{
    CLASSOrvDocument doc = editedTransmitter();
    doc.intRxTxEx = 0;
    doc.intWritePage(kOptionPage, page7to0({1, 2, 3, 4, 5, 0xFF, 6, 7}));
    ASSERT_EQ(doc.intEditSystem(), 0);
    // Only bits 2 and 7 of the option byte survive; bytes 1 and 3-7 are the receiver's own.
    EXPECT_EQ(pageOf(doc, kOptionPage), page7to0({1, 2, 3, 4, 5, 0x84, 6, 7}));
}

TEST(RadioSystemFields, ShortRemarkIsKeptPaddedToTwentyCharacters)
{
    CLASSOrvDocument doc = editedTransmitter();
    doc.strUserRemark = "abc";
    ASSERT_EQ(doc.intEditSystem(), 0);
    EXPECT_EQ(doc.strUserRemark, QString("abc").leftJustified(20));
    EXPECT_EQ(pageOf(doc, kRemarkPage), textPage("abc     "));
    EXPECT_EQ(pageOf(doc, kRemarkPage + 1), textPage("        "));
}

TEST(RadioSystemFields, EncodeRefusesBadFieldsWithAMessageAndChangesNoPage)
{
    struct Case {
        const char* name;
        std::function<void(CLASSOrvDocument&)> spoil;
        const char* message;
    };
    const Case cases[] = {
        {"serial not a number", [](auto& d) { d.strSerial = "12a"; }, "serial number"},
        {"serial empty", [](auto& d) { d.strSerial = ""; }, "serial number"},
        {"serial beyond 24 bits", [](auto& d) { d.strSerial = "16777216"; }, "serial number"},
        {"serial negative", [](auto& d) { d.strSerial = "-1"; }, "serial number"},
        {"custom type of 17 characters", [](auto& d) { d.strCustomType = "ABCDEFGHIJKLMNOPQ"; }, "custom type"},
        {"option of 2", [](auto& d) { d.bytChangeSelectType = 2; }, "ChangeSelectType"},
        {"tone burst option of 2", [](auto& d) { d.bytReverseToneBurstType = 2; }, "ReverseToneBurstType"},
    };
    for (const Case& c : cases) {
        testsupport::ScriptedMsgBox box;
        box.expect(c.message);
        CLASSOrvDocument doc = editedTransmitter();
        c.spoil(doc);
        const QByteArray before = documentPages(doc, 0, kLastPage);
        EXPECT_EQ(doc.intEditSystem(), -1) << c.name;
        EXPECT_EQ(documentPages(doc, 0, kLastPage), before) << c.name;
    }
}

} // namespace
