// The EPROM image files: the binary image and the Intel-HEX text byte for byte, an independent
// tool reading our Intel-HEX, round trips, and refused files.
#include "RadioFilesFixture.h"

#include "radio/RadioDateText.h"
#include "radio/RadioEpromImage.h"

#include <QDate>
#include <QProcess>
#include <QStandardPaths>
#include <cmath>

namespace {

QByteArray hex(const char* pairs) { return QByteArray::fromHex(QByteArray(pairs).replace(' ', "")); }

// A text field of the binary image: the text, NUL, 255, blanks to 16.
QByteArray binText(const QByteArray& text) { return (text + QByteArray("\0\xFF", 2)).leftJustified(16, ' ', true); }

// The tones the channels use: code and frequency in the tone table.
struct Tone {
    int code;
    double hz;
};
const Tone kTones[] = {{0, 0.0}, {1, 67.0}, {3, 71.9}, {9, 88.5}, {50, 254.1}};

// A receiver whose 128 channels step through the band; every fifth channel is empty.
CLASSOrvDocument fillReceiver(CLASSOrvDocument doc)
{
    for (int i = 0; i < 128; ++i) {
        const int64_t stored = i % 5 == 4 ? 0 : 21400000 + 148000000 + 6250 * 3 * i;
        doc.intWritePage(16 + i, channelPage(stored, kTones[i % 5].code, 80, 127, 255));
    }
    doc.strUserRemark = QStringLiteral("Hill top");
    return doc;
}

// What the module loads for a channel of that receiver from the Intel-HEX file, computed here on
// our own: the synthesizer on the stored frequency plus the IF, T from the rounded tone.
QByteArray receiverHexChannels()
{
    QByteArray synth, bcd;
    for (int i = 0; i < 128; ++i) {
        const int64_t stored = i % 5 == 4 ? 0 : 21400000 + 148000000 + 6250 * 3 * i;
        const double tone = kTones[i % 5].hz;
        const int t = tone > 1 ? 40960 / int(std::nearbyint(tone)) : 2; // 88.5 Hz: 88
        int b = 0, a = 0, r = 0;
        if (stored > 0) {
            const int64_t ref = stored % 12500 == 0 ? 12500 : 6250;
            const int64_t n = (stored + 21400000) / ref;
            r = int(12800000 / ref / 2);
            b = int(n / 64);
            a = int(n % 64);
        }
        const int nib[8][2] = {{0, (b & 3) << 2}, {0, b >> 2},        {t, b >> 6},        {t, a},
                               {t >> 4, a >> 4},  {t >> 4, r},        {t >> 8, r >> 4},   {t >> 8, r >> 8}};
        for (const auto& n : nib)
            synth.append(char(((n[0] & 15) << 4) | (n[1] & 15)));
        const QByteArray digits = QByteArray::number(stored > 0 ? (stored - 21400000) / 10 : 0).rightJustified(8, '0');
        bcd += QByteArray::fromHex(digits);
    }
    return synth + bcd;
}

class EpromTest : public RadioFilesTest {};

TEST_F(EpromTest, BinaryImageGoldenBytes)
{
    CLASSOrvDocument doc = newDocument(kTransmitterModel, 2);
    doc.intWritePage(16, channelPage(150000000, 1, 80, 127, 0x81));   // 67.0 Hz
    doc.intWritePage(17, channelPage(150006250, 3, 80, 127, 0x81));   // 71.9 Hz, step 6250
    doc.strUserRemark = QStringLiteral("Site 4 north");
    const QString path = file(QStringLiteral("PLAN.BIN"));
    ASSERT_EQ(doc.intDocument2BIN(path), 0);
    EXPECT_FALSE(doc.fModified);

    QByteArray expected;
    expected += hex("0C 0E 32 30 62 60 20 22");  // T 611, B 187, A 32, R 512
    expected += hex("0C 0D A5 A1 30 30 20 24");  // T 570, B 375, A 1, R 1024
    for (int i = 2; i < 128; ++i)
        expected += hex("00 00 20 20 00 00 00 00");
    expected += hex("15 00 00 00 15 00 06 25") + QByteArray(126 * 4, '\0');
    expected += binText("Vr31-15-0000");
    expected += binText(radiodate::dayText(QDate::currentDate()).toLatin1());
    expected += binText("658188");
    expected += QByteArray("Site 4 north").leftJustified(16, ' ');
    expected += QByteArray(256, ' ');
    const QByteArray written = readFile(path);
    ASSERT_EQ(written.size(), 1856);
    EXPECT_EQ(written.toHex(' ').toStdString(), expected.toHex(' ').toStdString());
}

TEST_F(EpromTest, IntelHexGoldenLines)
{
    CLASSOrvDocument doc = newDocument(kTransmitterModel, 128);
    for (int i = 0; i < 128; ++i)
        doc.intWritePage(16 + i, QByteArray(8, '\0'));
    doc.strUserRemark = QStringLiteral("Site 4 north");
    doc.strUserNotes = QStringLiteral("Rack 3");
    const QString path = file(QStringLiteral("PLAN.HEX"));
    ASSERT_EQ(doc.intDocument2HEX(path), 0);

    const QByteArray written = readFile(path);
    QList<QByteArray> lines = written.split('\n');
    ASSERT_EQ(lines.size(), 104);
    ASSERT_TRUE(lines.takeLast().isEmpty());
    for (int i = 0; i < 103; ++i)
        ASSERT_TRUE(lines[i].endsWith('\r')) << "line " << i + 1;

    EXPECT_EQ(lines[0], ":10000000" + QByteArray("0000202000000000").repeated(2) + "70\r");
    EXPECT_EQ(lines[64], ":10040000" + QByteArray(32, '0') + "EC\r");
    const QByteArray date = radiodate::dayText(QDate::currentDate()).toLatin1().toHex().toUpper();
    EXPECT_EQ(lines[96].left(41), ":10060000" + QByteArray(" Vr31-15-0000  ").toHex().toUpper() + "FF");
    EXPECT_EQ(lines[97].left(41), ":10061000" + date + "FFFFFFFFFF");
    EXPECT_EQ(lines[98].left(41), ":10062000" + QByteArray("658188     ").toHex().toUpper() + "FFFFFFFFFF");
    EXPECT_EQ(lines[99].left(41), ":10063000" + QByteArray("Site 4 north    ").toHex().toUpper());
    EXPECT_EQ(lines[100].left(41), ":10064000" + QByteArray("               /").toHex().toUpper());
    // Every data line: 43 characters and a checksum that completes the sum of its bytes to 0.
    for (int i = 0; i < 101; ++i) {
        const QByteArray line = lines[i].chopped(1);
        ASSERT_EQ(line.size(), 43) << "line " << i + 1;
        const QByteArray bytes = QByteArray::fromHex(line.mid(1));
        uint8_t sum = 0;
        for (char c : bytes)
            sum = uint8_t(sum + uint8_t(c));
        EXPECT_EQ(sum, 0) << "line " << i + 1;
        EXPECT_EQ(bytes.mid(1, 2), QByteArray::fromHex(QByteArray::number(16 * i, 16).rightJustified(4, '0')));
    }
    EXPECT_EQ(lines[101], ":00000001FF\r");
    EXPECT_EQ(lines[102], QByteArray("Rack 3") + QByteArray(249, '\0') + '\r');
}

TEST_F(EpromTest, IndependentToolReadsOurIntelHexAsTheImage)
{
    if (QStandardPaths::findExecutable(QStringLiteral("objcopy")).isEmpty())
        GTEST_SKIP() << "objcopy (binutils) is not installed";
    CLASSOrvDocument doc = fillReceiver(newDocument(kReceiverModel, 128));
    const QString hexPath = file(QStringLiteral("RX.HEX"));
    const QString binPath = file(QStringLiteral("RX.OUT"));
    ASSERT_EQ(doc.intDocument2HEX(hexPath), 0);

    QProcess objcopy;
    objcopy.start(QStringLiteral("objcopy"), {"-I", "ihex", "-O", "binary", hexPath, binPath});
    ASSERT_TRUE(objcopy.waitForFinished(30000));
    EXPECT_EQ(objcopy.exitCode(), 0);
    EXPECT_EQ(objcopy.readAllStandardError(), QByteArray());
    const QByteArray image = readFile(binPath);
    ASSERT_EQ(image.size(), 0x650);
    const QByteArray expected = receiverHexChannels();
    for (int i = 0; i < 1536; ++i)
        ASSERT_EQ(uint8_t(image[i]), uint8_t(expected[i])) << "byte " << i;
}

struct Flavour {
    const char* name;
    const char* fileName;
    int16_t (CLASSOrvDocument::*write)(const QString&);
    int16_t (CLASSOrvDocument::*read)(const QString&);
    DocumentSource source;
};

const Flavour kFlavours[] = {
    {"Bin", "RX.BIN", &CLASSOrvDocument::intDocument2BIN, &CLASSOrvDocument::intBINFile2Document, kFromBIN},
    {"Hex", "RX.HEX", &CLASSOrvDocument::intDocument2HEX, &CLASSOrvDocument::intHEXFile2Document, kFromHEX},
};

class EpromFlavourTest : public RadioFilesTest, public ::testing::WithParamInterface<Flavour> {};

TEST_P(EpromFlavourTest, RoundTripGivesTheSameTonesFrequenciesAndTexts)
{
    const Flavour& f = GetParam();
    CLASSOrvDocument doc = fillReceiver(newDocument(kReceiverModel, 128));
    const QString path = file(f.fileName);
    ASSERT_EQ((doc.*f.write)(path), 0);

    CLASSOrvDocument read;
    ASSERT_EQ((read.*f.read)(path), 0);
    for (int i = 0; i < 128; ++i) {
        const QByteArray wrote = pageOf(doc, 16 + i), got = pageOf(read, 16 + i);
        EXPECT_EQ(got.mid(1, 2).toHex(), wrote.mid(1, 2).toHex()) << "tone of channel " << i + 1;
        EXPECT_EQ(got.mid(5, 3).toHex(), wrote.mid(5, 3).toHex()) << "frequency of channel " << i + 1;
    }
    EXPECT_EQ(read.strSerial, QStringLiteral("658188"));
    EXPECT_EQ(read.strUserRemark, QStringLiteral("Hill top"));
    EXPECT_EQ(read.strCustomType, kReceiverModel);
    EXPECT_EQ(read.intMaxchannel, 128);
    EXPECT_EQ(read.intPartition, 16);
    EXPECT_EQ(read.lngIntFreq, 21400000);
    EXPECT_EQ(read.strLastModified, QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy")));
    EXPECT_EQ(read.intDocumentFrom, f.source);
    EXPECT_EQ(read.strDocumentFileName, path);
}

TEST_P(EpromFlavourTest, ToneBetweenTheTableToneIsNoTone)
{
    // Channel 2's tone divider gives 105 Hz, between 103.5 and 107.2 Hz: no tone, whatever channel 1 has.
    const Flavour& f = GetParam();
    CLASSOrvDocument doc = newDocument(kTransmitterModel, 2);
    doc.intWritePage(16, channelPage(150000000, 1, 80, 127, 255));
    doc.intWritePage(17, channelPage(150012500, 0, 80, 127, 255));
    const QString path = file(f.fileName);
    ASSERT_EQ((doc.*f.write)(path), 0);
    QByteArray bytes = readFile(path);
    if (f.source == kFromBIN) {
        bytes[8 + 2] = char((bytes[8 + 2] & 0x0F) | 0x60);   // T = 390 = 0x186
        bytes[8 + 3] = char((bytes[8 + 3] & 0x0F) | 0x60);
        bytes[8 + 4] = char((bytes[8 + 4] & 0x0F) | 0x80);
        bytes[8 + 5] = char((bytes[8 + 5] & 0x0F) | 0x80);
        bytes[8 + 6] = char((bytes[8 + 6] & 0x0F) | 0x10);
        bytes[8 + 7] = char((bytes[8 + 7] & 0x0F) | 0x10);
    } else {
        QByteArray data = QByteArray::fromHex(bytes.mid(1, 42));
        for (const auto& [byte, high] : {std::pair{2, 6}, {3, 6}, {4, 8}, {5, 8}, {6, 1}, {7, 1}})
            data[4 + 8 + byte] = char((data[4 + 8 + byte] & 0x0F) | (high << 4));
        uint8_t sum = 0;
        for (int i = 0; i < 20; ++i)
            sum = uint8_t(sum + uint8_t(data[i]));
        data[20] = char(uint8_t(-sum));
        bytes.replace(0, 43, ':' + data.toHex().toUpper());
    }
    writeFile(path, bytes);

    CLASSOrvDocument read;
    ASSERT_EQ((read.*f.read)(path), 0);
    EXPECT_EQ(pageOf(read, 16).mid(1, 2), QByteArray::fromHex("0100"));
    EXPECT_EQ(pageOf(read, 17).mid(1, 2), QByteArray::fromHex("0000"));
}

INSTANTIATE_TEST_SUITE_P(Files, EpromFlavourTest, ::testing::ValuesIn(kFlavours),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EpromTest, FrequencyNeitherReferenceDividesIsReportedAndStillWritten)
{
    CLASSOrvDocument doc = newDocument(kTransmitterModel, 1);
    uint8_t f1 = 0x60 | (48001 >> 14), f2 = (48001 >> 6) & 0xFF, f3 = 48001 & 0x3F; // 150 003 125 Hz, step 3125
    doc.intWritePage(16, page7to0({f1, f2, f3, 80, 127, 0, 0, 255}));
    testsupport::ScriptedMsgBox box;
    box.expect(QStringLiteral("Wrong! Channel 1 frequency=150003125 is NOT dividable by the module's Ref1=12500 and "
                              "Ref2=6250"));
    ASSERT_EQ(doc.intDocument2BIN(file(QStringLiteral("ODD.BIN"))), 0);
    EXPECT_EQ(readFile(file(QStringLiteral("ODD.BIN"))).mid(1024, 4), hex("15 00 03 12"));
}

TEST_F(EpromTest, IntelHexOfEarlierVersionsWithTheirEndLineStillReads)
{
    CLASSOrvDocument doc = fillReceiver(newDocument(kReceiverModel, 128));
    const QString path = file(QStringLiteral("OLD.HEX"));
    ASSERT_EQ(doc.intDocument2HEX(path), 0);
    writeFile(path, readFile(path).replace(":00000001FF", ":00000000FF"));
    CLASSOrvDocument read;
    ASSERT_EQ(read.intHEXFile2Document(path), 0);
    for (const int page : {16, 17, 143}) {
        EXPECT_EQ(pageOf(read, page).mid(1, 2), pageOf(doc, page).mid(1, 2));
        EXPECT_EQ(pageOf(read, page).mid(5, 3), pageOf(doc, page).mid(5, 3));
    }
}

struct BadImage {
    const char* name;
    bool hexFile;   // which reader gets the spoilt file
    bool fromHex;   // which file is spoilt
    void (*spoil)(QByteArray& file);
    const char* message;
};

void fixChecksum(QByteArray& file, int line)
{
    const qsizetype at = qsizetype(line) * 45;
    QByteArray data = QByteArray::fromHex(file.mid(at + 1, 40));
    uint8_t sum = 0;
    for (char c : data)
        sum = uint8_t(sum + uint8_t(c));
    file.replace(at + 41, 2, QByteArray::number(uint8_t(-sum), 16).rightJustified(2, '0').toUpper());
}

const BadImage kBadImages[] = {
    {"BinShort", false, false, [](QByteArray& f) { f.chop(1); }, "holds 1855 bytes"},
    {"BinGivenTheIntelHex", false, true, [](QByteArray&) {}, "synthesizer record of channel 1"},
    {"BinFrequencyNotDecimal", false, false, [](QByteArray& f) { f[1024 + 4 * 7 + 1] = char(0x1A); }, "frequency of channel 8"},
    {"HexGivenTheBinary", true, false, [](QByteArray&) {}, "line 1 is not a data record"},
    {"HexLineNotHex", true, true, [](QByteArray& f) { f[5 * 45 + 20] = 'G'; }, "line 6 is not"},
    {"HexChecksumWrong", true, true, [](QByteArray& f) { f[7 * 45 + 41] = f[7 * 45 + 41] == '0' ? '1' : '0'; }, "line 8 is not"},
    {"HexLineOutOfPlace", true, true, [](QByteArray& f) { f.remove(3 * 45, 45); }, "line 4 is not"},
    {"HexTruncated", true, true, [](QByteArray& f) { f.truncate(60 * 45); }, "ends at line 61"},
    {"HexFrequencyNotDecimal", true, true,
     [](QByteArray& f) {
         f[64 * 45 + 9] = 'A';
         fixChecksum(f, 64);
     },
     "frequency of channel 1"},
};

class BadImageTest : public RadioFilesTest, public ::testing::WithParamInterface<BadImage> {};

TEST_P(BadImageTest, IsRefusedWithAMessageAndLeavesTheDocumentAsItWas)
{
    const BadImage& c = GetParam();
    CLASSOrvDocument doc = fillReceiver(newDocument(kReceiverModel, 128));
    const QString written = file(c.fromHex ? QStringLiteral("RX.HEX") : QStringLiteral("RX.BIN"));
    ASSERT_EQ(c.fromHex ? doc.intDocument2HEX(written) : doc.intDocument2BIN(written), 0);
    QByteArray bytes = readFile(written);
    c.spoil(bytes);
    const QString path = file(QStringLiteral("SPOILT"));
    writeFile(path, bytes);

    CLASSOrvDocument open = newDocument(kTransmitterModel, 3);
    const CLASSOrvDocument before = open;
    testsupport::ScriptedMsgBox box;
    box.expect(c.message);
    EXPECT_EQ(c.hexFile ? open.intHEXFile2Document(path) : open.intBINFile2Document(path), -1);
    EXPECT_EQ(documentPages(open, 0, 148), documentPages(before, 0, 148));
    EXPECT_EQ(open.intDocumentFrom, before.intDocumentFrom);
    EXPECT_EQ(open.strCustomType, before.strCustomType);
}

INSTANTIATE_TEST_SUITE_P(Files, BadImageTest, ::testing::ValuesIn(kBadImages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EpromTest, MissingFileIsReported)
{
    CLASSOrvDocument open;
    testsupport::ScriptedMsgBox box;
    box.expect(QStringLiteral("Cannot open the file"));
    box.expect(QStringLiteral("Cannot open the file"));
    EXPECT_EQ(open.intBINFile2Document(file(QStringLiteral("NONE.BIN"))), -1);
    EXPECT_EQ(open.intHEXFile2Document(file(QStringLiteral("NONE.HEX"))), -1);
}

} // namespace

namespace {

struct CounterCase {
    int64_t hz, ref;
    int prescaler;
    int32_t b, a, r;
};

TEST(SynthCounters, CountersAndTheirLimits)
{
    const CounterCase cases[] = {
        {150000000, 12500, 64, 187, 32, 512},      // N 12000
        {150006250, 6250, 64, 375, 1, 1024},       // N 24001
        {1000000000, 12500, 64, 1023, 64, 512},    // B 1250 held at 1023, A grows by the prescaler
        {1876237500, 12500, 100, 1023, 127, 512},  // A 99 + 100 held at 127
        {150000000, 0, 64, 0, 0, 0},               // no reference
        {0, 12500, 64, 0, 0, 0},                   // no frequency
    };
    for (const CounterCase& c : cases) {
        const eprom::SynthCounters s = eprom::synthCounters(c.hz, c.ref, 12800000, c.prescaler, 611);
        EXPECT_EQ(s.b, c.b) << c.hz;
        EXPECT_EQ(s.a, c.a) << c.hz;
        EXPECT_EQ(s.r, c.r) << c.hz;
        EXPECT_EQ(s.t, 611);
        EXPECT_EQ(eprom::toneDividerOf(eprom::synthRecord(s)), 611);
    }
}

} // namespace
