#include "toneremoteview/TRLineLevels.h"

#include "db/DbQuery.h"

namespace trview {
namespace {

QString table(int16_t port)
{
    return port == kLineOut ? QStringLiteral("tblTRLineOut") : QStringLiteral("tblTRLineIn");
}

} // namespace

int16_t bytLevelLookup(const QSqlDatabase& db, double level, int16_t port)
{
    QSqlQuery q = velmardb::run(
        db, QStringLiteral("SELECT EPOT FROM %1 WHERE LineLevel <= ? ORDER BY LineLevel DESC LIMIT 1").arg(table(port)),
        {level});
    return q.next() ? velmardb::toInt16(q.value(0)) : int16_t{0};
}

double dblLevelLookup(const QSqlDatabase& db, int16_t step, int16_t port)
{
    QSqlQuery q = velmardb::run(
        db, QStringLiteral("SELECT LineLevel FROM %1 WHERE EPOT <= ? ORDER BY EPOT DESC LIMIT 1").arg(table(port)),
        {step});
    return q.next() ? velmardb::toDouble(q.value(0)) : -27.0;
}

} // namespace trview
