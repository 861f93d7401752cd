#pragma once
// Faults a module (or the whole rack) can show on the line.
#include "Protocol.h"

#include <QString>
#include <optional>

namespace rackemu {

enum class FaultKind {
    None,
    Silence,      // the module acts on the frame but sends no reply
    BadCheck,     // the reply's check byte is wrong (inverted)
    ShortReply,   // only the first `arg` bytes of the reply (default: all but the last)
    Garbage,      // bytes of the reply's length that fail the check, in place of the reply
    LateReply,    // the reply, `arg` ms after the frame (default 1500 ms, past the PC's deadline)
    EchoAsReply,  // the module's own copy of the frame, repeated to the reply's length, as the reply
    StopAfter,    // the module answers `arg` commands, then drops out: it neither acts nor answers
};

struct Fault {
    FaultKind kind = FaultKind::None;
    int arg = 0;
    // Only replies to this command are spoiled (not used by StopAfter).
    std::optional<Command> command;
    // Number of replies spoiled before the module answers soundly again; 0 for ever
    // (not used by StopAfter).
    int times = 0;

    static Fault silence() { return make(FaultKind::Silence); }
    static Fault badCheck() { return make(FaultKind::BadCheck); }
    static Fault shortReply(int bytes = 0) { return make(FaultKind::ShortReply, bytes); }
    static Fault garbage() { return make(FaultKind::Garbage); }
    static Fault lateReply(int ms = kDefaultLateMs) { return make(FaultKind::LateReply, ms); }
    static Fault echoAsReply() { return make(FaultKind::EchoAsReply); }
    static Fault stopAfter(int commands) { return make(FaultKind::StopAfter, commands); }

    Fault only(Command c) const { Fault f = *this; f.command = c; return f; }
    Fault forReplies(int n) const { Fault f = *this; f.times = n; return f; }

    static constexpr int kDefaultLateMs = 1500;

    static Fault make(FaultKind k, int a = 0)
    {
        Fault f;
        f.kind = k;
        f.arg = a;
        return f;
    }
};

// Reads "<kind>[:<arg>]" (kinds: silence, badcheck, short, garbage, late, echo, stopafter, also
// spelt as the FaultKind names). False with a message in `error` when the text is not a fault.
bool parseFault(const QString& text, Fault& fault, QString& error);

} // namespace rackemu
