#include "link/TransferGuard.h"

#include "platform/DoEvents.h"

namespace {

int g_depth = 0;       // guards held by the running transfer
int g_eventsOpen = 0;  // event processing opened by EventsOpen, nested
int g_baseEvents = 0;  // g_eventsOpen when the running transfer began

} // namespace

TransferGuard::TransferGuard()
{
    if (g_depth > 0 && g_eventsOpen > g_baseEvents)
        return;  // started from an event that arrived while the transfer lets events run
    if (g_depth == 0)
        g_baseEvents = g_eventsOpen;
    ++g_depth;
    acquired_ = true;
}

TransferGuard::~TransferGuard()
{
    if (acquired_)
        --g_depth;
}

bool TransferGuard::busy() { return g_depth > 0; }

void TransferGuard::doEvents()
{
    EventsOpen open;
    platform::DoEvents();
}

platform::MsgResult TransferGuard::message(const QString& prompt, int style, const QString& title)
{
    EventsOpen open;
    return platform::MsgBox(prompt, style, title);
}

TransferGuard::EventsOpen::EventsOpen() { ++g_eventsOpen; }

TransferGuard::EventsOpen::~EventsOpen() { --g_eventsOpen; }
