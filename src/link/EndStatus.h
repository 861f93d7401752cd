#pragma once
#include <cstdint>

namespace linkengine {

// The status byte of a module's END reply, told to the user: 0x10, 0x20 and 0x30 are faults the
// module found in what it was given. 0, or -1 when the user declines to carry on after 0x20.
int16_t decodeEndStatus(uint8_t status);

} // namespace linkengine
