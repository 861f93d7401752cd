#pragma once
// Where everything lives in the configuration memory of a tone-remote (line interface) module:
// page numbers, byte positions and the values with a fixed meaning in its page image.
//
// Conventions of the image: a 16-bit number has its high byte in the higher byte number of its
// page (byte 7 high, byte 6 low; 5 high, 4 low; ...); a text has one character a byte, the first
// in byte 7; a table word k (0..3) of a page has its high byte in byte 7 - 2k.
#include <array>
#include <cstdint>

namespace trlayout {

// The image: 257 pages of 8 bytes. Pages 0..255 travel to and from the module; page 256 only
// to the database and archive files.
constexpr int kPageCount = 257;
constexpr int kLastPage = kPageCount - 1;
constexpr int kPageSize = 8;
constexpr int kModulePages = 256;
// A page's bytes listed from byte 7 down to byte 0, as the tables of this file list them.
using Bytes7to0 = std::array<uint8_t, kPageSize>;

// System pages.
constexpr int kBlankPage = 0;          // module data the program does not interpret
constexpr int kStatePage = 1;          // firmware version, current channel
constexpr int kIdentityPage = 2;       // serial number, configuration, option and calibration bytes
constexpr int kProductionDatePage = 3; // "dd-mm-yy", first character in byte 7
constexpr int kModelCodePage = 4;      // 8-character model code, first character in byte 7
constexpr int kTimerPage = 5;          // timers, flag bytes, low-voltage threshold
constexpr int kCustomTypePage = 6;     // 16 characters over pages 6 and 7
constexpr int kRemarkPage = 8;         // 16 characters over pages 8 and 9
constexpr int kProgramTagPage = 10;    // 8 characters: the tag of the program that wrote the image
constexpr int kLastWritePage = 11;     // date of the last write, 8 two-digit bytes
constexpr int kKeytonePage = 12;       // keytone and second keytone frequencies
constexpr int kMarkerPage = 13;        // identity marker of a tone-remote image
constexpr int kLevelPage = 14;         // RSSI signal kind, line levels
constexpr int kDurationPage = 15;      // tone durations, selcall standard, amplifier settings
constexpr int kDelayPage = 45;         // path delays, one-tone mode
constexpr int kVotingPage = 46;        // tone-on-idle word, sliding-tone slope and offset, voting level
constexpr int kVotingTonePage = 47;    // RSSI preset, or the four sliding-tone words

// A text over two pages: 16 characters.
constexpr int kTextLength = 16;
// A text of one page.
constexpr int kShortTextLength = 8;

// Page 1.
namespace state {
constexpr int kFirmwareMajorHi = 7, kFirmwareMajorLo = 6, kFirmwareMinorHi = 5, kFirmwareMinorLo = 4;
constexpr int kCurrentChannel = 2;
} // namespace state

// Page 2.
namespace identity {
constexpr int kSerialHigh = 7, kSerialMid = 6, kSerialLow = 5; // 24 bits, high byte first (db/PageFields.h)
constexpr int kConfig = 2;      // configuration byte: the module family in its top three bits
constexpr int kOption = 1;      // option byte
constexpr int kCalibration = 0; // the threshold byte that reads 10.7 V on this module
constexpr uint8_t kToneRemoteKind = 0x80;   // configuration byte of a tone-remote module
constexpr uint8_t kFactoryCalibration = 30; // calibration byte of a module not yet calibrated
} // namespace identity

// Page 5.
namespace timers {
constexpr int kMomentaryTime = 7;
constexpr int kLineFailHi = 6, kLineFailLo = 5;
constexpr int kMorseTimerHi = 4, kMorseTimerLo = 3;
constexpr int kFlag2 = 2;
constexpr int kFlag1Page5 = 1;
constexpr int kThreshold = 0; // low-voltage alarm threshold; 0 means not set
// Bits of the flag byte 2.
constexpr uint8_t kFourWire = 0x80;         // 4-wire line interface; clear: 2-wire
constexpr uint8_t kToneSignalling = 0x40;   // HLGT/function tone/LLGT; clear: keytone only
constexpr uint8_t kToneOnIdle = 0x20;       // tone on idle
constexpr uint8_t kSlidingTone = 0x10;      // sliding voting tone
constexpr uint8_t kMomentaryMonitor = 0x08; // momentary monitor after function tones
constexpr uint8_t kNotchFilter = 0x04;      // notch filtering required
constexpr uint8_t kRepeaterAtPowerOn = 0x02;
constexpr uint8_t kModeSwitchOff = 0x01; // front panel mode switch disabled
// Bit of the flag byte 1: the channel select output is not latched.
constexpr uint8_t kChannelNotLatched = 0x80;
} // namespace timers

// Page 12.
namespace keytone {
constexpr int kFirstHi = 7, kFirstLo = 6;   // keytone frequency, Hz
constexpr int kSecondHi = 5, kSecondLo = 4; // second keytone (tone-on-idle) frequency, Hz
} // namespace keytone

// Page 13: bytes 7, 6, 5 mark an image as a tone-remote image.
namespace marker {
constexpr int kFirst = 7, kSecond = 6, kThird = 5;
constexpr std::array<uint8_t, 3> kBytes{0xAA, 0x7E, 0xAA};
} // namespace marker

// Page 14.
namespace levels {
constexpr int kRssiKind = 7;           // the low nybble: 1 VHF receiver, else UHF; the high nybble is kept
constexpr uint8_t kRssiKindMask = 0x0F;
constexpr int kLowerLevel = 1;         // minus the lower line level in dBm
constexpr int kUpperLevel = 0;         // minus the upper line level in dBm
constexpr uint8_t kLevelUnset = 255;   // reads as the level below
constexpr int kLowerUnsetDbm = -115;
constexpr int kUpperUnsetDbm = -90;
} // namespace levels

// Page 15. The function-tone time and the HLGT duration are stored in 2 ms units.
namespace durations {
constexpr int kFunctionTone = 7, kFiveTone = 6, kDtmf = 5, kHlgt = 4;
constexpr int kSelcallStandard = 3, kLet = 2, kLineOutAmp = 1, kLineInAmp = 0;
constexpr int kMsPerUnit = 2;
// Stored bytes that load as they are (10: the 20 ms the editor offers).
constexpr int kFunctionToneFirst = 10, kFunctionToneLast = 50;
constexpr int kFunctionToneDefaultMs = 40;                    // what any other byte loads as
constexpr int kHlgtFirstMs = 60, kHlgtLastMs = 200;           // durations that load as they are
constexpr int kHlgtDefaultMs = 120;
} // namespace durations

// Page 45.
namespace delays {
constexpr int kTxHi = 7, kTxLo = 6; // transmit path delay
constexpr int kRxHi = 5, kRxLo = 4; // receive path delay
constexpr int kOneTone = 0;         // 1: the module takes one-tone function commands
constexpr uint16_t kZeroWrittenAs = 1; // a delay of 0 goes into the page as 1
} // namespace delays

// Page 46.
namespace voting {
constexpr int kToneOnIdleHi = 7, kToneOnIdleLo = 6;
constexpr int kSlopeHi = 5, kSlopeLo = 4;   // sliding-tone mode only
constexpr int kOffsetHi = 3, kOffsetLo = 2; // sliding-tone mode only, two's complement
constexpr int kLevelHi = 1, kLevelLo = 0;
constexpr uint8_t kNoSlidingTone = 0x80;     // tone-on-idle high byte: the sliding tone is off
constexpr uint16_t kDefaultLevel = 10338;    // what a stored level of 0 loads as
} // namespace voting

// Page 47: in sliding-tone mode four words; otherwise the RSSI preset of the band.
namespace votingtone {
constexpr int kMuteHi = 7, kMuteLo = 6;
constexpr int kLowerHi = 5, kLowerLo = 4;
constexpr int kUpperHi = 3, kUpperLo = 2;
constexpr int kAlarmHi = 1, kAlarmLo = 0;
constexpr Bytes7to0 kVhfPreset{157, 0, 12, 0, 17, 0, 22, 0};
constexpr Bytes7to0 kUhfPreset{67, 0, 17, 0, 21, 0, 29, 0};
} // namespace votingtone

// Signal-processor tables: four words a page unless said otherwise.
namespace tables {
constexpr int kWordsPerPage = 4;
// High byte of word k (0..3) of a page; its low byte is the next lower byte.
constexpr int wordHighByte(int k) { return kPageSize - 1 - 2 * k; }

constexpr int kFilterWords = 32;       // words written of a filter table (8 pages)
constexpr int kFilterCoefficients = 25; // C0..C24 of a filter row; the other words are 0
constexpr int kKeytoneTableA = 16;     // pages 16-23: the 'p' row of the keytone
constexpr int kFnToneCoefficients = 24; // pages 24-31 and word 0 of page 32: "FN_Tones" C0..C32
constexpr int kFnToneCoefficientCount = 33;
constexpr int kSelcallTable = 32;      // count word, then (cosine, sine) of each tone, last tone first
constexpr int kSelcallTones = 24;      // tone columns C0..C23 of a standard
constexpr int kKeytoneTableB = 48;     // pages 48-55: the 'n' row of the keytone
constexpr int kSharedFilterTable = 56; // pages 56-63: keytone, tone-on-idle or sliding-tone table
constexpr int kMuteTable = 64;         // pages 64-95: 128 mute words in ID order
constexpr int kMuteWords = 128;

// Selcall tone codes: C2..C17 of the standard's code row, code j in page 216 + j / 4 with its
// high byte in byte 2 (j mod 4) and its low byte in the byte above it.
constexpr int kSelcallCodes = 216;
constexpr int kSelcallCodeCount = 16;
constexpr int kSelcallCodeFirstColumn = 2;
constexpr int selcallCodeHighByte(int j) { return 2 * (j % kWordsPerPage); }

constexpr int kSlideToneFrequency = 2500;  // table of the sliding voting tone
constexpr int kZeroRT10Frequency = 3000;   // table when no voting mode is chosen
} // namespace tables

// Pages of the Morse station ident: a bit stream from page 223 downward.
constexpr int kMorseIdentTopPage = 223;
constexpr int kMorseIdentPages = 4; // pages 220-223, 256 bits

// Alarm and confirmation records 1-16: 8 bytes each, record byte i in page byte 7 - i.
namespace alarms {
constexpr int kCount = 16;
constexpr int kFirstLowPage = 208;  // alarm 1; alarms 1-8 in pages 208-215
constexpr int kFirstHighPage = 192; // alarm 9; alarms 9-16 in pages 192-199
constexpr int kLowCount = 8;
} // namespace alarms

// Function-tone actions: one code byte per table index 0..255, entry i in page 224 + i / 8,
// byte 7 - i mod 8. Index 16 a + b is the pair of tones a and b (0..14).
namespace fntones {
constexpr int kActionPages = 224; // pages 224-255
constexpr int kTableSize = 256;
constexpr int kToneCount = 15;    // tones 0..14: 650 + 100 t Hz
constexpr int kNoTone = 15;
constexpr int kPairCount = kToneCount * kToneCount;
constexpr int kFirstToneHz = 650;
constexpr int kToneStepHz = 100;
constexpr uint8_t kDoNothing = 255;
constexpr int pairIndex(int first, int second) { return 16 * first + second; }
constexpr int firstTone(int index) { return index / 16; }
constexpr int secondTone(int index) { return index % 16; }
} // namespace fntones

// Pages the program gives no meaning: carried as they are.
constexpr int kFirstFreePage = 96, kLastFreePage = 191;
constexpr int kFirstSparePage = 200, kLastSparePage = 207;
constexpr int kArchiveOnlyPage = 256;

} // namespace trlayout
