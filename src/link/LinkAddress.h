#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

// Address bytes of the module line: a serial number as 3 bytes, a page number as 2, most
// significant first.
namespace basVelmar {

// The serial address of a serial number 0..16777215; empty for any other value.
QByteArray strLongTo3Bytes(int64_t value);
// The page address of a page number 0..65535; empty for any other value.
QByteArray strLongTo2Bytes(int64_t value);
// First byte x 65536 + second x 256 + last, as decimal text (a serial address back to its number).
// Fewer than 2 bytes: a message, and the empty text.
QString strBytesToDecimal(const QByteArray& text);

} // namespace basVelmar
