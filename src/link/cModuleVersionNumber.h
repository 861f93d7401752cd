#pragma once
#include <cstdint>

// One module firmware version of the reference table (tblFirmwareVersion).
class cModuleVersionNumber {
public:
    int32_t ID = 0;        // record key
    double Version = 0.0;  // firmware version
};
