#pragma once
// The records of an MCF file of a radio module: a header with the module's identity, texts and
// timers, one record per channel, a version trailer (partition-16 modules only) and the option
// bytes. Numbers little-endian, texts blank-padded, no gaps between fields.
#include "shell/RecordFields.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace mcf {

using recordfields::Bytes;
using recordfields::LeDouble;
using recordfields::LeInt16;

constexpr int kPinLabels = 24; // "Pin<n>", "High", "Low" for pins 8 down to 1

struct MCFHeaderRecord {
    Bytes<8> serial;
    Bytes<16> userRemark;
    Bytes<16> customType;
    Bytes<15> moduleType;
    Bytes<50> fileName;      // the path the file was written to
    Bytes<8> kind;           // "MCF"
    Bytes<21> written;       // date and time of writing, "yyyy-mmm-dd hh:mm.ss"
    Bytes<8> writtenDay;     // date of writing, "dd-mm-yy"
    LeInt16 maxChannel;
    LeInt16 channelRecords;  // number of channel records that follow
    std::array<Bytes<10>, kPinLabels> pinLabels;
    LeInt16 currentChannel;
    LeDouble tailSeconds;
    LeInt16 transmitSeconds;
    LeInt16 lockoutSeconds;
    Bytes<6> firmware;
};
static_assert(sizeof(MCFHeaderRecord) == 406);
static_assert(offsetof(MCFHeaderRecord, userRemark) == 8);
static_assert(offsetof(MCFHeaderRecord, customType) == 24);
static_assert(offsetof(MCFHeaderRecord, moduleType) == 40);
static_assert(offsetof(MCFHeaderRecord, fileName) == 55);
static_assert(offsetof(MCFHeaderRecord, kind) == 105);
static_assert(offsetof(MCFHeaderRecord, written) == 113);
static_assert(offsetof(MCFHeaderRecord, writtenDay) == 134);
static_assert(offsetof(MCFHeaderRecord, maxChannel) == 142);
static_assert(offsetof(MCFHeaderRecord, channelRecords) == 144);
static_assert(offsetof(MCFHeaderRecord, pinLabels) == 146);
static_assert(offsetof(MCFHeaderRecord, currentChannel) == 386);
static_assert(offsetof(MCFHeaderRecord, tailSeconds) == 388);
static_assert(offsetof(MCFHeaderRecord, transmitSeconds) == 396);
static_assert(offsetof(MCFHeaderRecord, lockoutSeconds) == 398);
static_assert(offsetof(MCFHeaderRecord, firmware) == 400);

struct MCFChannelRecord {
    LeInt16 number;
    LeDouble megahertz;   // radio frequency (without the intermediate frequency), 0 for none
    LeDouble ctcssHertz;  // 0 for no tone
    LeInt16 deviation;
    LeInt16 reference;
    LeInt16 pins;
};
static_assert(sizeof(MCFChannelRecord) == 24);
static_assert(offsetof(MCFChannelRecord, megahertz) == 2);
static_assert(offsetof(MCFChannelRecord, ctcssHertz) == 10);
static_assert(offsetof(MCFChannelRecord, deviation) == 18);
static_assert(offsetof(MCFChannelRecord, reference) == 20);
static_assert(offsetof(MCFChannelRecord, pins) == 22);

struct MCFVersionTrailer {
    LeInt16 textLength;  // 5
    Bytes<5> version;    // "V3.02"
    LeInt16 partition;   // 16
};
static_assert(sizeof(MCFVersionTrailer) == 9);

struct MCFOptionBytes {
    uint8_t changeDefaultChanOnChanChange;
    uint8_t changeSelectType;
    uint8_t reverseToneBurst;
    uint8_t reverseToneBurstType;
    uint8_t lengthOfReverseToneBurst;
};
static_assert(sizeof(MCFOptionBytes) == 5);

constexpr int kHeaderSize = sizeof(MCFHeaderRecord);
constexpr int kChannelSize = sizeof(MCFChannelRecord);

// An MCF file as read: its header, its channel records, and what follows them where the file has it.
struct MCFFile {
    MCFHeaderRecord header;
    std::vector<MCFChannelRecord> channels;
    std::optional<MCFVersionTrailer> trailer;
    std::optional<MCFOptionBytes> optionBytes;
};

} // namespace mcf
