#include "docwindow/WindowTransfer.h"

#include "link/TransferGuard.h"

#include <QMdiSubWindow>

WindowTransfer::WindowTransfer(QWidget& window, bool& running) : running_(running)
{
    if (!guard_.acquired()) {
        TransferGuard::message(
            QStringLiteral("The serial line is busy with another transfer. Try again when it has finished."),
            platform::vbOKOnly | platform::vbExclamation);
        return;
    }
    wasRunning_ = running_;
    running_ = true;
    // The window with its frame: neither its controls nor its close box take input meanwhile.
    QWidget* target = qobject_cast<QMdiSubWindow*>(window.parentWidget());
    blocked_ = target ? target : &window;
    wasEnabled_ = blocked_->isEnabled();
    blocked_->setEnabled(false);
}

WindowTransfer::~WindowTransfer()
{
    if (!guard_.acquired())
        return;
    if (blocked_)
        blocked_->setEnabled(wasEnabled_);
    running_ = wasRunning_;
}
