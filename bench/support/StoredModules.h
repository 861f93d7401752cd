#pragma once
// The benchmarks' database: a new one in a temporary folder, made the program's, and stored modules.
#include "db/CLASSOrvDB.h"
#include "db/DatabaseFile.h"
#include "db/DbQuery.h"
#include "shell/Globals.h"

#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// Makes velmar.mdb in `dir` from the schema and reference rows and opens it as the program's
// database; a failure ends the benchmark `name`.
inline CLASSOrvDB& openNewDatabase(const QTemporaryDir& dir, const char* name)
{
    const QString path = dir.filePath(QStringLiteral("velmar.mdb"));
    QString error;
    if (!velmardb::createDatabase(path, velmardb::databaseScripts(QStringLiteral(VELMAR_SOURCE_DIR)), &error)) {
        std::fprintf(stderr, "%s: %s\n", name, qPrintable(error));
        std::exit(1);
    }
    basVelmar::gDatabasePath = path;
    return CLASSOrvDB::instance();
}

// `count` modules from serial `firstSerial` on, the odd ones tone remote (257 pages), the even ones
// radio (145 pages), written in one transaction.
inline void storeModules(CLASSOrvDB& db, int firstSerial, int count)
{
    const QSqlDatabase access = db.dbAccess();
    velmardb::Transaction t(access);
    QSqlQuery module = velmardb::prepare(access, QStringLiteral("INSERT INTO tblModule (SERIALNUMBER, DATECREATE, DATEUPDATE) "
                                                                "VALUES (?, '2024-01-01 00:00:00', '2024-01-01 00:00:00')"));
    QSqlQuery page = velmardb::prepare(access, QStringLiteral("INSERT INTO tblModulePage VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int m = 0; m < count; ++m) {
        const int serial = firstSerial + m;
        velmardb::exec(module, {serial});
        const qlonglong id = module.lastInsertId().toLongLong();
        const int pages = serial % 2 ? 257 : 145;
        for (int p = 0; p < pages; ++p)
            velmardb::exec(page, {id, p, p & 0xFF, serial & 0xFF, 1, 2, 3, 4, 5, 6});
    }
    module.finish();
    page.finish();
    t.commit();
}
