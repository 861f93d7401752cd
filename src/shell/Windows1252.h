#pragma once
// The one 8-bit code of the texts the program stores in module pages and files (MCF, BIN, HEX,
// archive): Windows-1252, one byte a character, so that files made on the original platform read
// back the same ("€" is 0x80).
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace windows1252 {

// The number of the failure raised for a character the code has no byte for.
constexpr int kUnstorableCharacter = 5;

// The characters of `bytes`, one a byte. Every byte has a character: the five bytes the code
// leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the control characters of the same
// number, so that any stored byte is written back as it was.
QString decode(QByteArrayView bytes);

// The bytes of `text`, one a character. A character the code has no byte for raises
// platform::Error(kUnstorableCharacter) with a message that names it; nothing is converted then.
QByteArray encode(const QString& text);

} // namespace windows1252
