// The MCF file: every field at its offset for both layouts, round trips, and refused files.
#include "RadioFilesFixture.h"

#include <functional>

#include "radio/RadioDateText.h"

#include <QDateTime>
#include <bit>

namespace {

// The file's numbers and texts, little-endian, built here byte by byte.
class Expected {
public:
    Expected& text(const QByteArray& t, int width)
    {
        bytes_ += t.left(width).leftJustified(width, ' ');
        return *this;
    }
    Expected& i16(int v)
    {
        const quint16 u = static_cast<quint16>(v);
        bytes_.append(char(u & 0xFF)).append(char(u >> 8));
        return *this;
    }
    Expected& f64(double v)
    {
        const quint64 u = std::bit_cast<quint64>(v);
        for (int i = 0; i < 8; ++i)
            bytes_.append(char((u >> (8 * i)) & 0xFF));
        return *this;
    }
    Expected& raw(const QByteArray& b)
    {
        bytes_ += b;
        return *this;
    }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

class McfTest : public RadioFilesTest, public ::testing::WithParamInterface<int> {
protected:
    // A transmitter of two channels; channel 2 carries the flag bit, which hides its pots.
    CLASSOrvDocument twoChannels(int partition)
    {
        CLASSOrvDocument doc = newDocument(kTransmitterModel, 2, partition);
        doc.intWritePage(partition, channelPage(150000000, 1, 80, 127, 0x81));
        QByteArray second = channelPage(150006250, 3, 90, 100, 0x0F);
        second[7] = char(second[7] | 0x80);
        doc.intWritePage(partition + 1, second);
        doc.strUserRemark = QStringLiteral("Site 4 north");
        doc.intCurrentchannel = 1;
        doc.bytTailtime = 25;
        doc.intTransmittime = 1525;   // 30.5 s: 30 (halves to even)
        doc.intTXlockouttime = 1575;  // 31.5 s: 32
        doc.bytChangeDefaultChanOnChanChange = 1;
        doc.bytReverseToneBurst = 1;
        doc.bytReverseToneBurstType = 1;
        doc.bytLengthOfReverseToneBurst = 7;
        return doc;
    }
};

TEST_P(McfTest, EveryFieldAtItsOffset)
{
    const int partition = GetParam();
    CLASSOrvDocument doc = twoChannels(partition);
    const QString path = file(QStringLiteral("PLAN.MCF"));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    ASSERT_EQ(doc.intDocument2MCF(path), 0);
    EXPECT_FALSE(doc.fModified);
    const QByteArray written = readFile(path);
    ASSERT_EQ(written.size(), partition == 16 ? 468 : 459);

    // The date and time of writing, checked apart.
    const auto stamp = radiodate::fromStampText(QString::fromLatin1(written.mid(113, 21)));
    ASSERT_TRUE(stamp.has_value()) << written.mid(113, 21).constData();
    EXPECT_GE(*stamp, before);
    EXPECT_LE(*stamp, QDateTime::currentDateTime());
    EXPECT_EQ(written.mid(134, 8), QDate::currentDate().toString(QStringLiteral("dd-MM-yy")).toLatin1());

    Expected e;
    e.text("658188", 8).text("Site 4 north", 16).text("", 16).text("Vr31-15-0000", 15).text(path.toLatin1(), 50)
        .text("MCF", 8).raw(written.mid(113, 21)).raw(written.mid(134, 8)).i16(2).i16(2);
    for (int pin = 8; pin >= 1; --pin)
        e.text("Pin" + QByteArray::number(pin), 10).text("High", 10).text("Low", 10);
    e.i16(1).f64(0.5).i16(30).i16(32).text("V01.01", 6);
    ASSERT_EQ(e.bytes().size(), 406);
    e.i16(1).f64(150.0).f64(67.0).i16(80).i16(127).i16(0x81);
    e.i16(2).f64(150.00625).f64(71.9).i16(0).i16(0).i16(0x0F);
    if (partition == 16)
        e.i16(5).raw("V3.02").i16(16);
    e.raw(QByteArray::fromHex("0100010107"));
    EXPECT_EQ(written.toHex(' '), e.bytes().toHex(' '));
}

TEST_P(McfTest, RoundTripGivesTheSameChannelsAndSettings)
{
    const int partition = GetParam();
    CLASSOrvDocument doc = newDocument(kTransmitterModel, 6, partition);
    for (int n = 0; n < 6; ++n)
        doc.intWritePage(partition + n, channelPage(148000000 + 6250 * 37 * n, n * 9, 60 + n, 100 + n, 1 << n));
    doc.strUserRemark = QStringLiteral("Hill top");
    doc.intCurrentchannel = 4;
    doc.bytTailtime = 25;
    doc.intTransmittime = 1500;
    doc.intTXlockouttime = 3000;
    doc.bytChangeSelectType = 1;
    doc.bytReverseToneBurstType = 1;
    doc.bytLengthOfReverseToneBurst = 9;
    const QString path = file(QStringLiteral("PLAN.MCF"));
    ASSERT_EQ(doc.intDocument2MCF(path), 0);
    // As earlier versions left a file written over a longer one: the old tail stays behind.
    writeFile(path, readFile(path) + QByteArray(40, '\x05'));

    CLASSOrvDocument read;
    ASSERT_EQ(read.intMCFFile2Document(path), 0);
    EXPECT_EQ(read.intPartition, partition);
    EXPECT_EQ(documentPages(read, partition, partition + 5), documentPages(doc, partition, partition + 5));
    EXPECT_EQ(pageOf(read, 1).mid(2), pageOf(doc, 1).mid(2));   // default channel, firmware
    EXPECT_EQ(pageOf(read, 2).mid(1), pageOf(doc, 2).mid(1));   // partition, configuration, count, serial
    EXPECT_EQ(pageOf(read, 4), pageOf(doc, 4));                 // model code
    EXPECT_EQ(pageOf(read, 5).mid(1), pageOf(doc, 5).mid(1));   // options and timers
    EXPECT_EQ(documentPages(read, 6, 9), documentPages(doc, 6, 9)); // custom type, remark
    EXPECT_EQ(read.strSerial, doc.strSerial);
    EXPECT_EQ(read.intCurrentchannel, 4);
    EXPECT_EQ(read.intTransmittime, 1500);
    EXPECT_EQ(read.intTXlockouttime, 3000);
    EXPECT_EQ(read.bytLengthOfReverseToneBurst, 9);
    EXPECT_EQ(read.strModuleType, kTransmitterModel);
    EXPECT_EQ(read.intDocumentFrom, kFromMCF);
    EXPECT_EQ(read.strDocumentFileName, path);
}

INSTANTIATE_TEST_SUITE_P(Partitions, McfTest, ::testing::Values(16, 12),
                         [](const auto& info) { return "Partition" + std::to_string(info.param); });

// The MCF file of `doc` at `path`, its bytes changed by `edit`.
QString editedMcf(CLASSOrvDocument doc, const QString& path, const std::function<void(QByteArray&)>& edit)
{
    EXPECT_EQ(doc.intDocument2MCF(path), 0);
    QByteArray bytes = readFile(path);
    edit(bytes);
    writeFile(path, bytes);
    return path;
}

struct BadMcf {
    const char* name;
    void (*spoil)(QByteArray& file);
};

const BadMcf kBadMcfs[] = {
    {"Empty", [](QByteArray& f) { f.clear(); }},
    {"ShorterThanItsHeader", [](QByteArray& f) { f.truncate(405); }},
    {"ChannelRecordMissing", [](QByteArray& f) { f.truncate(406 + 24 + 14); }},
    {"MoreChannelRecordsDeclared", [](QByteArray& f) { f[144] = 3; }},
    {"NegativeChannelCount", [](QByteArray& f) { f[143] = char(0xFF); }},
    {"ChannelCountAbove128", [](QByteArray& f) { f[142] = char(129); }},
    {"ArchiveFile", [](QByteArray& f) { f = QByteArray(1386, '\x11'); }},
};

class BadMcfTest : public RadioFilesTest, public ::testing::WithParamInterface<BadMcf> {};

TEST_P(BadMcfTest, IsRefusedAndLeavesTheDocumentAsItWas)
{
    CLASSOrvDocument doc = newDocument(kTransmitterModel, 2);
    const QString path = file(QStringLiteral("PLAN.MCF"));
    ASSERT_EQ(doc.intDocument2MCF(path), 0);
    QByteArray bytes = readFile(path);
    GetParam().spoil(bytes);
    writeFile(path, bytes);

    CLASSOrvDocument open = newDocument(kReceiverModel, 3);
    const CLASSOrvDocument before = open;
    testsupport::ScriptedMsgBox noBoxes; // the caller says that the file cannot be opened
    EXPECT_EQ(open.intMCFFile2Document(path), -1);
    EXPECT_EQ(documentPages(open, 0, 148), documentPages(before, 0, 148));
    EXPECT_EQ(open.intDocumentFrom, before.intDocumentFrom);
    EXPECT_EQ(open.strDocumentFileName, before.strDocumentFileName);
}

INSTANTIATE_TEST_SUITE_P(Files, BadMcfTest, ::testing::ValuesIn(kBadMcfs),
                         [](const auto& info) { return std::string(info.param.name); });

// A receiver keeps no transmitter timers in its option page: its file's timers go to the fields
// (and from there to the next file), page 5 keeps its timer bytes and tone-burst length.
TEST_F(RadioFilesTest, McfOfAReceiverLeavesTheTransmitterBytesOfItsOptionPage)
{
    CLASSOrvDocument receiver = newDocument(kReceiverModel, 2);
    receiver.bytTailtime = 25;
    receiver.intTransmittime = 1500;
    receiver.intTXlockouttime = 3000;
    receiver.bytChangeSelectType = 1;
    const QString path = file(QStringLiteral("RX.MCF"));
    ASSERT_EQ(receiver.intDocument2MCF(path), 0);

    CLASSOrvDocument read = newDocument(kReceiverModel, 3);
    read.intWritePage(radiolayout::kOptionPage, page7to0({1, 2, 3, 4, 5, 0xFF, 6, 7}));
    ASSERT_EQ(read.intMCFFile2Document(path), 0);
    EXPECT_EQ(pageOf(read, radiolayout::kOptionPage), page7to0({1, 2, 3, 4, 5, 0x80, 6, 7}))
        << "only the option byte is the file's";
    EXPECT_EQ(read.bytTailtime, 25);
    EXPECT_EQ(read.intTransmittime, 1500);
    EXPECT_EQ(read.intTXlockouttime, 3000);
    EXPECT_EQ(read.bytChangeSelectType, 1);
}

// The MCF file carries no RF data: a model the catalogue does not hold is named before the read
// fails (the caller then says that the file cannot be opened).
TEST_F(RadioFilesTest, McfOfAModelTheCatalogueLacksNamesIt)
{
    const QString path = editedMcf(newDocument(kTransmitterModel, 1), file(QStringLiteral("plan.mcf")), [](QByteArray& b) {
        b.replace(40, 15, QByteArray("Vr99-15-0000").leftJustified(15, ' '));
    });

    testsupport::ScriptedMsgBox box;
    box.expect(QStringLiteral("Custom model Vr99-15-0000 is not found in database."));
    CLASSOrvDocument read;
    EXPECT_EQ(read.intMCFFile2Document(path), -1);
    EXPECT_EQ(box.shown().last().title, QStringLiteral("Invalid module type"));
}

TEST_F(RadioFilesTest, McfOfTheOldestLayoutSwapsItsTypesAndTakesNoFirmware)
{
    // Module type in the custom-type field, no firmware.
    const QString path = editedMcf(newDocument(kTransmitterModel, 1), file(QStringLiteral("OLD.MCF")), [](QByteArray& b) {
        b.replace(24, 16, QByteArray("Vr31-15").leftJustified(16, ' '));
        b.replace(40, 15, QByteArray(15, ' '));
        b.replace(400, 6, QByteArray(6, ' '));
    });

    CLASSOrvDocument read;
    ASSERT_EQ(read.intMCFFile2Document(path), 0);
    EXPECT_EQ(read.strFirmwareVersion, QStringLiteral("V00.00"));
    EXPECT_EQ(pageOf(read, 4), page7to0({'3', '1', '1', '5', '0', '0', '0', '0'}));
}

} // namespace
