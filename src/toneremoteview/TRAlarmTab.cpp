#include "toneremoteview/TRAlarmTab.h"

#include "platform/MsgBox.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Named.h"
#include "shell/FailureTrap.h"
#include "toneremote/basVelmarTR.h"
#include "toneremoteview/TRCaptions.h"
#include "toneremoteview/TRGridLayout.h"
#include "toneremoteview/frmOrvViewTR.h"
#include "toneremoteview/TextValue.h"
#include "toneremoteview/frmEditAlarm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>
#include <algorithm>

using platform::named;

namespace {

constexpr int16_t kAlarms = 16;
// The grid as the load lays it out, before the database's alarm list gives its rows.
constexpr int kGridRows = 2;
constexpr int kGridCols = 3;
constexpr int kQuarterSecondsPerMinute = 240;
constexpr int kHighestHours = 4;
constexpr int kMinutesPerHour = 60;
constexpr uint8_t kLineEnergyTime = 125;

// The five-tone time code of a selcall standard's list position.
uint8_t fiveToneTime(int standard)
{
    static constexpr uint8_t kTimes[] = {50, 16, 20, 35, 35, 20};
    return standard >= 0 && standard < static_cast<int>(std::size(kTimes)) ? kTimes[standard] : 0;
}

int boxValue(const QLineEdit* box) { return trview::leadingWholeNumber(box->text(), 0, 1 << 20); }

} // namespace

TRAlarmTab::TRAlarmTab(frmOrvViewTR& view) : TRTabPage(view, QStringLiteral("tabAlarm"))
{
    buildControls();

    connect(cmdAlarmEdit, &QPushButton::clicked, this, &TRAlarmTab::cmdAlarmEdit_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &TRAlarmTab::cmdCancel_Click);
    editOnEnter(grdAlarm, [this] { editSelectedRows(); });
    connect(txtLineFailTimeH, &QLineEdit::textChanged, this, &TRAlarmTab::txtLineFailTime_Change);
    connect(txtLineFailTimeM, &QLineEdit::textChanged, this, &TRAlarmTab::txtLineFailTime_Change);
    connect(cboFiveToneStandard, &QComboBox::currentIndexChanged, this, &TRAlarmTab::cboFiveToneStandard_Click);

    // The key filters append the typed digit to the whole text, wherever the caret stands.
    acceptDigits(txtLineFailTimeH, [this](int hours) {
        return hours < kHighestHours || (hours == kHighestHours && boxValue(txtLineFailTimeM) == 0);
    });
    acceptDigits(txtLineFailTimeM, [this](int minutes) {
        return minutes < kMinutesPerHour && boxValue(txtLineFailTimeH) != kHighestHours;
    });
}

void TRAlarmTab::buildControls()
{
    auto* page = new QVBoxLayout(this);
    grdAlarm = named(new platform::FlexGrid(this), QStringLiteral("grdAlarm"));
    page->addWidget(grdAlarm, 1);

    auto* below = new QHBoxLayout;
    fraAla2 = named(new QGroupBox(this), QStringLiteral("fraAla2"));
    auto* settings = new QGridLayout(fraAla2);
    const QString lineFailTip = QStringLiteral(
        "Line-In inactivity timer, automatically switches to Repeater mode upon timeout. Reset by line-in activity. "
        "Set to 0:00 to disable.");
    settings->addWidget(
        named(new QLabel(QStringLiteral("Line fail time:"), fraAla2), QStringLiteral("lblLineFailTime")), 0, 0);
    txtLineFailTimeH = named(new QLineEdit(fraAla2), QStringLiteral("txtLineFailTimeH"));
    txtLineFailTimeM = named(new QLineEdit(fraAla2), QStringLiteral("txtLineFailTimeM"));
    for (QLineEdit* box : {txtLineFailTimeH, txtLineFailTimeM}) {
        box->setToolTip(lineFailTip);
        box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    }
    settings->addWidget(txtLineFailTimeH, 0, 1);
    settings->addWidget(txtLineFailTimeM, 0, 2);
    settings->addWidget(
        named(new QLabel(QStringLiteral("Hours  Minutes"), fraAla2), QStringLiteral("lblLineFailUnits")), 1, 1, 1, 2);
    settings->addWidget(
        named(new QLabel(QStringLiteral("Selcall Standard:"), fraAla2), QStringLiteral("lblFiveToneStandard")), 2, 0);
    cboFiveToneStandard = named(new QComboBox(fraAla2), QStringLiteral("cboFiveToneStandard"));
    cboFiveToneStandard->setToolTip(QStringLiteral("Select one of these standard tone-sets."));
    cboFiveToneStandard->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    settings->addWidget(cboFiveToneStandard, 2, 1, 1, 3);
    settings->setColumnStretch(4, 1);
    below->addWidget(fraAla2, 1);

    auto* buttons = new QVBoxLayout;
    cmdAlarmEdit = named(new QPushButton(trview::kEditCaption, this), QStringLiteral("cmdAlarmEdit"));
    cmdCancel = named(new QPushButton(trview::kUndoCaption, this), QStringLiteral("cmdCancel"));
    cmdCancel->setEnabled(false);
    buttons->addWidget(cmdAlarmEdit);
    buttons->addWidget(cmdCancel);
    buttons->addStretch(1);
    below->addLayout(buttons);
    page->addLayout(below);
}

void TRAlarmTab::layOutGrid()
{
    grdAlarm->setCols(kGridCols);
    grdAlarm->setRows(kGridRows);
    grdAlarm->setTextMatrix(0, 0, QString());
    grdAlarm->setTextMatrix(0, intColAlarm, QStringLiteral(" Alarm / Confirmation"));
    grdAlarm->setTextMatrix(0, intColAlarmAction, QStringLiteral(" Action"));
    trview::fitColumns(grdAlarm, trview::alarmColumnWidths);
}

QSize TRAlarmTab::openingGridSize() const { return grdAlarm->sizeFor(kAlarms, 0); }

int16_t TRAlarmTab::intShowAlarmAction(int16_t first, int16_t last)
{
    if (first < 1 || first > kAlarms || last < 1 || last > kAlarms)
        return -1;
    const COrvDocTR& d = document();
    const bool oldFirmware = d.strFirmwareVersion.left(3) == QStringLiteral("V01");
    for (int16_t n = first; n <= last && n < grdAlarm->Rows(); ++n) {
        if (oldFirmware && n > 8) {
            grdAlarm->setTextMatrix(n, intColAlarmAction, QStringLiteral("(Unsupported in Firmware)"));
            continue;
        }
        AlarmRecord record{};
        if (d.intGetAlarm(n, record) != 0)
            continue;
        QString text;
        basVelmarTR::intAlarmToText(record, text);
        grdAlarm->setTextMatrix(n, intColAlarmAction, text);
    }
    return 0;
}

int16_t TRAlarmTab::intShowAlarm()
{
    return basVelmar::trapped([&]() -> int16_t {
        QScopedValueRollback guard(showing_, true);
        // The undo stack lives as long as the window: a show keeps it.
        cmdCancel->setEnabled(!undo_.isEmpty());
        intShowAlarmAction(1, kAlarms);
        const COrvDocTR& d = document();
        txtLineFailTimeH->setText(QString::number(d.intLineFailTime / (kQuarterSecondsPerMinute * kMinutesPerHour)));
        txtLineFailTimeM->setText(QString::number((d.intLineFailTime / kQuarterSecondsPerMinute) % kMinutesPerHour));
        cboFiveToneStandard->setCurrentIndex(d.bytSelcallStd < cboFiveToneStandard->count() ? d.bytSelcallStd : 0);
        shownLineFail_.shown(lineFailShown());
        return 0;
    });
}

QString TRAlarmTab::lineFailShown() const { return txtLineFailTimeH->text() + u':' + txtLineFailTimeM->text(); }

bool TRAlarmTab::lineFailTime(int32_t& quarterSeconds)
{
    int hours = 0;
    int minutes = 0;
    const bool hoursRead = trview::boxNumberWithin(txtLineFailTimeH->text(), 0, kHighestHours, hours);
    const bool minutesRead = trview::boxNumberWithin(txtLineFailTimeM->text(), 0, kMinutesPerHour - 1, minutes);
    if (!hoursRead || !minutesRead || (hours == kHighestHours && minutes > 0)) {
        platform::MsgBox(
            QStringLiteral("The line fail time must lie between 0:00 and 4:00 (hours 0 to 4, minutes 0 to 59)."),
            platform::vbExclamation, QStringLiteral("Line fail time"));
        (hoursRead ? txtLineFailTimeM : txtLineFailTimeH)->setFocus();
        return false;
    }
    quarterSeconds = (hours * kMinutesPerHour + minutes) * kQuarterSecondsPerMinute;
    return true;
}

int16_t TRAlarmTab::intEditApplyAlarm()
{
    return basVelmar::trapped([&]() -> int16_t {
        COrvDocTR& d = document();
        const bool lineFailChanged = shownLineFail_.changed(lineFailShown());
        int32_t quarterSeconds = d.intLineFailTime;
        if (lineFailChanged && !lineFailTime(quarterSeconds))
            return -1;
        // The standard shown is the one written (a stored one beyond the list shows as the
        // first); its tables are built anew only when it is another than the stored one.
        const int standard = cboFiveToneStandard->currentIndex();
        if (standard >= 0 && d.bytSelcallStd != standard) {
            const QString name = cboFiveToneStandard->currentText();
            if (d.intSetSelcallStandard(name) != 0 || d.SetSelcallCode(name) != 0)
                return -1;
            d.bytSelcallStd = static_cast<uint8_t>(standard);
        }
        d.byt5TTime = fiveToneTime(d.bytSelcallStd);
        d.bytLET = kLineEnergyTime;
        d.intLineFailTime = quarterSeconds;
        shownLineFail_.shown(lineFailShown());
        return 0;
    });
}

int16_t TRAlarmTab::UpdateAlarmConfirm(int16_t index, const AlarmRecord& record)
{
    COrvDocTR& d = document();
    AlarmRecord current{};
    if (d.intGetAlarm(index, current) != 0 || current == record)
        return 0;
    if (d.intSetAlarm(index, record) == 0)
        undo_.append({index, current});
    return 0;
}

int16_t TRAlarmTab::UndoAlarmConfirm()
{
    if (undo_.isEmpty())
        return 0;
    const AlarmUndoEntry top = undo_.takeLast();
    document().intSetAlarm(top.index, top.old);
    return top.index;
}

void TRAlarmTab::cmdAlarmEdit_Click() { editSelectedRows(); }

void TRAlarmTab::editSelectedRows()
{
    basVelmar::trapped([&]() -> int16_t {
        const int row = grdAlarm->Row();
        if (row < 1)
            return 0;
        const auto first = static_cast<int16_t>(std::min(row, grdAlarm->RowSel()));
        const auto last = static_cast<int16_t>(std::min<int>(std::max(row, grdAlarm->RowSel()), kAlarms));
        if (first > kAlarms)
            return 0;
        frmEditAlarm dialog(this);
        dialog.SetData(document(), first, last);
        dialog.exec();
        if (!dialog.Cancelled()) {
            AlarmRecord record{};
            dialog.GetData(record);
            const int before = undoDepth();
            for (int16_t n = first; n <= last; ++n)
                UpdateAlarmConfirm(n, record);
            if (undoDepth() != before)
                markModified();
            cmdCancel->setEnabled(!undo_.isEmpty());
        }
        intShowAlarmAction(first, last);
        return 0;
    });
}

void TRAlarmTab::cmdCancel_Click()
{
    const int16_t n = UndoAlarmConfirm();
    if (n > 0) {
        markModified();
        intShowAlarmAction(n, n);
    }
    cmdCancel->setEnabled(!undo_.isEmpty());
}

void TRAlarmTab::txtLineFailTime_Change() { markModified(); }

void TRAlarmTab::cboFiveToneStandard_Click() { markModified(); }
