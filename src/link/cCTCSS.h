#pragma once
#include <cstdint>

// One CTCSS tone of the reference table (tblCTCSS).
class cCTCSS {
public:
    int32_t ID = 0;          // record key
    double Frequency = 0.0;  // tone frequency, Hz
    int32_t Tone = 0;        // tone code kept in a channel page
};
