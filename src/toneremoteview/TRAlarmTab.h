#pragma once
// The Alarm / Confirm tab of the tone-remote window: the 16 alarm and confirmation records with
// the actions they trigger, their editing and undo, the line-fail time and the selcall standard.
// Records are stored in the document as soon as an edit is accepted; apply covers the line-fail
// time and the selcall settings.
#include "toneremote/COrvDocTR.h"
#include "toneremoteview/ShownValue.h"
#include "toneremoteview/TRTabPage.h"

#include <QList>
#include <QString>
#include <cstdint>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace platform {
class FlexGrid;
}

class TRAlarmTab : public TRTabPage {
public:
    using AlarmRecord = COrvDocTR::AlarmRecord;

    explicit TRAlarmTab(frmOrvViewTR& view);

    // The grid's columns and their captions, as the load lays them out: 3 columns, 2 rows (the
    // database's alarm list then gives the rows).
    void layOutGrid();
    // The size the grid opens at: every alarm and confirmation without scrolling.
    QSize openingGridSize() const;

    // The action texts of alarms first..last (1-16): -1 for a bound outside 1-16, else 0.
    int16_t intShowAlarmAction(int16_t first, int16_t last);
    // Document fields to controls: 0, or -1 after a failure (shown).
    int16_t intShowAlarm();
    // Controls to document fields: 0, or -1 when an entry was refused (said, the focus on it).
    int16_t intEditApplyAlarm();

    // Stores a record into an alarm, keeping the old one for undo, when it differs. Status 0.
    int16_t UpdateAlarmConfirm(int16_t index, const AlarmRecord& record);
    // Puts back the record of the last change; the alarm's number, 0 when there was none.
    int16_t UndoAlarmConfirm();
    int16_t undoDepth() const { return static_cast<int16_t>(undo_.size()); }

    // Event handlers.
    void cmdAlarmEdit_Click();
    void cmdCancel_Click();
    void txtLineFailTime_Change();
    void cboFiveToneStandard_Click();

    // Grid columns.
    int16_t intColAlarm = 1;
    int16_t intColAlarmAction = 2;

    // Controls.
    platform::FlexGrid* grdAlarm = nullptr;
    QPushButton* cmdAlarmEdit = nullptr;
    QPushButton* cmdCancel = nullptr;
    QGroupBox* fraAla2 = nullptr;
    QLineEdit* txtLineFailTimeH = nullptr;
    QLineEdit* txtLineFailTimeM = nullptr;
    QComboBox* cboFiveToneStandard = nullptr;

private:
    struct AlarmUndoEntry {
        int16_t index;
        AlarmRecord old;
    };

    void buildControls();
    void editSelectedRows();
    // The line-fail time in the boxes, quarter seconds; false (said, focus on the box) when the
    // boxes hold no time of 0:00 to 4:00.
    bool lineFailTime(int32_t& quarterSeconds);
    QString lineFailShown() const;

    QList<AlarmUndoEntry> undo_;
    ShownValue<QString> shownLineFail_;
};
