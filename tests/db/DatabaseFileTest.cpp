// Making and updating the database file: a database that is there keeps every stored module; an
// older one is upgraded in place in one step, a newer one or a failed upgrade leaves the file byte
// for byte; a journal left beside the path is never played into a new database.
#include "db/DatabaseFile.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <sqlite3.h>

using testsupport::readFile;
using velmardb::DatabaseUpdate;

namespace {

// Runs SQL on a database file (made when missing); the test fails when it does not run.
void runSql(const QString& path, const QByteArray& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    char* msg = nullptr;
    const int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &msg);
    EXPECT_EQ(rc, SQLITE_OK) << (msg ? msg : "");
    sqlite3_free(msg);
    sqlite3_close(db);
}

// The first column of the first row of a query, as text ("" when there is none or it fails).
QString valueOf(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    QString value;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
            value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return value;
}

const QStringList& programScripts()
{
    static const QStringList scripts = velmardb::databaseScripts(QStringLiteral(VELMAR_SOURCE_DIR));
    return scripts;
}

const char kStoreModule[] = "INSERT INTO tblModule (SERIALNUMBER, DATECREATE, DATEUPDATE) "
                            "VALUES (1001, '2026-01-02 03:04:05', '2026-01-02 03:04:05');"
                            "INSERT INTO tblModulePage VALUES (last_insert_rowid(), 2, 1, 2, 3, 4, 5, 6, 7, 8);"
                            "INSERT INTO tblMODData (MODULENUMB, Lowerfreql, Upperfreql, Ref1, TCXOFreq, Type) "
                            "VALUES ('MY-MODEL', 1, 2, 3, 4, 'Receiver');";

class DatabaseFileTest : public ::testing::Test {
protected:
    QString file(const char* name) const { return folder_.file(QString::fromLatin1(name)); }
    // Scripts of a program one version on: a schema of version 2 and the upgrade to it.
    QStringList versionTwoScripts(const QByteArray& upgrade) const
    {
        testsupport::writeFile(file("schema.sql"),
                               "CREATE TABLE tblModule (ID INTEGER PRIMARY KEY, SERIALNUMBER INTEGER);"
                               "CREATE TABLE tblNote (Text TEXT);"
                               "PRAGMA user_version = 2;");
        if (!upgrade.isNull())
            testsupport::writeFile(file("upgrade-2.sql"), upgrade);
        return {file("schema.sql")};
    }
    // A database of version 1 holding module 1001.
    QString versionOneDatabase() const
    {
        const QString path = file("velmar.mdb");
        runSql(path,
               "CREATE TABLE tblModule (ID INTEGER PRIMARY KEY, SERIALNUMBER INTEGER);"
               "INSERT INTO tblModule (SERIALNUMBER) VALUES (1001);"
               "PRAGMA user_version = 1;");
        return path;
    }

    testsupport::ProgramFolder folder_;
};

} // namespace

TEST_F(DatabaseFileTest, ADatabaseThatIsThereKeepsItsModulesByteForByte)
{
    const QString path = file("velmar.mdb");
    QString error;
    DatabaseUpdate done{};
    ASSERT_TRUE(velmardb::updateDatabase(path, programScripts(), &error, &done)) << error.toStdString();
    EXPECT_EQ(done, DatabaseUpdate::Made);
    EXPECT_EQ(valueOf(path, "PRAGMA user_version"), QString::number(velmardb::kSchemaVersion));
    runSql(path, kStoreModule);
    const QByteArray before = readFile(path);

    ASSERT_TRUE(velmardb::updateDatabase(path, programScripts(), &error, &done)) << error.toStdString();
    EXPECT_EQ(done, DatabaseUpdate::UpToDate);
    EXPECT_FALSE(velmardb::createDatabase(path, programScripts(), &error));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(
        valueOf(path, "SELECT BYTE7 FROM tblModulePage JOIN tblModule ON ID = ModuleID WHERE SERIALNUMBER = 1001"),
        QStringLiteral("8"));
    EXPECT_EQ(valueOf(path, "SELECT Type FROM tblMODData WHERE MODULENUMB = 'MY-MODEL'"), QStringLiteral("Receiver"));
}

TEST_F(DatabaseFileTest, AnOlderDatabaseIsUpgradedInPlaceKeepingItsRows)
{
    const QString path = versionOneDatabase();
    const QStringList scripts =
        versionTwoScripts("CREATE TABLE tblNote (Text TEXT); INSERT INTO tblNote VALUES ('upgraded');");
    QString error;
    DatabaseUpdate done{};
    ASSERT_TRUE(velmardb::updateDatabase(path, scripts, &error, &done)) << error.toStdString();
    EXPECT_EQ(done, DatabaseUpdate::Upgraded);
    EXPECT_EQ(valueOf(path, "PRAGMA user_version"), QStringLiteral("2"));
    EXPECT_EQ(valueOf(path, "SELECT SERIALNUMBER FROM tblModule"), QStringLiteral("1001"));
    EXPECT_EQ(valueOf(path, "SELECT Text FROM tblNote"), QStringLiteral("upgraded"));
}

TEST_F(DatabaseFileTest, RefusedFilesAreLeftByteForByte)
{
    struct Case {
        const char* name;
        QByteArray upgrade;   // the upgrade script to version 2 (null: there is none)
        QByteArray database;  // SQL making the file (null: the version 1 database)
        QByteArray plainFile; // a file that is no database (null: none)
        const char* said;
    };
    const Case cases[] = {
        {"an upgrade that fails part-way",
         "CREATE TABLE tblNote (Text TEXT); INSERT INTO tblMissing VALUES (1);",
         {},
         {},
         "It is left as it was"},
        {"no upgrade script", {}, {}, {}, "upgrade-2.sql"},
        {"a newer database",
         "CREATE TABLE tblNote (Text TEXT);",
         "CREATE TABLE tblModule (ID INTEGER PRIMARY KEY, SERIALNUMBER INTEGER); PRAGMA user_version = 3;",
         {},
         "newer version"},
        {"a database of another program",
         "CREATE TABLE tblNote (Text TEXT);",
         "CREATE TABLE notes (Text TEXT);",
         {},
         "not a Velmar database"},
        {"a file that is no database",
         "CREATE TABLE tblNote (Text TEXT);",
         {},
         "my notes, not a database\n",
         "velmar.mdb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(file("velmar.mdb"));
        QFile::remove(file("upgrade-2.sql"));
        const QStringList scripts = versionTwoScripts(c.upgrade);
        const QString path = file("velmar.mdb");
        if (!c.plainFile.isNull())
            testsupport::writeFile(path, c.plainFile);
        else if (!c.database.isNull())
            runSql(path, c.database);
        else
            versionOneDatabase();
        const QByteArray before = readFile(path);

        QString error;
        EXPECT_FALSE(velmardb::updateDatabase(path, scripts, &error));
        EXPECT_TRUE(error.contains(QLatin1String(c.said))) << error.toStdString();
        EXPECT_EQ(readFile(path), before);
        EXPECT_FALSE(QFile::exists(path + QStringLiteral("-journal")));
    }
}

TEST_F(DatabaseFileTest, AJournalLeftBesideTheNewPathIsNotPlayedIntoIt)
{
    // A hot journal of another database: its change was cut off after pages had already gone to the
    // file (a small cache makes them spill), so the journal holds that database's pages.
    const QString other = file("other.mdb");
    runSql(other, "CREATE TABLE filler (x BLOB);");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(other).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "PRAGMA cache_size = 2; BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM "
                           "n WHERE i < 200) INSERT INTO filler SELECT randomblob(3000) FROM n;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    const QString path = file("velmar.mdb");
    ASSERT_TRUE(QFile::copy(other + QStringLiteral("-journal"), path + QStringLiteral("-journal")));
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);

    QString error;
    ASSERT_TRUE(velmardb::updateDatabase(path, programScripts(), &error)) << error.toStdString();
    EXPECT_EQ(valueOf(path, "PRAGMA integrity_check"), QStringLiteral("ok"));
    EXPECT_EQ(valueOf(path, "PRAGMA user_version"), QString::number(velmardb::kSchemaVersion));
    EXPECT_EQ(valueOf(path, "SELECT COUNT(*) FROM tblCTCSS"), QStringLiteral("50"));
}
