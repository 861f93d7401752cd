#include "link/CommOutput.h"

#include "link/TransferGuard.h"
#include "platform/CommPort.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"

namespace basVelmar {

int16_t CommOutput(const QByteArray& text)
{
    if (text.isEmpty())
        return 0;
    try {
        platform::CommPort::instance().output(text);
        return 0;
    } catch (const platform::Error&) {
        TransferGuard::message(QStringLiteral("CommOutput Error"), platform::vbOKOnly | platform::vbCritical);
        return -1;
    }
}

} // namespace basVelmar
