#include "support/ModelSource.h"

#include "support/TempDir.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace testsupport {

void runOnFile(const QString& path, const QStringList& statements)
{
    const QString name = QStringLiteral("test-file-") + path;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery q(db);
        for (const QString& statement : statements)
            EXPECT_TRUE(q.exec(statement)) << statement.toStdString() << ": " << q.lastError().text().toStdString();
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QString makeModelSource(const QString& path, const QStringList& statements)
{
    makeDatabase(path);
    runOnFile(path, statements);
    return path;
}

} // namespace testsupport
