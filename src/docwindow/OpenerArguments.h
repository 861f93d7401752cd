#pragma once
// What the document windows' openers take of their text arguments.
#include <QString>

namespace docwindow {

// The first `length` characters of a text without the blanks at their end: the model (12) and the
// serial number (8) of a module list line.
QString leftTrimmedRight(const QString& text, int length);

} // namespace docwindow
