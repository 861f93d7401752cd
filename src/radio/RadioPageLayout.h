#pragma once
// Where everything lives in the configuration memory of a receiver, transmitter or exciter:
// page numbers, byte positions and sizes of the radio module's page image.
#include <cstdint>

namespace radiolayout {

// The image: 149 pages of 8 bytes.
constexpr int kPageCount = 149;
constexpr int kLastPage = kPageCount - 1;
constexpr int kPageSize = 8;

// Channels: one page each from the partition on.
constexpr int kMaxChannels = 128;
constexpr int kPartition = 16;    // first channel page of the current layout
constexpr int kOldPartition = 12; // first channel page of the older layout (no RF data pages)

// System pages.
constexpr int kBlankPage = 0;
constexpr int kStatePage = 1;          // current channel, firmware version
constexpr int kIdentityPage = 2;       // partition, configuration byte, channel count, serial
constexpr int kProductionDatePage = 3; // "ddmmyyyy", first character in byte 7
constexpr int kModelCodePage = 4;      // 8-character model code, first character in byte 7
constexpr int kOptionPage = 5;         // transmitter timers and option bits
constexpr int kCustomTypePage = 6;     // 16 characters over pages 6 and 7
constexpr int kRemarkPage = 8;         // 16 characters over pages 8 and 9
constexpr int kToolTagPage = 10;       // the tool tag (CPageImage::kToolTag)
constexpr int kLastWritePage = 11;     // date of the last write, 8 two-digit bytes
constexpr int kBandPage = 12;          // lower band edge (bytes 3-0), upper band edge (7-4)
constexpr int kReferencePage = 13;     // first reference (3-0), second reference (7-4)
constexpr int kOscillatorPage = 14;    // TCXO (3-0), intermediate frequency (7-4)
constexpr int kSynthPage = 15;         // presence mark, kind, doubler, prescaler

// A text of two pages: 16 characters.
constexpr int kTextLength = 16;

// Page 1.
namespace state {
constexpr int kNewFill0 = 0, kNewFill1 = 1;          // 255 in a new document
constexpr int kCurrentLow = 2, kCurrentHigh = 3;     // current channel (index from 0)
constexpr int kFirmwareMajorHi = 7, kFirmwareMajorLo = 6, kFirmwareMinorHi = 5, kFirmwareMinorLo = 4;
} // namespace state

// Page 2.
namespace identity {
constexpr int kNewFill = 0;                          // 255 in a new document
constexpr int kPartition = 1;
constexpr int kConfig = 2;                           // configuration byte
constexpr int kChannelsLow = 3, kChannelsHigh = 4;
constexpr int kSerialLow = 5, kSerialMid = 6, kSerialHigh = 7;
} // namespace identity

// Bits of the configuration byte.
namespace config {
constexpr uint8_t kHighSideInjection = 0x01;
constexpr uint8_t kKindMask = 0x06;     // 0 transmitter, 4 exciter, 2 or 6 receiver
constexpr uint8_t kKindTransmitter = 0x00;
constexpr uint8_t kKindReceiver = 0x02;
constexpr uint8_t kKindExciter = 0x04;
constexpr uint8_t kModulatableTcxo = 0x08;
constexpr uint8_t kTwoLetterCode = 0x10; // model code in the "Vr" form
constexpr uint8_t kModuleKindMask = 0xE6; // with the family bits: what a module's kind is compared by
} // namespace config

// Page 5.
namespace options {
constexpr int kToneBurstLength = 1;
constexpr int kBits = 2;
constexpr int kLockoutLow = 3, kLockoutHigh = 4;
constexpr int kTimeoutLow = 5, kTimeoutHigh = 6;
constexpr int kTailTime = 7;
constexpr uint8_t kChangeDefaultChanOnChanChange = 0x04;
constexpr uint8_t kReverseToneBurst = 0x08;
constexpr uint8_t kReverseToneBurstType = 0x10;
constexpr uint8_t kChangeSelectType = 0x80;
} // namespace options

// Pages 12 to 15: 32-bit values big-endian within bytes 7-4 and 3-0.
namespace rf {
constexpr int kHighGroup = 7; // most significant byte of bytes 7-4
constexpr int kLowGroup = 3;  // most significant byte of bytes 3-0
constexpr int kMarkLow = 0, kMarkHigh = 1; // presence mark: byte 1 = 3, byte 0 = 0
constexpr uint8_t kMark = 3;
constexpr int kKind = 3;
constexpr int kDoubled = 5;
constexpr int kPrescalerLow = 6, kPrescalerHigh = 7;
} // namespace rf

// A channel page.
namespace channel {
constexpr int kPins = 0;
constexpr int kCtcssLow = 1, kCtcssHigh = 2;
constexpr int kReference = 3;
constexpr int kDeviation = 4;
constexpr int kFreq3 = 5, kFreq2 = 6, kFreq1 = 7; // frequency word, first byte in byte 7
constexpr uint8_t kFlagBit = 0x80;                // byte 7 bit 7: kept, cleared by run edits
constexpr uint8_t kNoPins = 255;
constexpr uint8_t kNewReference = 127;
constexpr uint8_t kNewDeviation = 80;
} // namespace channel

// The model code of page 4 and the model names made from it.
namespace modelcode {
constexpr int kLength = 8;                 // characters kept in page 4
constexpr const char* kSeriesPrefix = "Vr"; // model names of the two-letter form: Vr31-15-0000
} // namespace modelcode

} // namespace radiolayout
