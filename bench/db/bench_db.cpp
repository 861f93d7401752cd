// Times the page store: save and load of a 257-page tone-remote image and of a 145-page radio
// image (partition 16, 128 channels) in a database that already holds 1000 stored modules.
// Prints the median and the slowest of each; the target is under 20 ms for each operation.
#include "db/CLASSOrvDB.h"
#include "db/PageImage.h"
#include "support/Measure.h"
#include "support/StoredModules.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

class BenchPages : public CPageImage {
public:
    BenchPages(int pages, int last, bool toneRemote, int serial)
        : pages_(pages), last_(last), toneRemote_(toneRemote), image_(pages, QByteArray(kPageSize, '\0'))
    {
        strSerial = QString::number(serial);
        for (int p = 0; p < pages; ++p)
            for (int i = 0; i < kPageSize; ++i)
                image_[p][i] = static_cast<char>((p * 31 + i * 7 + serial) & 0xFF);
    }
    int16_t intWritePage(int page, const QByteArray& bytes) override
    {
        if (page < 0 || page >= pages_ || bytes.size() != kPageSize)
            return -1;
        image_[page] = bytes;
        return 0;
    }
    int16_t intReadPage(int page, QByteArray& bytes) const override
    {
        if (page < 0 || page >= pages_)
            return -1;
        bytes = image_[page];
        return 0;
    }
    int pageCount() const override { return pages_; }
    int lastStoredPage() const override { return last_; }
    bool isToneRemote() const override { return toneRemote_; }

private:
    int pages_, last_;
    bool toneRemote_;
    QList<QByteArray> image_;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    CLASSOrvDB& db = openNewDatabase(dir, "bench_db");
    storeModules(db, 100000, 1000);

    const int runs = 30;
    BenchPages tr(257, 256, true, 200000);
    BenchPages radio(149, 144, false, 200001);
    int32_t trID = 0, radioID = 0;

    const Figures trSave = measure("bench_db", runs, [&] { return db.intSaveOrvDocumentTR(tr) == 0; });
    db.intSerial2ModuleID(tr.strSerial, trID);
    const Figures trLoad = measure("bench_db", runs, [&] { return db.intOpenOrvDocumentTR(trID, tr) == 0; });
    const Figures radioSave = measure("bench_db", runs, [&] { return db.intSaveOrvDocument(radio) == 0; });
    db.intSerial2ModuleID(radio.strSerial, radioID);
    const Figures radioLoad = measure("bench_db", runs, [&] { return db.intOpenOrvDocument(radioID, radio) == 0; });

    std::printf("page store, %d runs each, database with 1000 stored modules (target < 20 ms each)\n", runs);
    std::printf("  save tone remote (257 pages): median %6.2f ms, slowest %6.2f ms\n", trSave.median, trSave.slowest);
    std::printf("  load tone remote (257 pages): median %6.2f ms, slowest %6.2f ms\n", trLoad.median, trLoad.slowest);
    std::printf("  save radio (145 pages):       median %6.2f ms, slowest %6.2f ms\n", radioSave.median, radioSave.slowest);
    std::printf("  load radio (145 pages):       median %6.2f ms, slowest %6.2f ms\n", radioLoad.median, radioLoad.slowest);
    CLASSOrvDB::releaseInstance();
    return 0;
}
