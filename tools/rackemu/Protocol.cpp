#include "Protocol.h"

namespace rackemu {

int frameLength(uint8_t commandByte)
{
    switch (static_cast<Command>(commandByte)) {
    case Command::Link:
    case Command::End:
    case Command::Restart:
        return 5;
    case Command::Read:
        return 7;
    case Command::Write:
    case Command::Poll:
        return 15;
    case Command::Unlink:
        return 2;
    }
    return 0;
}

uint8_t xorOf(const QByteArray& bytes)
{
    uint8_t x = 0;
    for (char c : bytes)
        x ^= static_cast<uint8_t>(c);
    return x;
}

QByteArray withCheck(QByteArray bytes)
{
    bytes.append(static_cast<char>(xorOf(bytes)));
    return bytes;
}

QByteArray serialAddress(uint32_t serial)
{
    QByteArray a(3, '\0');
    a[0] = static_cast<char>((serial >> 16) & 0xFF);
    a[1] = static_cast<char>((serial >> 8) & 0xFF);
    a[2] = static_cast<char>(serial & 0xFF);
    return a;
}

uint32_t serialAt(const QByteArray& bytes, int offset)
{
    auto b = [&](int i) { return static_cast<uint32_t>(static_cast<uint8_t>(bytes.at(offset + i))); };
    return (b(0) << 16) | (b(1) << 8) | b(2);
}

static QByteArray pageAddress(uint16_t page)
{
    QByteArray a(2, '\0');
    a[0] = static_cast<char>(page >> 8);
    a[1] = static_cast<char>(page & 0xFF);
    return a;
}

static QByteArray addressed(Command c, uint32_t serial)
{
    return QByteArray(1, static_cast<char>(c)) + serialAddress(serial);
}

QByteArray pollFrame()
{
    QByteArray f(1, static_cast<char>(Command::Poll));
    for (int b = 0xFD; b >= 0xF1; --b)
        f.append(static_cast<char>(b));
    return withCheck(f);
}

QByteArray linkFrame(uint32_t serial) { return withCheck(addressed(Command::Link, serial)); }

QByteArray unlinkFrame() { return QByteArray(2, static_cast<char>(Command::Unlink)); }

QByteArray readFrame(uint32_t serial, uint16_t page)
{
    return withCheck(addressed(Command::Read, serial) + pageAddress(page));
}

QByteArray writeFrame(uint32_t serial, uint16_t page, const QByteArray& page8)
{
    QByteArray f = addressed(Command::Write, serial) + pageAddress(page);
    for (int i = kPageBytes - 1; i >= 0; --i)
        f.append(page8.at(i));
    return withCheck(f);
}

QByteArray endFrame(uint32_t serial) { return withCheck(addressed(Command::End, serial)); }

QByteArray restartFrame(uint32_t serial) { return withCheck(addressed(Command::Restart, serial)); }

QByteArray shortReply(uint8_t status, uint32_t serial)
{
    return withCheck(QByteArray(1, static_cast<char>(status)) + serialAddress(serial));
}

QByteArray readReply(uint32_t serial, const QByteArray& page8)
{
    QByteArray r(1, static_cast<char>(kAccepted));
    r += serialAddress(serial);
    for (int i = kPageBytes - 1; i >= 0; --i)
        r.append(page8.at(i));
    return withCheck(r);
}

} // namespace rackemu
