// The archive file of a tone-remote module: the firmware and identity records, then all 257 pages.
#include "toneremote/COrvDocTR.h"

#include "db/ArchiveFile.h"
#include "shell/FailureTrap.h"

using namespace trlayout;

namespace {

constexpr int kHeaderRecords = 2;

const archivefile::Kind kToneRemoteArchive{"a tone-remote archive", modulekind::kToneRemote, kHeaderRecords, 0,
                                           kLastPage};

} // namespace

int16_t COrvDocTR::intDocument2Archive(const QString& strFileName)
{
    if (intEditSystem() != 0)
        return -1;
    return basVelmar::trapped([&]() -> int16_t {
        archivefile::Writer file(*this, kHeaderRecords, kLastPage);
        file.addPages(*this);
        file.save(strFileName);
        fModified = false;
        return 0;
    });
}

int16_t COrvDocTR::intArchive2Document(const QString& strFileName)
{
    return basVelmar::trapped([&]() -> int16_t {
        archivefile::Reader file(strFileName, kPageCount);
        const archivefile::Identity identity = file.header(kToneRemoteArchive);
        file.skipHeaders(identity.headerRecords);
        // Read beside the document, which takes it over only when the whole file has been read.
        COrvDocTR loaded(*this);
        file.readPages(loaded, identity.lastPage);
        file.requireSameKind(loaded, identity);
        loaded.intDocumentFrom = kFromArchive;
        loaded.strDocumentFileName = strFileName;
        loaded.fModified = true;
        if (loaded.intInitSystemInfo() != 0)
            return -1;
        *this = loaded;
        return 0;
    });
}
