#pragma once
#include "platform/MsgBox.h"

#include <QString>

// One transfer on the serial line at a time.
//
// A transfer (one command, or a whole module read or write, a rack scan) takes a guard for its
// whole duration. Guards taken inside a running transfer by its own code (the commands of a
// module read) are granted. While the transfer lets other events run (TransferGuard::doEvents(),
// or a modal box shown under an EventsOpen), a guard taken from one of those events is refused:
// a click during a read cannot start a second exchange on the line.
//
//     TransferGuard guard;
//     if (!guard.acquired())
//         return -1;              // another transfer is running: touch nothing
//     ... commands ...
//     guard.doEvents();           // between commands, instead of platform::DoEvents()
class TransferGuard {
public:
    TransferGuard();
    ~TransferGuard();
    TransferGuard(const TransferGuard&) = delete;
    TransferGuard& operator=(const TransferGuard&) = delete;

    bool acquired() const { return acquired_; }
    // A transfer is running.
    static bool busy();

    // Lets pending events run (platform::DoEvents()) with the line closed to them.
    static void doEvents();
    // Shows a message box with the line closed to the events that run while it is open: a box
    // shown in the middle of a transfer lets no click behind it start a second one.
    static platform::MsgResult message(const QString& prompt, int style = platform::vbOKOnly,
                                       const QString& title = QString());

    // While one lives, events may run (a modal message box), and the line is closed to them.
    class EventsOpen {
    public:
        EventsOpen();
        ~EventsOpen();
        EventsOpen(const EventsOpen&) = delete;
        EventsOpen& operator=(const EventsOpen&) = delete;
    };

private:
    bool acquired_ = false;
};
