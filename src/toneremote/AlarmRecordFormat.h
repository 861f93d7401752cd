#pragma once
// The bits and bytes of an alarm or confirmation record (8 bytes; record byte 0 the flags byte).
#include "toneremote/ToneRemotePageLayout.h"

#include <array>
#include <cstdint>

namespace alarmformat {

constexpr int kFlagsByte = 0;

// Flags byte.
constexpr uint8_t kEncodingMask = 0x81;  // encoding of the message:
constexpr uint8_t kSelcall = 0x80;
constexpr uint8_t kDtmf = 0x81;
constexpr uint8_t kFunctionTones = 0x01;
constexpr uint8_t kNoEncoding = 0x00;
constexpr uint8_t kDestinationMask = 0x60; // both clear: the record is disabled
constexpr uint8_t kToRadio = 0x40;
constexpr uint8_t kToLine = 0x20;
constexpr uint8_t kPipTone = 0x10;
constexpr uint8_t kAuxEnabled = 0x08;
constexpr uint8_t kAuxNumberMask = 0x06;  // auxiliary output 0-3, times 2
constexpr int kAuxNumberShift = 1;
constexpr uint8_t kAnyOutputMask = 0x91;  // pip tone or an encoding

// Selcall and DTMF: up to 14 digit codes from the high nibble of byte 1, ended by code 15.
constexpr int kMessageFirstByte = 1;
constexpr int kMessageDigits = 14;
constexpr int kEndOfMessage = 15;
constexpr uint8_t kNoMessage = 255;     // byte 1 of a record without a message

// Function tones: HLGT frequency number in the high nibble of byte 1, the first tone in its low
// nibble, the second tone in the high nibble of byte 2; 15 for no tone.
constexpr int kFtFirstToneByte = 1;
constexpr int kFtSecondToneByte = 2;
constexpr int kNoTone = trlayout::fntones::kNoTone;
// The high-level guard tone before the function tones, by its number 0-9 (Hz).
constexpr int kHlgtHz[] = {2100, 2175, 2325, 2500, 2600, 2800, 2900, 2970, 3000, 3100};
constexpr int kHlgtCount = 10;

// Digit code k (0-based) of a selcall or DTMF message.
inline int messageNibble(const std::array<uint8_t, 8>& record, int k)
{
    const uint8_t b = record[kMessageFirstByte + k / 2];
    return k % 2 == 0 ? b >> 4 : b & 0x0F;
}

} // namespace alarmformat
