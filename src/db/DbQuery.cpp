#include "db/DbQuery.h"

#include "platform/PlatformError.h"

#include <QSqlError>

#include <cmath>

namespace velmardb {

QString errorText(const QSqlError& error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    if (text.isEmpty())
        text = QStringLiteral("Database error");
    return text;
}

namespace {

[[noreturn]] void raise(const QSqlError& error) { throw platform::Error(kErrDatabase, errorText(error)); }

void requireOpen(const QSqlDatabase& db)
{
    if (!db.isValid() || !db.isOpen())
        throw platform::Error(kErrNoDatabase, QStringLiteral("No database is open."));
}

} // namespace

QSqlQuery prepare(const QSqlDatabase& db, const QString& sql)
{
    requireOpen(db);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        raise(q.lastError());
    return q;
}

void exec(QSqlQuery& query, const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (!query.exec())
        raise(query.lastError());
}

QSqlQuery run(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    QSqlQuery q = prepare(db, sql);
    exec(q, values);
    return q;
}

int64_t toInteger(const QVariant& value, int64_t min, int64_t max)
{
    if (value.isNull())
        throw platform::Error(kErrInvalidNull, QStringLiteral("Invalid use of Null"));
    bool ok = false;
    double d = 0.0;
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::ULongLong: {
        const qlonglong n = value.toLongLong(&ok);
        if (ok && n >= min && n <= max)
            return n;
        if (ok)
            throw platform::Error(kErrOverflow, QStringLiteral("Overflow"));
        break;
    }
    default:
        d = value.typeId() == QMetaType::QString ? value.toString().trimmed().toDouble(&ok) : value.toDouble(&ok);
        if (ok && std::isfinite(d)) {
            const double r = std::nearbyint(d);
            if (r < static_cast<double>(min) || r > static_cast<double>(max))
                throw platform::Error(kErrOverflow, QStringLiteral("Overflow"));
            return static_cast<int64_t>(r);
        }
        break;
    }
    throw platform::Error(kErrTypeMismatch, QStringLiteral("Type mismatch"));
}

double toDouble(const QVariant& value)
{
    if (value.isNull())
        throw platform::Error(kErrInvalidNull, QStringLiteral("Invalid use of Null"));
    bool ok = false;
    const double d = value.typeId() == QMetaType::QString ? value.toString().trimmed().toDouble(&ok) : value.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        throw platform::Error(kErrTypeMismatch, QStringLiteral("Type mismatch"));
    return d;
}

QString toText(const QVariant& value)
{
    if (value.isNull())
        throw platform::Error(kErrInvalidNull, QStringLiteral("Invalid use of Null"));
    return value.toString();
}

Transaction::Transaction(const QSqlDatabase& db) : db_(db)
{
    run(db_, QStringLiteral("BEGIN IMMEDIATE"));
    open_ = true;
}

Transaction::~Transaction()
{
    if (open_) {
        QSqlQuery q(db_);
        q.exec(QStringLiteral("ROLLBACK"));
    }
}

void Transaction::commit()
{
    run(db_, QStringLiteral("COMMIT"));
    open_ = false;
}

} // namespace velmardb
