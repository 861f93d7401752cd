// The module page store: a document's page image to and from tblModule and tblModulePage.
#include "db/CLASSOrvDB.h"

#include "db/DbQuery.h"
#include "db/OrvDBGuard.h"
#include "db/PageImage.h"
#include "platform/Progress.h"

#include <QDateTime>
#include <QSqlQuery>

#include <algorithm>

using velmardb::exec;
using velmardb::prepare;
using velmardb::run;

namespace {

constexpr int kPageSize = CPageImage::kPageSize;
constexpr int kLastPageNumber = 32767;

QString now() { return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }

void requirePageBytes(const QByteArray& bytes)
{
    if (bytes.size() != kPageSize)
        throw platform::Error(velmardb::kErrSubscript, QStringLiteral("A page holds 8 bytes, not %1.").arg(bytes.size()));
}

QVariantList pageRow(int32_t moduleID, int page, const QByteArray& bytes)
{
    QVariantList row{moduleID, page};
    for (int i = 0; i < kPageSize; ++i)
        row.append(static_cast<uint8_t>(bytes[i]));
    return row;
}

// Stores one page row, replacing the row of the same module and page.
void upsertPage(const QSqlDatabase& db, int32_t moduleID, int page, const QByteArray& bytes)
{
    run(db,
        QStringLiteral("INSERT INTO tblModulePage (ModuleID, Page, BYTE0, bytE1, bytE2, BYTE3, BYTE4, BYTE5, BYTE6, BYTE7) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (ModuleID, Page) DO UPDATE SET "
                       "BYTE0 = excluded.BYTE0, bytE1 = excluded.bytE1, bytE2 = excluded.bytE2, BYTE3 = excluded.BYTE3, "
                       "BYTE4 = excluded.BYTE4, BYTE5 = excluded.BYTE5, BYTE6 = excluded.BYTE6, BYTE7 = excluded.BYTE7"),
        pageRow(moduleID, page, bytes));
}

// The page row of a module, or false when there is none.
bool selectPage(const QSqlDatabase& db, int32_t moduleID, int16_t page, QByteArray& bytes)
{
    QSqlQuery q = run(db,
                      QStringLiteral("SELECT BYTE0, bytE1, bytE2, BYTE3, BYTE4, BYTE5, BYTE6, BYTE7 FROM tblModulePage "
                                     "WHERE ModuleID = ? AND Page = ?"),
                      {moduleID, page});
    if (!q.next())
        return false;
    QByteArray read(kPageSize, '\0');
    for (int i = 0; i < kPageSize; ++i)
        read[i] = static_cast<char>(velmardb::toByte(q.value(i)));
    bytes = read;
    return true;
}

} // namespace

int32_t CLASSOrvDB::touchModule(int32_t serial)
{
    const QSqlDatabase db = dbAccess();
    const QString stamp = now();
    QSqlQuery found = run(db, QStringLiteral("SELECT ID FROM tblModule WHERE SERIALNUMBER = ?"), {serial});
    if (found.next()) {
        const int32_t id = velmardb::toLong(found.value(0));
        found.finish();
        run(db, QStringLiteral("UPDATE tblModule SET DATEUPDATE = ? WHERE ID = ?"), {stamp, id});
        return id;
    }
    found.finish();
    QSqlQuery added = run(db, QStringLiteral("INSERT INTO tblModule (SERIALNUMBER, DATECREATE, DATEUPDATE) VALUES (?, ?, ?)"),
                          {serial, stamp, stamp});
    return velmardb::toLong(added.lastInsertId());
}

int16_t CLASSOrvDB::loadPages(int32_t lngModuleID, CPageImage& doc, bool toneRemote)
{
    platform::Progress& progress = platform::Progress::instance();
    progress.begin(QStringLiteral("Reading DB"));
    const int16_t status = guarded([&]() -> int16_t {
        // Every row is read and checked before the document changes, so a bad row leaves it as it was.
        QSqlQuery q = run(dbAccess(),
                          QStringLiteral("SELECT Page, BYTE0, bytE1, bytE2, BYTE3, BYTE4, BYTE5, BYTE6, BYTE7 "
                                         "FROM tblModulePage WHERE ModuleID = ? ORDER BY Page"),
                          {lngModuleID});
        QList<std::pair<int16_t, QByteArray>> rows;
        while (q.next()) {
            QByteArray bytes(kPageSize, '\0');
            const int16_t page = velmardb::toInt16(q.value(0));
            for (int i = 0; i < kPageSize; ++i)
                bytes[i] = static_cast<char>(velmardb::toByte(q.value(1 + i)));
            rows.append({page, bytes});
        }
        const int step = toneRemote ? platform::Progress::kFull / std::max(1, doc.lastStoredPage())
                                    : qRound(double(platform::Progress::kFull) / std::max(1, doc.pageCount() - 1));
        int width = 1;
        int16_t result = 0;
        for (const auto& [page, bytes] : rows) {
            const int16_t written = doc.intWritePage(page, bytes);
            // A tone-remote load reports the document's answer to its last page; a radio load
            // passes over pages beyond its image.
            if (toneRemote)
                result = written;
            width = (width + step) % platform::Progress::kFull;
            progress.setWidth(width);
        }
        q.finish();
        QSqlQuery serial =
            run(dbAccess(), QStringLiteral("SELECT SERIALNUMBER FROM tblModule WHERE ID = ?"), {lngModuleID});
        if (serial.next())
            doc.strSourceSerial = QString::number(velmardb::toLong(serial.value(0)));
        return result;
    });
    progress.end();
    return status;
}

int16_t CLASSOrvDB::savePages(const CPageImage& doc, bool toneRemote)
{
    platform::Progress& progress = platform::Progress::instance();
    bool shown = false;
    const int16_t status = guarded([&]() -> int16_t {
        const int32_t serial = serialValue(doc.strSerial);
        const int last = doc.lastStoredPage();
        if (last < 0 || last > kLastPageNumber)
            throw platform::Error(velmardb::kErrSubscript, QStringLiteral("The document has no page %1.").arg(last));

        // The whole image first: a page the document refuses stops the store before anything changes.
        QList<QByteArray> pages;
        pages.reserve(last + 1);
        for (int page = 0; page <= last; ++page) {
            QByteArray bytes(kPageSize, '\0');
            if (doc.intReadPage(page, bytes) != 0 || bytes.size() != kPageSize)
                throw platform::Error(velmardb::kErrSubscript,
                                      QStringLiteral("Page %1 of the module could not be taken from the document; "
                                                     "the stored copy is unchanged.")
                                          .arg(page));
            pages.append(bytes);
        }

        // One transaction: the module row, the old pages out, the new pages in. A failure anywhere
        // rolls it back and the previously stored copy stays as it was.
        const QSqlDatabase db = dbAccess();
        velmardb::Transaction transaction(db);
        const int32_t moduleID = touchModule(serial);
        run(db, QStringLiteral("DELETE FROM tblModulePage WHERE ModuleID = ?"), {moduleID});

        progress.begin(toneRemote ? QStringLiteral("Writing DB") : QStringLiteral("Saving Record ..."));
        shown = true;
        const int step = platform::Progress::kFull / std::max(1, last);
        int width = 1;
        QSqlQuery insert = prepare(db, QStringLiteral("INSERT INTO tblModulePage (ModuleID, Page, BYTE0, bytE1, bytE2, BYTE3, "
                                                      "BYTE4, BYTE5, BYTE6, BYTE7) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int page = 0; page <= last; ++page) {
            exec(insert, pageRow(moduleID, page, pages[page]));
            width += step;
            progress.setWidth(width);
        }
        insert.finish();
        transaction.commit();
        return 0;
    });
    if (shown)
        progress.end();
    return status;
}

int16_t CLASSOrvDB::intOpenOrvDocument(int32_t lngModuleID, CPageImage& docOrv) { return loadPages(lngModuleID, docOrv, false); }

int16_t CLASSOrvDB::intOpenOrvDocumentTR(int32_t lngModuleID, CPageImage& docOrv) { return loadPages(lngModuleID, docOrv, true); }

int16_t CLASSOrvDB::intSaveOrvDocument(const CPageImage& docModule) { return savePages(docModule, false); }

int16_t CLASSOrvDB::intSaveOrvDocumentTR(const CPageImage& docModule) { return savePages(docModule, true); }

int16_t CLASSOrvDB::intSerial2ModuleID(const QString& strSerial, int32_t& lngModuleID)
{
    return guarded([&]() -> int16_t {
        const int32_t serial = serialValue(strSerial);
        QSqlQuery q = run(dbAccess(), QStringLiteral("SELECT ID FROM tblModule WHERE SERIALNUMBER = ?"), {serial});
        if (!q.next())
            return -1;
        lngModuleID = velmardb::toLong(q.value(0));
        return 0;
    });
}

int16_t CLASSOrvDB::intInsertModule(const QString& strSerial, int32_t& lngModuleID)
{
    return guarded([&]() -> int16_t {
        const int32_t serial = serialValue(strSerial);
        velmardb::Transaction transaction(dbAccess());
        const int32_t id = touchModule(serial);
        transaction.commit();
        lngModuleID = id;
        return 0;
    });
}

int16_t CLASSOrvDB::intInsertPage(const QString& strSerial, int16_t intPage, const QByteArray& bytData)
{
    return guarded([&]() -> int16_t {
        const int32_t serial = serialValue(strSerial);
        requirePageBytes(bytData);
        velmardb::Transaction transaction(dbAccess());
        upsertPage(dbAccess(), touchModule(serial), intPage, bytData);
        transaction.commit();
        return 0;
    });
}

int16_t CLASSOrvDB::intReadPage(const QString& strSerial, int16_t intPage, QByteArray& bytData)
{
    return guarded([&]() -> int16_t {
        const int32_t serial = serialValue(strSerial);
        QSqlQuery q = run(dbAccess(), QStringLiteral("SELECT ID FROM tblModule WHERE SERIALNUMBER = ?"), {serial});
        if (!q.next())
            return -1;
        const int32_t id = velmardb::toLong(q.value(0));
        q.finish();
        return selectPage(dbAccess(), id, intPage, bytData) ? 0 : -1;
    });
}

int16_t CLASSOrvDB::intReadPageInt(int32_t lngModuleID, int16_t intPage, QByteArray& bytData)
{
    return guarded([&]() -> int16_t { return selectPage(dbAccess(), lngModuleID, intPage, bytData) ? 0 : -1; });
}

int16_t CLASSOrvDB::intWritePageInt(int32_t lngModuleID, int16_t intPage, const QByteArray& bytData)
{
    return guarded([&]() -> int16_t {
        requirePageBytes(bytData);
        upsertPage(dbAccess(), lngModuleID, intPage, bytData);
        return 0;
    });
}

int16_t CLASSOrvDB::intExecuteQuery(const QString&)
{
    QSqlQuery q = run(dbAccess(), QStringLiteral("SELECT * FROM qrySerial"));
    while (q.next()) {
    }
    return 0;
}

int16_t CLASSOrvDB::intDocument2DB(const CPageImage&) { return 0; }
