#pragma once
// How the radio document's members deal with a failure: a member throws platform::Error with the
// text the user is shown; the member's trap shows it in an OK box and returns -1.
#include "platform/PlatformError.h"
#include "shell/FailureTrap.h"

namespace radiodoc {

// The number of an out-of-range failure (a page, a channel or a value outside what the image holds).
constexpr int kOutOfRange = 9;
// The number of a value that does not fit its field.
constexpr int kOverflow = 6;
// The number of a division by a value of 0.
constexpr int kDivisionByZero = 11;
// The number of a text that should hold a number and does not.
constexpr int kTypeMismatch = 13;

[[noreturn]] inline void fail(int number, const QString& description) { throw platform::Error(number, description); }

// The program's one failure rule (an OK box and -1) for the radio document's members.
using basVelmar::trapped;

} // namespace radiodoc
