// The 8-bit code of stored texts: every byte reads back as it was written, the assigned bytes agree
// with the C library's own Windows-1252 converter, and characters without a byte are refused by name.
#include "platform/PlatformError.h"
#include "shell/Windows1252.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace {

// The character the C library gives for one Windows-1252 byte; 0 when it has none.
char32_t libraryCharacter(uint8_t byte)
{
    iconv_t cd = iconv_open("UTF-32LE", "WINDOWS-1252");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return 0;
    char in[1] = {static_cast<char>(byte)};
    unsigned char out[4] = {};
    char* inp = in;
    char* outp = reinterpret_cast<char*>(out);
    size_t inLeft = 1, outLeft = 4;
    const size_t done = iconv(cd, &inp, &inLeft, &outp, &outLeft);
    iconv_close(cd);
    if (done == static_cast<size_t>(-1) || outLeft != 0)
        return 0;
    return char32_t{out[0]} | char32_t{out[1]} << 8 | char32_t{out[2]} << 16 | char32_t{out[3]} << 24;
}

} // namespace

TEST(Windows1252, EveryByteReadsBackAndTheAssignedOnesAgreeWithTheCLibrary)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = windows1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(windows1252::encode(text), all);

    int compared = 0;
    for (int b = 0; b < 256; ++b) {
        const char32_t expected = libraryCharacter(static_cast<uint8_t>(b));
        if (expected == 0 && b != 0)
            continue;  // unassigned in the library's table (0x81, 0x8D, 0x8F, 0x90, 0x9D)
        EXPECT_EQ(char32_t{text.at(b).unicode()}, expected) << "byte " << b;
        ++compared;
    }
    if (compared == 0)
        GTEST_SKIP() << "the C library has no Windows-1252 converter";
    EXPECT_GE(compared, 251);
    EXPECT_EQ(windows1252::encode(QStringLiteral("€uro Ÿ é")), QByteArray("\x80uro \x9F \xE9"));
}

TEST(Windows1252, CharactersWithoutAByteAreRefusedByName)
{
    const struct {
        QString text;
        QString named;
    } cases[] = {
        {QStringLiteral("Site Ω"), QStringLiteral("\"Ω\" (U+03A9)")},
        {QStringLiteral("ok 😀"), QStringLiteral("\"😀\" (U+1F600)")},
        {QString(QChar(0x80)), QStringLiteral("(U+0080)")},  // the byte 0x80 is "€", not this control
        {QStringLiteral("Łódź"), QStringLiteral("\"Ł\" (U+0141)")},
    };
    for (const auto& c : cases) {
        try {
            windows1252::encode(c.text);
            ADD_FAILURE() << c.text.toStdString() << " was encoded";
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.number(), windows1252::kUnstorableCharacter);
            EXPECT_TRUE(e.description().contains(c.named)) << e.description().toStdString();
            EXPECT_TRUE(e.description().contains(c.text)) << e.description().toStdString();
        }
    }
}
