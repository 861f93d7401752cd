#pragma once
// The Alarm / Confirm tab: the 16 alarm and confirmation records with their actions, the
// line-fail time, the selcall standard and the low-volt alarm threshold.
#include "toneremoteview/TRTabPage.h"

#include <cstdint>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
namespace platform {
class FlexGrid;
}

class TRAlarmTab : public TRTabPage {
public:
    explicit TRAlarmTab(frmOrvViewTR& view);

    // The grid's columns and their captions, as the load lays them out: 3 columns, 2 rows (the
    // database's alarm list then gives the rows).
    void layOutGrid();

    // The size the grid opens at: every alarm and confirmation without scrolling.
    QSize openingGridSize() const;

    // Document fields to controls: 0, or -1 after a failure (shown).
    int16_t intShowAlarm();
    // Controls to document fields: 0, or -1 when an entry was refused (the tab has said why).
    int16_t intEditApplyAlarm();

    // Grid columns.
    int16_t intColAlarm = 1;
    int16_t intColAlarmAction = 2;

    // Controls.
    platform::FlexGrid* grdAlarm = nullptr;
    QPushButton* cmdAlarmEdit = nullptr;
    QPushButton* cmdCancel = nullptr; // "&Undo"
    QGroupBox* fraAla2 = nullptr;     // line-fail time, selcall standard, low-volt threshold
    QLabel* lblFiveToneStandard = nullptr;
    QComboBox* cboFiveToneStandard = nullptr;
};
