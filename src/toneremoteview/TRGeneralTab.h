#pragma once
// The General tab of the tone-remote window: the module's identity, its line interface, the mode
// at power on, the latched channel select with the current channel, and the user's remark.
#include "toneremoteview/ShownValue.h"
#include "toneremoteview/TRTabPage.h"

#include <QString>
#include <cstdint>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class TRGeneralTab : public TRTabPage {
public:
    explicit TRGeneralTab(frmOrvViewTR& view);

    // Document fields to controls: 0, or -1 after a failure (shown).
    int16_t intShowGeneral();
    // True while intShowGeneral fills the controls.
    bool isShowing() const { return showing_; }
    // Controls to document fields: 0, or -1 when an entry was refused (said, the focus on it).
    int16_t intEditApplyGeneral();

    // Event handlers.
    bool txtSerialNum_Validate();
    void chkLatchChannel_Click();
    void txtChannel_LostFocus();
    void optPoweron_Click();
    void txtUserRemark_Change();
    void optWireConfiguration_Click();

    // Controls.
    QGroupBox* fraGen1 = nullptr;
    QRadioButton* opt2WireConfiguration = nullptr;
    QRadioButton* opt4WireConfiguration = nullptr;
    QGroupBox* frmPowerOnMode = nullptr;
    QRadioButton* optPoweronRep = nullptr;
    QRadioButton* optPoweronBase = nullptr;
    QCheckBox* chkLatchChannel = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* lblChannel = nullptr;
    QLineEdit* txtChannel = nullptr;
    QGroupBox* fraGen2 = nullptr;
    QLineEdit* txtSerialNum = nullptr;
    QLineEdit* txtCustomType = nullptr;
    QLineEdit* txtUserRemark = nullptr;
    QLineEdit* txtFirmwareVer = nullptr;
    QLineEdit* txtLastModified = nullptr;

private:
    void buildControls();
    // Refuses an entry: the message, then the focus back to the box.
    int16_t refuse(QWidget* box, const QString& message, int style, const QString& title);
    // Checks a serial number's text; a refused one is said and the focus goes back to the box.
    bool serialAccepted(const QString& text);

    ShownValue<QString> shownSerial_;
    ShownValue<QString> shownChannel_;
};
