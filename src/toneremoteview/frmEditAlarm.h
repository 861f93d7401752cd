#pragma once
// The alarm editor: the action of one alarm or confirmation record of a tone-remote document, or
// one action for a range of records. The caller loads it with SetData, shows it modally, reads
// Cancelled and, when the dialog was not cancelled, stores the record of GetData into every alarm
// of the range. The dialog never writes into the document; it reads the other alarms only to warn
// about an auxiliary output that several alarms would switch.
#include "toneremote/AlarmMessage.h"
#include "toneremote/COrvDocTR.h"
#include "toneremoteview/RecordDialog.h"

#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QGridLayout;
class QHBoxLayout;

class frmEditAlarm : public RecordDialog {
public:
    using AlarmRecord = COrvDocTR::AlarmRecord;

    explicit frmEditAlarm(QWidget* parent = nullptr);

    // Loads the record of `intFirstSelected` (alarm numbers 1-16) into the controls and names the
    // range in the caption. The document is read, never written, and must outlive the dialog.
    void SetData(const COrvDocTR& objToneRemote, int16_t intFirstSelected, int16_t intLastSelected);
    // The record as loaded, or as last built.
    void GetData(AlarmRecord& bVal) const { bVal = record_; }
    // Builds the record from the controls: 0 built, 1 the selcall or DTMF message is missing (said
    // in a message box; that encoding is unticked), holds a character its encoding has no code for
    // or is longer than a record holds (said in a message box naming the character and its place,
    // or the limit). The record of the dialog stays as it was unless it is built.
    int16_t GenerateAlarmRcd();
    // How many alarms would switch the auxiliary output of the record last built: every alarm of
    // the edited range, and every other alarm whose stored record switches the same output. 0 when
    // the record switches none.
    int16_t GetAuxPortUsageCount() const;

    // Event handlers.
    void chkEnableAlarms_Click();
    void chkSelcall_Click();
    void chkDtmf_Click();
    void chkFt_Click();
    void chkAlarmToLine_Click();
    void chkAlarmToRadio_Click();
    void chkEnableAux_Click();
    void txtAlarmMessage_KeyPress();
    void txtAlarmMessage_LostFocus();
    void cboFT1_LostFocus();

    // Controls.
    QCheckBox* chkEnableAlarms = nullptr;
    QGroupBox* fraAla1 = nullptr;
    QCheckBox* chkPipTone = nullptr;
    QCheckBox* chkSelcall = nullptr;
    QCheckBox* chkDtmf = nullptr;
    QCheckBox* chkFt = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtAlarmMessage = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cboHlgt = nullptr;
    QComboBox* cboFT1 = nullptr;
    QComboBox* cboFT2 = nullptr;
    QLabel* Text2 = nullptr;
    QLabel* Text1 = nullptr;
    QGroupBox* fraDest = nullptr;
    QCheckBox* chkAlarmToLine = nullptr;
    QCheckBox* chkAlarmToRadio = nullptr;
    QCheckBox* chkEnableAux = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtAuxNum = nullptr;

protected:
    // The record built from the controls; a shared auxiliary output is kept only on Yes.
    bool acceptEntries() override;

private:
    void buildControls();
    // The action frame: the encodings, the sequence and the FT lists, and the two help boxes.
    QGroupBox* buildActionFrame();
    void addToneLists(QGridLayout* action);
    void addHelpBoxes(QGridLayout* action);
    // The destination and auxiliary-output frames beside the OK and Cancel buttons.
    QHBoxLayout* buildLowerRow();
    void connectControls();
    void setFtListsEnabled(bool enabled);
    // The auxiliary output number of txtAuxNum: its leading whole number, held to 0-3; the box is
    // set to the number used when its text says anything else.
    int auxOutputNumber();
    // Whether the typed sequence of the ticked `encoding` (chkSelcall or chkDtmf) can be stored as
    // it is; says why not when it cannot.
    bool sequenceStorable(const alarmformat::TypedMessage& typed, QCheckBox* encoding);

    const COrvDocTR* doc_ = nullptr;
    int16_t first_ = 0;
    int16_t last_ = 0;
    AlarmRecord record_{0, 255, 255, 255, 255, 255, 255, 255};
};
