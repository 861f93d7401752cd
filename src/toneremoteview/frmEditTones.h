#pragma once
// The function-tone editor: the action of one function-tone pair, or one action for a range of
// pairs. The caller sets Multiple, OneTone and the caption, opens it with ShowForm and, when
// Cancelled is false afterwards, reads the choice with GetValues. The action list comes from the
// database in the order of the action positions:
//   0 set channel (parameter 0-127), 1 auxiliary output on, 2 off, 3 toggle (parameter: the
//   output 0-3), 4-12 actions without a parameter, 13 trigger confirmation message (0-5),
//   14 do nothing.
#include "toneremoteview/RecordDialog.h"

#include <cstdint>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

class frmEditTones : public RecordDialog {
public:
    explicit frmEditTones(QWidget* parent = nullptr);

    // Prepares the dialog for the pair's action code and its tones (Hz) and shows it modally.
    // When the action list cannot be read or a tone is no function tone, the dialog is not shown
    // and counts as cancelled.
    void ShowForm(int16_t intActionCode, int16_t intTone1, int16_t intTone2);
    // The preparing step of ShowForm on its own; false when the dialog must not be shown.
    bool PrepareForm(int16_t intActionCode, int16_t intTone1, int16_t intTone2);
    // The chosen action's list position and parameter, and the chosen tone numbers (0-14; -1 for
    // none, as in a multiple selection; tone 2 is tone 1 for one-tone commands). An empty
    // parameter box is first set to "0". Status 0.
    int16_t GetValues(int16_t& intPosition, int16_t& intParameter, int16_t& intTone1, int16_t& intTone2);

    bool Multiple = false;   // set by the caller: a range of pairs is edited
    bool OneTone = false;    // set by the caller: a pair is one tone twice

    // Event handlers. A key handler sets KeyAscii to 0 to discard the key.
    void cboFunctionToneAction_Click();
    void txtFTActionParameter_KeyPress(int& KeyAscii);

    // Controls.
    QGroupBox* fraToneSel = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cboTone1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* cboTone2 = nullptr;
    QLabel* Label4 = nullptr;
    QGroupBox* fraFunctionToneAction = nullptr;
    QComboBox* cboFunctionToneAction = nullptr;
    QLabel* lblFTActionParameter = nullptr;
    QLineEdit* txtFTActionParameter = nullptr;

protected:
    // The parameter checked against the chosen action's range (said when it is outside).
    bool acceptEntries() override;

private:
    void buildControls();
    // Fills a tone list with the 15 function tones and selects the tone of `hz`; false when `hz`
    // is no function tone.
    static bool fillToneList(QComboBox* list, int16_t hz);
    // The parameter box's number (an empty box first set to "0"); -1 when it holds anything but
    // digits.
    int parameterValue();
    // Checks the parameter against [0, highest]; shows `message` and keeps the dialog open when it
    // is outside.
    bool parameterWithin(int highest, const QString& message, const QString& title);
};
