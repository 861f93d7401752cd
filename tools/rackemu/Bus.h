#pragma once
// The modules on the rack's line and what each does with a frame: link state, page memory,
// replies, and the faults that spoil them. No I/O and no threads: the Rack drives it.
#include "Fault.h"
#include "PageImage.h"
#include "Protocol.h"

#include <QByteArray>
#include <chrono>
#include <cstdint>
#include <utility>
#include <vector>

namespace rackemu {

struct Module {
    Module() = default;
    Module(uint32_t s, Kind k, QByteArray image = {}, uint8_t end = kAccepted)
        : serial(s), kind(k), pages(std::move(image)), endStatus(end)
    {
    }

    uint32_t serial = 0;
    Kind kind = Kind::Receiver;
    // The module's memory; empty for the default image of its kind. Page 2 is given the serial.
    QByteArray pages;
    // Status byte of its END reply ("P": programming accepted).
    uint8_t endStatus = kAccepted;
};

struct ModuleState {
    uint32_t serial = 0; // the address it answers to (page 2's serial as of its last restart)
    Kind kind = Kind::Receiver;
    QByteArray pages;
    bool linked = false;
    bool droppedOut = false; // a StopAfter fault took it off the line
    int commands = 0;        // frames that carried its address, and polls, it acted on
    int restarts = 0;
};

// One piece of what the PC sent: a frame, or bytes that make no frame.
struct FrameRecord {
    QByteArray bytes;
    uint8_t command = 0;  // the first byte
    bool valid = false;   // a whole frame of a known command whose check byte is right
    int32_t serial = -1;  // the address it carries, -1 for none
    int32_t page = -1;    // READ and WRITE: the page number
};

// A reply to send `delay` after the frame came in.
struct Outgoing {
    std::chrono::microseconds delay{0};
    QByteArray bytes;
};

class Bus {
public:
    // Time a module takes to begin its reply.
    static constexpr std::chrono::microseconds kTurnaround{2000};

    // Returns the module's index. An empty image is replaced by the default of its kind.
    int add(Module m);

    // Acts on one whole frame (as the frame splitter delivers it); fills `rec` and returns the
    // replies, in the order the modules send them.
    std::vector<Outgoing> handle(const QByteArray& frame, FrameRecord& rec);

    static FrameRecord describe(const QByteArray& bytes, bool whole);

    void setFault(const Fault& f);                    // every module
    bool setFault(uint32_t serial, const Fault& f);   // one module; false when none answers to it
    void clearFaults();
    bool setEndStatus(uint32_t serial, uint8_t status);

    int size() const { return static_cast<int>(modules_.size()); }
    // The module answering to `serial`, else the one added with it; -1 when none.
    int indexOf(uint32_t serial) const;
    ModuleState state(int index) const { return modules_.at(index).state; }
    // Address of the linked module, -1 when none is linked.
    int64_t linkedSerial() const;

private:
    struct ActiveFault {
        Fault fault;
        int uses = 0;
    };
    struct Slot {
        uint32_t addedAs = 0;
        uint8_t endStatus = kAccepted;
        ModuleState state;
        ActiveFault fault;
    };

    // Counts a command for the module; false when the module has dropped out (or does now).
    bool takeCommand(Slot& s);
    // The reply as the module's fault (or the rack's) lets it out; none for silence.
    void send(Slot& s, Command c, const QByteArray& frame, QByteArray reply, std::vector<Outgoing>& out);
    ActiveFault& faultOf(Slot& s) { return s.fault.fault.kind != FaultKind::None ? s.fault : rackFault_; }
    QByteArray garbage(int length);

    std::vector<Slot> modules_;
    ActiveFault rackFault_;
    uint32_t noise_ = 0x2545F491;
};

} // namespace rackemu
