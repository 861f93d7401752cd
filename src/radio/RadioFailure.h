#pragma once
// How the radio document's members deal with a failure: a member throws platform::Error with the
// text the user is shown; the member's trap shows it in an OK box and returns -1.
#include "link/TransferGuard.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"

#include <QString>
#include <cstdint>
#include <exception>
#include <new>

namespace radiodoc {

// The number of an out-of-range failure (a page, a channel or a value outside what the image holds).
constexpr int kOutOfRange = 9;
// The number of a value that does not fit its field.
constexpr int kOverflow = 6;
// The number of a division by a value of 0.
constexpr int kDivisionByZero = 11;
// The number of a text that should hold a number and does not.
constexpr int kTypeMismatch = 13;

// Shows a message box. Events run while it is open, so the line stays closed to them: a click
// behind the box cannot start a second transfer in the middle of this one.
inline platform::MsgResult message(const QString& prompt, int style = platform::vbOKOnly, const QString& title = {})
{
    TransferGuard::EventsOpen open;
    return platform::MsgBox(prompt, style, title);
}

[[noreturn]] inline void fail(int number, const QString& description) { throw platform::Error(number, description); }

// Runs `body` (which returns a status) and turns a failure it raises into an OK box and -1.
template <class Body>
int16_t trapped(Body&& body)
{
    try {
        return body();
    } catch (const platform::Error& e) {
        if (e.number() != 0)
            message(e.description());
        return -1;
    } catch (const std::bad_alloc&) {
        message(QStringLiteral("Out of memory"));
        return -1;
    }
}

} // namespace radiodoc
