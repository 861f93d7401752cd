#pragma once
// A transfer on the serial line started from a document window: the line's one busy guard, and no
// user input to the window (its controls and its frame's close box) until the transfer has ended,
// on every path. `running` is the window's flag that keeps it from closing meanwhile.
#include "link/TransferGuard.h"

#include <QPointer>
#include <QWidget>

class WindowTransfer {
public:
    // Takes the line; when another transfer holds it, says so and acquires nothing.
    WindowTransfer(QWidget& window, bool& running);
    ~WindowTransfer();
    WindowTransfer(const WindowTransfer&) = delete;
    WindowTransfer& operator=(const WindowTransfer&) = delete;

    bool acquired() const { return guard_.acquired(); }

private:
    TransferGuard guard_;
    bool& running_;
    QPointer<QWidget> blocked_;
    bool wasEnabled_ = true;
    bool wasRunning_ = false;
};
