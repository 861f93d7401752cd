#pragma once
// The settings as the settings tab last showed or committed them. A commit writes back only the
// fields whose control now differs from this, so a tab the user did not touch changes nothing.
#include "radioview/frmOrvView.h"

#include <QString>

struct frmOrvView::ShownSettings {
    QString remark;
    int timeoutIndex = -1;
    int lockoutIndex = -1;
    int tailIndex = -1;
    bool changeDefaultChannel = false;
    int selectType = -1;
    bool reverseToneBurst = false;
    int reverseToneBurstType = -1;
    QString toneBurstLength;
};
