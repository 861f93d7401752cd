#pragma once
// The digit message of a selcall or DTMF alarm record as the user types and reads it: codes 0-9
// are the digits, codes 10-14 a sign of the encoding's own (selcall P R G A ?, DTMF * # A B C).
#include <QList>
#include <QString>
#include <array>
#include <cstdint>

namespace alarmformat {

// The message of a record as text: its digit codes up to the end code, each as its character.
QString messageText(const std::array<uint8_t, 8>& record, bool dtmf);

// The codes of a typed message: at most 14 characters from the first, ending before the first
// character the encoding has no code for (upper or lower case alike). Empty when the text is empty
// or begins with such a character.
QList<int> messageCodes(const QString& text, bool dtmf);

// Writes digit codes into record bytes 1-7, two a byte, the high nibble first, the end code after
// the last; bytes after the message stay as they are (255 in a fresh record).
void putMessage(std::array<uint8_t, 8>& record, const QList<int>& codes);

} // namespace alarmformat
