#pragma once
// A transfer on the serial line started from the radio-module window: the line's one busy guard,
// and no user input to the window until the transfer has ended, on every path.
#include "link/TransferGuard.h"
#include "radioview/frmOrvView.h"

#include <QPointer>

class frmOrvView::TransferScope {
public:
    // Takes the line; when another transfer holds it, says so and acquires nothing.
    explicit TransferScope(frmOrvView& view);
    ~TransferScope();
    TransferScope(const TransferScope&) = delete;
    TransferScope& operator=(const TransferScope&) = delete;

    bool acquired() const { return guard_.acquired(); }

private:
    TransferGuard guard_;
    frmOrvView& view_;
    QPointer<QWidget> blocked_;
    bool wasEnabled_ = true;
    bool wasRunning_ = false;
};
