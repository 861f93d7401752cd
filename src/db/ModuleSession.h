#pragma once
// A transfer with one module of the rack over the link commands. The session holds the line's
// busy guard and the hourglass while it lives; it links the module, reads and writes its pages and
// ends its programming. Frames go on the line exactly as the link commands make them.
//
//     ModuleSession session;
//     if (!session.acquired() || session.open(strSerial) != 0)
//         return -1;
//     const std::optional<ModulePage> identity = session.readPage(2);
//     ... session.writePageRun(document, 5, last, step) ... session.finish() ...
#include "link/TransferGuard.h"
#include "platform/BusyCursor.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <optional>

class CPageImage;

// A page as the module's READ reply brought it.
struct ModulePage {
    QByteArray bytes;  // the page's 8 bytes, byte i at index i
    uint8_t lead = 0;  // the reply's lead byte
    QByteArray module; // the serial address of the module that answered
};

class ModuleSession {
public:
    // Takes the line and opens the serial port when it is closed (a port that cannot be opened is
    // shown once, naming it and the cause).
    ModuleSession();
    ModuleSession(const ModuleSession&) = delete;
    ModuleSession& operator=(const ModuleSession&) = delete;

    // False while another transfer holds the line, or when the port cannot be opened: the session
    // must then touch nothing.
    bool acquired() const { return lineOpen_; }

    // UNLINK twice (the line may hold a link of its own), then LINK the module with this serial
    // number (decimal text; a text that is no serial number links nothing). 0 or -1.
    int16_t open(const QString& serial);
    // LINK the module at this serial address, or with this serial number, nothing unlinked first
    // (a module found by a poll, or one the session's caller has linked before).
    int16_t attach(const QByteArray& address);
    int16_t attach(const QString& serial);
    // POLLs the rack and LINKs the one module that answered. -1 when none or more than one
    // answered (only a module alone in the rack can be told apart by nothing but a poll): nothing
    // is linked then.
    int16_t attachOnlyModule();
    // POLLs the rack: the serial addresses of the modules that answered, in the reply's order;
    // nothing when the poll failed.
    std::optional<QList<QByteArray>> poll() const;
    // The serial address of the module the session links (empty for a serial text that is no number).
    const QByteArray& address() const { return address_; }
    // READs a page of the linked module; nothing when the module does not answer in full.
    std::optional<ModulePage> readPage(int page) const;
    // WRITEs the image's pages to the module in the given order, as the line carries them (byte 7
    // first); after each page the progress bar grows by `progressStep`. False at the first page
    // the module does not take (or the image does not have).
    bool writePages(const CPageImage& image, std::initializer_list<int> pages, int progressStep = 0) const;
    bool writePageRun(const CPageImage& image, int first, int last, int progressStep = 0) const;
    // END, then RESTART: the module takes what it was written and starts with it. 0 or -1.
    int16_t finish() const;
    // END alone; true when the module says it took what it was written.
    bool endAccepted() const;
    // RESTART alone. 0 or -1.
    int16_t restart() const;
    // UNLINK: lets the module go.
    void release() const;
    // Grows the progress bar by `step`, then lets the windows repaint (user input stays queued), so
    // the bar is seen growing page by page.
    void advance(int step) const;

private:
    // The serial address of a serial number's decimal text; empty for a text that is none.
    static QByteArray addressOf(const QString& serial);
    bool writePage(const CPageImage& image, int page, int progressStep) const;

    TransferGuard guard_;
    platform::BusyCursor busy_;
    bool lineOpen_ = false;
    QByteArray address_;
};
