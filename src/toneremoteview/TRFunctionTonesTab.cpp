#include "toneremoteview/TRFunctionTonesTab.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/Named.h"
#include "toneremote/Tones.h"
#include "toneremoteview/TRCaptions.h"
#include "toneremoteview/TRGridLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using platform::named;

namespace {

// The caption row, the 225 tone pairs and a blank row.
constexpr int kGridRows = 227;
constexpr int kGridCols = 4;

} // namespace

TRFunctionTonesTab::TRFunctionTonesTab(frmOrvViewTR& view)
    : TRTabPage(view, QStringLiteral("tabFunctionTones")), tones_(std::make_unique<Tones>())
{
    auto* page = new QHBoxLayout(this);
    grdFnTone = named(new platform::FlexGrid(this), QStringLiteral("grdFnTone"));
    page->addWidget(grdFnTone, 1);

    auto* side = new QVBoxLayout;
    Frame1 = named(new QGroupBox(QStringLiteral("Keytone (Guard tone) Options"), this), QStringLiteral("Frame1"));
    auto* keytone = new QGridLayout(Frame1);
    lblKeytoneFrequency = named(new QLabel(QStringLiteral("Keytone Frequency: "), Frame1), QStringLiteral("lblKeytoneFrequency"));
    cboKeytoneFrequency = named(new QComboBox(Frame1), QStringLiteral("cboKeytoneFrequency"));
    keytone->addWidget(lblKeytoneFrequency, 0, 0);
    keytone->addWidget(cboKeytoneFrequency, 0, 1);
    side->addWidget(Frame1);
    fraKeytoneFrequency = named(new QGroupBox(QStringLiteral("Momentary Monitor"), this), QStringLiteral("fraKeytoneFrequency"));
    new QGridLayout(fraKeytoneFrequency);
    side->addWidget(fraKeytoneFrequency);
    chkGridView = named(new QCheckBox(QStringLiteral("Show only active tones"), this), QStringLiteral("chkGridView"));
    side->addWidget(chkGridView);
    auto* buttons = new QHBoxLayout;
    cmdEditFTones = named(new QPushButton(trview::kEditCaption, this), QStringLiteral("cmdEditFTones"));
    cmdUndoFunctionTones = named(new QPushButton(trview::kUndoCaption, this), QStringLiteral("cmdUndoFunctionTones"));
    cmdUndoFunctionTones->setEnabled(false);
    buttons->addWidget(cmdEditFTones);
    buttons->addWidget(cmdUndoFunctionTones);
    buttons->addStretch(1);
    side->addLayout(buttons);
    side->addStretch(1);
    page->addLayout(side);
}

TRFunctionTonesTab::~TRFunctionTonesTab() = default;

void TRFunctionTonesTab::layOutGrid()
{
    grdFnTone->setRows(kGridRows);
    grdFnTone->setCols(kGridCols);
    grdFnTone->setTextMatrix(0, 0, QString());
    grdFnTone->setTextMatrix(0, intColTone1, QStringLiteral("Tone1"));
    grdFnTone->setTextMatrix(0, intColTone2, QStringLiteral("Tone2"));
    grdFnTone->setTextMatrix(0, intColAction, QStringLiteral(" Action "));
    trview::fitColumns(grdFnTone, trview::fnToneColumnWidths);
}

int16_t TRFunctionTonesTab::intShowFunctionTone() { return 0; }

int16_t TRFunctionTonesTab::iEditApplyFunctionTone() { return 0; }
