#pragma once
// The rack's side of the module line: command bytes, frame lengths, check bytes and the
// shapes of the replies a module sends.
#include <QByteArray>
#include <cstdint>

namespace rackemu {

enum class Command : uint8_t {
    Read = 0x02,
    Write = 0x03,
    End = 0x04,
    Restart = 0x05,
    Unlink = 0x0D,
    Link = 0x0E,
    Poll = 0x0F,
};

// Status byte of a sound reply and of a poll entry ("P").
constexpr uint8_t kAccepted = 0x50;

constexpr int kPageBytes = 8;
constexpr uint32_t kMaxSerial = 0xFFFFFF;

// Length of the frame that begins with this command byte; 0 for a byte that begins no frame.
int frameLength(uint8_t commandByte);

// XOR of all bytes.
uint8_t xorOf(const QByteArray& bytes);

// The bytes followed by their check byte (the XOR of all before it).
QByteArray withCheck(QByteArray bytes);

// A serial number as 3 address bytes, most significant first.
QByteArray serialAddress(uint32_t serial);
// The serial number carried by 3 address bytes at `offset` of `bytes`.
uint32_t serialAt(const QByteArray& bytes, int offset);

// The poll frame: 0x0F, 0xFD down to 0xF1, check.
QByteArray pollFrame();

// Frames the PC sends (with their check byte), for clients and tests.
QByteArray linkFrame(uint32_t serial);
QByteArray unlinkFrame();
QByteArray readFrame(uint32_t serial, uint16_t page);
// `page` holds the page's bytes 0..7; the frame carries them byte 7 first.
QByteArray writeFrame(uint32_t serial, uint16_t page, const QByteArray& page8);
QByteArray endFrame(uint32_t serial);
QByteArray restartFrame(uint32_t serial);

// Replies of a module: status, its serial address, check (5 bytes); a READ reply carries the
// page's bytes 7..0 between address and check (13 bytes).
QByteArray shortReply(uint8_t status, uint32_t serial);
QByteArray readReply(uint32_t serial, const QByteArray& page8);

} // namespace rackemu
