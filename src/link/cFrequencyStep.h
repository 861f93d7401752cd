#pragma once
#include <cstdint>

// One channel step of the reference table (tblFrequencySpace).
class cFrequencyStep {
public:
    int32_t ID = 0;     // record key
    double Step = 0.0;  // channel step, Hz
};
