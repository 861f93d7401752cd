// The service entries of the radio-module window: the pot adjustment of the default channel
// (E-POTs), the raw page editor (Show, Shift+Alt+M), the factory data (Shift+Alt+F, Shift+Alt+P),
// and what the window does when a dialog has changed pages of its document.
#include "radioview/frmOrvView.h"

#include "platform/DoEvents.h"
#include "platform/ui/KeyPreview.h"
#include "radio/CLASSOrvDocument.h"
#include "radioview/ViewNumbers.h"
#include "docwindow/frmBits.h"
#include "radioview/frmFVorn.h"
#include "radioview/frmSetEpots.h"

#include <QLineEdit>

#include <algorithm>

namespace {

// Key codes of the chords.
constexpr int kKeyF = 70;
constexpr int kKeyM = 77;
constexpr int kKeyP = 80;

constexpr int kHighestPot = 255;

// A chord needs both Shift and Alt; Ctrl may be held too.
bool isChord(int KeyCode, int Shift)
{
    return (Shift & platform::kShiftMask) && (Shift & platform::kAltMask)
        && (KeyCode == kKeyF || KeyCode == kKeyP || KeyCode == kKeyM);
}

// The whole number a display box holds (0 when it holds none), brought into low..high.
int boxNumber(const QLineEdit* box, int low, int high)
{
    double value = 0;
    orvview::parseNumber(box->text(), value);
    return static_cast<int>(std::clamp<int64_t>(orvview::roundHalfEven(std::clamp(value, low - 1.0, high + 1.0)), low, high));
}

} // namespace

void frmOrvView::cmdEpots_Click()
{
    CLASSOrvDocument& doc = document();
    const int reference = boxNumber(txtDFReference, 0, kHighestPot);
    const int deviation = boxNumber(txtDFDeviation, 0, kHighestPot);
    const int row = std::clamp(boxNumber(txtDFChannel, -1, radiolayout::kMaxChannels) + 1, 0, int(radiolayout::kMaxChannels));
    platform::DoEvents();
    {
        frmSetEpots dialog(this);
        dialog.ShowForm(doc, static_cast<int16_t>(reference), static_cast<int16_t>(deviation));
    }
    platform::DoEvents();
    // The row shows what the page holds now, also after a Cancel or a failed write.
    reshowRows(row, row);
}

void frmOrvView::cmdShow_Click()
{
    // A page the dialog changes shows the whole document again: the settings' edits go into the
    // pages first, so none is lost. A refused entry has been said; the dialog then does not open.
    CLASSOrvDocument& doc = document();
    const auto modified = doc.fModified;
    if (intSystemEditApply() != 0 || doc.intEditSystem() != 0)
        return;
    doc.fModified = modified;
    frmBits dialog(this);
    dialog.ShowForm(doc, this);
}

int16_t frmOrvView::pagesChanged()
{
    const int16_t status = redisplayDocument();
    document().fModified = true;
    return status;
}

int16_t frmOrvView::redisplayDocument()
{
    CLASSOrvDocument& doc = document();
    const bool modified = doc.fModified;
    if (doc.intInitSystemInfo() != 0 || doc.intReadModData() != 0)
        return -1;
    // The channel count, the kind or the layout may have changed with the pages.
    const int16_t status = binHexLayout() ? (InitBinHexGrid() == 0 ? ShowBinHexDocument() : int16_t(-1))
                                          : (intInitGrid() == 0 ? intShowDocument() : int16_t(-1));
    doc.fModified = modified;
    return status;
}

bool frmOrvView::Form_KeyDown(int KeyCode, int Shift)
{
    if (!isChord(KeyCode, Shift))
        return false;
    if (KeyCode == kKeyM) {
        cmdShow_Click();
        return true;
    }
    {
        frmFVorn dialog(this);
        dialog.ShowForm(document());
    }
    redisplayDocument();
    return true;
}

void frmOrvView::buildHotKeys() { installHotKeys(cmdQuit, isChord); }
