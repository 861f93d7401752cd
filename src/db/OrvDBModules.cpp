// The stored modules as a whole: listing, deleting and proposing a serial number.
#include "db/CLASSOrvDB.h"

#include "db/CRADIO.h"
#include "db/DbQuery.h"
#include "db/OrvDBGuard.h"
#include "shell/DateCodecs.h"
#include "shell/ModuleType.h"
#include "db/PageFields.h"

#include <QDateTime>
#include <QSqlQuery>

using velmardb::run;

namespace {

// A serial number proposed for a new module stays at or below this.
constexpr int32_t kHighestNewSerial = pagefields::kHighestEnteredSerial;

// A stored date ("yyyy-mm-dd hh:mm:ss", whole seconds) as the program's day count.
double storedDate(const QVariant& value)
{
    const QString text = velmardb::toText(value);
    const QDateTime when = QDateTime::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!when.isValid())
        throw platform::Error(velmardb::kErrTypeMismatch, QStringLiteral("The stored date '%1' is not valid.").arg(text));
    return basVelmar::dteFromDateTime(when);
}

} // namespace

int16_t CLASSOrvDB::intGetModule(QList<std::shared_ptr<CRADIO>>& radioS)
{
    return guarded([&]() -> int16_t {
        QSqlQuery q = run(dbAccess(), QStringLiteral("SELECT SERIAL, Flag1, ModuleType, CustomType, UserRemark, DATECREATE, "
                                                     "DATEUPDATE FROM qryModuleInformation"));
        while (q.next()) {
            const QString serial = velmardb::toText(q.value(0)).trimmed();
            const int16_t type = basVelmar::intModuleTypeCode(velmardb::toByte(q.value(1)));
            const QString model = velmardb::toText(q.value(2)).trimmed();
            const QString custom = velmardb::toText(q.value(3)).trimmed();
            const QString remark = velmardb::toText(q.value(4)).trimmed();
            const double created = storedDate(q.value(5));
            const double updated = storedDate(q.value(6));
            auto record = std::make_shared<CRADIO>();
            // A record whose type code has no type text is listed all the same.
            record->intInit(serial, type, model, custom, remark, created, updated);
            radioS.append(record);
        }
        return 0;
    });
}

int16_t CLASSOrvDB::intDeleteModule(const QString& strSerial)
{
    return guarded([&]() -> int16_t {
        const int32_t serial = serialValue(strSerial);
        const QSqlDatabase db = dbAccess();
        velmardb::Transaction transaction(db);
        QSqlQuery count = run(db, QStringLiteral("SELECT count(*) FROM qryModulePages WHERE SerialNumber = ?"), {serial});
        const int64_t pages = count.next() ? velmardb::toInteger(count.value(0), 0, INT64_MAX) : 0;
        count.finish();
        run(db, QStringLiteral("DELETE FROM qryModulePages WHERE SerialNumber = ?"), {serial});
        run(db, QStringLiteral("DELETE FROM qryModule WHERE SerialNumber = ?"), {serial});
        transaction.commit();
        return pages > 0 ? 0 : 1;
    });
}

int16_t CLASSOrvDB::intGetModuleSerialAvaiable(int32_t& lngModuleID, QString& strSerial)
{
    return guarded([&]() -> int16_t {
        QSqlQuery q = run(dbAccess(), QStringLiteral("SELECT ModuleID, SERIAL FROM qryIDSerialAvailable"));
        if (q.next()) {
            const int32_t serial = velmardb::toLong(q.value(1));
            if (serial >= 0 && serial < kHighestNewSerial) {
                lngModuleID = velmardb::toLong(q.value(0));
                strSerial = QString::number(serial + 1);
                return 0;
            }
        }
        strSerial = QStringLiteral("1");
        return -1;
    });
}
