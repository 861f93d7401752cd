#include "toneremoteview/frmEditAlarm.h"

#include "platform/MsgBox.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DialogPlacement.h"
#include "platform/ui/Named.h"
#include "toneremote/AlarmMessage.h"
#include "toneremote/AlarmRecordFormat.h"
#include "toneremote/basVelmarTR.h"
#include "toneremoteview/TextValue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

using namespace alarmformat;
using platform::MsgBox;
using platform::named;

namespace {

const QString kAlarmsTitle = QStringLiteral("Alarms");
constexpr int kHighestAuxOutput = 3;
// List positions of the FT lists: "None", then tone t at t + 1.
constexpr int kNoToneItem = 0;
constexpr int kDefaultHlgtItem = 1;

// The caption of the dialog for the first alarm of the range; empty for alarms without a name.
QString captionOf(int alarm)
{
    switch (alarm) {
    case 1: return QStringLiteral("Define Reverse Power Alarm");
    case 2: return QStringLiteral("Define Forward Power Alarm");
    case 3: return QStringLiteral("Define Low Battery Alarm");
    case 4: return QStringLiteral("Define Line Failure Alarm");
    case 5: case 6: case 7: case 8: return QStringLiteral("Define Auxiliary Alarm ") + QString::number(alarm - 5);
    case 9: return QStringLiteral("Define Power-up Confirmation");
    case 10: return QStringLiteral("Define Channel Confirmation");
    case 11: case 12: case 13: case 14: return QStringLiteral("Define User Confirmation") + QString::number(alarm - 11);
    default: return QString();
    }
}

} // namespace

frmEditAlarm::frmEditAlarm(QWidget* parent) : RecordDialog(parent, QStringLiteral("frmEditAlarm"), false)
{
    setWindowTitle(QStringLiteral("Set Alarm Action"));
    buildControls();
    chkEnableAlarms_Click();
    platform::centreOnScreen(*this);
}

void frmEditAlarm::buildControls()
{
    auto* outer = new QVBoxLayout(this);
    chkEnableAlarms = named(new QCheckBox(QStringLiteral("Enable Alarms / Confirmation"), this), "chkEnableAlarms");
    outer->addWidget(chkEnableAlarms);
    outer->addWidget(buildActionFrame());
    outer->addLayout(buildLowerRow());
    // A new record goes to the line.
    chkAlarmToLine->setChecked(true);
    connectControls();
}

QGroupBox* frmEditAlarm::buildActionFrame()
{
    fraAla1 = named(new QGroupBox(QStringLiteral("Select Alarm / Confirmation Action"), this), "fraAla1");
    auto* action = new QGridLayout(fraAla1);
    chkPipTone = named(new QCheckBox(QStringLiteral("Pip Tone"), fraAla1), "chkPipTone");
    chkSelcall = named(new QCheckBox(QStringLiteral("Selcall Encoding"), fraAla1), "chkSelcall");
    chkDtmf = named(new QCheckBox(QStringLiteral("DTMF Encoding"), fraAla1), "chkDtmf");
    chkFt = named(new QCheckBox(QStringLiteral("FT Encoding"), fraAla1), "chkFt");
    action->addWidget(chkPipTone, 0, 0);
    action->addWidget(chkSelcall, 1, 0);
    action->addWidget(chkDtmf, 2, 0);
    action->addWidget(chkFt, 3, 0);
    addToneLists(action);
    addHelpBoxes(action);
    return fraAla1;
}

void frmEditAlarm::addToneLists(QGridLayout* action)
{
    Label1 = named(new QLabel(QStringLiteral("Sequence"), fraAla1), "Label1");
    txtAlarmMessage = named(new QLineEdit(fraAla1), "txtAlarmMessage");
    Label2 = named(new QLabel(QStringLiteral("HLGT               FT1                  FT2"), fraAla1), "Label2");
    Label2->setTextFormat(Qt::PlainText);
    cboHlgt = named(new QComboBox(fraAla1), "cboHlgt");
    cboFT1 = named(new QComboBox(fraAla1), "cboFT1");
    cboFT2 = named(new QComboBox(fraAla1), "cboFT2");
    for (int hz : kHlgtHz)
        cboHlgt->addItem(QString::number(hz));
    for (QComboBox* list : {cboFT1, cboFT2}) {
        list->addItem(QStringLiteral("None"));
        for (int16_t tone = 0, hz = 0; basVelmarTR::intGetFnToneFrequency(tone, hz) == 0; ++tone)
            list->addItem(QString::number(hz));
    }
    auto* ftLists = new QHBoxLayout;
    ftLists->addWidget(cboHlgt);
    ftLists->addWidget(cboFT1);
    ftLists->addWidget(cboFT2);
    action->addWidget(Label1, 0, 1);
    action->addWidget(txtAlarmMessage, 1, 1);
    action->addWidget(Label2, 2, 1);
    action->addLayout(ftLists, 3, 1);
}

void frmEditAlarm::addHelpBoxes(QGridLayout* action)
{
    auto helpBox = [&](const char* name, const QStringList& lines) {
        auto* box = named(new QLabel(lines.join(QLatin1Char('\n')), fraAla1), name);
        box->setTextFormat(Qt::PlainText);
        box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        box->setMargin(3);
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return box;
    };
    Text2 = helpBox("Text2", {QStringLiteral("Sequence Characters:"), QStringLiteral(" 0-9, r, g, a, p - Selcall Digits"),
                              QStringLiteral(" 0-9, *, #, A-C - DTMF Digits")});
    Text1 = helpBox("Text1", {QStringLiteral(" ccc - Current Channel number"), QStringLiteral(" s - Mode"),
                              QStringLiteral(" n - Total number activated alarms"),
                              QStringLiteral(" x - number of External activated alarms"),
                              QStringLiteral(" y - number of Internal activated alarms")});
    action->addWidget(Text2, 4, 0);
    action->addWidget(Text1, 4, 1);
}

QHBoxLayout* frmEditAlarm::buildLowerRow()
{
    auto* lower = new QHBoxLayout;
    fraDest = named(new QGroupBox(QStringLiteral("Select Destination"), this), "fraDest");
    auto* dest = new QVBoxLayout(fraDest);
    chkAlarmToLine = named(new QCheckBox(QStringLiteral(" Output to Line"), fraDest), "chkAlarmToLine");
    chkAlarmToRadio = named(new QCheckBox(QStringLiteral(" Output to Radio"), fraDest), "chkAlarmToRadio");
    dest->addWidget(chkAlarmToLine);
    dest->addWidget(chkAlarmToRadio);
    lower->addWidget(fraDest);

    auto* fraAux = named(new QGroupBox(QStringLiteral("Auxiliary Output"), this), "fraAux");
    auto* aux = new QGridLayout(fraAux);
    chkEnableAux = named(new QCheckBox(QStringLiteral("Enable Output"), fraAux), "chkEnableAux");
    Label3 = named(new QLabel(QStringLiteral("Auxiliary Port (0-3)"), fraAux), "Label3");
    txtAuxNum = named(new QLineEdit(QStringLiteral("0"), fraAux), "txtAuxNum");
    txtAuxNum->setMaximumWidth(txtAuxNum->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    aux->addWidget(chkEnableAux, 0, 0, 1, 2);
    aux->addWidget(Label3, 1, 0);
    aux->addWidget(txtAuxNum, 1, 1);
    lower->addWidget(fraAux);
    lower->addLayout(buttonColumn());
    return lower;
}

void frmEditAlarm::connectControls()
{
    connect(chkEnableAlarms, &QCheckBox::toggled, this, &frmEditAlarm::chkEnableAlarms_Click);
    connect(chkSelcall, &QCheckBox::toggled, this, &frmEditAlarm::chkSelcall_Click);
    connect(chkDtmf, &QCheckBox::toggled, this, &frmEditAlarm::chkDtmf_Click);
    connect(chkFt, &QCheckBox::toggled, this, &frmEditAlarm::chkFt_Click);
    connect(chkAlarmToLine, &QCheckBox::toggled, this, &frmEditAlarm::chkAlarmToLine_Click);
    connect(chkAlarmToRadio, &QCheckBox::toggled, this, &frmEditAlarm::chkAlarmToRadio_Click);
    connect(chkEnableAux, &QCheckBox::toggled, this, &frmEditAlarm::chkEnableAux_Click);
    platform::onKeyPress(txtAlarmMessage, [this](QChar) {
        txtAlarmMessage_KeyPress();
        return true;
    });
    platform::onLostFocus(txtAlarmMessage, this, [this] { txtAlarmMessage_LostFocus(); });
    platform::onLostFocus(cboFT1, this, [this] { cboFT1_LostFocus(); });
}

void frmEditAlarm::setFtListsEnabled(bool enabled)
{
    for (QComboBox* list : {cboHlgt, cboFT1, cboFT2})
        list->setEnabled(enabled);
}

void frmEditAlarm::SetData(const COrvDocTR& objToneRemote, int16_t intFirstSelected, int16_t intLastSelected)
{
    doc_ = &objToneRemote;
    first_ = intFirstSelected;
    last_ = intLastSelected;
    AlarmRecord stored{};
    if (objToneRemote.intGetAlarm(intFirstSelected, stored) == 0)
        record_ = stored;

    const QString caption = captionOf(intFirstSelected);
    if (!caption.isEmpty())
        setWindowTitle(caption);
    if (intFirstSelected < intLastSelected)
        setWindowTitle(windowTitle() + QStringLiteral(", Multiple Selection"));

    cboHlgt->setCurrentIndex(kDefaultHlgtItem);
    cboFT1->setCurrentIndex(kNoToneItem);
    cboFT2->setCurrentIndex(kNoToneItem);
    txtAlarmMessage->setEnabled(true);
    setFtListsEnabled(false);

    const uint8_t flags = record_[kFlagsByte];
    switch (flags & kEncodingMask) {
    case kFunctionTones: {
        chkSelcall->setChecked(false);
        chkDtmf->setChecked(false);
        chkFt->setChecked(true);
        chkEnableAlarms->setChecked(true);
        setFtListsEnabled(true);
        const int hlgt = record_[kFtFirstToneByte] >> 4;
        if (hlgt < kHlgtCount)
            cboHlgt->setCurrentIndex(hlgt);
        const int first = record_[kFtFirstToneByte] & 0x0F;
        const uint8_t second = record_[kFtSecondToneByte];
        if (first == kNoTone) {
            cboFT1->setCurrentIndex(kNoToneItem);
            cboFT2->setCurrentIndex(kNoToneItem);
        } else {
            cboFT1->setCurrentIndex(first + 1);
            cboFT2->setCurrentIndex(second < 0xF0 ? (second >> 4) + 1 : kNoToneItem);
        }
        break;
    }
    case kSelcall:
        chkSelcall->setChecked(true);
        chkEnableAlarms->setChecked(true);
        chkDtmf->setChecked(false);
        chkFt->setChecked(false);
        txtAlarmMessage->setEnabled(true);
        break;
    case kDtmf:
        chkEnableAlarms->setChecked(true);
        chkDtmf->setChecked(true);
        chkSelcall->setChecked(false);
        chkFt->setChecked(false);
        break;
    default:
        chkEnableAlarms->setChecked(true);
        chkSelcall->setChecked(false);
        chkDtmf->setChecked(false);
        chkFt->setChecked(false);
        txtAlarmMessage->setEnabled(true);
        break;
    }

    chkPipTone->setChecked(flags & kPipTone);
    chkEnableAux->setChecked(flags & kAuxEnabled);
    txtAuxNum->setText(QString::number((flags & kAuxNumberMask) >> kAuxNumberShift));
    txtAuxNum->setEnabled(chkEnableAux->isChecked());
    Label3->setEnabled(chkEnableAux->isChecked());

    switch (flags & kDestinationMask) {
    case 0: chkEnableAlarms->setChecked(false); break;
    case kToLine:
        chkAlarmToLine->setChecked(true);
        chkAlarmToRadio->setChecked(false);
        break;
    case kToRadio:
        chkAlarmToLine->setChecked(false);
        chkAlarmToRadio->setChecked(true);
        break;
    default:
        chkAlarmToLine->setChecked(true);
        chkAlarmToRadio->setChecked(true);
        break;
    }

    if (chkSelcall->isChecked() || chkDtmf->isChecked())
        txtAlarmMessage->setText(messageText(record_, chkDtmf->isChecked()));
}

int frmEditAlarm::auxOutputNumber()
{
    const int number = trview::leadingWholeNumber(txtAuxNum->text(), 0, kHighestAuxOutput);
    if (txtAuxNum->text() != QString::number(number))
        txtAuxNum->setText(QString::number(number));
    return number;
}

int16_t frmEditAlarm::GenerateAlarmRcd()
{
    AlarmRecord rec{0, 255, 255, 255, 255, 255, 255, 255};
    if (!chkEnableAlarms->isChecked()) {
        record_ = rec;
        return 0;
    }
    uint8_t& flags = rec[kFlagsByte];
    if (chkEnableAux->isChecked())
        flags |= kAuxEnabled | static_cast<uint8_t>(auxOutputNumber() << kAuxNumberShift);
    if (chkAlarmToLine->isChecked())
        flags |= kToLine;
    if (chkAlarmToRadio->isChecked())
        flags |= kToRadio;

    const bool dtmf = chkDtmf->isChecked();
    const TypedMessage typed = codeMessage(txtAlarmMessage->text(), dtmf);
    if (chkSelcall->isChecked()) {
        if (!sequenceStorable(typed, chkSelcall))
            return 1;
        flags |= kSelcall;
    }
    if (dtmf) {
        if (!sequenceStorable(typed, chkDtmf))
            return 1;
        flags |= kDtmf;
        if (chkAlarmToLine->isChecked() && chkAlarmToRadio->isChecked()) {
            MsgBox(QStringLiteral("Attention: DTMF sequences can not be generated to both line and radio. DTMF will only "
                                  "go to Line."),
                   platform::vbExclamation, kAlarmsTitle);
            chkAlarmToRadio->setChecked(false);
            flags &= static_cast<uint8_t>(~kToRadio);
        }
    }
    if (chkFt->isChecked()) {
        const int first = cboFT1->currentIndex();
        const int second = cboFT2->currentIndex();
        rec[kFtFirstToneByte] = static_cast<uint8_t>(std::max(cboHlgt->currentIndex(), 0) << 4);
        if (first > kNoToneItem) {
            rec[kFtFirstToneByte] |= static_cast<uint8_t>(first - 1);
            if (second > kNoToneItem)
                rec[kFtSecondToneByte] = static_cast<uint8_t>((second - 1) << 4 | kNoTone);
        } else {
            rec[kFtFirstToneByte] |= kNoTone;
        }
        flags |= kFunctionTones;
    }
    if (chkPipTone->isChecked())
        flags |= kPipTone;
    if (chkSelcall->isChecked() || dtmf)
        putMessage(rec, typed.codes);
    record_ = rec;
    return 0;
}

bool frmEditAlarm::sequenceStorable(const TypedMessage& typed, QCheckBox* encoding)
{
    const bool dtmf = encoding == chkDtmf;
    const QString name = dtmf ? QStringLiteral("DTMF") : QStringLiteral("Selcall");
    const QString text = txtAlarmMessage->text();
    if (text.isEmpty()) {
        MsgBox(dtmf ? QStringLiteral("Error encountered, DTMF Alarm message is not defined or invalid")
                    : QStringLiteral("Error encountered, Selcall Alarm message is not defined or invalid"),
               platform::vbExclamation, kAlarmsTitle);
        encoding->setChecked(false);
        return false;
    }
    if (typed.storable())
        return true;
    // The encoding stays ticked: the text is there to be put right.
    if (typed.badPosition > 0)
        MsgBox(QStringLiteral("Error encountered, the character \"%1\" at position %2 of the %3 Alarm message is not a "
                              "%3 digit")
                   .arg(QString(text.at(typed.badPosition - 1)), QString::number(typed.badPosition), name),
               platform::vbExclamation, kAlarmsTitle);
    else
        MsgBox(QStringLiteral("Error encountered, %1 Alarm message is longer than the %2 digits an alarm can hold")
                   .arg(name, QString::number(kMessageDigits)),
               platform::vbExclamation, kAlarmsTitle);
    txtAlarmMessage->setFocus();
    return false;
}

int16_t frmEditAlarm::GetAuxPortUsageCount() const
{
    const uint8_t flags = record_[kFlagsByte];
    if (!(flags & kAuxEnabled))
        return 0;
    int16_t count = 0;
    for (int16_t alarm = 1; alarm <= trlayout::alarms::kCount; ++alarm) {
        AlarmRecord other{};
        if (alarm >= first_ && alarm <= last_)
            ++count;
        else if (doc_ && doc_->intGetAlarm(alarm, other) == 0 && (other[kFlagsByte] & kAuxEnabled)
                 && (other[kFlagsByte] & kAuxNumberMask) == (flags & kAuxNumberMask))
            ++count;
    }
    return count;
}

void frmEditAlarm::chkEnableAlarms_Click()
{
    const bool on = chkEnableAlarms->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{chkPipTone, chkSelcall, chkDtmf, chkFt, chkAlarmToLine,
                                                      chkAlarmToRadio, chkEnableAux, txtAlarmMessage})
        w->setEnabled(on);
    txtAuxNum->setEnabled(on && chkEnableAux->isChecked());
    Label3->setEnabled(on && chkEnableAux->isChecked());
    setFtListsEnabled(chkFt->isChecked());
}

void frmEditAlarm::chkSelcall_Click()
{
    if (!chkSelcall->isChecked())
        return;
    chkDtmf->setChecked(false);
    chkFt->setChecked(false);
    setFtListsEnabled(false);
}

void frmEditAlarm::chkDtmf_Click()
{
    if (!chkDtmf->isChecked())
        return;
    chkSelcall->setChecked(false);
    chkFt->setChecked(false);
    setFtListsEnabled(false);
}

void frmEditAlarm::chkFt_Click()
{
    if (!chkFt->isChecked()) {
        setFtListsEnabled(false);
        return;
    }
    chkDtmf->setChecked(false);
    chkSelcall->setChecked(false);
    setFtListsEnabled(true);
    chkAlarmToLine->setChecked(true);
    chkAlarmToRadio->setChecked(false);
}

void frmEditAlarm::chkAlarmToLine_Click()
{
    if (!chkAlarmToLine->isChecked() && !chkAlarmToRadio->isChecked())
        chkAlarmToRadio->setChecked(true);
}

void frmEditAlarm::chkAlarmToRadio_Click()
{
    if (!chkAlarmToLine->isChecked() && !chkAlarmToRadio->isChecked())
        chkAlarmToLine->setChecked(true);
}

void frmEditAlarm::chkEnableAux_Click()
{
    Label3->setEnabled(chkEnableAux->isChecked());
    txtAuxNum->setEnabled(chkEnableAux->isChecked());
}

void frmEditAlarm::txtAlarmMessage_KeyPress()
{
    if (chkSelcall->isChecked() || chkDtmf->isChecked())
        return;
    chkSelcall->setChecked(true);
    chkDtmf->setChecked(false);
    chkFt->setChecked(false);
    setFtListsEnabled(false);
}

void frmEditAlarm::txtAlarmMessage_LostFocus()
{
    if (!txtAlarmMessage->text().isEmpty())
        return;
    chkSelcall->setChecked(false);
    chkDtmf->setChecked(false);
}

void frmEditAlarm::cboFT1_LostFocus()
{
    if (cboFT1->currentIndex() == kNoToneItem)
        cboFT2->setCurrentIndex(kNoToneItem);
}

bool frmEditAlarm::acceptEntries()
{
    if (GenerateAlarmRcd() != 0)
        return false;
    return GetAuxPortUsageCount() < 2
        || MsgBox(QStringLiteral("This auxilary output has been selected for use by more than one "
                                 "alarm/confirmation.  Do you wish to keep this setting?"),
                  platform::vbYesNo | platform::vbExclamation)
        != platform::vbNo;
}
