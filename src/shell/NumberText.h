#pragma once
#include <QString>

// Numbers as text whatever the user's locale.
namespace basVelmar {

// The decimal separator of the user's locale (one character).
QString strDecimalPoint();
// The value as the platform writes a Double (up to 15 significant digits, no grouping), with "."
// as the decimal separator: for numbers in SQL text and files.
QString strNumberInvariant(double value);

} // namespace basVelmar
