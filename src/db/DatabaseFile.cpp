#include "db/DatabaseFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace velmardb {

QStringList databaseScripts(const QString& sourceDir)
{
    const QDir d(sourceDir);
    return {d.filePath(QStringLiteral("data/schema.sql")), d.filePath(QStringLiteral("data/reference.sql"))};
}

bool createDatabase(const QString& path, const QStringList& scriptPaths, QString* error)
{
    const QString tmp = path + QStringLiteral(".new");
    QFile::remove(tmp);
    sqlite3* db = nullptr;
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        if (db)
            sqlite3_close(db);
        QFile::remove(tmp);
        return false;
    };
    if (sqlite3_open(QFile::encodeName(tmp).constData(), &db) != SQLITE_OK)
        return fail(QStringLiteral("Cannot create %1: %2").arg(tmp, QString::fromUtf8(sqlite3_errmsg(db))));
    for (const QString& script : scriptPaths) {
        QFile f(script);
        if (!f.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("Cannot read %1: %2").arg(script, f.errorString()));
        const QByteArray sql = f.readAll();
        char* msg = nullptr;
        if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &msg) != SQLITE_OK) {
            const QString why = QStringLiteral("%1: %2").arg(QFileInfo(script).fileName(), QString::fromUtf8(msg));
            sqlite3_free(msg);
            return fail(why);
        }
    }
    if (sqlite3_close(db) != SQLITE_OK) {
        db = nullptr;
        return fail(QStringLiteral("Cannot finish %1").arg(tmp));
    }
    db = nullptr;
    QFile::remove(path);
    if (!QFile::rename(tmp, path))
        return fail(QStringLiteral("Cannot rename %1 to %2").arg(tmp, path));
    return true;
}

} // namespace velmardb
