#pragma once
#include <QByteArray>
#include <cstdint>

// The exchange engine behind the command classes: tries, quiet time, reply times and the reading
// of the replies, driven by one table. Every command runs under a TransferGuard (a command
// started while another transfer lets events run is refused with -1, the line untouched), traps
// every port and timer failure (a message with its text, then -1) and gives back its alarms on
// every way out.
namespace linkengine {

// The commands that wait for a reply. CEnd is the END that always waits its full reply time.
enum class Exchange { Link, Read, Write, End, CEnd, Poll };

// What a try waits for and how its reply is read.
struct ExchangeRule {
    int awaited;       // bytes (echo + reply) that make a whole answer; POLL takes what comes
    uint32_t replyMs;  // reply time, from the moment the frame is handed to the port
    bool endsEarly;    // the wait ends as soon as `awaited` bytes are in
    int tries;
    int echo;          // length of the frame echoed ahead of the reply
};

const ExchangeRule& ruleOf(Exchange e);

// Sends `frame` and reads the reply, try after try, as the rule of `e` says. `response` is the
// command's strResponse: it is set as each try's reply is read and otherwise kept.
// 0 on success, -1 on failure; POLL may end with the check residue (1..255) of its last try.
int16_t exchange(Exchange e, const QByteArray& frame, QByteArray& response);

// UNLINK: sends the frame at once, then waits 220 ms; reads nothing. 0, or -1 after a failure.
int16_t sendAndSettle(const QByteArray& frame, QByteArray& response);
// RESTART: the quiet time, then the frame; reads nothing and returns at once. 0, or -1 after a
// failure.
int16_t sendAfterQuiet(const QByteArray& frame, QByteArray& response);

} // namespace linkengine
