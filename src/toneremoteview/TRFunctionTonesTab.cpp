#include "toneremoteview/TRFunctionTonesTab.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/Named.h"
#include "toneremote/Tones.h"
#include "toneremote/basVelmarTR.h"
#include "toneremoteview/TRCaptions.h"
#include "toneremoteview/TRGridLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

using platform::named;

namespace {

// The caption row, the 225 tone pairs and a blank row.
constexpr int kGridRows = 227;
constexpr int kGridCols = 4;
// Pairs the grid shows when the window opens.
constexpr int kRowsShown = 12;
// The share of the grid's width that the action column gets (the rest of 1 - 1/10 - 2/6), in thirtieths.
constexpr int kActionShare = 17;
constexpr int kThirtieths = 30;

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
    lblKeytoneFrequency =
        named(new QLabel(QStringLiteral("Keytone Frequency: "), Frame1), QStringLiteral("lblKeytoneFrequency"));
    cboKeytoneFrequency = named(new QComboBox(Frame1), QStringLiteral("cboKeytoneFrequency"));
    keytone->addWidget(lblKeytoneFrequency, 0, 0);
    keytone->addWidget(cboKeytoneFrequency, 0, 1);
    side->addWidget(Frame1);
    fraKeytoneFrequency =
        named(new QGroupBox(QStringLiteral("Momentary Monitor"), this), QStringLiteral("fraKeytoneFrequency"));
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

QSize TRFunctionTonesTab::openingGridSize() const
{
    int widest = 0;
    for (int16_t code = 0; code <= std::numeric_limits<uint8_t>::max(); ++code) {
        QString text;
        if (basVelmarTR::intFnActionToText(code, text) == 0)
            widest = std::max(widest, grdFnTone->fontMetrics().horizontalAdvance(text));
    }
    // The cell's margins beside its text.
    const int actionColumn =
        widest + 2 * grdFnTone->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grdFnTone) + 4;
    return grdFnTone->sizeFor(kRowsShown, (actionColumn * kThirtieths + kActionShare - 1) / kActionShare);
}

int16_t TRFunctionTonesTab::intShowFunctionTone() { return 0; }

int16_t TRFunctionTonesTab::iEditApplyFunctionTone() { return 0; }
