// Stored modules as a whole: the listing, deletion and the proposed serial number.
#include "DbFixture.h"

#include "db/CRADIO.h"
#include "shell/DateCodecs.h"

using testsupport::ScriptedMsgBox;

class ModulesTest : public DbFixture {};

TEST_F(ModulesTest, ListingDecodesTheStoredPages)
{
    struct Case {
        int flag;
        int16_t type;
    };
    const QList<Case> cases = {{0x25, 5}, {0x06, 0}, {0x02, 0}, {0x04, 2}, {0x00, 1}, {0x80, 3}, {0x9F, 3},
                               {0x40, 4}, {0x60, -1}, {0x7F, -1}, {0xA0, -1}, {0xE0, -1}};
    for (int i = 0; i < cases.size(); ++i) {
        QByteArray page2(8, '\0');
        page2[2] = static_cast<char>(cases[i].flag);
        storeModule(100 + i, {{2, page2},
                              {4, textPage("31050000")},
                              {6, textPage("Site ")},
                              {7, textPage("North")},
                              {8, textPage("O'Brien")},
                              {9, textPage("")}},
                    QStringLiteral("2021-06-07 08:09:10"));
    }
    storeModule(7, {});  // no pages: listed with flag 0 and blank texts

    CRADIOCollection list;
    list.append(std::make_shared<CRADIO>());  // records already there stay first
    ASSERT_EQ(db().intGetModule(list), 0);
    ASSERT_EQ(list.size(), cases.size() + 2);
    EXPECT_EQ(list[1]->strSerial, QStringLiteral("7"));
    EXPECT_EQ(list[1]->intRxTxEx, 1);
    EXPECT_TRUE(list[1]->strModuleType.isEmpty());
    for (int i = 0; i < cases.size(); ++i) {
        const CRADIO& r = *list[i + 2];
        SCOPED_TRACE(cases[i].flag);
        EXPECT_EQ(r.strSerial, QString::number(100 + i));
        EXPECT_EQ(r.intRxTxEx, cases[i].type);
        if (cases[i].type >= 0 && cases[i].type <= 3) {
            EXPECT_EQ(r.strModuleType, QStringLiteral("Vr31-05-0000"));
            EXPECT_EQ(r.strCustomType, QStringLiteral("Site    North"));
            EXPECT_EQ(r.strUserRemark, QStringLiteral("O'Brien"));
            EXPECT_EQ(basVelmar::dateTimeFromDte(r.datCreated),
                      QDateTime(QDate(2021, 6, 7), QTime(8, 9, 10)));
        }
    }
}

TEST_F(ModulesTest, EmptyDatabase)
{
    CRADIOCollection list;
    EXPECT_EQ(db().intGetModule(list), 0);
    EXPECT_TRUE(list.isEmpty());
    int32_t id = 55;
    QString serial;
    EXPECT_EQ(db().intGetModuleSerialAvaiable(id, serial), -1);
    EXPECT_EQ(serial, QStringLiteral("1"));
    EXPECT_EQ(id, 55);
}

TEST_F(ModulesTest, ProposedSerial)
{
    struct Case {
        QList<int> stored;
        QString proposed;
        int16_t status;
    };
    const QList<Case> cases = {
        {{99}, QStringLiteral("100"), 0},
        {{5, 6, 7, 99, 100}, QStringLiteral("101"), 0},
        {{16777123}, QStringLiteral("16777124"), 0},
        {{16777124}, QStringLiteral("1"), -1},
        {{12, 16777124}, QStringLiteral("13"), 0},
        {{16777215}, QStringLiteral("1"), -1},
    };
    for (const Case& c : cases) {
        sql(QStringLiteral("DELETE FROM tblModule"));
        for (int s : c.stored)
            storeModule(s, {});
        int32_t id = -7;
        QString serial;
        EXPECT_EQ(db().intGetModuleSerialAvaiable(id, serial), c.status) << c.proposed.toStdString();
        EXPECT_EQ(serial, c.proposed);
        if (c.status == 0) {
            EXPECT_EQ(id, scalar(QStringLiteral("SELECT ID FROM tblModule WHERE SERIALNUMBER = ?"), {c.proposed.toInt() - 1}).toInt());
        }
    }
}

// A new module's serial number is neither stored nor held by an open window.
TEST_F(ModulesTest, FreeSerialPassesOverStoredAndHeldNumbers)
{
    struct Case {
        const char* name;
        QList<int> stored;
        QSet<int32_t> held;
        QString proposed; // empty: none is free (-1)
    };
    const QList<Case> cases = {
        {"empty database", {}, {}, QStringLiteral("1")},
        {"after the highest", {1001, 1002, 1003, 1004}, {}, QStringLiteral("1005")},
        {"unsaved windows in a row", {3004}, {3005, 3006}, QStringLiteral("3007")},
        {"a held number beside stored ones", {10, 12}, {13}, QStringLiteral("14")},
        {"stored above the proposal", {16777122, 16777124}, {16777123}, QStringLiteral("1")},
        {"a held number at the proposal", {1, 2, 16777124}, {3}, QStringLiteral("4")},
        {"held numbers in the database's first gap", {16777124}, {1, 2}, QStringLiteral("3")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sql(QStringLiteral("DELETE FROM tblModule"));
        for (int s : c.stored)
            storeModule(s, {});
        QString serial;
        EXPECT_EQ(db().intGetFreeSerial(c.held, serial), c.proposed.isEmpty() ? -1 : 0);
        EXPECT_EQ(serial, c.proposed);
    }
}

TEST_F(ModulesTest, StoredModuleOfASerial)
{
    QByteArray page2(8, '\0');
    page2[2] = static_cast<char>(0x80);
    storeModule(1004, {{2, page2}, {4, textPage("71050000")}});
    std::shared_ptr<CRADIO> stored;
    ASSERT_EQ(db().intGetStoredModule(QStringLiteral("1004"), stored), 0);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->strSerial, QStringLiteral("1004"));
    EXPECT_EQ(stored->intRxTxEx, 3);
    EXPECT_EQ(stored->strRxTxEx, QStringLiteral("ToneRemote"));
    EXPECT_EQ(stored->strModuleType, QStringLiteral("Vr71-05-0000"));
    ASSERT_EQ(db().intGetStoredModule(QStringLiteral("1005"), stored), 0);
    EXPECT_FALSE(stored);
}

TEST_F(ModulesTest, DeleteRemovesModuleAndPages)
{
    storeModule(10, {{0, QByteArray(8, 'a')}, {1, QByteArray(8, 'b')}});
    storeModule(11, {});
    storeModule(12, {{0, QByteArray(8, 'c')}});

    EXPECT_EQ(db().intDeleteModule(QStringLiteral("10")), 0);
    EXPECT_EQ(db().intDeleteModule(QStringLiteral("11")), 1) << "a module without pages";
    EXPECT_EQ(db().intDeleteModule(QStringLiteral("13")), 1) << "a serial that is not stored";
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(SERIALNUMBER) FROM tblModule")).toString(), QStringLiteral("12"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM tblModulePage")).toInt(), 1);

    // One transaction: a failure while deleting the module row keeps its pages too.
    sql(QStringLiteral("CREATE TRIGGER injected BEFORE DELETE ON tblModule BEGIN SELECT RAISE(ABORT, 'injected failure'); END"));
    ScriptedMsgBox box;
    box.expect(QStringLiteral("injected failure"));
    EXPECT_EQ(db().intDeleteModule(QStringLiteral("12")), -1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM qryModulePages WHERE SerialNumber = 12")).toInt(), 1);
}
