// The file a model import reads while another program saves into it, and one that another program
// left in the middle of a change.
#include "DbFixture.h"

#include "support/ModelSource.h"

#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <sqlite3.h>
#include <thread>

using testsupport::ScriptedMsgBox;

namespace {

constexpr int kRows = 150;

// Another program with the source open: it saves the whole model table again and again, one
// transaction a time, each time the rows M-000 to M-149 with the round's number as Ref1.
class SavingColleague {
public:
    SavingColleague(const QString& path, const QString& infoType)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(db_, 10000);
        sqlite3_exec(db_, "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
        insert_ =
            QStringLiteral("INSERT INTO tblMODData (MODULENUMB, Lowerfreql, Upperfreql, Ref1, Ref2, TCXOFreq, "
                           "Type, InfoType) VALUES (printf('M-%03d', ?1), 150000000, 160000000, ?2, 6250, 12800000, "
                           "'Receiver', '%1')")
                .arg(infoType)
                .toUtf8();
        EXPECT_TRUE(save()) << sqlite3_errmsg(db_);
        thread_ = std::thread([this] {
            while (!stop_)
                if (!save())
                    failures_ += QString::fromUtf8(sqlite3_errmsg(db_)) + QLatin1Char('\n');
        });
    }
    ~SavingColleague()
    {
        stop_ = true;
        thread_.join();
        sqlite3_close(db_);
        EXPECT_TRUE(failures_.isEmpty()) << failures_.toStdString();
    }
    int rounds() const { return rounds_; }

private:
    bool save()
    {
        sqlite3_stmt* insert = nullptr;
        bool ok = sqlite3_exec(db_, "BEGIN IMMEDIATE; DELETE FROM tblMODData", nullptr, nullptr, nullptr) == SQLITE_OK
            && sqlite3_prepare_v2(db_, insert_.constData(), -1, &insert, nullptr) == SQLITE_OK;
        const int round = rounds_ + 1;
        for (int row = 0; ok && row < kRows; ++row) {
            sqlite3_bind_int(insert, 1, row);
            sqlite3_bind_int(insert, 2, round);
            ok = sqlite3_step(insert) == SQLITE_DONE && sqlite3_reset(insert) == SQLITE_OK;
        }
        sqlite3_finalize(insert);
        ok = ok && sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
        if (!ok)
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        else
            rounds_ = round;
        return ok;
    }

    sqlite3* db_ = nullptr;
    QByteArray insert_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<int> rounds_{0};
    QString failures_;
};

} // namespace

class ImportSourceTest : public DbFixture {
protected:
    // The catalogue's rows M-000 to M-149: how many, and how many different rounds they came from.
    std::pair<int, int> colleagueRows()
    {
        QSqlQuery q =
            sql(QStringLiteral("SELECT count(*), count(DISTINCT Ref1) FROM tblMODData WHERE MODULENUMB LIKE 'M-%'"));
        return q.next() ? std::pair{q.value(0).toInt(), q.value(1).toInt()} : std::pair{-1, -1};
    }
};

TEST_F(ImportSourceTest, AnImportBesideAColleagueSavingTakesOneWholeSaveOrNothing)
{
    constexpr int kImports = 40;
    for (const bool standard : {true, false}) {
        SCOPED_TRACE(standard ? "standard models" : "user models");
        const QString path = testsupport::makeModelSource(
            folder.file(standard ? QStringLiteral("shared-standard.mdb") : QStringLiteral("shared-user.mdb")));
        SavingColleague colleague(path, standard ? QStringLiteral("Standard") : QStringLiteral("User"));
        for (int i = 0; i < kImports; ++i) {
            SCOPED_TRACE(i);
            if (!standard)
                sql(QStringLiteral("DELETE FROM tblMODData WHERE MODULENUMB LIKE 'M-%'"));
            const std::pair<int, int> before = colleagueRows();
            ScriptedMsgBox box;
            box.answerAll();
            const int16_t status = standard ? db().intImportStandardDB(path) : db().intImportUserDB(path);
            const std::pair<int, int> after = colleagueRows();
            for (const QString& text : box.texts())
                ASSERT_FALSE(text.contains(QStringLiteral("malformed"))) << text.toStdString();
            if (status == 0) {
                ASSERT_EQ(after, std::pair(kRows, 1)) << "the rows of one whole save";
                if (standard) {
                    ASSERT_EQ(box.texts().size(), 1);
                    ASSERT_TRUE(box.texts().front().contains(QStringLiteral("updated")));
                } else {
                    ASSERT_TRUE(box.texts().isEmpty());
                }
            } else {
                ASSERT_EQ(after, before) << "a refused import changes nothing";
                ASSERT_EQ(box.texts().size(), 1);
            }
        }
        EXPECT_GT(colleague.rounds(), 1) << "the colleague saved while the imports ran";
    }
}

TEST_F(ImportSourceTest, ASourceLeftInTheMiddleOfAChangeIsRefusedAsSuch)
{
    // Another program stopped in the middle of a change: the file with its journal beside it.
    const QString saving = testsupport::makeModelSource(folder.file(QStringLiteral("saving.mdb")));
    const QString path = folder.file(QStringLiteral("unfinished.mdb"));
    {
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(saving).constData(), &other), SQLITE_OK);
        // A change larger than the program's cache: part of it is written into the file, the
        // journal holds what it replaced.
        ASSERT_EQ(sqlite3_exec(other,
                               "PRAGMA cache_size = 1; BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                               "FROM n WHERE i < 3000) INSERT INTO tblMODData (MODULENUMB, Lowerfreql, Upperfreql, "
                               "Ref1, TCXOFreq, Type) SELECT 'N-' || i, 1, 2, 3, 4, 'Receiver' FROM n",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        ASSERT_TRUE(QFile::copy(saving + QStringLiteral("-journal"), path + QStringLiteral("-journal")));
        ASSERT_TRUE(QFile::copy(saving, path));
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
    }
    const QVariant catalogue = scalar(QStringLiteral("SELECT group_concat(MODULENUMB || '=' || Ref1) FROM tblMODData"));
    ScriptedMsgBox box;
    box.expect(
        QStringLiteral("3146 The file '%1' holds an unfinished change from another program and must be opened by "
                       "it first.")
            .arg(path));
    EXPECT_EQ(db().intImportStandardDB(path), -1);
    box.expect(QStringLiteral("Error: Unable to Import User Module Data."));
    EXPECT_EQ(db().intImportUserDB(path), -1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(MODULENUMB || '=' || Ref1) FROM tblMODData")), catalogue);
    EXPECT_TRUE(QFileInfo::exists(path + QStringLiteral("-journal"))) << "the change is left to its program";
}
