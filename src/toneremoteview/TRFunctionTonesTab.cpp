#include "toneremoteview/TRFunctionTonesTab.h"

#include "platform/BusyCursor.h"
#include "platform/DoEvents.h"
#include "platform/MsgBox.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Named.h"
#include "shell/FailureTrap.h"
#include "toneremote/COrvDocTR.h"
#include "toneremote/Tones.h"
#include "toneremote/basVelmarTR.h"
#include "toneremoteview/TRCaptions.h"
#include "toneremoteview/TRGridLayout.h"
#include "toneremoteview/frmOrvViewTR.h"
#include "toneremoteview/TextValue.h"
#include "toneremoteview/frmEditTones.h"
#include "toneremote/ToneRemotePageLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

using platform::named;

// The bits of the flag bytes.
namespace flag = trlayout::timers;

namespace {

constexpr int kTones = 15;
constexpr int kPairs = kTones * kTones;
constexpr int16_t kNoAction = 255;
constexpr int kQuartersPerSecond = 4;
constexpr int kLongestMomentaryTime = 20; // seconds
// The caption row, the 225 tone pairs and a blank row.
constexpr int kGridRows = kPairs + 2;
constexpr int kGridCols = 4;
// Pairs the grid shows when the window opens.
constexpr int kRowsShown = 12;
// The share of the grid's width that the action column gets (the rest of 1 - 1/10 - 2/6), in thirtieths.
constexpr int kActionShare = 17;
constexpr int kThirtieths = 30;

// The action table's index of grid row `row` (full order, from 1).
int16_t pairIndexOfRow(int row) { return static_cast<int16_t>((row - 1) / kTones * 16 + (row - 1) % kTones); }

// The action table's index of an entry's pair.
int16_t pairIndexOf(const cTone& entry)
{
    const auto tone = [](int hz) { return (hz - 650) / 100; };
    return static_cast<int16_t>(tone(entry.Tone1) * 16 + tone(entry.Tone2));
}

} // namespace

TRFunctionTonesTab::TRFunctionTonesTab(frmOrvViewTR& view)
    : TRTabPage(view, QStringLiteral("tabFunctionTones")), tones_(std::make_unique<Tones>())
{
    buildControls();

    connect(cmdEditFTones, &QPushButton::clicked, this, &TRFunctionTonesTab::cmdEditFTones_Click);
    connect(cmdUndoFunctionTones, &QPushButton::clicked, this, &TRFunctionTonesTab::cmdUndoFunctionTones_Click);
    editOnEnter(grdFnTone, [this] { editSelectedRows(); });
    connect(chkGridView, &QCheckBox::stateChanged, this, &TRFunctionTonesTab::chkGridView_Click);
    connect(chkOneTone, &QCheckBox::stateChanged, this, &TRFunctionTonesTab::chkOneTone_Click);
    connect(cboKeytoneFrequency, &QComboBox::currentIndexChanged, this, [this] { markModified(); });
    connect(cboKeytoneFrequency, &QComboBox::activated, this, [this] { keytoneChosen_ = true; });
    connect(chkMomentaryMonitor, &QCheckBox::stateChanged, this, [this] { markModified(); });
    connect(optToneGen, &QRadioButton::toggled, this, [this] { markModified(); });
    connect(txtMomentaryMonitor, &QLineEdit::textChanged, this, [this] { markModified(); });
    acceptDigits(txtMomentaryMonitor, [](int seconds) { return seconds <= kLongestMomentaryTime; });
}

TRFunctionTonesTab::~TRFunctionTonesTab() = default;

void TRFunctionTonesTab::buildControls()
{
    auto* page = new QHBoxLayout(this);
    grdFnTone = named(new platform::FlexGrid(this), QStringLiteral("grdFnTone"));
    page->addWidget(grdFnTone, 1);

    auto* side = new QVBoxLayout;
    Frame1 = named(new QGroupBox(QStringLiteral("Keytone (Guard tone) Options"), this), QStringLiteral("Frame1"));
    auto* keytone = new QGridLayout(Frame1);
    optToneGen =
        named(new QRadioButton(QStringLiteral("HLGT/Function tone/LLGT"), Frame1), QStringLiteral("optToneGen"));
    optKeyToneOnly = named(new QRadioButton(QStringLiteral("Keytone only"), Frame1), QStringLiteral("optKeyToneOnly"));
    keytone->addWidget(optToneGen, 0, 0, 1, 2);
    keytone->addWidget(optKeyToneOnly, 1, 0, 1, 2);
    keytone->addWidget(
        named(new QLabel(QStringLiteral("Keytone Frequency: "), Frame1), QStringLiteral("lblKeytoneFrequency")), 2, 0);
    cboKeytoneFrequency = named(new QComboBox(Frame1), QStringLiteral("cboKeytoneFrequency"));
    keytone->addWidget(cboKeytoneFrequency, 2, 1);
    chkOneTone = named(new QCheckBox(QStringLiteral("Show one tone only"), Frame1), QStringLiteral("chkOneTone"));
    keytone->addWidget(chkOneTone, 3, 0, 1, 2);
    side->addWidget(Frame1);

    fraKeytoneFrequency =
        named(new QGroupBox(QStringLiteral("Momentary Monitor"), this), QStringLiteral("fraKeytoneFrequency"));
    auto* monitor = new QGridLayout(fraKeytoneFrequency);
    chkMomentaryMonitor =
        named(new QCheckBox(QStringLiteral("  Momentary Monitor After Function     Tones"), fraKeytoneFrequency),
              QStringLiteral("chkMomentaryMonitor"));
    monitor->addWidget(chkMomentaryMonitor, 0, 0, 1, 2);
    lblMomTimer = named(new QLabel(QStringLiteral("Momentary Monitor Time (S)"), fraKeytoneFrequency),
                        QStringLiteral("lblMomTimer"));
    txtMomentaryMonitor = named(new QLineEdit(fraKeytoneFrequency), QStringLiteral("txtMomentaryMonitor"));
    txtMomentaryMonitor->setMaximumWidth(txtMomentaryMonitor->fontMetrics().horizontalAdvance(QStringLiteral("0000"))
                                         + 12);
    monitor->addWidget(lblMomTimer, 1, 0);
    monitor->addWidget(txtMomentaryMonitor, 1, 1);
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

int16_t TRFunctionTonesTab::FillInToneAction(int16_t first, int16_t last)
{
    if (first < 1 || first > kPairs || last < 1 || last > kPairs)
        return -1;
    const COrvDocTR& d = document();
    int16_t position = 1;
    for (int row = first; row <= last; ++row) {
        int16_t tone1 = 0, tone2 = 0, code = 0;
        if (d.intGetFnToneAction(pairIndexOfRow(row), tone1, tone2, code) != 0)
            continue;
        QString text;
        basVelmarTR::intFnActionToText(code, text);
        tones_->AddNew(tone1, tone2, code, code == kNoAction ? int16_t{0} : position++, text);
    }
    return 0;
}

void TRFunctionTonesTab::ShowFunctionTone(int row, const cTone* entry)
{
    grdFnTone->setTextMatrix(row, 0, entry ? QString::number(row) : QString());
    grdFnTone->setTextMatrix(row, intColTone1, entry ? QString::number(entry->Tone1) : QString());
    grdFnTone->setTextMatrix(row, intColTone2, entry ? QString::number(entry->Tone2) : QString());
    grdFnTone->setTextMatrix(row, intColAction, entry ? entry->Description : QString());
}

void TRFunctionTonesTab::ShowFunctionTones(bool activeOnly, bool oneToneOnly)
{
    platform::BusyCursor busy;
    grdFnTone->setUpdatesEnabled(false);
    // "Tone2" has no width while one tone is shown; otherwise the grid gives it its share again.
    grdFnTone->setColumnHidden(intColTone2, oneToneOnly);
    trview::refitColumns(grdFnTone);
    const int shown = tones_->CountFiltered(activeOnly, oneToneOnly);
    grdFnTone->setRows(1);
    grdFnTone->setRows(shown + 2);
    int row = 0;
    for (int i = 1; i <= tones_->Count(); ++i) {
        const std::shared_ptr<cTone> entry = tones_->GetItem(i);
        if ((activeOnly && !entry->Active()) || (oneToneOnly && !entry->OneTone()))
            continue;
        ShowFunctionTone(++row, entry.get());
    }
    ShowFunctionTone(row + 1, nullptr);
    grdFnTone->setUpdatesEnabled(true);
}

void TRFunctionTonesTab::showWithFilters()
{
    ShowFunctionTones(activeOnly_, chkOneTone->checkState() != Qt::Unchecked);
}

int16_t TRFunctionTonesTab::intShowFunctionTone()
{
    return basVelmar::trapped([&]() -> int16_t {
        QScopedValueRollback guard(showing_, true);
        // A newly shown document gets a list of its own, without changes to undo.
        tones_ = std::make_unique<Tones>();
        cmdUndoFunctionTones->setEnabled(false);
        if (FillInToneAction(1, kPairs) != 0)
            return -1;
        const COrvDocTR& d = document();
        {
            const QSignalBlocker quiet(chkOneTone);
            chkOneTone->setChecked(d.OneTone == 1);
        }
        showWithFilters();
        grdFnTone->select(1, intColTone1, 1, intColAction);
        ((d.bytFlag2 & flag::kToneSignalling) ? optToneGen : optKeyToneOnly)->setChecked(true);
        chkMomentaryMonitor->setChecked((d.bytFlag2 & flag::kMomentaryMonitor) != 0);
        txtMomentaryMonitor->setText(QString::number(d.intMomTime / kQuartersPerSecond));
        for (int i = 0; i < cboKeytoneFrequency->count(); ++i) {
            if (trview::leadingWholeNumber(cboKeytoneFrequency->itemText(i), 0, 1 << 20) == d.intKeytoneFrequencyLT5) {
                cboKeytoneFrequency->setCurrentIndex(i);
                break;
            }
        }
        keytoneChosen_ = false;
        txtMomentaryMonitor->setEnabled(true);
        lblMomTimer->setEnabled(true);
        shownMomentaryTime_.shown(txtMomentaryMonitor->text());
        shownOneTone_.shown(chkOneTone->isChecked());
        return 0;
    });
}

int16_t TRFunctionTonesTab::iEditApplyFunctionTone()
{
    return basVelmar::trapped([&]() -> int16_t {
        COrvDocTR& d = document();
        const bool momentaryChanged = shownMomentaryTime_.changed(txtMomentaryMonitor->text());
        int seconds = 0;
        if (momentaryChanged
            && !trview::wholeNumberWithin(txtMomentaryMonitor->text(), 0, kLongestMomentaryTime, seconds)) {
            platform::MsgBox(QStringLiteral("The momentary monitor time must be a number of seconds from 0 to 20."),
                             platform::vbExclamation, QStringLiteral("Momentary Monitor"));
            txtMomentaryMonitor->setFocus();
            return -1;
        }
        if (keytoneChosen_) {
            const int hz = trview::leadingWholeNumber(cboKeytoneFrequency->currentText(), 0, 0xFFFF);
            if (d.intSetKeyToneFrequency(hz) != 0)
                return -1;
            keytoneChosen_ = false;
        }
        uint8_t flag2 = d.bytFlag2;
        flag2 = optToneGen->isChecked() ? (flag2 | flag::kToneSignalling) : (flag2 & ~flag::kToneSignalling);
        flag2 = chkMomentaryMonitor->checkState() != Qt::Unchecked ? (flag2 | flag::kMomentaryMonitor)
                                                                   : (flag2 & ~flag::kMomentaryMonitor);
        if (momentaryChanged)
            d.intMomTime = static_cast<int16_t>(seconds * kQuartersPerSecond);
        SaveActionFnCodes();
        d.bytFlag2 = flag2;
        const bool oneTone = chkOneTone->checkState() == Qt::Checked;
        if (shownOneTone_.changed(oneTone))
            d.OneTone = oneTone ? 1 : 0;
        shownMomentaryTime_.shown(txtMomentaryMonitor->text());
        shownOneTone_.shown(oneTone);
        return 0;
    });
}

void TRFunctionTonesTab::SaveActionFnCodes()
{
    COrvDocTR& d = document();
    for (int i = 1; i <= tones_->Count(); ++i) {
        const std::shared_ptr<cTone> entry = tones_->GetItem(i);
        d.intSetFnToneAction(pairIndexOf(*entry), entry->ActionCode);
    }
}

int16_t TRFunctionTonesTab::GenerateActionCode(int16_t position, int16_t parameter, int16_t& code)
{
    switch (position) {
    case 0: code = parameter; break;
    case 1: code = static_cast<int16_t>(144 + parameter); break;
    case 2: code = static_cast<int16_t>(160 + parameter); break;
    case 3: code = static_cast<int16_t>(176 + parameter); break;
    case 4: code = 129; break;
    case 5: code = 128; break;
    case 6: code = 130; break;
    case 7: code = 194; break;
    case 8: code = 136; break;
    case 9: code = 137; break;
    case 10: code = 138; break;
    case 11: code = 193; break;
    case 12: code = 192; break;
    case 13: code = static_cast<int16_t>(218 + parameter); break;
    default: code = kNoAction; break;
    }
    return 0;
}

int16_t TRFunctionTonesTab::modify(const std::shared_ptr<cTone>& entry, int16_t code)
{
    return basVelmar::trapped([&]() -> int16_t {
        if (!entry)
            return -1;
        QString text;
        if (basVelmarTR::intFnActionToText(code, text) != 0)
            return -1;
        return tones_->ModifyTone(Tones::keyOf(entry->Tone1, entry->Tone2), code, text);
    });
}

int16_t TRFunctionTonesTab::ModifyToneAction(int position, int16_t code)
{
    return modify(tones_->GetItem(position), code);
}

int16_t TRFunctionTonesTab::ModifyToneAction(const QString& key, int16_t code)
{
    return modify(tones_->GetItem(key), code);
}

void TRFunctionTonesTab::cmdEditFTones_Click() { editSelectedRows(); }

void TRFunctionTonesTab::editSelectedRows()
{
    basVelmar::trapped([&]() -> int16_t {
        const int row = grdFnTone->Row();
        if (row < 1)
            return 0;
        const int first = std::min(row, grdFnTone->RowSel());
        // A range that reaches the blank row below the entries stops at the last entry; the blank
        // row on its own opens the editor for a pair of the user's choice.
        const int lastEntryRow = grdFnTone->Rows() - 2;
        const int last = first <= lastEntryRow ? std::min(std::max(row, grdFnTone->RowSel()), lastEntryRow) : first;
        const auto keyOfRow = [&](int r) {
            return grdFnTone->TextMatrix(r, intColTone1) + u'_' + grdFnTone->TextMatrix(r, intColTone2);
        };
        const std::shared_ptr<cTone> entry = tones_->GetItem(keyOfRow(first));
        frmEditTones dialog(this);
        dialog.Multiple = first != last;
        dialog.OneTone = chkOneTone->checkState() == Qt::Checked;
        dialog.setWindowTitle(first != last ? QStringLiteral("Edit Tone, Multiple Selection")
                                            : QStringLiteral("Edit Tone"));
        dialog.ShowForm(entry ? entry->ActionCode : kNoAction, entry ? entry->Tone1 : int16_t{650},
                        entry ? entry->Tone2 : int16_t{650});
        platform::DoEvents();
        if (dialog.Cancelled())
            return 0;

        platform::BusyCursor busy;
        markModified();
        int16_t position = 0, parameter = 0, tone1 = 0, tone2 = 0, code = 0;
        if (dialog.GetValues(position, parameter, tone1, tone2) != 0
            || GenerateActionCode(position, parameter, code) != 0)
            return -1;
        if (first == last) {
            if (tone1 < 0 || tone2 < 0 || ModifyToneAction(tone1 * kTones + tone2 + 1, code) != 0)
                return -1;
        } else {
            for (int r = first; r <= last; ++r) {
                if (ModifyToneAction(keyOfRow(r), code) != 0)
                    return -1;
            }
        }
        showWithFilters();
        cmdUndoFunctionTones->setEnabled(tones_->CountChanges() > 0);
        return 0;
    });
}

void TRFunctionTonesTab::UndoLastFunctionToneChange()
{
    if (tones_->UndoLast()) {
        markModified();
        showWithFilters();
    }
}

void TRFunctionTonesTab::cmdUndoFunctionTones_Click()
{
    UndoLastFunctionToneChange();
    cmdUndoFunctionTones->setEnabled(tones_->CountChanges() > 0);
}

void TRFunctionTonesTab::chkGridView_Click()
{
    activeOnly_ = chkGridView->checkState() != Qt::Unchecked;
    showWithFilters();
}

void TRFunctionTonesTab::chkOneTone_Click()
{
    markModified();
    showWithFilters();
}
