// The Morse ident's pages 220-223 in the document: the stream's byte order against a fixed byte
// fixture, the pages around left alone, and an ident stored and read back.
#include "TRFixture.h"
#include "toneremote/cMorseCode.h"

using trtest::byteAt;
using trtest::differingPages;
using trtest::imageOf;

TEST(MorseIdentPages, StreamBytesRunFromPage220Byte7DownToPage223Byte0)
{
    cMorseCode::IdentBytes stream{};
    for (int i = 0; i < cMorseCode::kIdentBytes; ++i)
        stream[i] = static_cast<uint8_t>(0xA0 + i);
    COrvDocTR doc;
    trtest::loadImage(doc, trtest::randomImage(31));
    const QByteArray was = imageOf(doc);
    doc.setMorseIdent(stream);

    const struct {
        int page, byte;
        uint8_t value;
    } placed[] = {{220, 7, 0xA0}, {220, 6, 0xA1}, {220, 0, 0xA7}, {221, 7, 0xA8},
                  {222, 3, 0xB4}, {223, 7, 0xB8}, {223, 0, 0xBF}};
    for (const auto& p : placed)
        EXPECT_EQ(byteAt(doc, p.page, p.byte), p.value) << p.page << "/" << p.byte;
    EXPECT_EQ(differingPages(was, imageOf(doc)), (QList<int>{220, 221, 222, 223}));
    EXPECT_EQ(doc.morseIdent(), stream);

    // Read from pages set byte by byte.
    COrvDocTR other;
    for (const auto& p : placed)
        trtest::setByte(other, p.page, p.byte, p.value);
    const cMorseCode::IdentBytes read = other.morseIdent();
    for (int i : {0, 1, 7, 8, 20, 24, 31})
        EXPECT_EQ(read[i], stream[i]) << i;
}

TEST(MorseIdentPages, AnIdentStoredReadsBackAsItsText)
{
    for (const QString& ident : {QStringLiteral("VK2ABC"), QStringLiteral("SOS"), QString()}) {
        SCOPED_TRACE(ident.toStdString());
        cMorseCode morse;
        ASSERT_EQ(morse.CreateMorseCode(ident), 0);
        COrvDocTR doc;
        doc.setMorseIdent(morse.identBytes());
        EXPECT_EQ(cMorseCode::decodeIdent(doc.morseIdent()).text, ident);
    }
}
