#pragma once
// An emulated rack of modules on a pseudo-terminal. The line echoes every byte the PC sends;
// each module answers LINK, READ, WRITE, POLL, END, RESTART and UNLINK from its page image.
// The line is served on a thread of its own; every member may be called from any thread.
//
//     rackemu::Rack rack;
//     rack.addModule({1234, rackemu::Kind::Receiver});
//     const QString path = rack.start();       // open `path` as the serial port
//     ...
//     rack.stop();
#include "Bus.h"
#include "Fault.h"
#include "PageImage.h"
#include "Protocol.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace rackemu {

class Rack {
public:
    Rack();
    ~Rack();
    Rack(const Rack&) = delete;
    Rack& operator=(const Rack&) = delete;

    // Adds a module (also while running). Returns its index, or -1 when the serial number is
    // above 16777215 or the image is not a whole number of pages (at least 3).
    int addModule(const Module& m);

    // Opens the pseudo-terminal and serves it. Returns the slave path, or an empty text with
    // the reason in errorString().
    QString start();
    void stop();
    bool isRunning() const;
    QString path() const;
    QString errorString() const;

    // 9600 baud pacing of everything the rack sends (about 1.04 ms a byte).
    void setPacing(bool on);

    // A fault of every module, or of the one answering to `serial` (which takes precedence).
    void setFault(const Fault& f);
    bool setFault(uint32_t serial, const Fault& f);
    void clearFaults();
    // The status byte a module answers END with.
    bool setEndStatus(uint32_t serial, uint8_t status);

    // Called on the line's thread for every frame received (and for stray bytes).
    void setObserver(std::function<void(const FrameRecord&)> observer);

    // What the PC sent, in order.
    std::vector<FrameRecord> frames() const;
    // Valid frames received, of one command or of all.
    int frameCount(std::optional<Command> c = {}) const;
    // Waits until `count` records (valid or not) are in the log; false on time-out.
    bool waitForFrames(int count, int timeoutMs) const;
    void clearFrames();

    int moduleCount() const;
    ModuleState module(int index) const;
    // The module answering to `serial` (else the one added with it); -1 when none.
    int indexOf(uint32_t serial) const;
    // Its memory as it stands now (after WRITEs); empty when there is no such module.
    QByteArray pages(uint32_t serial) const;
    // Address of the linked module; -1 when none is linked.
    int64_t linkedSerial() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace rackemu
