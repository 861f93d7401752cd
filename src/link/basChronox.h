#pragma once
#include "timerlib/chronox32.h"

#include <QString>

// The timer library chronox32, bound at the first call: the program looks for it in its own
// folder, then beside the executable, then on the system's library path, and resolves the four
// alarm functions the serial link times its waits with.
namespace basChronox {

struct AlarmFunctions {
    decltype(&hrt_alarm_alloc) alloc = nullptr;
    decltype(&hrt_alarm_set) set = nullptr;
    decltype(&hrt_alarm_check) check = nullptr;
    decltype(&hrt_alarm_free) free = nullptr;
};

// The alarm functions, or null with the reason in `why` when the library or one of the
// functions cannot be had. A failed binding is tried again at the next call.
const AlarmFunctions* alarmFunctions(QString* why);

} // namespace basChronox
