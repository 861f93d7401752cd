// Saves whose bytes cannot all reach the disk, for every file the program writes: with a file-size
// limit (every machine) and on a full disk (where the test may mount a small tmpfs). The save
// reports the failure once, naming the file; the old file stays byte for byte; a document stays
// changed. Without the limit the same save goes through, so the row shows the limit was the cause.
#include "DocumentKind.h"

#include "db/CLASSOrvDB.h"
#include "db/LookupTables.h"
#include "radio/CLASSOrvDocument.h"
#include "shell/Globals.h"
#include "shell/IniAccess.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr uint32_t kSerial = 0x012345;

// One file the program writes: the save of a changed document (or of the settings file).
// Gives the save's status and sets `modified` to the document's changed flag afterwards.
struct SavedFile {
    const char* name;
    const char* fileName;
    std::function<int16_t(const QString& path, bool& modified)> save;
};

// A changed document of the kind, holding the module's memory.
std::unique_ptr<CPageImage> changedDocument(const DocumentKind& kind)
{
    std::unique_ptr<CPageImage> doc = kind.make();
    kind.load(*doc, kind.moduleImage(kSerial));
    kind.modified(*doc) = true;
    return doc;
}

int16_t saveRadio(const QString& path, bool& modified, int16_t (CLASSOrvDocument::*save)(const QString&))
{
    std::unique_ptr<CPageImage> doc = changedDocument(radioDocumentKind());
    auto& radio = dynamic_cast<CLASSOrvDocument&>(*doc);
    const int16_t status = (radio.*save)(path);
    modified = radio.fModified;
    return status;
}

const SavedFile kSavedFiles[] = {
    {"RadioArchive", "MODULE.MCF",
     [](const QString& path, bool& modified) {
         return saveRadio(path, modified, &CLASSOrvDocument::intDocument2Archive);
     }},
    {"ToneRemoteArchive", "REMOTE.MCF",
     [](const QString& path, bool& modified) {
         const DocumentKind kind = toneRemoteDocumentKind();
         std::unique_ptr<CPageImage> doc = changedDocument(kind);
         const int16_t status = kind.toArchive(*doc, path);
         modified = kind.modified(*doc);
         return status;
     }},
    {"Mcf", "OLD.MCF",
     [](const QString& path, bool& modified) { return saveRadio(path, modified, &CLASSOrvDocument::intDocument2MCF); }},
    {"Bin", "EPROM.BIN",
     [](const QString& path, bool& modified) { return saveRadio(path, modified, &CLASSOrvDocument::intDocument2BIN); }},
    {"Hex", "EPROM.HEX",
     [](const QString& path, bool& modified) { return saveRadio(path, modified, &CLASSOrvDocument::intDocument2HEX); }},
    {"Ini", "velmar.ini",
     [](const QString& path, bool& modified) {
         // No document: what is changed is the setting, until it is written.
         modified = !basVelmar::WriteIniString(QStringLiteral("Comms"), QStringLiteral("PortNumber"),
                                               QStringLiteral("3"), path);
         return int16_t(modified ? -1 : 0);
     }},
};

enum class Shortage { FileSizeLimit, FullDisk };

struct SaveFailureCase {
    Shortage shortage;
    SavedFile file;
};

void PrintTo(const SaveFailureCase& c, std::ostream* os)
{
    *os << (c.shortage == Shortage::FileSizeLimit ? "FileSizeLimit_" : "FullDisk_") << c.file.name;
}

// While it lives, no file of this process may grow beyond `bytes`; a write past it fails (the
// signal that would end the program is ignored, as a write then just reports "File too large").
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0) << std::strerror(errno);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = SIG_DFL;
};

// A 64 KiB tmpfs mounted on `folder` while it lives; mounted() says whether this machine let it.
class SmallDisk {
public:
    explicit SmallDisk(const QString& folder) : folder_(QFile::encodeName(folder))
    {
        QDir().mkpath(folder);
        if (::mount("tmpfs", folder_.constData(), "tmpfs", 0, "size=64k") == 0)
            mounted_ = true;
        else
            reason_ = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(folder_.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const QString& reason() const { return reason_; }
    // Takes every byte left on the disk.
    void fill() const
    {
        QFile filler(QFile::decodeName(folder_) + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write(block.left(1)) == 1) {
        }
    }

private:
    QByteArray folder_;
    bool mounted_ = false;
    QString reason_;
};

class SaveFailure : public ::testing::TestWithParam<SaveFailureCase> {
protected:
    void SetUp() override
    {
        CLASSOrvDB::releaseInstance();
        basVelmar::gDatabasePath = testsupport::makeDatabase(folder_.file(QStringLiteral("velmar.mdb")));
        ASSERT_EQ(basVelmar::LoadLookupTables(), 0);
        boxes_.answerAll();
    }
    void TearDown() override
    {
        CLASSOrvDB::releaseInstance();
        basVelmar::gDatabasePath.clear();
    }

    testsupport::ProgramFolder folder_;
    testsupport::ScriptedMsgBox boxes_;
};

// What a file held before a save: more than the limit lets a file grow to, in a pattern no save writes.
QByteArray oldBytes()
{
    QByteArray bytes;
    for (int i = 0; i < 1386; ++i)
        bytes.append(char('A' + i % 26));
    return bytes;
}

} // namespace

TEST_P(SaveFailure, ReportsTheFileAndKeepsTheOldBytesAndTheChange)
{
    const SavedFile& file = GetParam().file;
    const QString folder = folder_.file(QStringLiteral("disk"));
    const QString path = QDir(folder).filePath(QString::fromLatin1(file.fileName));
    QDir().mkpath(folder);

    SmallDisk disk(folder);
    const bool fullDisk = GetParam().shortage == Shortage::FullDisk;
    if (fullDisk && !disk.mounted())
        GTEST_SKIP() << "a tmpfs cannot be mounted here (" << disk.reason().toStdString()
                     << "); the file-size limit rows stand for a full disk";
    testsupport::writeFile(path, oldBytes());

    bool modified = false;
    int16_t status = 0;
    if (fullDisk) {
        disk.fill();
        status = file.save(path, modified);
    } else {
        FileSizeLimit limit(16);
        status = file.save(path, modified);
    }

    EXPECT_EQ(status, -1);
    ASSERT_EQ(boxes_.texts().size(), 1) << boxes_.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(boxes_.texts().first().contains(QDir::toNativeSeparators(path)))
        << boxes_.texts().first().toStdString();
    EXPECT_TRUE(boxes_.texts().first().contains(fullDisk ? QStringLiteral("No space left on device")
                                                         : QStringLiteral("File too large")))
        << boxes_.texts().first().toStdString();
    EXPECT_EQ(testsupport::readFile(path), oldBytes()) << "the old file stays as it was";
    EXPECT_TRUE(modified) << "the document still counts as changed";
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), fullDisk ? 2 : 1)
        << "no temporary file is left behind: "
        << QDir(folder).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString();

    // With room again, the same save goes through.
    if (fullDisk)
        QFile::remove(QDir(folder).filePath(QStringLiteral("filler")));
    EXPECT_EQ(file.save(path, modified), 0);
    EXPECT_FALSE(modified);
    EXPECT_NE(testsupport::readFile(path), oldBytes());
}

namespace {

std::vector<SaveFailureCase> saveFailureCases()
{
    std::vector<SaveFailureCase> cases;
    for (Shortage s : {Shortage::FileSizeLimit, Shortage::FullDisk})
        for (const SavedFile& f : kSavedFiles)
            cases.push_back({s, f});
    return cases;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(EveryFileTheProgramWrites, SaveFailure, ::testing::ValuesIn(saveFailureCases()),
                         [](const ::testing::TestParamInfo<SaveFailureCase>& info) {
                             return std::string(info.param.shortage == Shortage::FileSizeLimit ? "FileSizeLimit_"
                                                                                               : "FullDisk_")
                                 + info.param.file.name;
                         });
