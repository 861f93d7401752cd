#include "shell/Windows1252.h"

#include "platform/PlatformError.h"

#include <array>

namespace windows1252 {
namespace {

// The characters of the bytes 0x80 to 0x9F; the other bytes are the characters of the same number.
constexpr std::array<char16_t, 32> kBytes80To9F{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char16_t characterOf(uint8_t byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kBytes80To9F[byte - 0x80] : char16_t{byte};
}

// The byte of a character; -1 when the code has none.
int byteOf(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (std::size_t i = 0; i < kBytes80To9F.size(); ++i)
        if (kBytes80To9F[i] == c)
            return static_cast<int>(0x80 + i);
    return -1;
}

[[noreturn]] void refuse(const QString& text, char32_t c)
{
    const QString shown = QString::fromUcs4(&c, 1);
    const QString code = QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    qsizetype shownLength = text.size();  // without the blanks a field is padded with
    while (shownLength > 0 && text.at(shownLength - 1) == QLatin1Char(' '))
        --shownLength;
    throw platform::Error(kUnstorableCharacter,
                          QStringLiteral("The character \"%1\" (U+%2) in \"%3\" cannot be stored in a module or its "
                                         "files. Nothing was stored.")
                              .arg(shown, code, text.left(shownLength)));
}

} // namespace

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(characterOf(static_cast<uint8_t>(bytes[i])));
    return text;
}

QByteArray encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            c = QChar::surrogateToUcs4(static_cast<char16_t>(c), text.at(i).unicode());
        }
        const int b = byteOf(c);
        if (b < 0)
            refuse(text, c);
        bytes.append(static_cast<char>(b));
    }
    return bytes;
}

} // namespace windows1252
