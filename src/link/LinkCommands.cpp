#include "link/LinkCommands.h"

#include "link/LinkEngine.h"
#include "link/LinkFrames.h"
#include "link/TransferGuard.h"
#include "platform/CommPort.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"

using namespace linkengine;

namespace {

bool isSerial(const QByteArray& a) { return a.size() == kSerialBytes; }
bool isPage(const QByteArray& a) { return a.size() == kPageAddressBytes; }
bool isPageData(const QByteArray& a) { return a.size() == kPageDataBytes; }

} // namespace

int16_t intOpenLine()
{
    try {
        platform::CommPort& port = platform::CommPort::instance();
        if (!port.portOpen())
            port.setPortOpen(true);
        return 0;
    } catch (const platform::Error& err) {
        TransferGuard::message(err.description(), platform::vbOKOnly | platform::vbExclamation);
        return -1;
    }
}

// Making a command opens the port when it is closed and empties both its buffers. A failure is
// shown; the command exists all the same, and its exchanges then fail on the closed port.
LinkCommand::LinkCommand()
{
    if (intOpenLine() != 0)
        return;
    platform::CommPort& port = platform::CommPort::instance();
    port.clearOutput();
    port.clearInput();
}

CLASSLINK& CLASSLINK::instance()
{
    static CLASSLINK command;
    return command;
}

int16_t CLASSLINK::intExecute(const QByteArray& serial)
{
    if (!isSerial(serial))
        return -1;
    strCmd = addressedFrame(kLink, {serial});
    return exchange(Exchange::Link, strCmd, strResponse);
}

CLASSUNLINK::CLASSUNLINK() { strCmd = unlinkFrame(); }

CLASSUNLINK& CLASSUNLINK::instance()
{
    static CLASSUNLINK command;
    return command;
}

int16_t CLASSUNLINK::intExecute() { return sendAndSettle(strCmd, strResponse); }

CLASSREAD& CLASSREAD::instance()
{
    static CLASSREAD command;
    return command;
}

int16_t CLASSREAD::intExecute(const QByteArray& serial, const QByteArray& page)
{
    if (!isSerial(serial) || !isPage(page))
        return -1;
    strCmd = addressedFrame(kRead, {serial, page});
    return exchange(Exchange::Read, strCmd, strResponse);
}

CLASSWRITE& CLASSWRITE::instance()
{
    static CLASSWRITE command;
    return command;
}

int16_t CLASSWRITE::intExecute(const QByteArray& serial, const QByteArray& page, const QByteArray& data)
{
    if (!isSerial(serial) || !isPage(page) || !isPageData(data))
        return -1;
    strCmd = addressedFrame(kWrite, {serial, page, data});
    return exchange(Exchange::Write, strCmd, strResponse);
}

CLASSPOLL::CLASSPOLL() { strCmd = pollFrame(); }

CLASSPOLL& CLASSPOLL::instance()
{
    static CLASSPOLL command;
    return command;
}

int16_t CLASSPOLL::intExecute() { return exchange(Exchange::Poll, strCmd, strResponse); }

CLASSEND& CLASSEND::instance()
{
    static CLASSEND command;
    return command;
}

int16_t CLASSEND::intExecute(const QByteArray& serial)
{
    if (!isSerial(serial))
        return -1;
    strCmd = addressedFrame(kEnd, {serial});
    return exchange(Exchange::End, strCmd, strResponse);
}

CLASSRESTART& CLASSRESTART::instance()
{
    static CLASSRESTART command;
    return command;
}

int16_t CLASSRESTART::intExecute(const QByteArray& serial)
{
    if (!isSerial(serial))
        return -1;
    strCmd = addressedFrame(kRestart, {serial});
    return sendAfterQuiet(strCmd, strResponse);
}

CEnd& CEnd::instance()
{
    static CEnd command;
    return command;
}

int16_t CEnd::intExecute(const QByteArray& serial)
{
    if (!isSerial(serial))
        return -1;
    strCmd = addressedFrame(kEnd, {serial});
    return exchange(Exchange::CEnd, strCmd, strResponse);
}
