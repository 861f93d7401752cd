#pragma once
// The channel editor: one channel, or a run of consecutive channels, of a radio-module document
// edited in one dialog (frequency and channel step, CTCSS tone, deviation, reference and the
// eight output pins). Check boxes choose which fields every channel of the run receives. The
// dialog checks what was typed and hands the run to the document; it writes nothing to the module.
#include <QDialog>
#include <array>
#include <cstdint>

class CLASSOrvDocument;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmEditChannelData : public QDialog {
public:
    explicit frmEditChannelData(QWidget* parent = nullptr);

    // Fills the dialog from channel `iChannel` (1 and up, the document's numbering) for a run of
    // `iOffSet` + 1 channels and shows it modally; returns when it has been hidden. -1 when the
    // dialog could not be filled (it has said why and was not shown).
    int16_t ShowForm(CLASSOrvDocument& docOrv, int16_t iChannel, int16_t iOffSet);
    // The filling step of ShowForm on its own: the dialog stays hidden.
    int16_t intFillForm(CLASSOrvDocument& docOrv, int16_t iChannel, int16_t iOffSet);
    // Checks the entries and writes the run into the document: 0 when written, 1 when a check
    // failed (its message has been shown).
    int16_t SaveChanges();

    // Outcome, read by the caller after the dialog has closed.
    int32_t lngFStep = 0;       // channel step, Hz
    int16_t StartChannel = 0;   // first channel of the run (document numbering)
    int16_t EndChannel = 0;     // last channel of the run
    bool Cancelled = true;      // left by Cancel or the close box
    double dCTCSS = 0;          // the CTCSS tone last accepted in its box, Hz
    int32_t Ref1 = 0;           // the model's synthesizer references, Hz (0: none)
    int32_t Ref2 = 0;

    // Event handlers. A key handler sets KeyAscii to 0 to discard the key.
    void cmdOK_Click();
    void cmdCancel_Click();
    void txtChannelFrequency_KeyPress(int& KeyAscii);
    void cboFrequencySteps_KeyPress(int& KeyAscii);
    void txtChannelNo_KeyPress(int& KeyAscii);
    void txtCount_KeyPress(int& KeyAscii);
    void txtDeviation_KeyPress(int& KeyAscii);
    void txtReference_KeyPress(int& KeyAscii);
    // Leaving the frequency box; false sends the focus back to it.
    bool txtChannelFrequency_LostFocus();
    void cboFrequencySteps_Click();
    void cboCTCSS_Click();
    void cboCTCSS_LostFocus();
    void chkBlockWriteForChan_Click();
    void chkBlockWriteForCTCSS_Click();
    void chkBlockWriteForDev_Click();
    void chkBlockWriteForRef_Click();
    void chkBlockWriteForPins_Click();

    // Controls.
    QLineEdit* txtChannelNo = nullptr;
    QLineEdit* txtCount = nullptr;
    QCheckBox* chkBlockWriteForChan = nullptr;
    QLineEdit* txtChannelFrequency = nullptr;
    QComboBox* cboFrequencySteps = nullptr;
    QCheckBox* chkBlockWriteForCTCSS = nullptr;
    QComboBox* cboCTCSS = nullptr;
    QCheckBox* chkBlockWriteForDev = nullptr;
    QLineEdit* txtDeviation = nullptr;
    QCheckBox* chkBlockWriteForRef = nullptr;
    QLineEdit* txtReference = nullptr;
    QCheckBox* chkBlockWriteForPins = nullptr;
    std::array<QComboBox*, 8> cboPin{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    // Esc and the close box cancel.
    void reject() override;

private:
    void buildControls();
    // The step list's entries in Hz.
    QList<int64_t> listedSteps() const;
    // A digit that keeps the box's number (with the digit appended) at or below `highest`.
    static void digitUpTo(int& KeyAscii, const QString& text, double highest);
    static void decimalKey(int& KeyAscii, const QString& text);
    // A frequency (Hz, not 0) outside the model's band is said with the band's limits; true then.
    bool outOfBand(int64_t hz) const;

    CLASSOrvDocument* doc_ = nullptr;
    int32_t lowerLimit_ = 0;
    int32_t upperLimit_ = 0;
    int32_t frequency_ = 0;  // Hz: the first channel's when filled, the typed one at OK
};
