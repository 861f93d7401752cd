#include "platform/MsgBox.h"

#include <cstdio>

namespace platform {
namespace {

MsgResult firstButton(const MsgBoxRequest& r)
{
    switch (r.buttons()) {
    case vbAbortRetryIgnore: return vbAbort;
    case vbYesNoCancel:
    case vbYesNo: return vbYes;
    case vbRetryCancel: return vbRetry;
    default: return vbOK;
    }
}

// Without a window layer (a tool, a test without a script) the text goes to stderr.
MsgResult consoleBox(const MsgBoxRequest& r)
{
    std::fprintf(stderr, "[%s] %s\n", qPrintable(r.title), qPrintable(r.prompt));
    return firstButton(r);
}

MsgBoxHandler& handler()
{
    static MsgBoxHandler h = consoleBox;
    return h;
}

} // namespace

QString appTitle() { return QStringLiteral("Velmar"); }

MsgResult MsgBox(const QString& prompt, int style, const QString& title)
{
    MsgBoxRequest r{prompt, style, title.isEmpty() ? appTitle() : title};
    return handler()(r);
}

MsgBoxHandler setMsgBoxHandler(MsgBoxHandler h)
{
    MsgBoxHandler old = handler();
    handler() = h ? std::move(h) : MsgBoxHandler(consoleBox);
    return old;
}

} // namespace platform
