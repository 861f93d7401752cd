// Opening the database: the missing-file dialogue, files that are no database, reopening.
#include "DbFixture.h"

#include "platform/CommPort.h"
#include "app/frmReference.h"

#include <QFile>
#include <QLineEdit>

using platform::vbNo;
using platform::vbOK;
using platform::vbYes;
using testsupport::ScriptedFileDialogs;
using testsupport::ScriptedMsgBox;

class OpenTest : public DbFixture {
protected:
    QString missing() const { return folder.file(QStringLiteral("gone.mdb")); }
    QString textFile()
    {
        folder.write(QStringLiteral("notes.mdb"), "these are my notes, not a database\n");
        return folder.file(QStringLiteral("notes.mdb"));
    }
    QString otherSqlite()
    {
        const QString other = folder.file(QStringLiteral("other.mdb"));
        {
            QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-other"));
            d.setDatabaseName(other);
            EXPECT_TRUE(d.open());
            QSqlQuery(d).exec(QStringLiteral("CREATE TABLE t (x)"));
            d.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("test-other"));
        return other;
    }
};

TEST_F(OpenTest, OpensTheStartUpPath)
{
    EXPECT_TRUE(db().isOpen());
    EXPECT_EQ(db().strDBName(), path);
    EXPECT_EQ(basVelmar::gDatabasePath, path);
}

TEST_F(OpenTest, MissingFileYesThenChosenFileOpensIt)
{
    const QString chosen = path;
    basVelmar::gDatabasePath = missing();
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Can't find VELMAR.MDB, Continue [Yes] or quit [NO}?"), vbYes);
    ScriptedFileDialogs files;
    files.answer(chosen);
    EXPECT_TRUE(db().isOpen());
    EXPECT_EQ(db().strDBName(), chosen);
    EXPECT_EQ(basVelmar::gDatabasePath, chosen);
    EXPECT_EQ(box.shown()[0].buttons(), platform::vbYesNo);
    ASSERT_EQ(files.requests().size(), 1);
    EXPECT_EQ(files.requests()[0].kind, platform::FileDialogRequest::Open);
    EXPECT_EQ(files.requests()[0].fileName, QStringLiteral("VELMAR.MDB"));
    EXPECT_EQ(files.requests()[0].filter, QStringLiteral("access (*.mdb) | *.mdb"));
    EXPECT_FALSE(QFile::exists(missing())) << "the missing file must not be created";
}

TEST_F(OpenTest, MissingFileYesThenCancelQuits)
{
    basVelmar::gDatabasePath = missing();
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Can't find VELMAR.MDB"), vbYes).expect(QStringLiteral("Quit from VelmarWin"), vbOK);
    ScriptedFileDialogs files;
    files.answer(std::nullopt);
    EXPECT_THROW(db(), EndProgramCalled);
    EXPECT_FALSE(QFile::exists(missing()));
}

TEST_F(OpenTest, MissingFileNoEndsAtOnce)
{
    basVelmar::gDatabasePath = missing();
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Can't find VELMAR.MDB"), vbNo);
    try {
        db();
        ADD_FAILURE() << "the program went on";
    } catch (const EndProgramCalled& e) {
        EXPECT_EQ(e.exitCode, 0);
    }
    EXPECT_EQ(box.shown().size(), 1);
    EXPECT_FALSE(QFile::exists(missing()));
}

// A start-up file, or a file chosen in the dialogue, that cannot serve is reported with the error
// number and description run together, and the program ends.
TEST_F(OpenTest, UnusableFilesAreReportedNotUsed)
{
    struct Case {
        const char* name;
        QString file;
        bool chosen;
        QString expected;
    };
    const QString text = textFile();
    const QString other = otherSqlite();
    const QList<Case> cases = {
        {"text at start-up", text, false, QStringLiteral("3343 The file '%1' is not a database").arg(text)},
        {"other SQLite file", other, false, QStringLiteral("3343 The file '%1' is not a Velmar database").arg(other)},
        {"text chosen", text, true, QStringLiteral("3343 The file '%1' is not a database").arg(text)},
        {"chosen name missing", missing(), true, QStringLiteral("3024 Could not find file '%1'.").arg(missing())},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CLASSOrvDB::releaseInstance();
        basVelmar::gDatabasePath = c.chosen ? folder.file(QStringLiteral("absent.mdb")) : c.file;
        ScriptedMsgBox box;
        ScriptedFileDialogs files;
        if (c.chosen) {
            box.expect(QStringLiteral("Can't find VELMAR.MDB"), vbYes);
            files.answer(c.file);
        }
        box.expect(c.expected);
        try {
            db();
            ADD_FAILURE() << "the program went on";
        } catch (const EndProgramCalled& e) {
            EXPECT_EQ(e.exitCode, 1);
        }
    }
}

TEST_F(OpenTest, ReopenSwitchesOnlyWhenTheNewFileOpens)
{
    const QString second = testsupport::makeDatabase(folder.file(QStringLiteral("second.mdb")));
    // The second file knows 71.9 Hz under another code, so a remembered answer would show.
    {
        CLASSOrvDB& d = db();
        int32_t tone = -1;
        ASSERT_EQ(d.intCTCSSFrequency2CTCSSTone(71.9, tone), 0);
        EXPECT_EQ(tone, 3);
    }
    for (const QString& bad : {missing(), textFile()}) {
        ScriptedMsgBox box;
        box.expect(QStringLiteral("'") + bad + QStringLiteral("'"));
        EXPECT_EQ(db().intReopenDB(bad), -1);
        EXPECT_EQ(db().strDBName(), path);
        EXPECT_EQ(basVelmar::gDatabasePath, path);
        EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM tblCTCSS")).toInt(), 50) << "the open database still serves";
    }
    EXPECT_FALSE(QFile::exists(missing()));

    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-second"));
        d.setDatabaseName(second);
        ASSERT_TRUE(d.open());
        ASSERT_TRUE(QSqlQuery(d).exec(QStringLiteral("UPDATE tblCTCSS SET CTCSSTone = 999 WHERE CTCSSTone = 3")));
        d.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-second"));

    EXPECT_EQ(db().intReopenDB(second), 0);
    EXPECT_EQ(db().strDBName(), second);
    EXPECT_EQ(basVelmar::gDatabasePath, second);
    int32_t tone = -1;
    ASSERT_EQ(db().intCTCSSFrequency2CTCSSTone(71.9, tone), 0);
    EXPECT_EQ(tone, 999) << "the remembered pair belongs to the previous file";
}

// Preferences OK reopens the database named in its box; a file that does not open is reported and
// the open database stays.
TEST_F(OpenTest, PreferencesOkReopensTheNamedFile)
{
    const QString second = testsupport::makeDatabase(folder.file(QStringLiteral("second.mdb")));
    db();
    basVelmar::gPortNumber = 1;
    ScriptedMsgBox box;
    box.answerAll();  // the serial port of this machine may not open
    {
        frmReference dlg;
        dlg.TextDatabasePathName->setText(missing());
        dlg.cmdOk_Click();
    }
    ASSERT_FALSE(box.texts().isEmpty());
    EXPECT_TRUE(box.texts()[0].contains(QStringLiteral("Could not find file"))) << box.texts()[0].toStdString();
    EXPECT_EQ(db().strDBName(), path);
    {
        frmReference dlg;
        dlg.TextDatabasePathName->setText(second);
        dlg.cmdOk_Click();
    }
    EXPECT_EQ(db().strDBName(), second);
    EXPECT_EQ(basVelmar::gDatabasePath, second);
    platform::CommPort::instance().setPortOpen(false);
}
