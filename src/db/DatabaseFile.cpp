#include "db/DatabaseFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace velmardb {

namespace {

// An SQLite connection closed on every path.
class Connection {
public:
    Connection() = default;
    ~Connection() { close(); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool open(const QString& path, int flags)
    {
        return sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, flags, nullptr) == SQLITE_OK;
    }
    bool close()
    {
        const bool closed = !db_ || sqlite3_close(db_) == SQLITE_OK;
        db_ = nullptr;
        return closed;
    }
    QString message() const { return db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("out of memory"); }

    // Runs an SQL text; on failure `why` holds SQLite's reason.
    bool exec(const QByteArray& sql, QString* why)
    {
        char* msg = nullptr;
        if (sqlite3_exec(db_, sql.constData(), nullptr, nullptr, &msg) == SQLITE_OK)
            return true;
        *why = msg ? QString::fromUtf8(msg) : message();
        sqlite3_free(msg);
        return false;
    }
    // The file's schema version; -1 when it cannot be read (no database).
    int userVersion()
    {
        sqlite3_stmt* st = nullptr;
        int version = -1;
        if (sqlite3_prepare_v2(db_, "PRAGMA user_version", -1, &st, nullptr) == SQLITE_OK
            && sqlite3_step(st) == SQLITE_ROW)
            version = sqlite3_column_int(st, 0);
        sqlite3_finalize(st);
        return version;
    }

private:
    sqlite3* db_ = nullptr;
};

bool failWith(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return false;
}

// The journal and log files SQLite keeps beside a database. Beside a path where no database is they
// belong to none: played into a new file of that name, a stale journal would "restore" pages of
// another database into it.
void removeLeftoverJournals(const QString& path)
{
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
}

bool readScript(const QString& script, QByteArray* sql, QString* error)
{
    QFile f(script);
    if (!f.open(QIODevice::ReadOnly))
        return failWith(error, QStringLiteral("Cannot read %1: %2").arg(script, f.errorString()));
    *sql = f.readAll();
    return true;
}

// The scripts that bring a database of version `from` to `to`: upgrade-<n>.sql beside the first
// script, one for each version after `from`.
QStringList upgradeScripts(const QStringList& scriptPaths, int from, int to)
{
    const QDir folder(scriptPaths.isEmpty() ? QString() : QFileInfo(scriptPaths.first()).absolutePath());
    QStringList scripts;
    for (int version = from + 1; version <= to; ++version)
        scripts << folder.filePath(QStringLiteral("upgrade-%1.sql").arg(version));
    return scripts;
}

// Runs the scripts in order on `db`.
bool runScripts(Connection& db, const QStringList& scriptPaths, QString* error)
{
    for (const QString& script : scriptPaths) {
        QByteArray sql;
        QString why;
        if (!readScript(script, &sql, error))
            return false;
        if (!db.exec(sql, &why))
            return failWith(error, QStringLiteral("%1: %2").arg(QFileInfo(script).fileName(), why));
    }
    return true;
}

// The version of the database the scripts make: they are run on a database in memory.
int scriptsVersion(const QStringList& scriptPaths, QString* error)
{
    Connection db;
    if (!db.open(QStringLiteral(":memory:"), SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY)) {
        failWith(error, QStringLiteral("Cannot run the scripts: %1").arg(db.message()));
        return -1;
    }
    return runScripts(db, scriptPaths, error) ? db.userVersion() : -1;
}

// Brings a database of version `from` to `to` with the upgrade scripts, all in one transaction.
bool upgradeDatabase(Connection& db, const QString& path, int from, int to, const QStringList& scriptPaths,
                     QString* error)
{
    const auto fail = [&](const QString& why) {
        QString ignored;
        db.exec("ROLLBACK", &ignored);
        return failWith(error,
                        QStringLiteral("Cannot upgrade %1 from version %2 to %3: %4 It is left as it was.")
                            .arg(path)
                            .arg(from)
                            .arg(to)
                            .arg(why));
    };
    QString why;
    if (!db.exec("BEGIN IMMEDIATE", &why) || !runScripts(db, upgradeScripts(scriptPaths, from, to), &why)
        || !db.exec(QStringLiteral("PRAGMA user_version = %1").arg(to).toUtf8(), &why) || !db.exec("COMMIT", &why))
        return fail(why + QLatin1Char('.'));
    return true;
}

} // namespace

QStringList databaseScripts(const QString& sourceDir)
{
    const QDir d(sourceDir);
    return {d.filePath(QStringLiteral("data/schema.sql")), d.filePath(QStringLiteral("data/reference.sql"))};
}

bool createDatabase(const QString& path, const QStringList& scriptPaths, QString* error)
{
    if (QFileInfo::exists(path))
        return failWith(error, QStringLiteral("%1 is there already: it is not replaced.").arg(path));
    const QString tmp = path + QStringLiteral(".new");
    QFile::remove(tmp);
    removeLeftoverJournals(tmp);
    Connection db;
    const auto fail = [&](const QString& why) {
        db.close();
        QFile::remove(tmp);
        removeLeftoverJournals(tmp);
        return failWith(error, why);
    };
    if (!db.open(tmp, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE))
        return fail(QStringLiteral("Cannot create %1: %2").arg(tmp, db.message()));
    QString why;
    if (!runScripts(db, scriptPaths, &why))
        return fail(why);
    if (!db.close())
        return fail(QStringLiteral("Cannot finish %1").arg(tmp));
    // The new file takes the name only where still no file is.
    removeLeftoverJournals(path);
    if (QFileInfo::exists(path) || !QFile::rename(tmp, path))
        return fail(QStringLiteral("Cannot rename %1 to %2").arg(tmp, path));
    return true;
}

bool updateDatabase(const QString& path, const QStringList& scriptPaths, QString* error, DatabaseUpdate* done)
{
    if (!QFileInfo::exists(path)) {
        if (!createDatabase(path, scriptPaths, error))
            return false;
        if (done)
            *done = DatabaseUpdate::Made;
        return true;
    }
    // An existing file: its own journal, if any, is what finishes or undoes its last change.
    Connection db;
    if (!db.open(path, SQLITE_OPEN_READWRITE))
        return failWith(error, QStringLiteral("Cannot open %1: %2").arg(path, db.message()));
    const int target = scriptsVersion(scriptPaths, error);
    if (target < 0)
        return false;
    const int version = db.userVersion();
    if (version < 0)
        return failWith(error, QStringLiteral("Cannot read %1: %2. It is left as it is.").arg(path, db.message()));
    if (version == 0)
        return failWith(error, QStringLiteral("%1 is not a Velmar database. It is left as it is.").arg(path));
    if (version > target)
        return failWith(error,
                        QStringLiteral("%1 was made by a newer version of Velmar (version %2; this one works with "
                                       "version %3). It is left as it is.")
                            .arg(path)
                            .arg(version)
                            .arg(target));
    if (version < target && !upgradeDatabase(db, path, version, target, scriptPaths, error))
        return false;
    if (!db.close())
        return failWith(error, QStringLiteral("Cannot finish %1: %2").arg(path, db.message()));
    if (done)
        *done = version < target ? DatabaseUpdate::Upgraded : DatabaseUpdate::UpToDate;
    return true;
}

} // namespace velmardb
