#pragma once
// Live tuning of the two electronic pots of a radio module's default channel: the reference
// modulation level and the deviation, 0 to 255 each. Every change goes into the document's
// channel page and, in one LINK, WRITE, END exchange, to the module in the rack, so the module
// works with it at once. OK keeps the values reached; Cancel writes back the values the dialog
// started with.
#include <QDialog>
#include <QByteArray>
#include <cstdint>

class CLASSOrvDocument;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

class frmSetEpots : public QDialog {
public:
    explicit frmSetEpots(QWidget* parent = nullptr);

    // Writes the start values to the module (the reference first) and, when the module took
    // them, shows the dialog modally; returns when it has closed. When the module cannot be
    // reached it says so, shows no dialog and leaves Cancelled set.
    void ShowForm(CLASSOrvDocument& docOrv, int16_t iReference, int16_t iDeviation);
    // The default channel's page with the dialog's two bytes into the document and to the
    // module: 0 when both took it, -1 otherwise.
    int16_t intCommit();
    // UNLINK twice, then LINK the document's module.
    int16_t LinkModule();

    // True after Cancel or a failed write; false after a successful OK and while the dialog is up.
    bool Cancelled = true;

    // Event handlers.
    void cmdOK_Click();
    void cmdCancel_Click();
    void vsbReference_Change();
    void vsbDeviation_Change();
    void txtReference_LostFocus();
    void txtDeviation_LostFocus();

    // Controls.
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QGroupBox* fraDeviation = nullptr;
    QLabel* lblReference = nullptr;
    QLineEdit* txtReference = nullptr;
    QScrollBar* vsbReference = nullptr;
    QLabel* lblDeviation = nullptr;
    QLineEdit* txtDeviation = nullptr;
    QScrollBar* vsbDeviation = nullptr;

    // Exchanges with the module so far (for the benchmark and the tests).
    int exchanges() const { return exchanges_; }

protected:
    // Esc and the close box: the values reached stay in the document and the module.
    void reject() override;

private:
    void buildControls();
    // A bar's new value into its box and into the page buffer, then to the module: at once while
    // the dialog is being opened, else at the next turn of the event loop, so that positions
    // reached while an exchange runs are taken together and only the latest is written.
    void barChanged(QScrollBar* bar, QLineEdit* box, int byte);
    void writePending();
    // The value a pot box holds, brought into 0..255; the box shows it.
    static int potValue(QLineEdit* box);
    static void notLinked();

    CLASSOrvDocument* doc_ = nullptr;
    QByteArray buffer_;            // the default channel's page; bytes 3 and 4 are the dialog's
    int16_t savedReference_ = 0;   // what Cancel restores
    int16_t savedDeviation_ = 0;
    bool linkFailed_ = false;
    bool shown_ = false;           // the modal display has begun: bar changes are written later
    bool writeScheduled_ = false;
    bool pending_ = false;         // the buffer holds positions not yet written
    int exchanges_ = 0;
};
