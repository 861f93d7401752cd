#pragma once
// The failure rule of the database object's members, shared by the files that implement them:
// a platform::Error raised inside a member is shown with its description and the member gives -1.
// The box is shown with the line closed to new transfers, as a member may fail in the middle of
// a module read (the compatibility check, the model look-up).
#include "db/CLASSOrvDB.h"
#include "link/TransferGuard.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"

template <class F>
int16_t CLASSOrvDB::guarded(F&& body)
{
    try {
        return body();
    } catch (const platform::Error& e) {
        TransferGuard::message(e.description(), platform::vbOKOnly);
        return -1;
    }
}
