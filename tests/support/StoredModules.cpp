#include "support/StoredModules.h"

#include "db/CLASSOrvDB.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

namespace testsupport {

int storedPageCount(const QString& serial)
{
    QSqlQuery q(CLASSOrvDB::instance().dbAccess());
    q.prepare("SELECT COUNT(*) FROM tblModulePage p JOIN tblModule m ON m.ID = p.ModuleID WHERE m.SERIALNUMBER = ?");
    q.addBindValue(serial.toLongLong());
    EXPECT_TRUE(q.exec() && q.next());
    return q.value(0).toInt();
}

} // namespace testsupport
