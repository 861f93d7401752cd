// The Morse station ident: the character table, the packed bit stream and its decoding.
#include "toneremote/COrvDocTR.h"
#include "toneremote/cMorseCode.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// The stream's bytes from its last byte backward (page 223 byte 0 first), as far as given.
std::vector<int> lastBytes(const cMorseCode& morse, int count)
{
    const auto bytes = morse.identBytes();
    std::vector<int> out;
    for (int i = 0; i < count; ++i)
        out.push_back(bytes[bytes.size() - 1 - i]);
    return out;
}

int nonZeroBytes(const cMorseCode::IdentBytes& bytes)
{
    int n = 0;
    for (uint8_t b : bytes)
        n += b != 0;
    return n;
}

const char kTableChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,;?'-/()\"";

} // namespace

TEST(MorseCode, PatternsAndLengthsOfTheTable)
{
    const struct {
        char ch;
        int pattern;
        int length;
    } cases[] = {{'A', 46, 6},      {'E', 2, 2},        {'T', 14, 4},        {'0', 0xEEEEE, 20}, {'a', 46, 6},
                 {'(', 0xEBBA, 16}, {')', 0xEBBAE, 20}, {'\'', 0xBBBBA, 20}, {';', 0x3AEBA, 18}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ch);
        int32_t pattern = -1;
        int16_t length = -1;
        ASSERT_EQ(cMorseCode::SetMorseCode(QLatin1Char(c.ch), pattern, length), 0);
        EXPECT_EQ(pattern, c.pattern);
        EXPECT_EQ(length, c.length);
        // The document looks up the same table.
        int32_t docPattern = 0;
        int16_t docLength = 0;
        ASSERT_EQ(COrvDocTR::SetMorseCode(QLatin1Char(c.ch), docPattern, docLength), 0);
        EXPECT_EQ(docPattern, pattern);
    }
    int32_t pattern = 7;
    int16_t length = 9;
    EXPECT_EQ(cMorseCode::SetMorseCode(QLatin1Char('#'), pattern, length), 1);
    EXPECT_EQ(pattern, 7);
    EXPECT_EQ(length, 9);

    QChar ch = QLatin1Char('x');
    EXPECT_EQ(COrvDocTR::GetMorseCode(QStringLiteral("-.--."), ch), 0);
    EXPECT_EQ(ch, QLatin1Char('('));
    EXPECT_EQ(cMorseCode::GetMorseCode(QStringLiteral("-.--.-"), ch), 0);
    EXPECT_EQ(ch, QLatin1Char(')'));
    EXPECT_EQ(cMorseCode::GetMorseCode(QStringLiteral("......."), ch), 1);
    EXPECT_EQ(ch, QLatin1Char(')'));
}

TEST(MorseCode, IdentsPackRightAlignedIntoTheIdentBytes)
{
    const struct {
        const char* ident;
        std::vector<int> last; // page 223 byte 0, byte 1, ...
    } cases[] = {
        {"E", {0x01}},
        {"EE", {0x11}},
        {"T", {0x07}},
        {"AB", {0xD5, 0x71, 0x01}},
        {"A B", {0xD5, 0x71, 0x01}},
        {"ab", {0xD5, 0x71, 0x01}},
        {"SOS", {0x15, 0x77, 0x47, 0x05}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ident);
        cMorseCode morse;
        ASSERT_EQ(morse.CreateMorseCode(QString::fromLatin1(c.ident)), 0);
        EXPECT_EQ(lastBytes(morse, static_cast<int>(c.last.size())), c.last);
        EXPECT_EQ(nonZeroBytes(morse.identBytes()), static_cast<int>(c.last.size()));
    }
    cMorseCode empty;
    ASSERT_EQ(empty.CreateMorseCode(QString()), 0);
    EXPECT_EQ(nonZeroBytes(empty.identBytes()), 0);
}

TEST(MorseCode, TheBufferHoldsWholeWordsAndTheTailTheRest)
{
    cMorseCode morse;
    ASSERT_EQ(morse.CreateMorseCode(QStringLiteral("SOS")), 0); // 0 + 101010 00 11101110111 0 00 101010 less 0: 28 bits
    std::array<uint8_t, cMorseCode::kBufferBytes> data{};
    int16_t last = -2;
    int32_t tail = -1;
    int16_t tailBits = -1;
    ASSERT_EQ(morse.GetMorseData(data, last, tail, tailBits), 0);
    EXPECT_EQ(last, 1);
    EXPECT_EQ(data[0], 0x54);
    EXPECT_EQ(data[1], 0x77);
    EXPECT_EQ(tailBits, 12);
    EXPECT_EQ(tail, 0x715);

    // A full buffer takes no further word.
    cMorseCode full;
    for (int i = 0; i < 16; ++i)
        ASSERT_EQ(full.AddMorseWord(0xAA, static_cast<uint8_t>(i)), 0);
    EXPECT_EQ(full.AddMorseWord(1, 2), 1);
    ASSERT_EQ(full.GetMorseData(data, last, tail, tailBits), 0);
    EXPECT_EQ(last, 31);
    EXPECT_EQ(data[31], 15);
}

TEST(MorseCode, AnIdentFillsExactly256BitsAndNoMore)
{
    cMorseCode morse;
    ASSERT_EQ(morse.CreateMorseCode(QString(63, QLatin1Char('E')) + QLatin1Char('I')), 0);
    const auto bytes = morse.identBytes();
    EXPECT_EQ(bytes.front(), 0x44); // 0 10 00 10 0: the leading 0 is the first of the 256 bits
    EXPECT_EQ(bytes.back(), 0x45);  // ... E, gap, I without its final 0: 0100 0101
    const auto decoded = cMorseCode::decodeIdent(bytes);
    EXPECT_EQ(decoded.text, QString(63, QLatin1Char('E')) + QLatin1Char('I'));

    // 258 bits, or a character without a code: refused, and the former stream stays.
    EXPECT_EQ(morse.CreateMorseCode(QString(63, QLatin1Char('E')) + QLatin1Char('S')), 1);
    EXPECT_EQ(morse.CreateMorseCode(QStringLiteral("AB#")), 1);
    EXPECT_EQ(morse.identBytes(), bytes);
}

TEST(MorseCode, ARefusedIdentSaysWhy)
{
    const struct {
        QString ident;
        const char* why;
    } cases[] = {
        {QStringLiteral("SOS"), ""},
        {QString(63, QLatin1Char('E')) + QLatin1Char('I'), ""},
        {QString(63, QLatin1Char('E')) + QLatin1Char('S'), "It is too long: at most 63 characters of it fit."},
        {QString(140, QLatin1Char('A')), "It is too long: at most 32 characters of it fit."},
        // Spaces key nothing but count among the characters that fit: 43 T and the 42 spaces between.
        {QStringLiteral("T ").repeated(44), "It is too long: at most 85 characters of it fit."},
        {QStringLiteral("AB#"), "The character \"#\" has no Morse code."},
        // A character without a code is named even behind more than fits.
        {QString(140, QLatin1Char('A')) + QStringLiteral("@"), "The character \"@\" has no Morse code."},
        {QStringLiteral("\u00C4"), "The character \"\u00C4\" has no Morse code."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ident.toStdString());
        EXPECT_EQ(cMorseCode::refusal(c.ident), QString::fromUtf8(c.why));
        cMorseCode morse;
        EXPECT_EQ(morse.CreateMorseCode(c.ident), *c.why ? 1 : 0);
    }
}

TEST(MorseCode, EveryTableCharacterComesBack)
{
    for (const char* p = kTableChars; *p; ++p) {
        SCOPED_TRACE(*p);
        cMorseCode morse;
        ASSERT_EQ(morse.CreateMorseCode(QString(QLatin1Char(*p))), 0);
        EXPECT_EQ(cMorseCode::decodeIdent(morse.identBytes()).text, QString(QLatin1Char(*p)));
    }
    cMorseCode morse;
    ASSERT_EQ(morse.CreateMorseCode(QStringLiteral("VK2 (R)")), 0);
    EXPECT_EQ(cMorseCode::decodeIdent(morse.identBytes()).text, QStringLiteral("VK2(R)"));
}

TEST(MorseCode, DecodingShowsDotsAndDashesAndStopsAtABrokenGap)
{
    cMorseCode morse;
    ASSERT_EQ(morse.CreateMorseCode(QStringLiteral("AB")), 0);
    const auto decoded = cMorseCode::decodeIdent(morse.identBytes());
    EXPECT_EQ(decoded.dotsAndDashes, QStringLiteral(".- -..."));
    EXPECT_EQ(decoded.text, QStringLiteral("AB"));

    const struct {
        std::vector<uint8_t> bytes;
        const char* dots;
    } cases[] = {
        {{0x11}, ". ."},
        {{0x00, 0x00, 0x11}, ". ."}, // zero bytes before the stream are skipped
        {{0x01, 0x00, 0x01}, ""},    // a zero byte inside is a gap of more than 3 units
        {{0x47, 0x77}, ". ---"},     // 0100 0111 0111 0111
        {{0x05}, ".."},              // 0000 0101
        {{0x09}, ""},                // a gap of 2 units ends the reading
        {{0x1F}, ""},                // a mark of 5 units ends the reading
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dots);
        cMorseCode::IdentBytes bytes{};
        std::copy(c.bytes.begin(), c.bytes.end(), bytes.end() - c.bytes.size());
        EXPECT_EQ(cMorseCode::decodeIdent(bytes).dotsAndDashes, QString::fromLatin1(c.dots));
    }
}
