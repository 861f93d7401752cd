#include "docwindow/DocumentHost.h"

#include "platform/PlatformError.h"

namespace {
IDocumentHost* g_host = nullptr;
// The number of a failure for want of an object that should be there.
constexpr int kNoObject = 91;
}

IDocumentHost* IDocumentHost::current() { return g_host; }

IDocumentHost& IDocumentHost::required()
{
    if (!g_host)
        throw platform::Error(kNoObject, QStringLiteral("There is no main window to show the module in."));
    return *g_host;
}

void IDocumentHost::setCurrent(IDocumentHost* host) { g_host = host; }
