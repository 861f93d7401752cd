#include "platform/EndProgram.h"

#include "platform/CommPort.h"
#include "platform/PlatformError.h"

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

void endProcess(int exitCode)
{
    try {
        CommPort::instance().setPortOpen(false);
    } catch (const Error&) {
        // Nothing more to do for a port that does not close; the process ends all the same.
    }
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

EndProgramHandler& handler()
{
    static EndProgramHandler h = endProcess;
    return h;
}

} // namespace

void EndProgram(int exitCode) { handler()(exitCode); }

EndProgramHandler setEndProgramHandler(EndProgramHandler h)
{
    EndProgramHandler old = handler();
    handler() = h ? std::move(h) : EndProgramHandler(endProcess);
    return old;
}

} // namespace platform
