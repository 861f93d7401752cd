#pragma once
// The value of a box's text as the forms read it.
#include <QString>

namespace trview {

// The whole number a text begins with (blanks and a sign allowed before the digits), 0 when it
// begins with none; anything after the digits, a decimal part included, is not read. Held to
// [lowest, highest].
int leadingWholeNumber(const QString& text, int lowest, int highest);
// True when the text is a whole number (blanks around, no sign) within [lowest, highest];
// `value` receives it.
bool wholeNumberWithin(const QString& text, int lowest, int highest, int& value);
// The same for a box that reads as 0 when the user has emptied it (blanks only).
bool boxNumberWithin(const QString& text, int lowest, int highest, int& value);

} // namespace trview
