// Import of module models from another database file of this program.
#include "DbFixture.h"

#include "support/ModelSource.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <unistd.h>

using testsupport::makeModelSource;
using testsupport::ScriptedMsgBox;

namespace {

const QString kSelfImport = QStringLiteral("You can not import the database to itself");
const QString kUserImportFailed = QStringLiteral("Error: Unable to Import User Module Data.");

// A catalogue row: model number, kind of entry, type and first reference.
QString model(const QString& number, const QString& infoType, const QString& type = QStringLiteral("Receiver"),
              int ref1 = 12500)
{
    return QStringLiteral("INSERT INTO tblMODData (MODULENUMB, Lowerfreql, Upperfreql, Ref1, Ref2, IntFreq, TCXOFreq, "
                          "Prescalar, Doubled, Type, InfoType) VALUES ('%1', 150000000, 160000000, %4, 6250, -21400000, "
                          "12800000, 64, 'YES', '%3', '%2')")
        .arg(number, infoType, type)
        .arg(ref1);
}

const QString kEmptyCatalogue = QStringLiteral("DELETE FROM tblMODData");
const QString kStandard = QStringLiteral("Standard");
const QString kUser = QStringLiteral("User");

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class ImportTest : public DbFixture {
protected:
    void SetUp() override
    {
        DbFixture::SetUp();
        db();
        connections = QSqlDatabase::connectionNames();
    }
    void TearDown() override
    {
        // The source is released on every path.
        EXPECT_EQ(QSqlDatabase::connectionNames(), connections);
        DbFixture::TearDown();
    }

    QString source(const QStringList& statements)
    {
        return makeModelSource(folder.file(QStringLiteral("source.mdb")), statements);
    }
    // Every catalogue row, in ID order.
    QStringList catalogue()
    {
        QStringList rows;
        QSqlQuery q = sql(QStringLiteral("SELECT * FROM tblMODData ORDER BY ID"));
        while (q.next()) {
            QStringList fields;
            for (int i = 0; i < q.record().count(); ++i)
                fields << q.value(i).toString();
            rows << fields.join(QLatin1Char('|'));
        }
        return rows;
    }
    QVariant column(const QString& number, const QString& name)
    {
        return scalar(QStringLiteral("SELECT %1 FROM tblMODData WHERE MODULENUMB = ?").arg(name), {number});
    }
    int16_t import(bool standard, const QString& path)
    {
        return standard ? db().intImportStandardDB(path) : db().intImportUserDB(path);
    }

    QStringList connections;
};

TEST_F(ImportTest, StandardImportAddsAndRefreshesByModelNumber)
{
    // A user model of this installation that the source knows as a standard one.
    sql(model(QStringLiteral("Vr88-05-0000"), kUser));
    sql(QStringLiteral("UPDATE tblMODData SET BANLF = 433000000, BANHF = 435000000 WHERE MODULENUMB = 'Vr88-05-0000'"));
    const QVariant userID = column(QStringLiteral("Vr88-05-0000"), QStringLiteral("ID"));
    const QVariant standardID = column(QStringLiteral("Vr31-05-0000"), QStringLiteral("ID"));
    const QVariant untouched = column(QStringLiteral("Vr31-15-0000"), QStringLiteral("Ref1"));

    // A file that another installation had open keeps its write-ahead log mode.
    const QString path = makeModelSource(folder.file(QStringLiteral("Site #2 (50%).mdb")),
                                {QStringLiteral("PRAGMA journal_mode = WAL"), kEmptyCatalogue,
                                 model(QStringLiteral("Vr31-05-0000"), kStandard, QStringLiteral("Receiver"), 25000),
                                 model(QStringLiteral("VR88-05-0000"), kStandard, QStringLiteral("Receiver"), 5000),
                                 model(QStringLiteral("Vr99-15-0000"), kStandard, QStringLiteral("Transmitter")),
                                 model(QStringLiteral("Mine-1"), kUser)});
    const QByteArray before = fileHash(path);
    ScriptedMsgBox box;
    box.expect(QStringLiteral("There is 1 model added. There are 2 models updated. "));
    EXPECT_EQ(db().intImportStandardDB(path), 0);
    EXPECT_EQ(box.shown().at(0).prompt, QStringLiteral("There is 1 model added. There are 2 models updated. "));
    EXPECT_EQ(box.shown().at(0).style, platform::vbOKOnly);

    EXPECT_EQ(column(QStringLiteral("Vr31-05-0000"), QStringLiteral("ID")), standardID);
    EXPECT_EQ(column(QStringLiteral("Vr31-05-0000"), QStringLiteral("Ref1")).toInt(), 25000);
    // The user row became the standard one: its ID and barred band stay, the rest is the source's.
    EXPECT_EQ(column(QStringLiteral("Vr88-05-0000"), QStringLiteral("ID")), userID);
    EXPECT_EQ(column(QStringLiteral("Vr88-05-0000"), QStringLiteral("MODULENUMB")).toString(), QStringLiteral("VR88-05-0000"));
    EXPECT_EQ(column(QStringLiteral("Vr88-05-0000"), QStringLiteral("InfoType")).toString(), kStandard);
    EXPECT_EQ(column(QStringLiteral("Vr88-05-0000"), QStringLiteral("Ref1")).toInt(), 5000);
    EXPECT_DOUBLE_EQ(column(QStringLiteral("Vr88-05-0000"), QStringLiteral("BANLF")).toDouble(), 433000000.0);
    EXPECT_DOUBLE_EQ(column(QStringLiteral("Vr88-05-0000"), QStringLiteral("BANHF")).toDouble(), 435000000.0);
    // A new row: every copied column, the default barred band.
    EXPECT_EQ(column(QStringLiteral("Vr99-15-0000"), QStringLiteral("Type")).toString(), QStringLiteral("Transmitter"));
    EXPECT_EQ(column(QStringLiteral("Vr99-15-0000"), QStringLiteral("Doubled")).toString(), QStringLiteral("YES"));
    EXPECT_EQ(column(QStringLiteral("Vr99-15-0000"), QStringLiteral("IntFreq")).toInt(), -21400000);
    EXPECT_EQ(column(QStringLiteral("Vr99-15-0000"), QStringLiteral("BANLF")).toDouble(), 0.0);
    // The source's user models are no standard ones; rows the source lacks stay as they were.
    EXPECT_FALSE(column(QStringLiteral("Mine-1"), QStringLiteral("ID")).isValid());
    EXPECT_EQ(column(QStringLiteral("Vr31-15-0000"), QStringLiteral("Ref1")), untouched);
    // Nothing was written into the source, and nothing left beside it.
    EXPECT_EQ(fileHash(path), before);
    EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral("-wal")));
    EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral("-shm")));
}

TEST_F(ImportTest, StandardImportSummaryTexts)
{
    struct Case {
        QStringList statements;
        QString summary;  // empty: no summary
    };
    const QList<Case> cases = {
        {{kEmptyCatalogue, model(QStringLiteral("New-1"), kStandard)},
         QStringLiteral("There is 1 model added. There is 0 model updated. ")},
        {{QStringLiteral("DELETE FROM tblMODData WHERE MODULENUMB NOT LIKE 'Vr31-%'")},
         QStringLiteral("There is 0 model added. There are 3 models updated. ")},
        {{QStringLiteral("UPDATE tblMODData SET Ref1 = 5000"), model(QStringLiteral("New-2"), kStandard),
          model(QStringLiteral("New-3"), kStandard)},
         QStringLiteral("There are 2 models added. There are 7 models updated. ")},
        {{kEmptyCatalogue, model(QStringLiteral("Mine-1"), kUser)}, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.summary.toStdString());
        const QString path = source(c.statements);
        ScriptedMsgBox box;
        if (!c.summary.isEmpty())
            box.expect(c.summary);
        EXPECT_EQ(db().intImportStandardDB(path), 0);
        if (!c.summary.isEmpty()) {
            EXPECT_EQ(box.shown().at(0).prompt, c.summary);
        }
    }
}

TEST_F(ImportTest, StandardImportFallsBackToTheModelTable)
{
    const QString path = source({QStringLiteral("DROP VIEW ModData"), model(QStringLiteral("New-1"), kStandard)});
    ScriptedMsgBox box;
    box.expect(QStringLiteral("There is 1 model added. There are 7 models updated. "));
    EXPECT_EQ(db().intImportStandardDB(path), 0);
    EXPECT_EQ(column(QStringLiteral("New-1"), QStringLiteral("InfoType")).toString(), kStandard);
}

TEST_F(ImportTest, SourceWithoutModelsChangesNothing)
{
    const QStringList before = catalogue();
    const QString path = source({QStringLiteral("DROP VIEW ModData"), QStringLiteral("DROP VIEW UserData"),
                                 QStringLiteral("DROP VIEW qryModData"), QStringLiteral("DROP TABLE tblMODData")});
    ScriptedMsgBox box;
    box.expect(QStringLiteral("3146 no such table: tblModData"));  // no summary follows
    EXPECT_EQ(db().intImportStandardDB(path), -1);
    box.expect(kUserImportFailed);
    EXPECT_EQ(db().intImportUserDB(path), -1);
    EXPECT_EQ(catalogue(), before);
}

TEST_F(ImportTest, RefusedSourcesChangeNothing)
{
    folder.write(QStringLiteral("notes.mdb"), "these are my notes, not a database\n");
    const QString otherDatabase = folder.file(QStringLiteral("other.mdb"));
    testsupport::runOnFile(otherDatabase, {QStringLiteral("CREATE TABLE tblMODData (MODULENUMB TEXT)")});
    const QString newer = source({QStringLiteral("PRAGMA user_version = 2")});
    const QStringList before = catalogue();
    for (const QString& path : {folder.file(QStringLiteral("notes.mdb")), otherDatabase, newer, folder.file(QStringLiteral("gone.mdb"))}) {
        SCOPED_TRACE(path.toStdString());
        ScriptedMsgBox box;
        box.expect(QString());
        EXPECT_EQ(db().intImportStandardDB(path), -1);
        EXPECT_TRUE(box.shown().at(0).prompt.contains(QFileInfo(path).fileName()));
        EXPECT_EQ(box.shown().at(0).style, platform::vbOKOnly);
        box.expect(kUserImportFailed);
        EXPECT_EQ(db().intImportUserDB(path), -1);
        EXPECT_EQ(box.shown().at(1).style, platform::vbOKOnly | platform::vbCritical);
    }
    EXPECT_EQ(catalogue(), before);
}

TEST_F(ImportTest, TheOpenDatabaseIsNoSource)
{
    const QFileInfo open(path);
    const QString symbolic = folder.file(QStringLiteral("link.mdb"));
    const QString hard = folder.file(QStringLiteral("hard.mdb"));
    ASSERT_TRUE(QFile::link(path, symbolic));
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(hard).constData()), 0);
    const QStringList spellings = {
        path,
        open.absolutePath() + QStringLiteral("/./velmar.mdb"),
        open.absolutePath() + QStringLiteral("/../") + open.dir().dirName() + QStringLiteral("//velmar.mdb"),
        symbolic,
        hard,
    };
    const QStringList before = catalogue();
    for (const QString& spelling : spellings) {
        for (const bool standard : {true, false}) {
            SCOPED_TRACE(spelling.toStdString() + (standard ? " standard" : " user"));
            ScriptedMsgBox box;
            box.expect(kSelfImport);
            EXPECT_EQ(import(standard, spelling), -1);
            EXPECT_EQ(box.shown().at(0).prompt, kSelfImport);
        }
    }
    EXPECT_EQ(catalogue(), before);
}

TEST_F(ImportTest, UserImportAppendsAndRefusesDuplicates)
{
    sql(model(QStringLiteral("Mine-2"), kUser, QStringLiteral("Exciter"), 5000));
    const QString mine = catalogue().last();
    const QString path = source({kEmptyCatalogue, model(QStringLiteral("Alpha"), QStringLiteral("Vr31-05-0000")),
                                 model(QStringLiteral("MINE-2"), kUser), model(QStringLiteral("Zulu"), kUser, QStringLiteral("Transmitter")),
                                 model(QStringLiteral("Vr77-05-0000"), kStandard)});
    const int rows = catalogue().size();
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Error! Duplicated module type: [MINE-2]"));
    EXPECT_EQ(db().intImportUserDB(path), -1);
    EXPECT_EQ(box.shown().at(0).prompt, QStringLiteral("Error! Duplicated module type: [MINE-2]"));
    EXPECT_EQ(box.shown().at(0).style, platform::vbOKOnly);

    EXPECT_EQ(catalogue().size(), rows + 2);
    EXPECT_TRUE(catalogue().contains(mine));
    EXPECT_EQ(column(QStringLiteral("Alpha"), QStringLiteral("InfoType")).toString(), QStringLiteral("Vr31-05-0000"));
    EXPECT_EQ(column(QStringLiteral("Zulu"), QStringLiteral("Type")).toString(), QStringLiteral("Transmitter"));
    EXPECT_FALSE(column(QStringLiteral("Vr77-05-0000"), QStringLiteral("ID")).isValid());

    // No user models: nothing to say.
    const QString none = source({kEmptyCatalogue});
    EXPECT_EQ(db().intImportUserDB(none), 0);
}

TEST_F(ImportTest, RowsWithTextsOutsideWindows1252AreRefusedByName)
{
    for (const bool standard : {true, false}) {
        SCOPED_TRACE(standard);
        const QString kind = standard ? kStandard : kUser;
        const QString first = kind + QStringLiteral("-1");
        const QString last = kind + QStringLiteral("-2");
        const QString path =
            source({kEmptyCatalogue, model(first, kind), model(QStringLiteral("ΩRX日本"), kind),
                    model(QStringLiteral("Doubler"), kind), model(last, kind),
                    QStringLiteral("UPDATE tblMODData SET Doubled = 'ДА' WHERE MODULENUMB = 'Doubler'")});
        const QStringList before = catalogue();
        ScriptedMsgBox box;
        box.expect(QStringLiteral("The model [Doubler] was not imported. The character \"Д\" (U+0414) in \"ДА\""));
        box.expect(QStringLiteral("The model [ΩRX日本] was not imported. The character \"Ω\""));
        if (standard)
            box.expect(QStringLiteral("There are 2 models added. There is 0 model updated. "));
        EXPECT_EQ(import(standard, path), -1);
        // The other rows are stored, the refused ones are not.
        EXPECT_EQ(catalogue().size(), before.size() + 2);
        EXPECT_TRUE(column(first, QStringLiteral("ID")).isValid());
        EXPECT_TRUE(column(last, QStringLiteral("ID")).isValid());
        EXPECT_FALSE(column(QStringLiteral("Doubler"), QStringLiteral("ID")).isValid());
        EXPECT_FALSE(column(QStringLiteral("ΩRX日本"), QStringLiteral("ID")).isValid());
    }
}

TEST_F(ImportTest, RowsStoredBeforeARefusedRowStayAndAreCounted)
{
    // The source's query hands out a prescaler the catalogue refuses for its second row.
    const QString path = source(
        {kEmptyCatalogue, model(QStringLiteral("A-1"), kStandard), model(QStringLiteral("B-2"), kStandard),
         model(QStringLiteral("C-3"), kStandard), QStringLiteral("DROP VIEW ModData"),
         QStringLiteral("CREATE VIEW ModData AS SELECT MODULENUMB, Lowerfreql, Upperfreql, Ref1, Ref2, IntFreq, TCXOFreq, "
                        "CASE MODULENUMB WHEN 'B-2' THEN 0 ELSE Prescalar END AS Prescalar, Doubled, Type, InfoType "
                        "FROM tblMODData ORDER BY MODULENUMB")});
    ScriptedMsgBox box;
    box.expect(QStringLiteral("3146 CHECK constraint failed"));
    box.expect(QStringLiteral("There is 1 model added. There is 0 model updated. "));
    EXPECT_EQ(db().intImportStandardDB(path), -1);
    EXPECT_TRUE(column(QStringLiteral("A-1"), QStringLiteral("ID")).isValid());
    EXPECT_FALSE(column(QStringLiteral("B-2"), QStringLiteral("ID")).isValid());
    EXPECT_FALSE(column(QStringLiteral("C-3"), QStringLiteral("ID")).isValid());
}

TEST_F(ImportTest, ASourceOpenElsewhereIsReadWithItsLog)
{
    // Another program holds the source open in write-ahead-log mode; its last row is still in the log.
    const QString path = source({kEmptyCatalogue});
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-other-program"));
        other.setDatabaseName(path);
        ASSERT_TRUE(other.open());
        QSqlQuery q(other);
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA wal_autocheckpoint = 0")));
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA journal_mode = WAL")));
        ASSERT_TRUE(q.exec(model(QStringLiteral("Logged-1"), kStandard)));
        ScriptedMsgBox box;
        box.expect(QStringLiteral("There is 1 model added. "));
        EXPECT_EQ(db().intImportStandardDB(path), 0);
        q.finish();
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-other-program"));
    EXPECT_TRUE(column(QStringLiteral("Logged-1"), QStringLiteral("ID")).isValid());
}
