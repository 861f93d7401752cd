#pragma once
// The frame of archive files of both document families: records of 8 data bytes and a check
// byte, the exclusive-or of the eight.
#include "shell/RecordFields.h"

struct ArchiveRecord {
    recordfields::Bytes<8> data;
    uint8_t check;
};
static_assert(sizeof(ArchiveRecord) == 9);

namespace archiverecord {

inline uint8_t checkOf(const recordfields::Bytes<8>& data)
{
    uint8_t x = 0;
    for (const uint8_t b : data)
        x ^= b;
    return x;
}

inline ArchiveRecord make(const recordfields::Bytes<8>& data) { return {data, checkOf(data)}; }

inline bool checksOut(const ArchiveRecord& r) { return checkOf(r.data) == r.check; }

} // namespace archiverecord
