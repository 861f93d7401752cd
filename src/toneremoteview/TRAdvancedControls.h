#pragma once
// The controls of the Advanced tab and what they do: the receive and transmit path delays, notch
// filtering, the front-panel mode switch, the durations of the high-level guard tone (HLGT) and of
// function tones, the Morse station ident and its repeat time; also the low-volt alarm threshold,
// whose box and spinner stand on the Alarm / Confirm tab.
//
// The apply works out and checks everything first and changes the document only when all of it
// passed. The duration and repeat-time lists are written as they stand: a stored value they
// cannot show exactly is shown as the nearest entry (a repeat time out of range as 0) and written
// so. Another setting whose controls still show what the last show put there keeps the
// document's value.
#include "toneremote/cMorseCode.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

class COrvDocTR;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
namespace platform {
class UpDown;
}

class TRAdvancedControls : public QObject {
public:
    // Builds the controls into the tab's four frames, and the threshold's row below what
    // `lowVoltFrame` holds; `window` is the window the boxes' focus checks work in.
    TRAdvancedControls(QGroupBox* Frame2, QGroupBox* fraAdvanced1, QGroupBox* fraAdvanced2, QGroupBox* fraAdvanced3,
                       QGroupBox* lowVoltFrame, QWidget* window, std::function<COrvDocTR&()> document);

    // Document to controls: 0.
    int16_t ShowAdvanced();
    // Controls to document: 0; 1 when the station ident was refused; -1 after another failure
    // (shown). On 1 and -1 the document is unchanged.
    int16_t iEditApplyAdvanced();
    int16_t intUpdateAdvanced() { return 0; }

    // The ident in the document's pages: written from the Morse object / read back as text, its
    // dots and dashes shown in Text1.
    void SaveMorseCode();
    int16_t DecodeMorseCode(QString& strIdent);

    // The threshold display rule: `volts` to an odd number of tenths in 10.7 .. 14.1 V, shown in
    // the box and set on the spinner.
    void showThreshold(double volts);

    // Event handlers.
    void txtRxPathDelay_LostFocus();
    void txtTxPathDelay_LostFocus();
    void txtLowVoltThreshold_Validate();
    void udpLowVoltThresholdChange_Change();
    void optHLGT1_Click();
    void optHLGT2_Click();
    void optFT1_Click();
    void optFT2_Click();
    void Command4_Click();
    void Command5_Click();

    // Controls.
    QCheckBox* chkRxPathDelay = nullptr;
    QLineEdit* txtRxPathDelay = nullptr;
    QCheckBox* chkTxPathDelay = nullptr;
    QLineEdit* txtTxPathDelay = nullptr;
    QCheckBox* chkNotchFiltReq = nullptr;
    QCheckBox* chkFPModeSwitch = nullptr;
    QRadioButton* optHLGT1 = nullptr;
    QRadioButton* optHLGT2 = nullptr;
    QLabel* lblHLGT1 = nullptr;
    QComboBox* cboHLGTTimer = nullptr;
    QRadioButton* optFT1 = nullptr;
    QRadioButton* optFT2 = nullptr;
    QLabel* lblFT1 = nullptr;
    QComboBox* cboFTTimer = nullptr;
    QLabel* lblAdvance1 = nullptr;
    QLineEdit* txtMorseID = nullptr;
    QLabel* lblAdvanced2 = nullptr;
    QComboBox* cboMorseTimer = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* lblLowVoltThreshold = nullptr;
    QLineEdit* txtLowVoltThreshold = nullptr;
    platform::UpDown* udpLowVoltThresholdChange = nullptr;

private:
    // The constructor's steps: one builder for each frame and for the threshold's row, then the
    // handlers. A duration frame holds the recommended value, the other choice and the list of
    // times; its controls are named after `suffix` (optHLGT1, optHLGT2, lblHLGT1, cboHLGTTimer).
    void buildPathFrame(QGroupBox* Frame2);
    static void buildDurationFrame(QGroupBox* frame, QRadioButton*& recommended, QRadioButton*& other, QLabel*& label,
                                   QComboBox*& list, const QString& recommendedCaption, const QString& suffix);
    void buildIdentFrame(QGroupBox* fraAdvanced3);
    void buildThresholdRow(QGroupBox* lowVoltFrame);
    void connectControls(QWidget* window);

    COrvDocTR& document() const { return document_(); }
    void modified() const;
    // A path delay box's text: its leading number, whole, held to 0 .. 500 ms.
    static double delayMs(const QString& text);
    // The station ident refused: the message names the character or how much fits.
    void identRefused() const;
    // What the controls showed after the last show; a setting still so keeps the document's value.
    // The durations and the repeat time are not among them: their lists show every value they
    // can hold exactly, and any other value is written as the list shows it.
    struct Shown {
        bool rx = false, tx = false;
        QString rxText, txText;
        QString threshold, ident;
    };
    Shown shown_;
    cMorseCode morse_;
    std::function<COrvDocTR&()> document_;
};
