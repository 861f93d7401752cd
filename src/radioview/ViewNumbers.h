#pragma once
// Numbers as the radio-module editor shows them to the user and reads them back from its boxes:
// the decimal separator of the user's locale, no digit grouping.
#include "shell/LocaleNumbers.h"

#include <QString>
#include <cstdint>

namespace orvview {

using basVelmar::formatFixed;
using basVelmar::parseNumber;
using basVelmar::plainNumber;

// As parseNumber, but a text that is no number raises platform::Error "Type mismatch".
double toNumber(const QString& text);
// The nearest whole number, halves to the even neighbour (0.5 -> 0, 1.5 -> 2).
int64_t roundHalfEven(double value);
// The largest whole number not above `value` as a 32-bit (`bits` 32) or 16-bit (`bits` 16)
// integer; a value that does not fit raises platform::Error "Overflow".
int32_t floorToInteger(double value, int bits);

} // namespace orvview
