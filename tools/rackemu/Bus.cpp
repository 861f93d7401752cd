#include "Bus.h"
#include "RackTiming.h"

#include <algorithm>

namespace rackemu {

int Bus::add(Module m)
{
    Slot s;
    s.addedAs = m.serial;
    s.endStatus = m.endStatus;
    s.state.serial = m.serial;
    s.state.kind = m.kind;
    s.state.pages = m.pages.isEmpty() ? defaultImage(m.kind, m.serial) : m.pages;
    setImageSerial(s.state.pages, m.serial);
    modules_.push_back(s);
    return size() - 1;
}

FrameRecord Bus::describe(const QByteArray& bytes, bool whole)
{
    FrameRecord r;
    r.bytes = bytes;
    r.command = bytes.isEmpty() ? 0 : static_cast<uint8_t>(bytes.at(0));
    const int length = frameLength(r.command);
    if (!whole || length == 0 || bytes.size() != length)
        return r;
    const auto c = static_cast<Command>(r.command);
    r.valid = c == Command::Unlink || xorOf(bytes) == 0;
    if (c != Command::Unlink && c != Command::Poll)
        r.serial = static_cast<int32_t>(serialAt(bytes, 1));
    if (c == Command::Read || c == Command::Write)
        r.page = (static_cast<uint8_t>(bytes.at(4)) << 8) | static_cast<uint8_t>(bytes.at(5));
    return r;
}

bool Bus::takeCommand(Slot& s)
{
    if (s.state.droppedOut)
        return false;
    const Fault& f = faultOf(s).fault;
    if (f.kind == FaultKind::StopAfter && s.state.commands >= f.arg) {
        s.state.droppedOut = true;
        s.state.linked = false;
        return false;
    }
    ++s.state.commands;
    return true;
}

QByteArray Bus::garbage(int length)
{
    QByteArray g(length, '\0');
    for (char& c : g) {
        noise_ ^= noise_ << 13;
        noise_ ^= noise_ >> 17;
        noise_ ^= noise_ << 5;
        c = static_cast<char>(noise_ & 0xFF);
    }
    if (length > 0 && xorOf(g) == 0)
        g[length - 1] = static_cast<char>(g.at(length - 1) ^ 0x01);
    return g;
}

void Bus::send(Slot& s, Command c, const QByteArray& frame, QByteArray reply, std::vector<Outgoing>& out)
{
    ActiveFault& af = faultOf(s);
    const Fault& f = af.fault;
    const bool applies = f.kind != FaultKind::None && f.kind != FaultKind::StopAfter
        && (!f.command || *f.command == c) && (f.times == 0 || af.uses < f.times);
    if (!applies) {
        out.push_back({RackTiming::pause(kTurnaround), reply});
        return;
    }
    ++af.uses;
    std::chrono::microseconds delay = RackTiming::pause(kTurnaround);
    switch (f.kind) {
    case FaultKind::Silence:
        return;
    case FaultKind::BadCheck:
        reply[reply.size() - 1] = static_cast<char>(reply.back() ^ 0xFF);
        break;
    case FaultKind::ShortReply:
        reply.truncate(f.arg > 0 ? std::min<int>(f.arg, reply.size() - 1) : reply.size() - 1);
        break;
    case FaultKind::Garbage:
        reply = garbage(reply.size());
        break;
    case FaultKind::LateReply: delay = std::chrono::milliseconds(f.arg); break;
    case FaultKind::EchoAsReply: {
        QByteArray echo;
        while (echo.size() < reply.size())
            echo += frame;
        reply = echo;
        break;
    }
    case FaultKind::None:
    case FaultKind::StopAfter:
        break;
    }
    out.push_back({delay, reply});
}

std::vector<Outgoing> Bus::handle(const QByteArray& frame, FrameRecord& rec)
{
    rec = describe(frame, true);
    std::vector<Outgoing> out;
    if (!rec.valid)
        return out;
    const auto c = static_cast<Command>(rec.command);
    const auto serial = static_cast<uint32_t>(rec.serial);

    for (Slot& s : modules_) {
        ModuleState& m = s.state;
        switch (c) {
        case Command::Unlink:
            if (!m.droppedOut)
                m.linked = false;
            break;
        case Command::Poll:
            if (takeCommand(s))
                send(s, c, frame, shortReply(kAccepted, m.serial), out);
            break;
        case Command::Link:
            if (m.serial != serial) {
                if (!m.droppedOut)
                    m.linked = false; // the link moves to the addressed module
            } else if (takeCommand(s)) {
                m.linked = true;
                send(s, c, frame, shortReply(kAccepted, m.serial), out);
            }
            break;
        case Command::Read:
        case Command::Write:
        case Command::End:
        case Command::Restart: {
            // Only the linked module listens to these.
            if (m.serial != serial || !takeCommand(s) || !m.linked)
                break;
            const int pageCount = static_cast<int>(m.pages.size() / kPageBytes);
            if (c == Command::Read) {
                if (rec.page < pageCount)
                    send(s, c, frame, readReply(m.serial, page(m.pages, rec.page)), out);
            } else if (c == Command::Write) {
                if (rec.page < pageCount) {
                    for (int i = 0; i < kPageBytes; ++i)
                        setPageByte(m.pages, rec.page, i, static_cast<uint8_t>(frame.at(13 - i)));
                    send(s, c, frame, shortReply(kAccepted, m.serial), out);
                }
            } else if (c == Command::End) {
                send(s, c, frame, shortReply(s.endStatus, m.serial), out);
            } else {
                // A restart drops the link and takes the address from page 2 as it now stands.
                m.linked = false;
                m.serial = imageSerial(m.pages);
                ++m.restarts;
            }
            break;
        }
        }
    }
    return out;
}

void Bus::setFault(const Fault& f)
{
    rackFault_ = {f, 0};
}

bool Bus::setFault(uint32_t serial, const Fault& f)
{
    const int i = indexOf(serial);
    if (i < 0)
        return false;
    modules_[i].fault = {f, 0};
    return true;
}

void Bus::clearFaults()
{
    rackFault_ = {};
    for (Slot& s : modules_)
        s.fault = {};
}

bool Bus::setEndStatus(uint32_t serial, uint8_t status)
{
    const int i = indexOf(serial);
    if (i < 0)
        return false;
    modules_[i].endStatus = status;
    return true;
}

int Bus::indexOf(uint32_t serial) const
{
    for (int i = 0; i < size(); ++i)
        if (modules_[i].state.serial == serial)
            return i;
    for (int i = 0; i < size(); ++i)
        if (modules_[i].addedAs == serial)
            return i;
    return -1;
}

int64_t Bus::linkedSerial() const
{
    for (const Slot& s : modules_)
        if (s.state.linked)
            return s.state.serial;
    return -1;
}

} // namespace rackemu
