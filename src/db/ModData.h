#pragma once
#include <QString>
#include <cstdint>

// One module model of the catalogue (tblMODData) as the catalogue look-ups hand it out and the
// update takes it. The look-ups write these fields only from a row they found.
struct ModData {
    int32_t lngID = 0;
    int32_t lngLowFreq = 0;   // lower band edge, Hz
    int32_t lngUpFreq = 0;    // upper band edge, Hz
    int32_t lngRef1 = 0;      // synthesizer reference frequencies (channel steps), Hz
    int32_t lngRef2 = 0;
    int32_t lngIntFreq = 0;   // receiver IF, Hz, signed; 0 for the other kinds
    int32_t lngTCXOFreq = 0;  // Hz
    int16_t intPrescalar = 1;
    bool boolDoubled = false;
    int16_t intType = 0;      // 0 receiver, 1 transmitter, 2 exciter, 3 tone remote
    QString strInfoType;      // "Standard" for the standard catalogue, another text for a user model
    bool boolStandard = false;
    double lngBanLFreq = 0.0; // barred band, Hz
    double lngBanUFreq = 0.0;
};
