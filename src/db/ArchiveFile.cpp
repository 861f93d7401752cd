#include "db/ArchiveFile.h"

#include "db/FileAccess.h"
#include "db/PageFields.h"
#include "db/PageImage.h"
#include "platform/AtomicFile.h"
#include "platform/PlatformError.h"
#include "shell/ModuleType.h"

namespace archivefile {
namespace {

using pagefields::kIdentityPage;
using pagefields::kSerialHigh;
using pagefields::kSerialLow;
using pagefields::kSerialMid;

// Where every module keeps the rest of what records 1 and 2 carry: the firmware version in bytes
// 7-4 of page 1, the configuration byte in byte 2 of page 2.
constexpr int kStatePage = 1;
constexpr int kConfigByte = 2;
constexpr uint8_t kFirmwareMark = 3;
// Byte 4 of record 2: the configuration byte.
constexpr int kConfigByteOfRecord = 4;
// The largest header count the file's 16-bit field can declare.
constexpr int kMaxHeaderRecords = 0x7FFF;
constexpr int kPageSize = CPageImage::kPageSize;

// A page of the image, byte 0 first; a page the image does not give raises.
QByteArray pageOf(const CPageImage& image, int page)
{
    QByteArray bytes;
    if (image.intReadPage(page, bytes) != 0 || bytes.size() != kPageSize)
        throw platform::Error(platform::kFileWriteError, QStringLiteral("The document has no page %1.").arg(page));
    return bytes;
}

uint8_t at(const QByteArray& page, int byte) { return static_cast<uint8_t>(page.at(byte)); }

int16_t wordAt(const Bytes<8>& data, int from) { return recordfields::int16Of({data[from], data[from + 1]}); }

} // namespace

Writer::Writer(const CPageImage& image, int headerRecords, int lastPage) : lastPage_(lastPage)
{
    const QByteArray state = pageOf(image, kStatePage);
    const QByteArray identity = pageOf(image, kIdentityPage);
    add({at(state, 6), at(state, 7), at(state, 4), at(state, 5), kFirmwareMark, 0, 0, 0});
    const recordfields::LeInt16 count = recordfields::int16Field(static_cast<int16_t>(headerRecords));
    const recordfields::LeInt16 last = recordfields::int16Field(static_cast<int16_t>(lastPage));
    add({count[0], count[1], last[0], last[1], at(identity, kConfigByte), at(identity, kSerialLow),
         at(identity, kSerialMid), at(identity, kSerialHigh)});
}

void Writer::add(const Bytes<8>& data) { bytes_ += recordfields::bytesOf(archiverecord::make(data)); }

void Writer::addPages(const CPageImage& image)
{
    for (int page = 0; page <= lastPage_; ++page)
        add(recordfields::recordAt<Bytes<8>>(pagefields::reversed(pageOf(image, page)), 0));
}

void Writer::save(const QString& path) const { platform::writeFileAtomically(path, bytes_); }

Reader::Reader(const QString& path, int maxPages)
    : path_(path), file_(fileaccess::readFileStart(path, qint64(kRecordSize) * (kMaxHeaderRecords + maxPages)))
{}

void Reader::refuse(const QString& what) const { fileaccess::refuse(path_, what); }

Bytes<8> Reader::next()
{
    ++read_;
    if (qsizetype(read_) * kRecordSize > file_.size())
        refuse(QStringLiteral("ends before its record %1: it is no complete archive file.").arg(read_));
    const auto r = recordfields::recordAt<ArchiveRecord>(file_, qsizetype(read_ - 1) * kRecordSize);
    if (!archiverecord::checksOut(r))
        refuse(QStringLiteral("is damaged: its record %1 fails its check byte.").arg(read_));
    return r.data;
}

Identity Reader::header(const Kind& kind)
{
    next(); // the firmware version: the pages carry it
    const Bytes<8> data = next();
    const Identity identity{wordAt(data, 0), wordAt(data, 2), basVelmar::intModuleTypeCode(data[kConfigByteOfRecord])};
    if (!kind.modules.isKind(identity.typeCode))
        refuse(QStringLiteral("is no archive of %1.").arg(QLatin1String(kind.modules.modules)));
    if (identity.headerRecords < kind.minHeaderRecords)
        refuse(QStringLiteral("declares %1 header records; %2 has at least %3.")
                   .arg(identity.headerRecords)
                   .arg(QLatin1String(kind.archive))
                   .arg(kind.minHeaderRecords));
    if (identity.lastPage < kind.firstLastPage || identity.lastPage > kind.maxLastPage)
        refuse(QStringLiteral("declares %1 as its last page; %2 ends at a page from %3 to %4.")
                   .arg(identity.lastPage)
                   .arg(QLatin1String(kind.archive))
                   .arg(kind.firstLastPage)
                   .arg(kind.maxLastPage));
    return identity;
}

void Reader::skipHeaders(int headerRecords)
{
    while (read_ < headerRecords)
        next();
}

void Reader::readPages(CPageImage& image, int lastPage)
{
    for (int page = 0; page <= lastPage; ++page)
        if (image.intWritePage(page, pagefields::reversed(recordfields::bytesOf(next()))) != 0)
            refuse(QStringLiteral("holds page %1, which a document of its kind has not.").arg(page));
}

void Reader::requireSameKind(const CPageImage& image, const Identity& identity) const
{
    if (modulekind::holdsOwnKind(image))
        return;
    const int pageKind = modulekind::typeCode(image);
    const auto kindText = [](int code) {
        const QString text = basVelmar::strModuleTypeText(code);
        return text.isEmpty() ? QStringLiteral("unknown") : text;
    };
    refuse(QStringLiteral("is damaged: its record 2 is of a module of type %1, its page 2 of one of type %2.")
               .arg(kindText(identity.typeCode), kindText(pageKind)));
}

} // namespace archivefile
