#pragma once
// The line levels of a tone-remote module: the level in dBm of each step of the line input's and
// the line output's potentiometer, from the tables tblTRLineIn and tblTRLineOut.
#include <cstdint>

class QSqlDatabase;

namespace trview {

enum LinePort : int16_t { kLineIn = 0, kLineOut = 1 };

// The step of the highest table level not above `level`; 0 when every level is above it.
// A failed query raises platform::Error.
int16_t bytLevelLookup(const QSqlDatabase& db, double level, int16_t port);
// The level of the highest step not above `step`; -27 when the table has none.
double dblLevelLookup(const QSqlDatabase& db, int16_t step, int16_t port);

} // namespace trview
