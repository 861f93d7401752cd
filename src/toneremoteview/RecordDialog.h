#pragma once
// A dialog that edits one record of a tone-remote document (or one action for a range of them):
// OK closes it when the dialog's own check passes its entries, Cancel, Esc and the close box close
// it cancelled. The caller reads whether it was cancelled once it has closed.
#include <QDialog>

class QPushButton;
class QVBoxLayout;

class RecordDialog : public QDialog {
public:
    // OK: the dialog closes, not cancelled, when its entries pass; otherwise it stays open.
    void cmdAlarmApply_Click();
    // Cancel: the dialog closes, cancelled.
    void cdmCancel_Click();
    // Whether the dialog was cancelled (read once it has closed).
    bool Cancelled() const { return cancelled_; }

    QPushButton* cmdAlarmApply = nullptr;
    QPushButton* cdmCancel = nullptr;

protected:
    // A modal dialog named `name`; `cancelled` is what it reports before it has ever closed.
    RecordDialog(QWidget* parent, const QString& name, bool cancelled);

    // The OK (the default button) and Cancel buttons in a column, connected to their handlers.
    QVBoxLayout* buttonColumn();
    // Esc and the close box press Cancel.
    void reject() override;
    // The dialog's check of its entries before OK closes it; false keeps it open (said why).
    virtual bool acceptEntries() = 0;

    bool cancelled_;
};
