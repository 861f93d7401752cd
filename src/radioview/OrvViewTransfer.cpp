#include "radioview/OrvViewTransfer.h"

#include "platform/MsgBox.h"
#include "radio/RadioFailure.h"

#include <QMdiSubWindow>

frmOrvView::TransferScope::TransferScope(frmOrvView& view) : view_(view)
{
    if (!guard_.acquired()) {
        radiodoc::message(QStringLiteral("The serial line is busy with another transfer. Try again when it has finished."),
                          platform::vbOKOnly | platform::vbExclamation);
        return;
    }
    wasRunning_ = view_.transferRunning_;
    view_.transferRunning_ = true;
    // The window with its frame: neither its controls nor its close box take input meanwhile.
    QWidget* target = qobject_cast<QMdiSubWindow*>(view_.parentWidget());
    blocked_ = target ? target : static_cast<QWidget*>(&view_);
    wasEnabled_ = blocked_->isEnabled();
    blocked_->setEnabled(false);
}

frmOrvView::TransferScope::~TransferScope()
{
    if (!guard_.acquired())
        return;
    if (blocked_)
        blocked_->setEnabled(wasEnabled_);
    view_.transferRunning_ = wasRunning_;
}
