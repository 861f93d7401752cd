#pragma once
// The channel EPROM of a radio module as an image of 1856 bytes: one synthesizer record per
// channel, the channel frequencies in BCD, four texts and a blank tail. It is kept as a binary
// file (the image byte for byte) or as an Intel-HEX text of 16-byte data records.
#include "shell/RecordFields.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace eprom {

using recordfields::Bytes;

constexpr int kChannels = 128;
constexpr int kTextSize = 16;

// Counters of the synthesizer for one channel: B the main counter (10 bits), A the swallow
// counter (7 bits), R the reference divider (12 bits), T the CTCSS tone divider (12 bits; 2 for
// no tone). Each byte carries a nibble of T high and a nibble of a counter low.
struct SynthRecord {
    Bytes<8> bytes;
};
static_assert(sizeof(SynthRecord) == 8);

// The channel frequency less the intermediate frequency, in tens of Hz, as eight BCD digits.
struct FrequencyBcdRecord {
    Bytes<4> bytes;
};
static_assert(sizeof(FrequencyBcdRecord) == 4);

struct EpromImage {
    std::array<SynthRecord, kChannels> synth;
    std::array<FrequencyBcdRecord, kChannels> frequency;
    Bytes<kTextSize> model;
    Bytes<kTextSize> date;
    Bytes<kTextSize> serial;
    Bytes<kTextSize> remark;
    Bytes<256> tail;
};
static_assert(sizeof(EpromImage) == 1856);
static_assert(offsetof(EpromImage, frequency) == 1024);
static_assert(offsetof(EpromImage, model) == 1536);
static_assert(offsetof(EpromImage, date) == 1552);
static_assert(offsetof(EpromImage, serial) == 1568);
static_assert(offsetof(EpromImage, remark) == 1584);
static_assert(offsetof(EpromImage, tail) == 1600);

constexpr int kImageSize = sizeof(EpromImage);
constexpr int kNoTone = 2; // tone divider of a channel without tone

struct SynthCounters {
    int32_t b = 0;
    int32_t a = 0;
    int32_t r = 0;
    int32_t t = kNoTone;
};

// The counters of frequency `hz` on reference `ref` (both already halved for a doubled output):
// R from the TCXO, N = hz / ref split by the prescaler into B and A, B held at 1023 and A at 127.
// `prescaler` must not be 0; a reference of 0 gives R = B = A = 0.
SynthCounters synthCounters(int64_t hz, int64_t ref, int64_t tcxo, int prescaler, int32_t toneDivider);
SynthRecord synthRecord(const SynthCounters& c);
// T as the readers take it: from the high nibbles of bytes 6, 4 and 2.
int32_t toneDividerOf(const SynthRecord& r);
// True when the record has the nibble pattern of a synthesizer record (T twice, B's low bits in place).
bool isSynthRecord(const SynthRecord& r);

// The lowest eight decimal digits of v (not negative).
FrequencyBcdRecord frequencyRecord(int64_t v);
// The eight digits as a number; nothing when a digit is not decimal.
std::optional<int64_t> frequencyOf(const FrequencyBcdRecord& r);

// The texts of the image as the binary file holds them: the text, NUL, character 255, blanks;
// cut at 16 characters.
Bytes<kTextSize> binTextField(const QString& text);
// A binary text field cut at its NUL, then at its character 255, without blanks at either end.
QString binTextOf(const Bytes<kTextSize>& field);

// The texts as the Intel-HEX file holds them (no NUL mark): the model behind a blank, cut at 14
// characters and closed by 255; the date; the serial cut at 11; each of the three filled with 255;
// the remark padded with blanks.
Bytes<kTextSize> hexModelField(const QString& model);
Bytes<kTextSize> hexDateField(const QString& date);
Bytes<kTextSize> hexSerialField(const QString& serial);
Bytes<kTextSize> hexRemarkField(const QString& remark);
// The 16 bytes after the texts in the Intel-HEX file: fifteen blanks and "/".
Bytes<kTextSize> hexClosingField();
// An Intel-HEX text field up to its first byte whose high digit is 0 or F, without blanks at
// either end.
QString hexTextOf(const Bytes<kTextSize>& field);

// Intel-HEX: the data records cover addresses 0 to 1615 of the image.
constexpr int kHexDataLines = 101;
constexpr int kHexLineBytes = 16;
constexpr int kHexLineLength = 43;        // ":" count address type, 16 data bytes, checksum
constexpr int kHexNotesLength = 255;      // the notes line after the end line
constexpr int kHexChannelLines = 96;      // synthesizer and frequency records
constexpr int kHexTextLines = 4;          // model, date, serial, remark

// A data record line, without its line end: ":10", address, "00", data, checksum, upper case.
QByteArray hexDataLine(uint16_t address, const Bytes<kHexLineBytes>& data);
// The data of a record line (line end removed) that holds 16 bytes at `address`; nothing when the
// line is no such record or its checksum is wrong.
std::optional<Bytes<kHexLineBytes>> hexDataOf(const QByteArray& line, uint16_t address);
// The end-of-file record.
QByteArray hexEndLine();

} // namespace eprom
