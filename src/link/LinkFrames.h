#pragma once
#include <QByteArray>
#include <cstdint>
#include <initializer_list>

// Frames of the module line. A frame's last byte is its check: the XOR of every byte before it.
namespace linkengine {

enum CommandByte : uint8_t {
    kRead = 0x02,
    kWrite = 0x03,
    kEnd = 0x04,
    kRestart = 0x05,
    kUnlinkByte = 0x0D,
    kLink = 0x0E,
    kPoll = 0x0F,
};

constexpr int kSerialBytes = 3;
constexpr int kPageAddressBytes = 2;
constexpr int kPageDataBytes = 8;
// "P": a programming accepted (END) and a module present (POLL).
constexpr uint8_t kAccepted = 0x50;

// XOR of all bytes; 0 for a reply that checks out (its own check byte included).
uint8_t xorOf(const QByteArray& bytes);
// The command byte, the parts in order, and the check byte.
QByteArray addressedFrame(uint8_t command, std::initializer_list<QByteArray> parts);
// 0x0F, 0xFD down to 0xF1, check (0xFE).
QByteArray pollFrame();
// 0x0D 0x0D: no address, no check byte.
QByteArray unlinkFrame();

} // namespace linkengine
