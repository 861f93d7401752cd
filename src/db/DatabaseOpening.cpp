#include "db/DatabaseOpening.h"

#include "db/DbQuery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <cstring>
#include <sqlite3.h>

namespace velmardb {
namespace {

// Bytes 18 and 19 of a database file's header: 2 and 2 in write-ahead-log mode.
bool isWriteAheadLogFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = f.read(20);
    return header.size() == 20 && header.startsWith("SQLite format 3") && header[18] == 2 && header[19] == 2;
}

sqlite3* handleOf(const QSqlDatabase& db)
{
    const QVariant v = db.driver() ? db.driver()->handle() : QVariant();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

QString diskOf(const QString& path)
{
    const QStorageInfo disk(QFileInfo(path).absolutePath());
    if (!disk.isValid())
        return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    return QStringLiteral("%1 mounted at %2, %3 bytes free")
        .arg(QString::fromLocal8Bit(disk.device()), QDir::toNativeSeparators(disk.rootPath()))
        .arg(disk.bytesAvailable());
}

} // namespace

bool needsReadOnlyOpen(const QString& path)
{
    return isWriteAheadLogFile(path) && !QFileInfo(QFileInfo(path).absolutePath()).isWritable();
}

void setDatabaseFile(QSqlDatabase& db, const QString& path, bool readOnly)
{
    db.setDatabaseName(path);
    if (!readOnly) {
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        return;
    }
    // A reader takes SQLite's locks like any other program on the file, so that a change another
    // program is saving meanwhile is read whole or not at all.
    if (isWriteAheadLogFile(path) && !QFileInfo::exists(path + QStringLiteral("-wal"))) {
        if (!QFileInfo(QFileInfo(path).absolutePath()).isWritable()) {
            // The log cannot be made beside the file, so no program can be writing it; and without
            // the log it can only be read as it stands.
            db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?immutable=1"));
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
            return;
        }
        // Reading makes the log files, and only a connection that may write takes them away again
        // when it closes the file last; keepFromWriting keeps it from writing anything else.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        return;
    }
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
}

bool keepFromWriting(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("PRAGMA query_only = ON"));
}

void keepRollbackJournal(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("PRAGMA journal_mode")) && q.next()
        && q.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0)
        q.exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
}

SqliteFailure lastFailure(const QSqlDatabase& db)
{
    SqliteFailure f;
    if (sqlite3* handle = handleOf(db)) {
        f.code = sqlite3_extended_errcode(handle);
        f.systemError = sqlite3_system_errno(handle);
        f.text = QString::fromUtf8(sqlite3_errmsg(handle));
    }
    return f;
}

SqliteFailure openFailure(const QSqlDatabase& db, const QString& path)
{
    SqliteFailure f{SQLITE_CANTOPEN, 0, errorText(db.lastError())};
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        f.systemError = errno;
    else
        ::close(fd);
    return f;
}

OpenFailure describeOpenFailure(const QString& path, const SqliteFailure& failure)
{
    const QString file = QDir::toNativeSeparators(path);
    const int primary = failure.code & 0xFF;
    if (failure.code == SQLITE_READONLY_ROLLBACK)
        return {kErrDatabase,
                QStringLiteral("The file '%1' holds an unfinished change from another program and must be "
                               "opened by it first.")
                    .arg(file)};
    if (primary == SQLITE_NOTADB)
        return {kErrNotDatabase, QStringLiteral("The file '%1' is not a database (%2).").arg(file, failure.text)};
    if (primary == SQLITE_FULL || failure.systemError == ENOSPC)
        return {kErrDatabase, QStringLiteral("The database '%1' cannot be opened: the disk that holds it (%2) is full.")
                                  .arg(file, diskOf(path))};
    QString cause = failure.text.isEmpty() ? QStringLiteral("the database does not answer") : failure.text;
    if (failure.systemError != 0)
        cause += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(std::strerror(failure.systemError)));
    return {kErrDatabase, QStringLiteral("The database '%1' cannot be opened: %2.").arg(file, cause)};
}

} // namespace velmardb
