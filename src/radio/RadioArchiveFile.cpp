// The archive file of a radio module: the whole page image behind five header records, each
// record 8 data bytes and their exclusive-or.
#include "radio/CLASSOrvDocument.h"

#include "db/PageFields.h"
#include "platform/AtomicFile.h"
#include "shell/ArchiveRecord.h"
#include "radio/RadioFailure.h"
#include "radio/RadioFileAccess.h"
#include "shell/ByteCodecs.h"
#include "shell/ModuleType.h"

using namespace radiolayout;
using recordfields::Bytes;

namespace {

constexpr int kHeaderRecords = 5;
constexpr int kRecordSize = sizeof(ArchiveRecord);
constexpr uint8_t kFirmwareMark = 3;
// Enough for any header count and page count the reader accepts.
constexpr qint64 kMaxArchiveBytes = qint64(kRecordSize) * (0x7FFF + kPageCount);

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

int16_t wordAt(const Bytes<8>& data, int from)
{
    return static_cast<int16_t>(data[static_cast<std::size_t>(from + 1)] * 256 + data[static_cast<std::size_t>(from)]);
}

} // namespace

int16_t CLASSOrvDocument::intDocument2Archive(const QString& path)
{
    if (intEditSystem() != 0)
        return -1;
    return radiodoc::trapped([&]() -> int16_t {
        QByteArray file;
        const auto append = [&](const Bytes<8>& data) { file += recordfields::bytesOf(archiverecord::make(data)); };

        append({at(kStatePage, 6), at(kStatePage, 7), at(kStatePage, 4), at(kStatePage, 5), kFirmwareMark, 0, 0, 0});
        append({kHeaderRecords, 0, byteOf(kLastPage, 0), byteOf(kLastPage, 1), at(kIdentityPage, identity::kConfig),
                at(kIdentityPage, identity::kSerialLow), at(kIdentityPage, identity::kSerialMid),
                at(kIdentityPage, identity::kSerialHigh)});

        Bytes<8> band{};
        putLong(band, 0, lngLowerFreql);
        putLong(band, 4, lngUpperFreql);
        append(band);

        Bytes<8> references{byteOf(lngRef1, 0), byteOf(lngRef1, 1), byteOf(lngRef2, 0), byteOf(lngRef2, 1)};
        if (basVelmar::intLongToBytes(lngIntFreq, references[7], references[6], references[5], references[4]) != 0)
            return -1;
        append(references);

        Bytes<8> synthesizer{};
        putLong(synthesizer, 0, lngTCXOFreq);
        synthesizer[4] = byteOf(intPrescalar, 0);
        synthesizer[5] = byteOf(intPrescalar, 1);
        append(synthesizer);

        for (int page = 0; page <= kLastPage; ++page)
            append({at(page, 7), at(page, 6), at(page, 5), at(page, 4), at(page, 3), at(page, 2), at(page, 1), at(page, 0)});

        platform::writeFileAtomically(path, file);
        fModified = false;
        return 0;
    });
}

int16_t CLASSOrvDocument::intArchive2Document(const QString& path)
{
    return radiodoc::trapped([&]() -> int16_t {
        const QByteArray file = radiofile::readFileStart(path, kMaxArchiveBytes);
        int next = 0;
        const auto record = [&]() {
            ++next;
            if (qsizetype(next) * kRecordSize > file.size())
                radiofile::refuse(path, QStringLiteral("ends before its record %1: it is no complete archive file.").arg(next));
            const auto r = recordfields::recordAt<ArchiveRecord>(file, qsizetype(next - 1) * kRecordSize);
            if (!archiverecord::checksOut(r))
                radiofile::refuse(path, QStringLiteral("is damaged: its record %1 fails its check byte.").arg(next));
            return r.data;
        };

        record(); // firmware: the pages carry it
        const Bytes<8> identityRecord = record();
        const int headerRecords = wordAt(identityRecord, 0);
        const int lastPage = wordAt(identityRecord, 2);
        if (!basVelmar::isRadioModule(basVelmar::intModuleTypeCode(identityRecord[4])))
            radiofile::refuse(path, QStringLiteral("is no archive of a receiver, transmitter or exciter."));
        if (headerRecords < kHeaderRecords)
            radiofile::refuse(path, QStringLiteral("declares %1 header records; a radio archive has at least %2.")
                                        .arg(headerRecords)
                                        .arg(kHeaderRecords));
        if (lastPage < kIdentityPage || lastPage > kLastPage)
            radiofile::refuse(path, QStringLiteral("declares %1 as its last page; a radio archive ends at a page from %2 to %3.")
                                        .arg(lastPage)
                                        .arg(kIdentityPage)
                                        .arg(kLastPage));

        // Read beside the document, which takes it over only when the whole file has been read.
        CLASSOrvDocument loaded(*this);
        const Bytes<8> band = record();
        loaded.lngLowerFreql = longAt(band, 0);
        loaded.lngUpperFreql = longAt(band, 4);
        const Bytes<8> references = record();
        loaded.lngRef1 = references[1] * 256 + references[0];
        loaded.lngRef2 = references[3] * 256 + references[2];
        basVelmar::intBytesToLong(loaded.lngIntFreq, references[7], references[6], references[5], references[4]);
        const Bytes<8> synthesizer = record();
        loaded.lngTCXOFreq = longAt(synthesizer, 0);
        loaded.intPrescalar = wordAt(synthesizer, 4);
        for (int i = kHeaderRecords + 1; i <= headerRecords; ++i)
            record();

        for (int page = 0; page <= lastPage; ++page)
            pagefields::writeReversed(loaded, page, recordfields::bytesOf(record()));

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
