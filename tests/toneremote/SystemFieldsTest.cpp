// The settings of the tone-remote image: page bytes to fields and back, the load rules, the checks
// before a write, and the round trip that must leave every byte the user did not change.
#include "TRFixture.h"

#include "platform/PlatformError.h"
#include "support/ScriptedMsgBox.h"

#include <QDate>
#include <functional>

using namespace trtest;
using testsupport::ScriptedMsgBox;

namespace {

struct Byte {
    int page;
    int byte;
    int value;
};

// Page bytes set on the emulated rack's default image, the field they decode to, and the bytes
// the encoder leaves there (the bytes set, unless `written` says otherwise).
struct DecodeCase {
    const char* name;
    std::vector<Byte> bytes;
    std::function<QString(const COrvDocTR&)> field;
    QString expected;
    std::vector<Byte> written = {};
};

#define NUM(f) [](const COrvDocTR& d) { return QString::number(d.f); }
#define TXT(f) [](const COrvDocTR& d) { return d.f; }

constexpr int kSlidingFlags = 0x94; // flag byte 2 of a new document with the sliding-tone bit
constexpr int kPlainFlags = 0x84;

std::vector<Byte> textBytes(int page, const char* text)
{
    std::vector<Byte> bytes;
    for (int i = 0; text[i]; ++i)
        bytes.push_back({page + i / 8, 7 - i % 8, static_cast<uint8_t>(text[i])});
    return bytes;
}

std::vector<Byte> operator+(std::vector<Byte> a, const std::vector<Byte>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Sliding-tone mode with a tone-on-idle word that does not switch it off.
const std::vector<Byte> kSliding{{5, 2, kSlidingFlags}, {46, 7, 0x5F}, {46, 6, 0x0A}};

const DecodeCase kDecodeCases[] = {
    {"firmware version", {{1, 7, 1}, {1, 6, 0}, {1, 5, 0}, {1, 4, 5}}, TXT(strFirmwareVersion), "V10.05"},
    {"current channel", {{1, 2, 7}}, NUM(bytCurrentChannel), "7"},
    {"serial number", {{2, 7, 1}, {2, 6, 2}, {2, 5, 3}}, TXT(strSerial), "66051"},
    {"configuration byte", {{2, 2, 0x80}}, NUM(bytFlag1), "128"},
    {"tone-remote type code", {{2, 2, 0x80}}, NUM(intRxTxEx), "3"},
    {"quasi-sync type code", {{2, 2, 0x40}}, NUM(intRxTxEx), "4"},
    {"linear T1 type code", {{2, 2, 0x20}}, NUM(intRxTxEx), "5"},
    {"radio configuration is no type here", {{2, 2, 0x02}}, NUM(intRxTxEx), "-1"},
    {"two top bits are no type", {{2, 2, 0xC0}}, NUM(intRxTxEx), "-1"},
    {"option byte", {{2, 1, 224}}, NUM(bytFlag1Ext), "224"},
    {"production date as stored", textBytes(3, "15-01-2 "), TXT(strProductionDate), "15-01-2 "},
    {"numeric model code", textBytes(4, "12345678"), TXT(strModuleType), "Vr12-34-5678"},
    {"model used is the model code", textBytes(4, "12345678"), TXT(strModuleUsed), "Vr12-34-5678"},
    {"custom model code", textBytes(4, "LX-200 a"), TXT(strModuleType), "LX-200 a"},
    {"momentary time", {{5, 7, 200}}, NUM(intMomTime), "200"},
    {"line-fail time", {{5, 6, 0xFF}, {5, 5, 0xFE}}, NUM(intLineFailTime), "65534"},
    {"Morse timer", {{5, 4, 0x38}, {5, 3, 0x40}}, NUM(iMorseTimer), "14400"},
    {"Morse timer two's complement", {{5, 4, 0xFF}, {5, 3, 0xFF}}, NUM(iMorseTimer), "-1"},
    {"flag byte 2", {{5, 2, 0x82}}, NUM(bytFlag2), "130"},
    {"flag byte of page 5", {{5, 1, 9}}, NUM(bytFlag1Page5), "9"},
    {"custom type right-trimmed", textBytes(6, "Custom type     "), TXT(strCustomType), "Custom type"},
    {"custom type keeps leading blanks", textBytes(6, "  Two pages long"), TXT(strCustomType), "  Two pages long"},
    {"user remark right-trimmed", textBytes(8, "Emulated module "), TXT(strUserRemark), "Emulated module"},
    {"user remark in Windows-1252",
     textBytes(8,
               "\x80uro   \x8C"
               "uvre   "),
     TXT(strUserRemark), "€uro   Œuvre"},
    {"program tag", textBytes(10, "Velmar  "), TXT(strFileName), "Velmar"},
    {"last write", {}, TXT(strLastModified), "15-01-2024"},
    {"keytone above 32767", {{12, 7, 0x87}, {12, 6, 0x7F}}, NUM(intKeytoneFrequencyLT5), "34687"},
    {"second keytone", {{12, 5, 0x08}, {12, 4, 0x7F}}, NUM(intKeytoneFrequencyRT10), "2175"},
    {"RSSI kind VHF",
     {{14, 7, 0xF1}},
     NUM(RSSISignal),
     "1",
     {{14, 7, 0xF1}, {47, 7, 157}, {47, 5, 12}, {47, 3, 17}, {47, 1, 22}}},
    {"RSSI kind other nybble is written as UHF", {{14, 7, 0x1F}}, NUM(RSSISignal), "0", {{14, 7, 0x10}}},
    {"VHF voting slope",
     {{14, 7, 0x01}},
     NUM(Pm),
     "15",
     {{14, 7, 0x01}, {47, 7, 157}, {47, 5, 12}, {47, 3, 17}, {47, 1, 22}}},
    {"VHF voting intercept",
     {{14, 7, 0x01}},
     NUM(Pint),
     "-167.5",
     {{14, 7, 0x01}, {47, 7, 157}, {47, 5, 12}, {47, 3, 17}, {47, 1, 22}}},
    {"UHF lower voltage", {{14, 7, 0x00}}, NUM(V1), "1.6"},
    {"FT 9 loads and is written as 40 ms", {{15, 7, 9}}, NUM(bytFTTime), "40", {{15, 7, 20}}},
    {"FT 10 loads as 20 ms", {{15, 7, 10}}, NUM(bytFTTime), "20"},
    {"FT 11 loads as 22 ms", {{15, 7, 11}}, NUM(bytFTTime), "22"},
    {"FT 50 loads as 100 ms", {{15, 7, 50}}, NUM(bytFTTime), "100"},
    {"FT 51 loads and is written as 40 ms", {{15, 7, 51}}, NUM(bytFTTime), "40", {{15, 7, 20}}},
    {"FT 0 of a new module loads and is written as 40 ms", {{15, 7, 0}}, NUM(bytFTTime), "40", {{15, 7, 20}}},
    {"HLGT 10 loads and is written as 120 ms", {{15, 4, 10}}, NUM(bytHLGTDuration), "120", {{15, 4, 60}}},
    {"HLGT 0 of a new module loads and is written as 120 ms", {{15, 4, 0}}, NUM(bytHLGTDuration), "120", {{15, 4, 60}}},
    {"HLGT 30 loads as 60 ms", {{15, 4, 30}}, NUM(bytHLGTDuration), "60"},
    {"HLGT 100 loads as 200 ms", {{15, 4, 100}}, NUM(bytHLGTDuration), "200"},
    {"HLGT 101 loads and is written as 120 ms", {{15, 4, 101}}, NUM(bytHLGTDuration), "120", {{15, 4, 60}}},
    {"HLGT 128 loads and is written as 120 ms", {{15, 4, 128}}, NUM(bytHLGTDuration), "120", {{15, 4, 60}}},
    {"five-tone time", {{15, 6, 70}}, NUM(byt5TTime), "70"},
    {"DTMF time", {{15, 5, 30}}, NUM(bytDTMFT), "30"},
    {"selcall standard", {{15, 3, 2}}, NUM(bytSelcallStd), "2"},
    {"LET byte", {{15, 2, 5}}, NUM(bytLET), "5"},
    {"line-out amplifier", {{15, 1, 127}}, NUM(bytLineOutAmp), "127"},
    {"line-in amplifier", {{15, 0, 225}}, NUM(bytLineInAmp), "225"},
    {"transmit delay above 32767", {{45, 7, 0xFF}, {45, 6, 0xFF}}, NUM(intTxDelay), "65535"},
    {"receive delay", {{45, 5, 0x02}, {45, 4, 0x58}}, NUM(intRxDelay), "600"},
    {"one-tone mode", {{45, 0, 1}}, NUM(OneTone), "1"},
    {"other one-tone byte is written as 0", {{45, 0, 7}}, NUM(OneTone), "0", {{45, 0, 0}}},
    {"tone-on-idle word", {{46, 7, 0x5F}, {46, 6, 0x0A}}, NUM(lFreq_TOI), "24330"},
    {"tone-on-idle marker", {{46, 7, 0x80}, {46, 6, 0x00}}, NUM(lFreq_TOI), "-32768"},
    {"voting level", {{46, 1, 0x06}, {46, 0, 0x9A}}, NUM(VotingLevel), "1690"},
    {"voting level 0 loads as 10338",
     {{46, 1, 0}, {46, 0, 0}},
     NUM(VotingLevel),
     "10338",
     {{46, 1, 0x28}, {46, 0, 0x62}}},
    {"sliding tone on", kSliding, NUM(iSlidingSimoco), "1"},
    {"sliding tone off by its marker", {{5, 2, kSlidingFlags}, {46, 7, 0x80}, {46, 5, 0}, {46, 4, 35}}, NUM(m), "0"},
    {"sliding slope", kSliding + std::vector<Byte>{{46, 5, 0x01}, {46, 4, 0x02}}, NUM(m), "258"},
    {"sliding offset two's complement", kSliding + std::vector<Byte>{{46, 3, 0xFF}, {46, 2, 0xFE}}, NUM(c), "-2"},
    {"mute word", kSliding + std::vector<Byte>{{47, 7, 0x56}, {47, 6, 0x9F}}, NUM(MuteFreq), "22175"},
    {"mute frequency", kSliding + std::vector<Byte>{{47, 7, 0x56}, {47, 6, 0x9F}}, NUM(Fmute), "2707"},
    {"lower frequency", kSliding + std::vector<Byte>{{47, 5, 0x57}, {47, 4, 0x5C}}, NUM(Fl), "2730"},
    {"upper frequency", kSliding + std::vector<Byte>{{47, 3, 0x60}, {47, 2, 0x00}}, NUM(Fu), "3000"},
    {"alarm frequency", kSliding + std::vector<Byte>{{47, 1, 0xFF}, {47, 0, 0xFF}}, NUM(Fa), "8000"},
    {"lower level unset", kSliding + std::vector<Byte>{{14, 1, 255}}, NUM(Ll), "-115"},
    {"lower level", kSliding + std::vector<Byte>{{14, 1, 110}}, NUM(Ll), "-110"},
    {"upper level unset", kSliding + std::vector<Byte>{{14, 0, 255}}, NUM(Lu), "-90"},
    {"upper level", kSliding + std::vector<Byte>{{14, 0, 85}}, NUM(Lu), "-85"},
    {"line level outside sliding mode", {{5, 2, kPlainFlags}, {14, 1, 110}}, NUM(Ll), "0"},
};

class SystemFieldsTest : public ::testing::Test {
protected:
    void SetUp() override { fresh(); }
    // A new document holding the emulated rack's image.
    void fresh()
    {
        doc = COrvDocTR();
        loadImage(doc, defaultImage());
    }
    void set(const std::vector<Byte>& bytes)
    {
        for (const Byte& b : bytes)
            setByte(doc, b.page, b.byte, static_cast<uint8_t>(b.value));
    }
    // The document holds `image` with `bytes` put in, but for the date of the last write.
    void expectImage(QByteArray image, const std::vector<Byte>& bytes)
    {
        for (const Byte& b : bytes)
            image[b.page * 8 + b.byte] = static_cast<char>(b.value);
        EXPECT_EQ(differingPages(imageOf(doc), image), QList<int>{11});
    }
    COrvDocTR doc;
};

} // namespace

TEST_F(SystemFieldsTest, PageBytesDecodeToFieldsAndEncodeBack)
{
    for (const DecodeCase& c : kDecodeCases) {
        SCOPED_TRACE(c.name);
        fresh();
        set(c.bytes);
        const QByteArray stored = imageOf(doc);
        ASSERT_EQ(doc.intInitSystemInfo(), 0);
        EXPECT_EQ(c.field(doc), c.expected);
        ASSERT_EQ(doc.intEditSystem(), 0);
        expectImage(stored, c.written);
    }
}

TEST_F(SystemFieldsTest, LastWriteOfZeroShowsTodayAndEveryWriteStampsToday)
{
    doc.SetPage(11, 0, 0, 0, 0, 0, 0, 0, 0);
    ASSERT_EQ(doc.intInitSystemInfo(), 0);
    const QString today = QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy"));
    EXPECT_EQ(doc.strLastModified, today);

    ASSERT_EQ(doc.intEditSystem(), 0);
    ASSERT_EQ(doc.intInitSystemInfo(), 0);
    EXPECT_EQ(doc.strLastModified, today);
    EXPECT_NE(testsupport::pageOf(doc, 11), QByteArray(8, '\0'));
}

namespace {

// A field set after decoding the default image, and the page bytes it gives.
struct EncodeCase {
    const char* name;
    std::function<void(COrvDocTR&)> change;
    std::vector<Byte> bytes;
};

const EncodeCase kEncodeCases[] = {
    {"remark of three letters", [](COrvDocTR& d) { d.strUserRemark = QStringLiteral("ABC"); },
     textBytes(8, "ABC             ")},
    {"remark of 16 characters", [](COrvDocTR& d) { d.strUserRemark = QStringLiteral("0123456789abcdef"); },
     textBytes(8, "0123456789abcdef")},
    {"remark in Windows-1252", [](COrvDocTR& d) { d.strUserRemark = QStringLiteral("€uro"); },
     textBytes(8, "\x80" "uro            ")},
    {"program tag", [](COrvDocTR& d) { d.strFileName = QStringLiteral("Tag"); }, textBytes(10, "Tag     ")},
    {"custom type is not written", [](COrvDocTR& d) { d.strCustomType = QStringLiteral("Changed"); },
     textBytes(6, "                ")},
    {"serial number", [](COrvDocTR& d) { d.strSerial = QStringLiteral("16777215"); }, {{2, 7, 255}, {2, 6, 255}, {2, 5, 255}}},
    {"current channel", [](COrvDocTR& d) { d.bytCurrentChannel = 9; }, {{1, 2, 9}}},
    {"timers and flags",
     [](COrvDocTR& d) {
         d.intMomTime = 255;
         d.intLineFailTime = 65535;
         d.iMorseTimer = -1;
         d.bytFlag2 = 0x91;
         d.bytFlag1Page5 = 3;
     },
     {{5, 7, 255}, {5, 6, 255}, {5, 5, 255}, {5, 4, 255}, {5, 3, 255}, {5, 2, 0x91}, {5, 1, 3}}},
    {"keytones", [](COrvDocTR& d) { d.intKeytoneFrequencyLT5 = 65535; d.intKeytoneFrequencyRT10 = 2970; },
     {{12, 7, 255}, {12, 6, 255}, {12, 5, 0x0B}, {12, 4, 0x9A}}},
    {"function-tone time in 2 ms units", [](COrvDocTR& d) { d.bytFTTime = 20; }, {{15, 7, 10}}},
    {"HLGT duration in 2 ms units", [](COrvDocTR& d) { d.bytHLGTDuration = 200; }, {{15, 4, 100}}},
    {"other durations as they stand",
     [](COrvDocTR& d) {
         d.byt5TTime = 1;
         d.bytDTMFT = 2;
         d.bytSelcallStd = 3;
         d.bytLET = 4;
         d.bytLineOutAmp = 5;
         d.bytLineInAmp = 6;
     },
     {{15, 6, 1}, {15, 5, 2}, {15, 3, 3}, {15, 2, 4}, {15, 1, 5}, {15, 0, 6}}},
    {"line levels", [](COrvDocTR& d) { d.Ll = -110; d.Lu = -85; }, {{14, 1, 110}, {14, 0, 85}}},
    {"VHF kind keeps the high nybble and takes its preset", [](COrvDocTR& d) { d.RSSISignal = 1; },
     {{14, 7, 0xF1}, {47, 7, 157}, {47, 6, 0}, {47, 5, 12}, {47, 4, 0}, {47, 3, 17}, {47, 2, 0}, {47, 1, 22}, {47, 0, 0}}},
    {"delay of 0 is written as 1", [](COrvDocTR& d) { d.intTxDelay = 0; d.intRxDelay = 0; },
     {{45, 7, 0}, {45, 6, 1}, {45, 5, 0}, {45, 4, 1}}},
    {"delays above 32767", [](COrvDocTR& d) { d.intTxDelay = 40000; d.intRxDelay = 4000; },
     {{45, 7, 0x9C}, {45, 6, 0x40}, {45, 5, 0x0F}, {45, 4, 0xA0}}},
    {"one-tone mode", [](COrvDocTR& d) { d.OneTone = 1; }, {{45, 0, 1}}},
    {"voting level rounded", [](COrvDocTR& d) { d.VotingLevel = 1690.5; }, {{46, 1, 0x06}, {46, 0, 0x9A}}},
    {"tone-on-idle markers", [](COrvDocTR& d) { d.lFreq_TOI = -32767; }, {{46, 7, 0x80}, {46, 6, 0x01}}},
    {"tone-on-idle of sliding voting", [](COrvDocTR& d) { d.lFreq_TOI = 257; }, {{46, 7, 0x01}, {46, 6, 0x01}}},
    {"sliding-tone words replace the preset",
     [](COrvDocTR& d) {
         d.iSlidingSimoco = 1;
         d.m = 35;
         d.c = 17731;
         d.MuteFreq = 22175;
         d.LowerFreq = 22364;
         d.UpperFreq = 24576;
         d.AlarmFreq = 1;
     },
     {{46, 5, 0}, {46, 4, 35}, {46, 3, 0x45}, {46, 2, 0x43}, {47, 7, 0x56}, {47, 6, 0x9F}, {47, 5, 0x57}, {47, 4, 0x5C},
      {47, 3, 0x60}, {47, 2, 0x00}, {47, 1, 0}, {47, 0, 1}}},
    {"negative slope and offset in two's complement",
     [](COrvDocTR& d) {
         d.iSlidingSimoco = 1;
         d.m = -5;
         d.c = -2;
     },
     {{46, 5, 0xFF}, {46, 4, 0xFB}, {46, 3, 0xFF}, {46, 2, 0xFE}, {47, 7, 0}, {47, 5, 0}, {47, 3, 0}, {47, 1, 0}}},
};

} // namespace

TEST_F(SystemFieldsTest, FieldsEncodeIntoTheirBytes)
{
    for (const EncodeCase& c : kEncodeCases) {
        SCOPED_TRACE(c.name);
        fresh();
        ASSERT_EQ(doc.intInitSystemInfo(), 0);
        const QByteArray stored = imageOf(doc);
        c.change(doc);
        ASSERT_EQ(doc.intEditSystem(), 0);
        expectImage(stored, c.bytes);
    }
}

TEST_F(SystemFieldsTest, AnUnsetLineLevelByteIsWrittenOnlyOnceTheFieldIsSet)
{
    // 255 reads as the level a module without one uses; the byte stays until a level is set.
    set({{14, 1, 255}, {14, 0, 255}});
    set(kSliding);
    ASSERT_EQ(doc.intInitSystemInfo(), 0);
    ASSERT_EQ(doc.intEditSystem(), 0);
    EXPECT_EQ(byteAt(doc, 14, 1), 255);

    // Set to another value, then back to the value the load gave: each time the page follows.
    doc.Ll = -100;
    ASSERT_EQ(doc.intEditSystem(), 0);
    EXPECT_EQ(byteAt(doc, 14, 1), 100);
    doc.Ll = -115;
    ASSERT_EQ(doc.intEditSystem(), 0);
    EXPECT_EQ(byteAt(doc, 14, 1), 115);
    // Untouched: the upper level.
    EXPECT_EQ(byteAt(doc, 14, 0), 255);
}

TEST_F(SystemFieldsTest, AFieldThatDoesNotFitRefusesTheWholeWrite)
{
    const struct {
        const char* name;
        std::function<void(COrvDocTR&)> change;
        const char* message;
    } cases[] = {
        {"serial above 24 bits", [](COrvDocTR& d) { d.strSerial = QStringLiteral("16777216"); }, "16777216"},
        {"serial not a number", [](COrvDocTR& d) { d.strSerial = QStringLiteral("12a"); }, "12a"},
        {"negative serial", [](COrvDocTR& d) { d.strSerial = QStringLiteral("-1"); }, "-1"},
        {"momentary time above a byte", [](COrvDocTR& d) { d.intMomTime = 256; }, "momentary time"},
        {"line-fail time above 16 bits", [](COrvDocTR& d) { d.intLineFailTime = 65536; }, "line-fail time"},
        {"remark of 17 characters", [](COrvDocTR& d) { d.strUserRemark = QStringLiteral("0123456789abcdefg"); }, "user remark"},
        {"remark with a character no byte holds", [](COrvDocTR& d) { d.strUserRemark = QString(QChar(0x3A9)); },
         "\"Ω\" (U+03A9)"},
        {"program tag of 9 characters", [](COrvDocTR& d) { d.strFileName = QStringLiteral("123456789"); }, "program tag"},
        {"lower level below -255", [](COrvDocTR& d) { d.Ll = -256; }, "lower line level"},
        {"upper level above 0", [](COrvDocTR& d) { d.Lu = 1; }, "upper line level"},
        {"RSSI kind above a nybble", [](COrvDocTR& d) { d.RSSISignal = 16; }, "RSSI"},
        {"tone-on-idle word above 16 bits", [](COrvDocTR& d) { d.lFreq_TOI = 65536; }, "tone-on-idle"},
        {"voting level below -32768", [](COrvDocTR& d) { d.VotingLevel = -40000; }, "voting level"},
        {"slope above 16 bits", [](COrvDocTR& d) { d.iSlidingSimoco = 1; d.m = 70000; }, "slope"},
        {"sliding word above 16 bits", [](COrvDocTR& d) { d.iSlidingSimoco = 1; d.UpperFreq = 65536; }, "upper frequency"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fresh();
        ASSERT_EQ(doc.intInitSystemInfo(), 0);
        // Every other field changed too: none of them may reach the pages.
        doc.bytCurrentChannel = 99;
        doc.strUserRemark = doc.strUserRemark.isEmpty() ? QStringLiteral("x") : doc.strUserRemark;
        doc.intKeytoneFrequencyLT5 = 1;
        c.change(doc);
        const QByteArray before = imageOf(doc);
        ScriptedMsgBox boxes;
        boxes.expect(QString::fromUtf8(c.message));
        EXPECT_EQ(doc.intEditSystem(), -1);
        EXPECT_EQ(imageOf(doc), before);
    }
}

TEST_F(SystemFieldsTest, DecodingThenEncodingChangesOnlyTheDateAndThePreset)
{
    // The emulated rack's module, then random images in and out of sliding-tone mode.
    ASSERT_EQ(doc.intInitSystemInfo(), 0);
    QByteArray before = imageOf(doc);
    ASSERT_EQ(doc.intEditSystem(), 0);
    EXPECT_EQ(differingPages(imageOf(doc), before), QList<int>{11});

    for (quint32 seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        const bool sliding = seed % 2 == 0;
        QByteArray image = randomImage(seed);
        auto put = [&](int page, int byte, int v) { image[page * 8 + byte] = static_cast<char>(v); };
        const uint8_t flags = static_cast<uint8_t>(image[5 * 8 + 2]);
        put(5, 2, sliding ? flags | 0x10 : flags & ~0x10);
        if (sliding && static_cast<uint8_t>(image[46 * 8 + 7]) == 0x80)
            put(46, 7, 0x81);
        // A stored 0 in these words is written as the value it stands for (1, 1 and 10338).
        for (const auto& [page, hi] : {std::pair{45, 7}, {45, 5}, {46, 1}})
            if (image[page * 8 + hi] == 0)
                put(page, hi, 1);
        // So are the RSSI nybble, the durations and the one-tone byte outside what they decode
        // from: here they hold values they decode from exactly.
        auto byteOf = [&](int page, int byte) { return static_cast<uint8_t>(image[page * 8 + byte]); };
        put(14, 7, (byteOf(14, 7) & 0xF0) | (byteOf(14, 7) & 1));
        put(15, 7, 11 + byteOf(15, 7) % 40);
        put(15, 4, 30 + byteOf(15, 4) % 71);
        put(45, 0, byteOf(45, 0) & 1);

        COrvDocTR r;
        loadImage(r, image);
        ASSERT_EQ(r.intInitSystemInfo(), 0);
        EXPECT_EQ(r.iSlidingSimoco, sliding ? 1 : 0);
        ASSERT_EQ(r.intEditSystem(), 0);
        QList<int> changed = differingPages(imageOf(r), image);
        changed.removeOne(11);
        if (!sliding)
            changed.removeOne(47);
        EXPECT_EQ(std::vector<int>(changed.begin(), changed.end()), std::vector<int>{});
    }
}

TEST(ToneRemotePageAccess, PagesOutsideTheImageAreRefused)
{
    COrvDocTR doc;
    const QByteArray page = testsupport::page7to0({1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(doc.intWritePage(256, page), 0);
    EXPECT_EQ(testsupport::pageOf(doc, 256), page);
    for (int p : {-1, 257}) {
        SCOPED_TRACE(p);
        QByteArray untouched("kept");
        EXPECT_EQ(doc.intWritePage(p, page), -1);
        EXPECT_EQ(doc.intReadPage(p, untouched), -1);
        EXPECT_EQ(untouched, QByteArray("kept"));
        EXPECT_THROW(doc.SetPage(p, 0, 0, 0, 0, 0, 0, 0, 0), platform::Error);
        EXPECT_THROW(doc.GetLowNybble(p, 0), platform::Error);
        EXPECT_THROW(doc.SetLowNybble(p, 0, 1), platform::Error);
    }
    EXPECT_EQ(doc.intWritePage(3, QByteArray(7, 'x')), -1);
    EXPECT_THROW(doc.GetLowNybble(3, 8), platform::Error);

    doc.SetPage(3, 0, 1, 2, 3, 4, 5, 6, 0xA7);
    EXPECT_EQ(testsupport::pageOf(doc, 3), testsupport::page7to0({0xA7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(doc.GetLowNybble(3, 7), 7);
    doc.SetLowNybble(3, 7, 0x3C);
    EXPECT_EQ(byteAt(doc, 3, 7), 0xAC);
}

TEST(ToneRemotePageAccess, SerialAndIdentityMarker)
{
    COrvDocTR doc;
    EXPECT_FALSE(doc.OrvTest());
    doc.SetPage(13, 32, 32, 32, 32, 32, 0xAA, 0x7E, 0xAA);
    EXPECT_TRUE(doc.OrvTest());
    setByte(doc, 13, 6, 0x7F);
    EXPECT_FALSE(doc.OrvTest());

    doc.strSerial = QStringLiteral("1");
    EXPECT_EQ(doc.ChangeSerial(0x123456), 0);
    EXPECT_EQ(testsupport::pageOf(doc, 2).mid(5, 3), QByteArray("\x56\x34\x12"));
    EXPECT_EQ(doc.strSerial, QStringLiteral("1"));
    for (int32_t bad : {-1, 16777216}) {
        EXPECT_EQ(doc.ChangeSerial(bad), -1);
        EXPECT_EQ(testsupport::pageOf(doc, 2).mid(5, 3), QByteArray("\x56\x34\x12"));
    }
}

TEST(ToneRemotePageAccess, NewDocumentIsZeroFilledAndComesFromTheDatabase)
{
    COrvDocTR doc;
    EXPECT_EQ(imageOf(doc), QByteArray(kPages * 8, '\0'));
    EXPECT_EQ(doc.lngMaxPage, 256);
    EXPECT_EQ(doc.DSPRef, 32767);
    EXPECT_EQ(doc.VTOffset, 5.75);
    EXPECT_EQ(doc.intDocumentFrom, kFromDatabase);
    EXPECT_EQ(doc.lastStoredPage(), 256);
    EXPECT_TRUE(doc.isToneRemote());
}
