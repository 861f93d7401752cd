#pragma once
// The General tab: the module's identity, line interface, mode at power on, latched channel
// select and remark.
#include "toneremoteview/TRTabPage.h"

#include <cstdint>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

class TRGeneralTab : public TRTabPage {
public:
    explicit TRGeneralTab(frmOrvViewTR& view);

    // Document fields to controls: 0, or -1 after a failure (shown).
    int16_t intShowGeneral();
    // Controls to document fields: 0, or -1 when an entry was refused (the tab has said why).
    int16_t intEditApplyGeneral();

    void txtUserRemark_Change();

    // Controls.
    QGroupBox* fraGen1 = nullptr;        // "Line Interface"
    QGroupBox* frmPowerOnMode = nullptr; // "Mode at  Power On"
    QCheckBox* chkLatchChannel = nullptr;
    QGroupBox* Frame3 = nullptr;  // "Channel Select Output"
    QGroupBox* fraGen2 = nullptr; // identity and remark
    QLabel* lblUserRemark = nullptr;
    QLineEdit* txtUserRemark = nullptr;
};
