#include "toneremoteview/TRAlarmTab.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/Named.h"
#include "toneremoteview/TRCaptions.h"
#include "toneremoteview/TRGridLayout.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using platform::named;

namespace {

constexpr int kGridRows = 2;
constexpr int kGridCols = 3;
// Alarm and confirmation records.
constexpr int kAlarms = 16;

} // namespace

TRAlarmTab::TRAlarmTab(frmOrvViewTR& view) : TRTabPage(view, QStringLiteral("tabAlarm"))
{
    auto* page = new QVBoxLayout(this);
    grdAlarm = named(new platform::FlexGrid(this), QStringLiteral("grdAlarm"));
    page->addWidget(grdAlarm, 1);

    auto* below = new QHBoxLayout;
    fraAla2 = named(new QGroupBox(this), QStringLiteral("fraAla2"));
    auto* settings = new QGridLayout(fraAla2);
    lblFiveToneStandard =
        named(new QLabel(QStringLiteral("Selcall Standard:"), fraAla2), QStringLiteral("lblFiveToneStandard"));
    cboFiveToneStandard = named(new QComboBox(fraAla2), QStringLiteral("cboFiveToneStandard"));
    settings->addWidget(lblFiveToneStandard, 0, 0);
    settings->addWidget(cboFiveToneStandard, 0, 1);
    settings->setColumnStretch(2, 1);
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

int16_t TRAlarmTab::intShowAlarm() { return 0; }

int16_t TRAlarmTab::intEditApplyAlarm() { return 0; }
