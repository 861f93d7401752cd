#pragma once
// The failure rule of the program's commands and procedures: a failure raised inside is shown in a
// plain OK box and the command gives -1. The box may be shown in the middle of a transfer on the
// serial line; events run while it is open, so the line stays closed to them: a click behind the
// box cannot start a second transfer.
#include "link/TransferGuard.h"
#include "platform/PlatformError.h"

#include <QString>
#include <cstdint>
#include <exception>
#include <new>

namespace basVelmar {

// Runs `body` (which returns a status). A platform::Error it raises is shown with its description
// (number 0: the failure has been reported already, nothing is shown), a std::bad_alloc as "Out of
// memory", any other exception with its text; -1 is returned then.
template <class Body>
int16_t trapped(Body&& body)
{
    try {
        return body();
    } catch (const platform::Error& e) {
        if (e.number() != 0)
            TransferGuard::message(e.description());
    } catch (const std::bad_alloc&) {
        TransferGuard::message(QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
        TransferGuard::message(QString::fromLocal8Bit(e.what()));
    }
    return -1;
}

} // namespace basVelmar
