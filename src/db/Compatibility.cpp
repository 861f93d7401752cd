#include "db/Compatibility.h"

#include "db/CLASSOrvDB.h"
#include "db/PageFields.h"
#include "link/TransferGuard.h"

#include <QString>

namespace basVelmar {
namespace {
constexpr double kProgramVersion = 3.0;
}

int16_t intCheckCompatible(double firmwareVersion)
{
    return CLASSOrvDB::instance().intCompatibleCheck(kProgramVersion, firmwareVersion);
}

void warnIfFirmwareIncompatible(uint8_t b7, uint8_t b6, uint8_t b5, uint8_t b4)
{
    const double version = pagefields::firmwareNumber(b7, b6, b5, b4).toDouble();
    if (intCheckCompatible(version) == 0)
        return;
    TransferGuard::message(
        QStringLiteral("Warning: The Firmware version is not compatible. Data read maybe incorrect."));
}

} // namespace basVelmar
