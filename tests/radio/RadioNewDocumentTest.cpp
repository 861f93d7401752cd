// A new document for each kind of module, and the model code of a model name.
#include "RadioFixture.h"

#include <QDate>
#include "platform/PlatformError.h"

#include <QSqlQuery>

using namespace radiolayout;

namespace {

// Today as page 11 holds it: the day count from 30 December 1899 in three pairs of digits, no time.
QByteArray todayPage()
{
    const qint64 days = QDate(1899, 12, 30).daysTo(QDate::currentDate());
    return page7to0({int(days / 10000), int(days / 100 % 100), int(days % 100), 0, 0, 0, 0, 0});
}

struct NewCase {
    const char* name;
    const char* model;       // catalogue model (standard) or user model
    const char* customType;  // empty for a standard model
    int config;
    const char* modelCode;   // page 4
    QByteArray page12, page13, page15, channel1;
};

const NewCase kNewCases[] = {
    {"VhfReceiverHighSide", "Vr31-05-0000", "", 0x13, "31050000",
     page7to0({0x0A, 0x5F, 0x07, 0x80, 0x08, 0xD2, 0x4D, 0x00}), page7to0({0, 0, 0x18, 0x6A, 0, 0, 0x30, 0xD4}),
     page7to0({0, 64, 0, 0, 0, 0, 3, 0}), page7to0({0x30, 0xD3, 0x30, 80, 127, 0, 0, 255})}, // 169.4 MHz: band edge + IF
    {"UhfReceiverLowSide", "Vr51-05-0000", "", 0x12, "51050000",
     page7to0({0x1C, 0x03, 0xA1, 0x80, 0x18, 0x05, 0x4A, 0xC0}), page7to0({0, 0, 0x18, 0x6A, 0, 0, 0x30, 0xD4}),
     page7to0({0, 128, 0, 0, 0, 0, 3, 0}), page7to0({0x31, 0xDD, 0x00, 80, 127, 0, 0, 255})}, // 381.6 MHz
    {"VhfTransmitter", "Vr31-15-0000", "", 0x10, "31150000",
     page7to0({0x0A, 0x5F, 0x07, 0x80, 0x08, 0xD2, 0x4D, 0x00}), page7to0({0, 0, 0x18, 0x6A, 0, 0, 0x30, 0xD4}),
     page7to0({0, 64, 0, 0, 1, 0, 3, 0}), page7to0({0x30, 0xB9, 0x00, 80, 127, 0, 0, 255})}, // 148 MHz
    {"UhfExciterDoubled", "Vr51-25-0000", "", 0x14, "51250000",
     page7to0({0x1C, 0x03, 0xA1, 0x80, 0x18, 0x05, 0x4A, 0xC0}), page7to0({0, 0, 0x18, 0x6A, 0, 0, 0x30, 0xD4}),
     page7to0({0, 64, 1, 0, 2, 0, 3, 0}), page7to0({0x31, 0xF7, 0x30, 80, 127, 0, 0, 255})}, // 403 MHz
    {"UserModelOfAStandardReceiver", "Site Rx", "Site Rx", 0x13, "31050000",
     page7to0({0x0A, 0x5F, 0x07, 0x80, 0x08, 0xD2, 0x4D, 0x00}), page7to0({0, 0, 0x18, 0x6A, 0, 0, 0x30, 0xD4}),
     page7to0({0, 64, 0, 0, 0, 0, 3, 0}), page7to0({0x30, 0xD3, 0x30, 80, 127, 0, 0, 255})},
};

void PrintTo(const NewCase& c, std::ostream* os) { *os << c.name; }

class NewDocumentTest : public RadioDbTest, public ::testing::WithParamInterface<NewCase> {};

TEST_P(NewDocumentTest, PagesOfTheModel)
{
    const NewCase& c = GetParam();
    QSqlQuery add(db());
    ASSERT_TRUE(add.exec("INSERT INTO tblMODData (MODULENUMB, Lowerfreql, Upperfreql, Ref1, Ref2, IntFreq, TCXOFreq, "
                         "Prescalar, Doubled, Type, InfoType) VALUES ('Site Rx', 148000000, 174000000, 12500, 6250, "
                         "21400000, 12800000, 64, 'NO', 'Receiver', 'Vr31-05-0000')"));

    testsupport::ScriptedMsgBox noBoxes;
    CLASSOrvDocument doc;
    const bool standard = *c.customType == 0;
    doc.strCustomType = c.customType;
    if (standard)
        doc.strModuleType = c.model;
    ASSERT_EQ(doc.intReadModData(), 0);
    const QString modelType = standard ? "Standard" : "User";
    ASSERT_EQ(doc.NewRadio(c.model, modelType, 0x0A0B0C, "", QDate(2024, 3, 7), 128, 16), 0);
    ASSERT_EQ(doc.intNew2Document(c.model, modelType, 0x0A0B0C, "", QDate(2024, 3, 7), 128, 16), 0);

    EXPECT_EQ(doc.intDocumentFrom, kFromNew);
    EXPECT_EQ(pageOf(doc, 0), QByteArray(8, '\0'));
    EXPECT_EQ(pageOf(doc, 1), page7to0({0, 1, 0, 1, 0, 0, 255, 255}));
    EXPECT_EQ(pageOf(doc, 2), page7to0({0x0A, 0x0B, 0x0C, 0, 128, c.config, 16, 255}));
    EXPECT_EQ(pageOf(doc, 3), textPage("07032024"));
    EXPECT_EQ(pageOf(doc, 4), textPage(c.modelCode));
    EXPECT_EQ(pageOf(doc, 5), QByteArray(8, '\0'));
    const QByteArray customType = QByteArray(c.customType).leftJustified(16, ' ');
    EXPECT_EQ(pageOf(doc, 6) + pageOf(doc, 7), textPage(customType.left(8)) + textPage(customType.mid(8)));
    EXPECT_EQ(pageOf(doc, 8) + pageOf(doc, 9), QByteArray(16, ' '));
    EXPECT_EQ(pageOf(doc, 10), textPage("Velmar  "));
    EXPECT_EQ(pageOf(doc, 11), todayPage());
    EXPECT_EQ(pageOf(doc, 12), c.page12);
    EXPECT_EQ(pageOf(doc, 13), c.page13);
    EXPECT_EQ(pageOf(doc, 14), QByteArray(8, '\0')) << "no new document writes page 14";
    EXPECT_EQ(pageOf(doc, 15), c.page15);
    EXPECT_EQ(pageOf(doc, 16), c.channel1);
    for (int p = 17; p < 16 + 128; ++p)
        ASSERT_EQ(pageOf(doc, p), page7to0({0, 0, 0, 0, 0, 0, 0, 255})) << p;

    // The fields are decoded from the new pages.
    EXPECT_EQ(doc.strSerial, QString::number(0x0A0B0C));
    EXPECT_EQ(doc.intMaxchannel, 128);
    EXPECT_EQ(doc.intPartition, 16);
    EXPECT_EQ(doc.strFirmwareVersion, "V01.01");
    EXPECT_EQ(doc.strProductionDate, "07032024");
    EXPECT_EQ(doc.strCustomType, c.customType);
    const QString code = c.modelCode;
    EXPECT_EQ(doc.strModuleType, "Vr" + code.left(2) + "-" + code.mid(2, 2) + "-" + code.mid(4));
    EXPECT_EQ(doc.lastStoredPage(), 144);
}

INSTANTIATE_TEST_SUITE_P(RadioNewDocument, NewDocumentTest, ::testing::ValuesIn(kNewCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RadioNewDocument, StandardNameOfAModelName)
{
    EXPECT_EQ(CLASSOrvDocument::MakeStandardName("Vr31-15-0000"), QString("31150000").leftJustified(16));
    EXPECT_EQ(CLASSOrvDocument::MakeStandardName("Vr31-15"), QString("3115").leftJustified(16));
    EXPECT_EQ(CLASSOrvDocument::MakeStandardName("V311-50-000"), QString(16, ' '));
    EXPECT_EQ(CLASSOrvDocument::MakeStandardName(""), QString(16, ' '));
    EXPECT_EQ(CLASSOrvDocument::MakeStandardName("Vr1234567890123456"), "1234567890123456");
    EXPECT_THROW(CLASSOrvDocument::MakeStandardName("Vr12345678901234567"), platform::Error);
}

class RadioNewDocumentRefusal : public RadioDbTest {};

// What a new document cannot hold is refused with a message before its pages are made.
TEST_F(RadioNewDocumentRefusal, BadArgumentsGiveAMessageAndMinusOne)
{
    struct Case {
        const char* name;
        const char* model;
        const char* modelType;
        int32_t serial, channels;
        const char* message;
    };
    const Case cases[] = {
        {"129 channels", "Vr31-15-0000", "Standard", 5, 129, "129"},
        {"serial beyond 24 bits", "Vr31-15-0000", "Standard", 16777216, 8, "16777216"},
        {"model code too long", "Vr31-15-0000-0000-0000-1", "Standard", 5, 8, "model code"},
    };
    for (const Case& c : cases) {
        testsupport::ScriptedMsgBox box;
        box.expect(c.message);
        CLASSOrvDocument doc;
        doc.strModuleType = "Vr31-15-0000";
        doc.strModelAsMade = "Standard";
        EXPECT_EQ(doc.NewRadio(c.model, c.modelType, c.serial, "", QDate(2024, 3, 7), c.channels, 16), -1) << c.name;
        EXPECT_EQ(documentPages(doc, 0, kLastPage), QByteArray(kPageCount * kPageSize, '\0')) << c.name;
    }

    testsupport::ScriptedMsgBox box;
    box.expect("longer than 16");
    CLASSOrvDocument doc;
    doc.strModelAsMade = "Vr31-15-0000";
    EXPECT_EQ(doc.intNew2Document("A user model name", "User", 5, "", QDate(2024, 3, 7), 8, 16), -1);
    EXPECT_EQ(documentPages(doc, 0, kLastPage), QByteArray(kPageCount * kPageSize, '\0'));
}

} // namespace
