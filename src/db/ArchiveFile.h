#pragma once
// The archive file of a module document, the same frame for every kind of module: 9-byte records
// (ArchiveRecord); record 1 the firmware version, record 2 the number of header records, the last
// page, the configuration byte and the serial number; the further header records of the kind;
// then pages 0 to the last page, each page's bytes from byte 7 down to byte 0.
#include "db/ModuleKind.h"
#include "shell/ArchiveRecord.h"

#include <QByteArray>
#include <QString>

class CPageImage;

namespace archivefile {

using recordfields::Bytes;

constexpr int kRecordSize = sizeof(ArchiveRecord);

// What record 2 declares.
struct Identity {
    int headerRecords = 0;
    int lastPage = 0;
    int typeCode = -1; // the kind of module of its configuration byte
};

// What a kind of module's archive holds.
struct Kind {
    const char* archive;             // "a radio archive"
    const modulekind::Kind& modules; // the modules it holds
    int minHeaderRecords;
    int firstLastPage;
    int maxLastPage;
};

// A file made record by record.
class Writer {
public:
    // Records 1 and 2, from pages 1 and 2 of the image.
    Writer(const CPageImage& image, int headerRecords, int lastPage);
    void add(const Bytes<8>& data);
    // The page records of pages 0 to the last page.
    void addPages(const CPageImage& image);
    // Replaces the file in one step; a failure raises platform::Error and leaves the old file.
    void save(const QString& path) const;

private:
    QByteArray bytes_;
    int lastPage_;
};

// A file read record by record. Every refusal raises platform::Error(fileaccess::kBadFileFormat)
// with a message that names the file and the reason; a file that cannot be read raises
// platform::Error(fileaccess::kFileNotFound).
class Reader {
public:
    // Reads the file, as much of it as `maxPages` pages behind any header count can fill.
    Reader(const QString& path, int maxPages);

    // The next record, its check byte checked.
    Bytes<8> next();
    // Records 1 and 2. A module of another kind, fewer header records or a last page outside
    // the kind's range is refused.
    Identity header(const Kind& kind);
    // Reads (and checks) the header records after the last read up to record `headerRecords`.
    void skipHeaders(int headerRecords);
    // The page records of pages 0 to `lastPage` into the image.
    void readPages(CPageImage& image, int lastPage);
    // Refuses pages read into `image` whose page 2 is not of the document's kind, which record 2
    // declares: the document would work on the one and save the other.
    void requireSameKind(const CPageImage& image, const Identity& identity) const;

    [[noreturn]] void refuse(const QString& what) const;

private:
    QString path_;
    QByteArray file_;
    int read_ = 0;
};

} // namespace archivefile
