// The service entries of the radio-module window: the pot adjustment of the default channel
// (E-POTs), the raw page editor (Show, Shift+Alt+M), the factory data (Shift+Alt+F, Shift+Alt+P),
// and what the window does when a dialog has changed pages of its document.
#include "radioview/frmOrvView.h"

#include "platform/DoEvents.h"
#include "radio/CLASSOrvDocument.h"
#include "radioview/ViewNumbers.h"
#include "radioview/frmBits.h"
#include "radioview/frmFVorn.h"
#include "radioview/frmSetEpots.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

// Shift states of the key-down handler.
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// Key codes of the chords.
constexpr int kKeyF = 70;
constexpr int kKeyM = 77;
constexpr int kKeyP = 80;

constexpr int kHighestPot = 255;

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? kShiftMask : 0) | (modifiers & Qt::ControlModifier ? kCtrlMask : 0)
           | (modifiers & Qt::AltModifier ? kAltMask : 0);
}

// A chord needs both Shift and Alt; Ctrl may be held too.
bool isChord(int KeyCode, int Shift)
{
    return (Shift & kShiftMask) && (Shift & kAltMask) && (KeyCode == kKeyF || KeyCode == kKeyP || KeyCode == kKeyM);
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
    frmBits dialog(this);
    dialog.ShowForm(document(), this);
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

bool frmOrvView::eventFilter(QObject* watched, QEvent* event)
{
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (key && watched->isWidgetType() && (watched == this || isAncestorOf(static_cast<QWidget*>(watched)))) {
        auto* press = static_cast<QKeyEvent*>(event);
        const int shift = shiftState(press->modifiers());
        if (isChord(press->key(), shift)) {
            // The chord is the window's: no shortcut of the main window takes it first.
            if (event->type() == QEvent::ShortcutOverride)
                event->accept();
            else
                Form_KeyDown(press->key(), shift);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
