// A database the program has used opens again from a folder its user cannot write and lists its
// modules, also a file an earlier version left in write-ahead-log mode; a full disk at start-up is
// named; a file that cannot be read is reported with the system's reason, not as "no database".
#include "DbFixture.h"

#include "db/CRADIO.h"
#include "db/DatabaseOpening.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kUnprivileged = 65534;  // nobody

// What a user sees of the database at `path`: the serial numbers of its modules, then the texts
// of the messages shown.
QString listModules(const QString& path)
{
    CLASSOrvDB::releaseInstance();
    basVelmar::gDatabasePath = path;
    QStringList seen;
    const platform::MsgBoxHandler previous = platform::setMsgBoxHandler([&](const platform::MsgBoxRequest& r) {
        seen << r.prompt;
        return platform::vbOK;
    });
    try {
        QList<std::shared_ptr<CRADIO>> modules;
        if (CLASSOrvDB::instance().intGetModule(modules) == 0)
            for (const auto& m : modules)
                seen.prepend(m->strSerial);
    } catch (const EndProgramCalled&) {
    }
    platform::setMsgBoxHandler(previous);
    CLASSOrvDB::releaseInstance();
    return seen.join(QStringLiteral(" | "));
}

// listModules as a user without root's rights over files: this process when it has none, else a
// child that gives them up. Nothing when they cannot be given up.
std::optional<QString> listModulesAsUser(const QString& path)
{
    if (geteuid() != 0)
        return listModules(path);
    int out[2];
    if (pipe(out) != 0)
        return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        close(out[0]);
        QByteArray answer = "-";
        if (setgroups(0, nullptr) == 0 && setresgid(kUnprivileged, kUnprivileged, kUnprivileged) == 0
            && setresuid(kUnprivileged, kUnprivileged, kUnprivileged) == 0)
            answer = "+" + listModules(path).toUtf8();
        const ssize_t written = write(out[1], answer.constData(), static_cast<size_t>(answer.size()));
        _exit(written == answer.size() ? 0 : 1);
    }
    close(out[1]);
    QByteArray answer;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, n);
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!answer.startsWith('+'))
        return std::nullopt;
    return QString::fromUtf8(answer.mid(1));
}

// Leaves the file in write-ahead-log mode, as earlier versions of the program did on every open.
void putIntoWriteAheadLog(const QString& path)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

int journalModeByte(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(20).at(18) : -1;
}

} // namespace

class OpenPlacesTest : public DbFixture {
protected:
    void SetUp() override
    {
        DbFixture::SetUp();
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("site")));
        site = folder.file(QStringLiteral("site"));
        chmod(QFile::encodeName(folder.path()).constData(), 0755);
    }
    void TearDown() override
    {
        chmod(QFile::encodeName(site).constData(), 0755);
        DbFixture::TearDown();
    }
    // A database in the site folder that the program has opened and stored module 4711 in.
    QString usedDatabase(const QString& name)
    {
        const QString file = testsupport::makeDatabase(QDir(site).filePath(name));
        basVelmar::gDatabasePath = file;
        CLASSOrvDB::releaseInstance();
        storeModule(4711, {{2, textPage("abcdefgh")}});
        CLASSOrvDB::releaseInstance();
        chmod(QFile::encodeName(file).constData(), 0644);
        return file;
    }

    QString site;
};

TEST_F(OpenPlacesTest, ReadOnlyFolderStillOpensAndListsTheModules)
{
    const QString used = usedDatabase(QStringLiteral("used.mdb"));
    EXPECT_EQ(journalModeByte(used), 1) << "the program left the file in write-ahead-log mode";
    const QString earlier = usedDatabase(QStringLiteral("earlier.mdb"));
    putIntoWriteAheadLog(earlier);
    const QString unreadable = usedDatabase(QStringLiteral("unreadable.mdb"));
    chmod(QFile::encodeName(unreadable).constData(), 0);
    chmod(QFile::encodeName(site).constData(), 0555);

    const struct {
        const char* name;
        QString file;
        QString seen;
    } cases[] = {
        {"used once by the program", used, QStringLiteral("4711")},
        {"left in write-ahead-log mode by an earlier version", earlier, QStringLiteral("4711")},
        {"not readable by the user", unreadable,
         QStringLiteral("3146 The database '%1' cannot be opened: unable to open database file (%2).")
             .arg(unreadable, QString::fromLocal8Bit(std::strerror(EACCES)))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<QString> seen = listModulesAsUser(c.file);
        if (!seen)
            GTEST_SKIP() << "cannot give up root's rights to try a read-only folder";
        EXPECT_EQ(seen->toStdString(), c.seen.toStdString());
    }
}

// Earlier versions left the database in write-ahead-log mode, which needs room for the log beside
// it at every open: on a full disk the user learns which disk is full.
TEST_F(OpenPlacesTest, FullDiskAtStartUpIsNamed)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small disk needs root";
    const QString source = usedDatabase(QStringLiteral("source.mdb"));
    putIntoWriteAheadLog(source);
    QTemporaryDir mountPoint;
    ASSERT_TRUE(mountPoint.isValid());
    const QByteArray mp = QFile::encodeName(mountPoint.path());
    const QByteArray options = "size=" + QByteArray::number(QFileInfo(source).size() + 64 * 1024);
    if (mount("tmpfs", mp.constData(), "tmpfs", 0, options.constData()) != 0)
        GTEST_SKIP() << "cannot mount a small disk: " << std::strerror(errno);
    struct Unmount {
        QByteArray at;
        ~Unmount() { umount2(at.constData(), MNT_DETACH); }
    } unmount{mp};

    const QString path = mountPoint.filePath(QStringLiteral("velmar.mdb"));
    ASSERT_TRUE(QFile::copy(source, path));
    {
        QFile filler(mountPoint.filePath(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }

    basVelmar::gDatabasePath = path;
    CLASSOrvDB::releaseInstance();
    testsupport::ScriptedMsgBox box;
    box.expect(QStringLiteral("3146 The database '%1' cannot be opened: the disk that holds it (tmpfs mounted at %2, ")
                   .arg(path, mountPoint.path()));
    try {
        db();
        ADD_FAILURE() << "the program went on";
    } catch (const EndProgramCalled& e) {
        EXPECT_EQ(e.exitCode, 1);
    }
    ASSERT_EQ(box.shown().size(), 1);
    EXPECT_TRUE(box.shown()[0].prompt.endsWith(QStringLiteral("is full."))) << box.shown()[0].prompt.toStdString();
}

// The reasons SQLite and the system give, as the user reads them.
TEST(OpenFailureText, NamesTheRealCause)
{
    const QString path = QDir::tempPath() + QStringLiteral("/velmar.mdb");
    const struct {
        velmardb::SqliteFailure failure;
        int number;
        QString text;
    } cases[] = {
        {{SQLITE_NOTADB, 0, QStringLiteral("file is not a database")}, velmardb::kErrNotDatabase,
         QStringLiteral("The file '%1' is not a database (file is not a database).").arg(path)},
        {{SQLITE_CANTOPEN, EACCES, QStringLiteral("unable to open database file")}, velmardb::kErrDatabase,
         QStringLiteral("The database '%1' cannot be opened: unable to open database file (%2).")
             .arg(path, QString::fromLocal8Bit(std::strerror(EACCES)))},
        {{SQLITE_IOERR_SHMSIZE, ENOSPC, QStringLiteral("disk I/O error")}, velmardb::kErrDatabase,
         QStringLiteral("The database '%1' cannot be opened: the disk that holds it (").arg(path)},
        {{SQLITE_FULL, 0, QStringLiteral("database or disk is full")}, velmardb::kErrDatabase,
         QStringLiteral("is full.")},
    };
    for (const auto& c : cases) {
        const velmardb::OpenFailure f = velmardb::describeOpenFailure(path, c.failure);
        EXPECT_EQ(f.number, c.number) << c.text.toStdString();
        EXPECT_TRUE(f.text.contains(c.text)) << f.text.toStdString();
    }
}
