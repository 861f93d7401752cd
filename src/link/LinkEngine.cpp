#include "link/LinkEngine.h"

#include "link/CommOutput.h"
#include "link/EndStatus.h"
#include "link/LineTiming.h"
#include "link/LinkAlarm.h"
#include "link/LinkFrames.h"
#include "link/TransferGuard.h"
#include "platform/CommPort.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"

#include <array>
#include <cstddef>
#include <chrono>
#include <optional>
#include <thread>

namespace linkengine {
namespace {

using platform::CommPort;

constexpr int kShortReply = 5;
constexpr int kReadReply = 13;
constexpr int kPollEcho = 15;
constexpr uint32_t kUnlinkSettleMs = 200;

// awaited, reply time, ends early, tries, echo
constexpr std::array<ExchangeRule, 6> kRules{{
    {10, 1000, true, 3, 5},    // LINK
    {20, 1000, true, 4, 7},    // READ
    {20, 1000, true, 3, 15},   // WRITE
    {10, 1000, true, 3, 5},    // END
    {10, 1500, false, 3, 5},   // END that waits its full time (CEnd)
    {0, 1000, false, 4, 15},   // POLL
}};

// A try's verdict: the command's result, or nothing for "try again".
using Verdict = std::optional<int16_t>;

void showFailure(const QString& text) { TransferGuard::message(text, platform::vbOKOnly | platform::vbExclamation); }

// Blocks on the port for up to `ms`; should the port return at once with nothing (a device that
// has gone), sleeps the time out instead of spinning.
void blockOnPort(CommPort& port, int ms)
{
    const auto start = std::chrono::steady_clock::now();
    if (port.waitForInput(ms))
        return;
    const auto spent = std::chrono::steady_clock::now() - start;
    if (spent < std::chrono::milliseconds(ms))
        std::this_thread::sleep_for(std::chrono::milliseconds(ms) - spent);
}

// Runs `body` as one transfer on the line: refused with -1 while another transfer runs; a port or
// timer failure it raises is shown and gives -1.
template <class Body>
int16_t onTheLine(Body&& body)
{
    TransferGuard guard;
    if (!guard.acquired())
        return -1;
    try {
        return body();
    } catch (const platform::Error& err) {
        showFailure(err.description());
        return -1;
    }
}

// Discards both buffers and hands the frame to the port; false when the port would not take it.
bool sendAfresh(const QByteArray& frame)
{
    CommPort& port = CommPort::instance();
    port.clearOutput();
    port.clearInput();
    return basVelmar::CommOutput(frame) == 0;
}

// One try: quiet time, both buffers discarded, the frame sent, the reply gathered in `rx`.
// False when the frame could not be handed to the port.
bool oneTry(const ExchangeRule& rule, const QByteArray& frame, QByteArray& rx)
{
    quietWait();
    LinkAlarm reply;
    if (!sendAfresh(frame))
        return false;
    CommPort& port = CommPort::instance();
    reply.set(LineTiming::replyMs(rule.replyMs));
    for (;;) {
        rx += port.input();
        if (rule.endsEarly && rx.size() >= rule.awaited)
            return true;
        if (reply.expired()) {
            rx += port.input();
            return true;
        }
        blockOnPort(port, reply.blockMs());
    }
}

// LINK, WRITE, END and CEnd: the 5 bytes behind the echo, when they all came, must check out.
// A frame checks out too, so the frame itself coming back where the module's answer belongs (a line
// that loops back with no module behind it) is no answer.
Verdict evaluateShortReply(Exchange e, const ExchangeRule& rule, const QByteArray& frame, const QByteArray& rx,
                           QByteArray& response)
{
    if (rx.size() < rule.awaited)
        return std::nullopt;
    response = rx.left(rule.awaited).right(kShortReply);
    if (xorOf(response) != 0 || response == frame.left(kShortReply))
        return std::nullopt;
    if (e == Exchange::End)
        return decodeEndStatus(static_cast<uint8_t>(response.at(0)));
    return int16_t{0};
}

// READ: a missing reply ends the command at once, and so does the frame coming back in place of
// a reply; a reply that fails its check is asked for again.
Verdict evaluateRead(const ExchangeRule& rule, const QByteArray& frame, const QByteArray& rx, QByteArray& response)
{
    if (rx.size() < rule.awaited)
        return int16_t{-1};
    const QByteArray got = rx.left(rule.awaited);
    if (got.mid(rule.echo, frame.size()) == frame) {
        response = got;
        return int16_t{-1};
    }
    response = got.mid(rule.echo, kReadReply);
    if (xorOf(response) != 0)
        return std::nullopt;
    return int16_t{0};
}

// POLL: some module must have answered ("P" among the bytes) and the entries behind the echo
// must check out together; `status` keeps the last try's outcome.
Verdict evaluatePoll(const QByteArray& rx, QByteArray& response, int16_t& status)
{
    response = rx;
    if (!rx.contains(static_cast<char>(kAccepted))) {
        status = -1;
        return std::nullopt;
    }
    if (rx.size() <= kPollEcho) {
        showFailure(QStringLiteral("The rack's answer to the poll is incomplete."));
        return int16_t{-1};
    }
    response = rx.mid(kPollEcho);
    const uint8_t residue = xorOf(response);
    if (residue == 0)
        return int16_t{0};
    status = residue;
    return std::nullopt;
}

} // namespace

const ExchangeRule& ruleOf(Exchange e) { return kRules.at(static_cast<std::size_t>(e)); }

int16_t exchange(Exchange e, const QByteArray& frame, QByteArray& response)
{
    return onTheLine([&]() -> int16_t {
        const ExchangeRule& rule = ruleOf(e);
        int16_t status = -1;
        for (int attempt = 0; attempt < rule.tries; ++attempt) {
            QByteArray rx;
            if (!oneTry(rule, frame, rx))
                return -1;
            Verdict verdict;
            switch (e) {
            case Exchange::Read: verdict = evaluateRead(rule, frame, rx, response); break;
            case Exchange::Poll: verdict = evaluatePoll(rx, response, status); break;
            default: verdict = evaluateShortReply(e, rule, frame, rx, response); break;
            }
            if (verdict)
                return *verdict;
        }
        return e == Exchange::Poll ? status : int16_t{-1};
    });
}

int16_t sendAndSettle(const QByteArray& frame, QByteArray& response)
{
    return onTheLine([&]() -> int16_t {
        LinkAlarm settle;
        if (!sendAfresh(frame))
            return -1;
        quietWait();
        settle.set(LineTiming::pauseMs(kUnlinkSettleMs));
        settle.sleepOut();
        response.clear();
        return 0;
    });
}

int16_t sendAfterQuiet(const QByteArray& frame, QByteArray& response)
{
    return onTheLine([&]() -> int16_t {
        quietWait();
        if (!sendAfresh(frame))
            return -1;
        response.clear();
        return 0;
    });
}

} // namespace linkengine
