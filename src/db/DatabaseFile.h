#pragma once
#include <QString>
#include <QStringList>

namespace velmardb {

// The schema version the program works with: PRAGMA user_version of data/schema.sql. Any change to
// the schema or to the reference rows raises it there and here, and data/upgrade-<version>.sql
// brings a database of the version before to it (statements only: it runs inside the upgrade's
// transaction).
constexpr int kSchemaVersion = 1;

// Makes a new database file at `path` by running the SQL scripts in order. The file is built beside
// the target and renamed into place only when every script ran, so a failure leaves no half-made
// file. A file already at `path` is never replaced: that is a failure.
bool createDatabase(const QString& path, const QStringList& scriptPaths, QString* error);

// What updateDatabase did.
enum class DatabaseUpdate { Made, Upgraded, UpToDate };

// Brings the database at `path` to the program's schema version, keeping whatever it holds: makes it
// from the scripts where no file is; upgrades an older one in place, in one transaction, with the
// upgrade scripts beside the first script (a failure leaves the file as it was); leaves one of the
// scripts' version as it is. A file newer than the program, or one that is no database of the program, is
// refused and left untouched.
bool updateDatabase(const QString& path, const QStringList& scriptPaths, QString* error,
                    DatabaseUpdate* done = nullptr);

// The scripts the program's database is made from, in the order they run.
QStringList databaseScripts(const QString& sourceDir);

} // namespace velmardb
