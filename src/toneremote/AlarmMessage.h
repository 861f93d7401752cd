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

// A typed message coded for a record, or where it cannot be.
struct TypedMessage {
    QList<int> codes;     // one code a character, when the whole text can be stored
    int badPosition = 0;  // 1-based place of the first character the encoding has no code for; 0 for none
    bool tooLong = false; // more characters than a record holds (kMessageDigits)

    bool storable() const { return badPosition == 0 && !tooLong; }
};

// Codes every character of a typed message (upper or lower case alike). A text that holds a
// character the encoding has no code for, or more characters than a record holds, gives no codes:
// nothing of it is stored, so nothing is cut silently. An empty text gives no codes and no fault.
TypedMessage codeMessage(const QString& text, bool dtmf);

// Writes digit codes into record bytes 1-7, two a byte, the high nibble first, the end code after
// the last; bytes after the message stay as they are (255 in a fresh record).
void putMessage(std::array<uint8_t, 8>& record, const QList<int>& codes);

} // namespace alarmformat
