#pragma once
#include <cstdint>

namespace basVelmar {

// Whether a module's firmware version suits this program (version 3.0), as the database's
// compatibility list says: 0 when listed as compatible, -1 when not.
int16_t intCheckCompatible(double firmwareVersion);

// Checks the firmware version a module keeps in bytes 7 to 4 of its page 1 (the number
// "b7 b6 . b5 b4", each byte as its decimal digits: 1, 0, 0, 5 is 10.05) and warns the user
// when it is not listed as compatible. The line stays closed to the events the box lets run.
void warnIfFirmwareIncompatible(uint8_t b7, uint8_t b6, uint8_t b5, uint8_t b4);

} // namespace basVelmar
