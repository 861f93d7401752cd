#pragma once
#include <QDateTime>
#include <array>
#include <cstdint>

// The programming date of a module: eight bytes d1..d8, each a decimal pair 0-99. d1 d2 d3 hold
// the date's day count (000000-999999) and d4..d8 the ten digits of its fraction (time of day).
// A date is a day count from 30 December 1899, its fraction the time of day.
namespace basVelmar {

using DateBytes = std::array<uint8_t, 8>;  // d1 first

// -1 with "Overflow" for a date before day 0 or from day 1000000 on; d untouched then.
int16_t intDateToBytes(double date, DateBytes& d);
// The date of the bytes; 0 (no date recorded) for eight zero bytes and for a byte above 99.
double dteBytesToDate(const DateBytes& d);

// A local date and time as such a day count, and back.
double dteFromDateTime(const QDateTime& when);
QDateTime dateTimeFromDte(double date);

} // namespace basVelmar
