#pragma once
#include <QString>
#include <QStringList>

namespace velmardb {

// Makes a database file at `path` by running the SQL scripts in order. The file is built beside
// the target and renamed into place only when every script ran, so a failure leaves no half-made file.
bool createDatabase(const QString& path, const QStringList& scriptPaths, QString* error);

// The scripts the program's database is made from, in the order they run.
QStringList databaseScripts(const QString& sourceDir);

} // namespace velmardb
