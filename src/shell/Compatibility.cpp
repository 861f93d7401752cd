#include "shell/Compatibility.h"

#include "db/CLASSOrvDB.h"
#include "link/TransferGuard.h"
#include "platform/MsgBox.h"

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
    const double version = QStringLiteral("%1%2.%3%4").arg(b7).arg(b6).arg(b5).arg(b4).toDouble();
    if (intCheckCompatible(version) == 0)
        return;
    TransferGuard::EventsOpen open;
    platform::MsgBox(QStringLiteral("Warning: The Firmware version is not compatible. Data read maybe incorrect."),
                     platform::vbOKOnly);
}

} // namespace basVelmar
