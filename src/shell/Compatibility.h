#pragma once
#include <cstdint>

namespace basVelmar {

// Whether a module's firmware version suits this program (version 3.0), as the database's
// compatibility list says: 0 when listed as compatible, -1 when not.
int16_t intCheckCompatible(double firmwareVersion);

} // namespace basVelmar
