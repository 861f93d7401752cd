// The radio archive file: golden bytes, a round trip of the whole image, refused files that leave
// the document as it was, and the file replaced in one step.
#include "RadioFilesFixture.h"

#include <QDir>
#include <QFileInfo>

namespace {

QByteArray record(std::initializer_list<int> data)
{
    QByteArray r;
    uint8_t x = 0;
    for (int b : data) {
        r.append(static_cast<char>(b));
        x ^= static_cast<uint8_t>(b);
    }
    return r.append(static_cast<char>(x));
}

// A receiver with partition 16, two channels and a fixed date of the last write.
class ArchiveTest : public RadioFilesTest {
protected:
    void SetUp() override
    {
        RadioFilesTest::SetUp();
        doc_ = newDocument(kReceiverModel, 2);
        doc_.intWritePage(11, page7to0({0, 45, 35, 50, 0, 0, 0, 0}));
        doc_.intWritePage(16, channelPage(171400000, 1, 80, 127, 0x81));
        doc_.intWritePage(17, channelPage(171406250, 3, 90, 100, 0x0F));
        doc_.lngRef1 = 0x1234;
        doc_.lngRef2 = 0x0ABC;
        path_ = file(QStringLiteral("MODULE.MCF"));
    }

    CLASSOrvDocument doc_;
    QString path_;
};

TEST_F(ArchiveTest, GoldenBytes)
{
    ASSERT_EQ(doc_.intDocument2Archive(path_), 0);
    EXPECT_FALSE(doc_.fModified);

    QByteArray expected;
    expected += record({1, 0, 1, 0, 3, 0, 0, 0});                 // firmware V01.01: page 1 bytes 6, 7, 4, 5
    expected += record({5, 0, 148, 0, 0x13, 0x0C, 0x0B, 0x0A});   // counts, configuration, serial low first
    expected += record({0x00, 0x4D, 0xD2, 0x08, 0x80, 0x07, 0x5F, 0x0A}); // 148 and 174 MHz
    expected += record({0x34, 0x12, 0xBC, 0x0A, 0xC0, 0x89, 0x46, 0x01}); // references, IF 21.4 MHz
    expected += record({0x00, 0x50, 0xC3, 0x00, 64, 0, 0, 0});    // TCXO 12.8 MHz, prescaler 64
    for (int page = 0; page <= 148; ++page) {
        const QByteArray p = pageOf(doc_, page);
        expected += record({uint8_t(p[7]), uint8_t(p[6]), uint8_t(p[5]), uint8_t(p[4]), uint8_t(p[3]), uint8_t(p[2]),
                            uint8_t(p[1]), uint8_t(p[0])});
    }
    const QByteArray written = readFile(path_);
    ASSERT_EQ(written.size(), 154 * 9);
    EXPECT_EQ(written.toHex(' ').toStdString(), expected.toHex(' ').toStdString());
}

TEST_F(ArchiveTest, RoundTripGivesTheSameImageAndModelData)
{
    ASSERT_EQ(doc_.intDocument2Archive(path_), 0);
    CLASSOrvDocument read;
    ASSERT_EQ(read.intArchive2Document(path_), 0);

    EXPECT_EQ(documentPages(read, 0, 148), documentPages(doc_, 0, 148));
    EXPECT_EQ(read.lngLowerFreql, 148000000);
    EXPECT_EQ(read.lngUpperFreql, 174000000);
    EXPECT_EQ(read.lngRef1, 0x1234);
    EXPECT_EQ(read.lngRef2, 0x0ABC);
    EXPECT_EQ(read.lngIntFreq, 21400000);
    EXPECT_EQ(read.lngTCXOFreq, 12800000);
    EXPECT_EQ(read.intPrescalar, 64);
    EXPECT_EQ(read.strSerial, QStringLiteral("658188"));
    EXPECT_EQ(read.intMaxchannel, 2);
    EXPECT_EQ(read.intDocumentFrom, kFromArchive);
    EXPECT_EQ(read.strDocumentFileName, path_);
    EXPECT_TRUE(read.fModified);
}

// The archive holds neither the doubler nor the model name: a reopened archive must still give the
// EPROM image the module had, with the counters of a doubled synthesizer and the model text. The
// doubler comes from page 15 when the pages carry the RF data, else from the catalogue.
TEST_F(ArchiveTest, ReopenedDoubledTransmitterGivesTheSameEpromImage)
{
    for (const bool pagesCarryTheData : {true, false}) {
        SCOPED_TRACE(pagesCarryTheData ? "RF data in the pages" : "RF data only in the header");
        CLASSOrvDocument doc = newDocument(QStringLiteral("Vr51-15-0000"), 2);  // doubled in the catalogue
        ASSERT_TRUE(doc.boolDoubled);
        doc.intWritePage(16, channelPage(450012500, 1, 80, 127, 0xFF));
        doc.intWritePage(17, channelPage(403006250, 0, 80, 127, 0xFF));
        if (!pagesCarryTheData) {
            QByteArray synth = pageOf(doc, 15);
            synth[1] = 0;
            doc.intWritePage(15, synth);
        }
        const QString before = file(QStringLiteral("before.bin"));
        const QString after = file(QStringLiteral("after.bin"));
        ASSERT_EQ(doc.intDocument2BIN(before), 0);
        ASSERT_EQ(doc.intDocument2Archive(path_), 0);

        CLASSOrvDocument reopened;
        ASSERT_EQ(reopened.intArchive2Document(path_), 0);
        EXPECT_TRUE(reopened.boolDoubled);
        EXPECT_EQ(reopened.strModuleUsed, QStringLiteral("Vr51-15-0000"));
        ASSERT_EQ(reopened.intDocument2BIN(after), 0);
        const QByteArray written = readFile(after);
        EXPECT_TRUE(written == readFile(before)) << "the reopened archive gives another image";
        EXPECT_EQ(static_cast<uint8_t>(written[7]), 0x24);  // R = 1024: the reference halves with the doubler
        EXPECT_TRUE(written.mid(1536, 16).startsWith("Vr51-15-0000"));
    }
}

struct BadArchive {
    const char* name;
    void (*spoil)(QByteArray& file);
    const char* message;
};

void setRecord(QByteArray& file, int recordNumber, int byte, int value)
{
    const int at = (recordNumber - 1) * 9;
    file[at + byte] = static_cast<char>(value);
    uint8_t x = 0;
    for (int i = 0; i < 8; ++i)
        x ^= static_cast<uint8_t>(file[at + i]);
    file[at + 8] = static_cast<char>(x);
}

const BadArchive kBadArchives[] = {
    {"DataByteOfAPageRecordAltered", [](QByteArray& f) { f[20 * 9 + 3] = char(f[20 * 9 + 3] ^ 0x40); }, "record 21 fails"},
    {"CheckByteOfTheIdentityAltered", [](QByteArray& f) { f[17] = char(f[17] ^ 1); }, "record 2 fails"},
    {"Truncated", [](QByteArray& f) { f.chop(1); }, "ends before its record 154"},
    {"Empty", [](QByteArray& f) { f.clear(); }, "ends before its record 1"},
    {"ToneRemoteArchive", [](QByteArray& f) { setRecord(f, 2, 4, 0x80); }, "no archive of a receiver"},
    {"TooFewHeaderRecords", [](QByteArray& f) { setRecord(f, 2, 0, 3); }, "3 header records"},
    {"NegativeHeaderCount", [](QByteArray& f) { setRecord(f, 2, 1, 0xFF); }, "header records"},
    {"LastPageBeyondTheImage", [](QByteArray& f) { setRecord(f, 2, 2, 149); }, "149 as its last page"},
    {"LastPageBeforeTheIdentity", [](QByteArray& f) { setRecord(f, 2, 2, 1); }, "1 as its last page"},
};

class BadArchiveTest : public ArchiveTest, public ::testing::WithParamInterface<BadArchive> {};

TEST_P(BadArchiveTest, IsRefusedWithAMessageAndLeavesTheDocumentAsItWas)
{
    ASSERT_EQ(doc_.intDocument2Archive(path_), 0);
    QByteArray bytes = readFile(path_);
    GetParam().spoil(bytes);
    writeFile(path_, bytes);

    CLASSOrvDocument open = newDocument(kTransmitterModel, 5);
    open.fModified = false;
    const CLASSOrvDocument before = open;
    testsupport::ScriptedMsgBox box;
    box.expect(GetParam().message);
    EXPECT_EQ(open.intArchive2Document(path_), -1);
    EXPECT_EQ(documentPages(open, 0, 148), documentPages(before, 0, 148));
    EXPECT_EQ(open.intDocumentFrom, before.intDocumentFrom);
    EXPECT_EQ(open.lngIntFreq, before.lngIntFreq);
    EXPECT_EQ(open.strDocumentFileName, before.strDocumentFileName);
    EXPECT_FALSE(open.fModified);
}

INSTANTIATE_TEST_SUITE_P(Files, BadArchiveTest, ::testing::ValuesIn(kBadArchives),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArchiveTest, ReplacesALongerFileWholeAndKeepsTheOldFileWhenNothingCanBeWritten)
{
    writeFile(path_, QByteArray(5000, 'x'));
    ASSERT_EQ(doc_.intDocument2Archive(path_), 0);
    EXPECT_EQ(QFileInfo(path_).size(), 1386);

    // A settings field that cannot be encoded: nothing is written.
    writeFile(path_, QByteArray(5000, 'x'));
    doc_.strSerial = QStringLiteral("12x");
    doc_.fModified = true;
    {
        testsupport::ScriptedMsgBox box;
        box.expect(QStringLiteral("12x"));
        EXPECT_EQ(doc_.intDocument2Archive(path_), -1);
    }
    EXPECT_EQ(readFile(path_), QByteArray(5000, 'x'));
    EXPECT_TRUE(doc_.fModified);

    // A folder that does not exist: the failure is shown, and there is no file.
    doc_.strSerial = QStringLiteral("658188");
    const QString missing = file(QStringLiteral("no such folder/MODULE.MCF"));
    testsupport::ScriptedMsgBox box;
    box.expect(QStringLiteral("Cannot write the file"));
    EXPECT_EQ(doc_.intDocument2Archive(missing), -1);
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_TRUE(doc_.fModified);
}

} // namespace
