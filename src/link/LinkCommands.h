#pragma once
#include <QByteArray>
#include <cstdint>

// The commands of the module line. The program keeps one instance of each, made at its first use
// (`CLASSLINK::instance()` ...); making the first opens the serial port if it is closed.
//
// Addresses are byte strings: the serial address of 3 bytes (basVelmar::strLongTo3Bytes), the
// page address of 2 (basVelmar::strLongTo2Bytes), page data of 8 bytes, page byte 7 first.
// An argument of another length is refused with -1 and nothing is sent.
//
// intExecute returns 0 on success and -1 on failure (CLASSPOLL: see there). strResponse holds
// the reply bytes behind the echo of the last command; strCmd the frame last sent.
// No command raises: port and timer failures are shown to the user and give -1. A command
// started while another transfer runs (see TransferGuard) gives -1 without touching the line.

// Opens the serial port when it is closed, with the number and settings it has. 0; -1 after one
// message that names the port and why it cannot be opened. A transfer starts here, so that a port
// that is missing ends it at that message instead of failing again at every command.
int16_t intOpenLine();

class LinkCommand {
public:
    LinkCommand(const LinkCommand&) = delete;
    LinkCommand& operator=(const LinkCommand&) = delete;

    QByteArray strCmd;
    QByteArray strResponse;

protected:
    LinkCommand();
    ~LinkCommand() = default;
};

// LINK: links the module with this serial address. 3 tries; strResponse: the 5 reply bytes.
class CLASSLINK : public LinkCommand {
public:
    static CLASSLINK& instance();
    int16_t intExecute(const QByteArray& serial);

private:
    CLASSLINK() = default;
};

// UNLINK: releases whatever module is linked. Returns no sooner than 220 ms after sending.
// strResponse: empty. 0, or -1 after a port failure.
class CLASSUNLINK : public LinkCommand {
public:
    static CLASSUNLINK& instance();
    int16_t intExecute();

private:
    CLASSUNLINK();
};

// READ: one page. strResponse on success: 13 bytes; bytes 2-4 (1-based) the answering module's
// serial address, bytes 5-12 the page, byte 7 first (page byte 2 at position 10).
// A missing reply, or the frame coming back as the reply, ends it after one frame.
class CLASSREAD : public LinkCommand {
public:
    static CLASSREAD& instance();
    int16_t intExecute(const QByteArray& serial, const QByteArray& page);

private:
    CLASSREAD() = default;
};

// WRITE: one page; `data` is the page's 8 bytes, byte 7 first. 3 tries.
class CLASSWRITE : public LinkCommand {
public:
    static CLASSWRITE& instance();
    int16_t intExecute(const QByteArray& serial, const QByteArray& page, const QByteArray& data);

private:
    CLASSWRITE() = default;
};

// POLL: asks every module of the rack for its serial number, listening 1000 ms a try, 4 tries.
// 0 with the modules' 5-byte entries in strResponse (entry bytes 2-4: serial address);
// -1 when no module answered; otherwise the check residue (1..255) of the last try.
class CLASSPOLL : public LinkCommand {
public:
    static CLASSPOLL& instance();
    int16_t intExecute();

private:
    CLASSPOLL();
};

// END: ends the programming of a module. strResponse byte 1 is the module's status ("P":
// programming accepted); statuses 0x10, 0x20 and 0x30 are told to the user, and -1 is returned
// when the user declines to carry on after 0x20.
class CLASSEND : public LinkCommand {
public:
    static CLASSEND& instance();
    int16_t intExecute(const QByteArray& serial);

private:
    CLASSEND() = default;
};

// RESTART: makes the module restart. Reads no reply and returns as soon as the frame is sent.
class CLASSRESTART : public LinkCommand {
public:
    static CLASSRESTART& instance();
    int16_t intExecute(const QByteArray& serial);

private:
    CLASSRESTART() = default;
};

// The END that always waits its full 1500 ms and does not read the status byte.
class CEnd : public LinkCommand {
public:
    static CEnd& instance();
    int16_t intExecute(const QByteArray& serial);

private:
    CEnd() = default;
};
