#pragma once
// Stored modules for the benchmarks: `count` modules from serial `firstSerial` on, the odd ones tone
// remote (257 pages), the even ones radio (145 pages), written in one transaction.
#include "db/CLASSOrvDB.h"
#include "db/DbQuery.h"

#include <QSqlQuery>

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
