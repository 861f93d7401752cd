// The archive file of a radio module: the whole page image behind five header records, each
// record 8 data bytes and their exclusive-or.
#include "radio/CLASSOrvDocument.h"

#include "db/ArchiveFile.h"
#include "db/PageFields.h"
#include "radio/RadioFailure.h"
#include "shell/ByteCodecs.h"

using namespace radiolayout;
using recordfields::Bytes;

namespace {

constexpr int kHeaderRecords = 5;
const archivefile::Kind kRadioArchive{"a radio archive", modulekind::kRadio, kHeaderRecords, kIdentityPage, kLastPage};

// Byte j of a value: the low 8 bits of the value divided by 256 to the power j.
uint8_t byteOf(int64_t value, int j) { return static_cast<uint8_t>((value / (int64_t{1} << (8 * j))) & 0xFF); }

// 32 bits, least significant byte first, into record bytes from..from+3.
void putLong(Bytes<8>& data, int from, int64_t value)
{
    for (int j = 0; j < 4; ++j)
        data[static_cast<std::size_t>(from + j)] = byteOf(value, j);
}

int32_t longAt(const Bytes<8>& data, int from)
{
    uint32_t v = 0;
    for (int j = 3; j >= 0; --j)
        v = (v << 8) | data[static_cast<std::size_t>(from + j)];
    return static_cast<int32_t>(v);
}

int16_t wordAt(const Bytes<8>& data, int from) { return recordfields::int16Of({data[from], data[from + 1]}); }

} // namespace

int16_t CLASSOrvDocument::intDocument2Archive(const QString& path)
{
    if (intEditSystem() != 0)
        return -1;
    return radiodoc::trapped([&]() -> int16_t {
        archivefile::Writer file(*this, kHeaderRecords, kLastPage);
        Bytes<8> band{};
        putLong(band, 0, lngLowerFreql);
        putLong(band, 4, lngUpperFreql);
        file.add(band);

        Bytes<8> references{byteOf(lngRef1, 0), byteOf(lngRef1, 1), byteOf(lngRef2, 0), byteOf(lngRef2, 1)};
        if (basVelmar::intLongToBytes(lngIntFreq, references[7], references[6], references[5], references[4]) != 0)
            return -1;
        file.add(references);

        Bytes<8> synthesizer{};
        putLong(synthesizer, 0, lngTCXOFreq);
        synthesizer[4] = byteOf(intPrescalar, 0);
        synthesizer[5] = byteOf(intPrescalar, 1);
        file.add(synthesizer);

        file.addPages(*this);
        file.save(path);
        fModified = false;
        return 0;
    });
}

int16_t CLASSOrvDocument::intArchive2Document(const QString& path)
{
    return radiodoc::trapped([&]() -> int16_t {
        archivefile::Reader file(path, kPageCount);
        const archivefile::Identity identity = file.header(kRadioArchive);

        // Read beside the document, which takes it over only when the whole file has been read.
        CLASSOrvDocument loaded(*this);
        const Bytes<8> band = file.next();
        loaded.lngLowerFreql = longAt(band, 0);
        loaded.lngUpperFreql = longAt(band, 4);
        const Bytes<8> references = file.next();
        loaded.lngRef1 = pagefields::word(references, 1);
        loaded.lngRef2 = pagefields::word(references, 3);
        basVelmar::intBytesToLong(loaded.lngIntFreq, references[7], references[6], references[5], references[4]);
        const Bytes<8> synthesizer = file.next();
        loaded.lngTCXOFreq = longAt(synthesizer, 0);
        loaded.intPrescalar = wordAt(synthesizer, 4);
        file.skipHeaders(identity.headerRecords);
        file.readPages(loaded, identity.lastPage);
        file.requireSameKind(loaded, identity);

        loaded.intDocumentFrom = kFromArchive;
        loaded.strDocumentFileName = path;
        loaded.fModified = true;
        if (loaded.intInitSystemInfo() != 0)
            return -1;
        loaded.takeModelNotInArchive();
        *this = loaded;
        return 0;
    });
}
