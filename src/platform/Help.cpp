#include "platform/Help.h"

#include "platform/PlatformError.h"

namespace platform {
namespace {
HelpHandler& handler()
{
    static HelpHandler h;
    return h;
}
} // namespace

void WinHelp(QWidget* owner, const QString& helpFile, unsigned command)
{
    if (!handler())
        throw Error(1, QStringLiteral("No help viewer is available."));
    handler()(owner, helpFile, command);
}

HelpHandler setHelpHandler(HelpHandler h)
{
    HelpHandler old = handler();
    handler() = std::move(h);
    return old;
}

} // namespace platform
