#pragma once
// The failure rule of the program's commands and procedures: a failure raised inside is shown with
// its own description in a plain OK box, and the command gives -1.
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"

#include <QString>
#include <cstdint>
#include <exception>

namespace basVelmar {

// Runs `body` (which returns a status). A platform::Error it raises is shown with its description,
// any other exception with its text, and -1 is returned.
template <class Body>
int16_t trapped(Body&& body)
{
    try {
        return body();
    } catch (const platform::Error& e) {
        platform::MsgBox(e.description(), platform::vbOKOnly);
    } catch (const std::exception& e) {
        platform::MsgBox(QString::fromLocal8Bit(e.what()), platform::vbOKOnly);
    }
    return -1;
}

} // namespace basVelmar
