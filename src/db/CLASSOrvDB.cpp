// The database object itself: creation with the missing-file dialogue, the connection and reopening.
#include "db/CLASSOrvDB.h"

#include "db/DatabaseFile.h"
#include "db/DatabaseOpening.h"
#include "db/DbQuery.h"
#include "db/OrvDBGuard.h"
#include "db/PageFields.h"
#include "platform/EndProgram.h"
#include "platform/FileDialogs.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "shell/Globals.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <filesystem>
#include <system_error>

using platform::MsgBox;

namespace {

QString missingFileText(const QString& path) { return QStringLiteral("Could not find file '%1'.").arg(path); }

// A database that cannot be used at start-up: the error's number, then its description.
void showStartUpFailure(const platform::Error& e)
{
    MsgBox(QString::number(e.number()) + QLatin1Char(' ') + e.description(), platform::vbOKOnly);
}

} // namespace

CLASSOrvDB* CLASSOrvDB::instance_ = nullptr;

CLASSOrvDB::CLASSOrvDB() = default;

CLASSOrvDB::~CLASSOrvDB()
{
    if (!connection_.isEmpty())
        closeConnection(connection_);
}

CLASSOrvDB& CLASSOrvDB::instance()
{
    if (!instance_) {
        std::unique_ptr<CLASSOrvDB> created(new CLASSOrvDB);
        created->openAtStartUp();
        instance_ = created.release();
    }
    return *instance_;
}

void CLASSOrvDB::releaseInstance()
{
    delete instance_;
    instance_ = nullptr;
}

QSqlDatabase CLASSOrvDB::dbAccess() const
{
    return connection_.isEmpty() ? QSqlDatabase() : QSqlDatabase::database(connection_, false);
}

bool CLASSOrvDB::isOpen() const { return dbAccess().isOpen(); }

void CLASSOrvDB::openAtStartUp()
{
    const QString path = basVelmar::gDatabasePath;
    try {
        if (!QFileInfo(path).isFile())
            throw platform::Error(velmardb::kErrFileNotFound, missingFileText(path));
        switchTo(openConnection(path), path);
        return;
    } catch (const platform::Error& e) {
        if (e.number() != velmardb::kErrFileNotFound) {
            showStartUpFailure(e);
            platform::EndProgram(1);
            return;
        }
    }

    if (MsgBox(QStringLiteral("Can't find VELMAR.MDB, Continue [Yes] or quit [NO}?"), platform::vbYesNo) != platform::vbYes) {
        platform::EndProgram(0);
        return;
    }
    const std::optional<QString> chosen = platform::ShowOpen(kDialogFileName, kDialogFilter);
    if (!chosen) {
        MsgBox(QStringLiteral("Quit from VelmarWin"), platform::vbOKOnly);
        platform::EndProgram(0);
        return;
    }
    try {
        if (!QFileInfo(*chosen).isFile())
            throw platform::Error(velmardb::kErrFileNotFound, missingFileText(*chosen));
        switchTo(openConnection(*chosen), *chosen);
    } catch (const platform::Error& e) {
        showStartUpFailure(e);
        platform::EndProgram(1);
    }
}

QString CLASSOrvDB::openConnection(const QString& path, Access access)
{
    // A file that an earlier version left in write-ahead-log mode, in a folder that cannot take the
    // log, can only be read.
    const bool readOnly = access == Access::ReadOnly || velmardb::needsReadOnlyOpen(path);
    static int opened = 0;
    const QString name = QStringLiteral("velmar-db-%1").arg(++opened);
    QString failure;
    int number = velmardb::kErrNotDatabase;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        velmardb::setDatabaseFile(db, path, readOnly);
        const auto fail = [&](const velmardb::OpenFailure& f) {
            number = f.number;
            failure = f.text;
        };
        if (!db.open()) {
            fail(velmardb::describeOpenFailure(path, velmardb::openFailure(db, path)));
        } else {
            // SQLite opens any file; the first statement tells whether it can be read and is a
            // database, the schema version whether it is this program's.
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("PRAGMA schema_version")) || !q.next()) {
                fail(velmardb::describeOpenFailure(path, velmardb::lastFailure(db)));
            } else if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()
                       || q.value(0).toInt() != velmardb::kSchemaVersion) {
                // A newer program's file is left as it is: this program does not know its tables.
                failure = q.isValid() && q.value(0).toInt() > velmardb::kSchemaVersion
                    ? QStringLiteral("The file '%1' was made by a newer version of Velmar.").arg(path)
                    : QStringLiteral("The file '%1' is not a Velmar database.").arg(path);
            } else if (readOnly) {
                // Nothing is written through this connection: it keeps the file's settings.
                if (!velmardb::keepFromWriting(db))
                    fail(velmardb::describeOpenFailure(path, velmardb::lastFailure(db)));
            } else if (!q.exec(QStringLiteral("PRAGMA foreign_keys = ON"))
                       || !q.exec(QStringLiteral("PRAGMA synchronous = FULL"))) {
                failure = velmardb::errorText(q.lastError());
                number = velmardb::kErrDatabase;
            } else {
                velmardb::keepRollbackJournal(db);
            }
        }
    }
    if (!failure.isEmpty()) {
        closeConnection(name);
        throw platform::Error(number, failure);
    }
    return name;
}

void CLASSOrvDB::closeConnection(const QString& name)
{
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void CLASSOrvDB::switchTo(const QString& connection, const QString& path)
{
    const QString previous = connection_;
    connection_ = connection;
    strDBName_ = path;
    basVelmar::gDatabasePath = path;
    rememberedCTCSS_.reset();
    if (!previous.isEmpty())
        closeConnection(previous);
}

CLASSOrvDB::ImportSource::ImportSource(const QString& path)
{
    if (!QFileInfo(path).isFile())
        throw platform::Error(velmardb::kErrFileNotFound, missingFileText(path));
    connection_ = openConnection(path, Access::ReadOnly);
}

CLASSOrvDB::ImportSource::~ImportSource() { closeConnection(connection_); }

QSqlDatabase CLASSOrvDB::ImportSource::db() const { return QSqlDatabase::database(connection_, false); }

bool CLASSOrvDB::isOpenDatabaseFile(const QString& path) const
{
    // The same file on the disk: another spelling of its path, a symbolic or a hard link.
    std::error_code error;
    return std::filesystem::equivalent(std::filesystem::path(path.toStdU16String()),
                                       std::filesystem::path(strDBName_.toStdU16String()), error);
}

int16_t CLASSOrvDB::intReopenDB(const QString& strAccessFileName)
{
    return guarded([&]() -> int16_t {
        if (!QFileInfo(strAccessFileName).isFile())
            throw platform::Error(velmardb::kErrFileNotFound, missingFileText(strAccessFileName));
        switchTo(openConnection(strAccessFileName), strAccessFileName);
        return 0;
    });
}

int32_t CLASSOrvDB::serialValue(const QString& strSerial)
{
    bool digitsOnly = !strSerial.isEmpty();
    for (const QChar c : strSerial)
        digitsOnly = digitsOnly && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    qsizetype first = 0;
    while (digitsOnly && first < strSerial.size() - 1 && strSerial[first] == QLatin1Char('0'))
        ++first;
    const QString significant = strSerial.mid(first);
    const int value = digitsOnly && significant.size() <= 8 ? significant.toInt() : -1;
    if (!pagefields::isSerialNumber(value))
        throw platform::Error(velmardb::kErrTypeMismatch,
                              QStringLiteral("The serial number [%1] is not valid: a serial number is a whole number "
                                             "from 0 to %2.")
                                  .arg(strSerial)
                                  .arg(pagefields::kMaxSerial));
    return value;
}

