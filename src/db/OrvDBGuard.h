#pragma once
// The failure rule of the database object's members, shared by the files that implement them:
// a platform::Error raised inside a member is shown with its description and the member gives -1.
#include "db/CLASSOrvDB.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"

template <class F>
int16_t CLASSOrvDB::guarded(F&& body)
{
    try {
        return body();
    } catch (const platform::Error& e) {
        platform::MsgBox(e.description(), platform::vbOKOnly);
        return -1;
    }
}
