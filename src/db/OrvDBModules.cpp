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

#include <optional>

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

// The columns of the module list, in the order moduleRecord reads them.
const QString kModuleInformation = QStringLiteral(
    "SELECT SERIAL, Flag1, ModuleType, CustomType, UserRemark, DATECREATE, DATEUPDATE FROM qryModuleInformation");

// The module of the current row of a kModuleInformation query.
std::shared_ptr<CRADIO> moduleRecord(const QSqlQuery& q)
{
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
    return record;
}

// The lowest serial number from `from` on that no stored module has.
int64_t lowestUnstoredSerial(const QSqlDatabase& db, int64_t from)
{
    QSqlQuery q =
        run(db,
            QStringLiteral("SELECT MIN(s) FROM (SELECT ? AS s UNION ALL SELECT SERIALNUMBER + 1 FROM tblModule "
                           "WHERE SERIALNUMBER >= ?) WHERE s NOT IN (SELECT SERIALNUMBER FROM tblModule)"),
            {QVariant::fromValue<qlonglong>(from), QVariant::fromValue<qlonglong>(from)});
    return q.next() ? velmardb::toInteger(q.value(0), from, INT64_MAX) : from;
}

} // namespace

int16_t CLASSOrvDB::intGetModule(QList<std::shared_ptr<CRADIO>>& radioS)
{
    return guarded([&]() -> int16_t {
        QSqlQuery q = run(dbAccess(), kModuleInformation);
        while (q.next())
            radioS.append(moduleRecord(q));
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

int16_t CLASSOrvDB::intGetFreeSerial(const QSet<int32_t>& held, QString& strSerial)
{
    return guarded([&]() -> int16_t {
        int32_t moduleID = 0;
        QString proposal;
        intGetModuleSerialAvaiable(moduleID, proposal);
        const QSqlDatabase db = dbAccess();
        // The first serial number from `from` on that is neither stored nor held, up to the highest one.
        const auto firstFree = [&](int64_t from) -> std::optional<int64_t> {
            int64_t serial = lowestUnstoredSerial(db, from);
            while (serial <= kHighestNewSerial && held.contains(static_cast<int32_t>(serial)))
                serial = lowestUnstoredSerial(db, serial + 1);
            return serial <= kHighestNewSerial ? std::optional(serial) : std::nullopt;
        };
        std::optional<int64_t> serial = firstFree(proposal.toLongLong());
        if (!serial)
            serial = firstFree(1);
        if (!serial)
            return -1;
        strSerial = QString::number(*serial);
        return 0;
    });
}

int16_t CLASSOrvDB::intGetStoredModule(const QString& strSerial, std::shared_ptr<CRADIO>& stored)
{
    return guarded([&]() -> int16_t {
        const int32_t serial = serialValue(strSerial);
        QSqlQuery q = run(dbAccess(), kModuleInformation + QStringLiteral(" WHERE SERIAL = ?"), {serial});
        stored = q.next() ? moduleRecord(q) : nullptr;
        return 0;
    });
}
