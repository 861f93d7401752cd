#pragma once
#include <cstdint>

// One tone of a tone standard (tonestandards): its position in the standard and its value.
class cToneStd {
public:
    int32_t ID = 0;    // position 1 to 24 within the standard
    int32_t Tone = 0;  // tone value at that position
    int16_t iType = 0; // kind of entry; 0 as loaded
};
