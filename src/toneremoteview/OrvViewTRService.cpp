// The service entries of the tone-remote window: the raw page view (Communication > Memory Map,
// Shift+Alt+M), the factory write (Communication > Factory Write, Shift+Alt+F), and what the
// window does when a dialog has changed pages of its document.
#include "toneremoteview/frmOrvViewTR.h"

#include "docwindow/frmBits.h"
#include "platform/ui/KeyPreview.h"
#include "shell/FailureTrap.h"
#include "toneremote/COrvDocTR.h"
#include "toneremoteview/frmFactoryWrite.h"

#include <QPushButton>

namespace {

// Key codes of the chords: F (factory write) and M (memory map).
constexpr int kKeyF = 70;
constexpr int kKeyM = 77;

// A chord needs both Shift and Alt; Ctrl may be held too.
bool isChord(int KeyCode, int Shift)
{
    return (Shift & platform::kShiftMask) && (Shift & platform::kAltMask) && (KeyCode == kKeyF || KeyCode == kKeyM);
}

} // namespace

void frmOrvViewTR::buildHotKeys() { installHotKeys(cmdQuit, isChord); }

bool frmOrvViewTR::Form_KeyDown(int KeyCode, int Shift)
{
    if (!isChord(KeyCode, Shift))
        return false;
    if (KeyCode == kKeyM)
        showMemoryMap();
    else
        intCommandFactoryWrite();
    return true;
}

void frmOrvViewTR::showMemoryMap()
{
    // A page the dialog changes shows the whole document again: every edit of the tabs goes into
    // the pages first, so none is lost. A tab that refuses its entries has said why; the dialog
    // then does not open.
    if (pagesFromTabs() != 0)
        return;
    // A fresh dialog each time; it tells the window of every page it changed.
    frmBits dialog(this);
    dialog.ShowForm1(document(), this);
}

int16_t frmOrvViewTR::pagesFromTabs()
{
    COrvDocTR& doc = document();
    const auto modified = doc.fModified;
    if (intEditApplySystem() != 0 || doc.intEditSystem() != 0)
        return -1;
    doc.fModified = modified;
    return 0;
}

int16_t frmOrvViewTR::pagesChanged()
{
    COrvDocTR& doc = document();
    if (doc.intInitSystemInfo() != 0)
        return -1;
    const int16_t status = intShowDocument();
    doc.fModified = true;
    return status;
}

int16_t frmOrvViewTR::intCommandFactoryWrite()
{
    return basVelmar::trapped([&]() -> int16_t {
        frmFactoryWrite dialog(this);
        if (dialog.intInit(*this) != 0)
            return -1;
        dialog.exec();
        intShowSystem();
        return 0;
    });
}
