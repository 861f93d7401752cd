// Import of module models from another database file of this program into the catalogue: its
// standard models (added, or refreshed by model number) and its user models (appended).
#include "db/CLASSOrvDB.h"

#include "db/CatalogueTexts.h"
#include "db/DbQuery.h"
#include "platform/BusyCursor.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <optional>

using platform::MsgBox;
using velmardb::prepare;

namespace {

// The columns copied by name from a source row to a catalogue row, model number first. The ID and
// the barred band are the catalogue row's own: a new row gets the next ID and the default band.
const QStringList kCopiedColumns = {
    QStringLiteral("MODULENUMB"), QStringLiteral("Lowerfreql"), QStringLiteral("Upperfreql"),
    QStringLiteral("Ref1"),       QStringLiteral("Ref2"),       QStringLiteral("IntFreq"),
    QStringLiteral("TCXOFreq"),   QStringLiteral("Prescalar"),  QStringLiteral("Doubled"),
    QStringLiteral("InfoType"),   QStringLiteral("Type"),
};

// The source rows of `sql`, checked to hold every copied column before any row is read.
QSqlQuery openSourceRows(const QSqlDatabase& source, const QString& sql)
{
    QSqlQuery rows = velmardb::run(source, sql);
    const QSqlRecord columns = rows.record();
    for (const QString& column : kCopiedColumns)
        if (columns.indexOf(column) < 0)
            throw platform::Error(velmardb::kErrNoColumn,
                                  QStringLiteral("The models to import have no column %1.").arg(column));
    return rows;
}

QVariantList copiedValues(const QSqlQuery& row)
{
    QVariantList values;
    for (const QString& column : kCopiedColumns)
        values.append(row.value(column));
    return values;
}

// A failure met while reading the source rows (next() only says that there are no more).
void requireReadToEnd(const QSqlQuery& rows)
{
    if (rows.lastError().isValid())
        throw platform::Error(velmardb::kErrDatabase, velmardb::errorText(rows.lastError()));
}

// The catalogue rows an import writes, in one transaction: rows stored are kept when a later row
// fails, and counted only once the transaction has committed them.
class CatalogueWriter {
public:
    explicit CatalogueWriter(const QSqlDatabase& db)
        : transaction_(db),
          find_(prepare(db, QStringLiteral("SELECT ID FROM tblMODData WHERE MODULENUMB = ?"))),
          insert_(prepare(db, QStringLiteral("INSERT INTO tblMODData (%1) VALUES (%2)")
                                  .arg(kCopiedColumns.join(QStringLiteral(", ")),
                                       QStringList(kCopiedColumns.size(), QStringLiteral("?")).join(QStringLiteral(", "))))),
          update_(prepare(db, QStringLiteral("UPDATE tblMODData SET %1 = ? WHERE ID = ?")
                                  .arg(kCopiedColumns.join(QStringLiteral(" = ?, ")))))
    {
    }

    // The ID of the row with that model number (model numbers compare without case).
    std::optional<qlonglong> find(const QVariant& number)
    {
        velmardb::exec(find_, {number});
        std::optional<qlonglong> id;
        if (find_.next())
            id = find_.value(0).toLongLong();
        find_.finish();
        return id;
    }
    void add(const QVariantList& values)
    {
        velmardb::exec(insert_, values);
        ++added_;
    }
    void change(qlonglong id, QVariantList values)
    {
        values.append(id);
        velmardb::exec(update_, values);
        ++updated_;
    }
    // Keeps the rows stored so far. Afterwards the counts are those of rows in the catalogue.
    void commit()
    {
        try {
            transaction_.commit();
        } catch (const platform::Error&) {
            added_ = updated_ = 0;
            throw;
        }
    }
    int added() const { return added_; }
    int updated() const { return updated_; }

private:
    velmardb::Transaction transaction_;
    QSqlQuery find_;
    QSqlQuery insert_;
    QSqlQuery update_;
    int added_ = 0;
    int updated_ = 0;
};

void showSelfImport() { MsgBox(QStringLiteral("You can not import the database to itself"), platform::vbOKOnly); }

void showDuplicate(const QVariant& number)
{
    MsgBox(QStringLiteral("Error! Duplicated module type: [") + number.toString() + QStringLiteral("]"), platform::vbOKOnly);
}

// Whether the catalogue can hold the row's texts; a row it cannot is named to the user and left out.
bool storableRow(const QVariantList& values)
{
    try {
        catalogue::requireStorableTexts(values);
        return true;
    } catch (const platform::Error& e) {
        MsgBox(QStringLiteral("The model [%1] was not imported. %2").arg(values.front().toString(), e.description()),
               platform::vbOKOnly);
        return false;
    }
}

// "There is 1 model added. There are 3 models updated. "
QString importSummary(int added, int updated)
{
    const auto sentence = [](int count, const QString& done) {
        return QStringLiteral("There ") + (count <= 1 ? QStringLiteral("is ") : QStringLiteral("are ")) + QString::number(count) +
               (count <= 1 ? QStringLiteral(" model") : QStringLiteral(" models")) + done;
    };
    return sentence(added, QStringLiteral(" added. ")) + sentence(updated, QStringLiteral(" updated. "));
}

} // namespace

int16_t CLASSOrvDB::intImportStandardDB(const QString& strFileName)
{
    platform::BusyCursor busy;
    if (isOpenDatabaseFile(strFileName)) {
        showSelfImport();
        return -1;
    }
    std::optional<platform::Error> failure;
    bool refused = false;
    int added = 0;
    int updated = 0;
    try {
        const ImportSource source(strFileName);
        // A file without the ModData query offers its table of models instead.
        std::optional<QSqlQuery> rows;
        try {
            rows = openSourceRows(source.db(), QStringLiteral("SELECT * FROM ModData WHERE InfoType = 'Standard'"));
        } catch (const platform::Error&) {
            rows = openSourceRows(source.db(), QStringLiteral("SELECT * FROM tblModData WHERE InfoType = 'Standard'"));
        }
        CatalogueWriter writer(dbAccess());
        try {
            while (rows->next()) {
                const QVariantList values = copiedValues(*rows);
                if (!storableRow(values)) {
                    refused = true;
                    continue;
                }
                if (const std::optional<qlonglong> id = writer.find(values.front()))
                    writer.change(*id, values);
                else
                    writer.add(values);
            }
            requireReadToEnd(*rows);
        } catch (const platform::Error& e) {
            failure = e;
        }
        writer.commit();
        added = writer.added();
        updated = writer.updated();
    } catch (const platform::Error& e) {
        if (!failure)
            failure = e;
    }
    if (failure)
        MsgBox(QString::number(failure->number()) + QStringLiteral(" ") + failure->description(), platform::vbOKOnly);
    if (added + updated > 0)
        MsgBox(importSummary(added, updated), platform::vbOKOnly);
    return failure || refused ? -1 : 0;
}

int16_t CLASSOrvDB::intImportUserDB(const QString& strFileName)
{
    if (isOpenDatabaseFile(strFileName)) {
        showSelfImport();
        return -1;
    }
    bool duplicate = false;
    bool refused = false;
    std::optional<platform::Error> failure;
    try {
        const ImportSource source(strFileName);
        QSqlQuery rows = openSourceRows(source.db(), QStringLiteral("SELECT * FROM UserData"));
        CatalogueWriter writer(dbAccess());
        try {
            while (rows.next()) {
                const QVariantList values = copiedValues(rows);
                if (!storableRow(values)) {
                    refused = true;
                    continue;
                }
                if (writer.find(values.front())) {
                    showDuplicate(values.front());
                    duplicate = true;
                    continue;
                }
                writer.add(values);
            }
            requireReadToEnd(rows);
        } catch (const platform::Error& e) {
            failure = e;
        }
        writer.commit();
    } catch (const platform::Error& e) {
        if (!failure)
            failure = e;
    }
    if (failure)
        MsgBox(QStringLiteral("Error: Unable to Import User Module Data."), platform::vbOKOnly | platform::vbCritical);
    return failure || duplicate || refused ? -1 : 0;
}
