// The module-type catalogue and the firmware compatibility list.
#include "DbFixture.h"

#include "db/CModule.h"

#include <QLocale>
#include <clocale>

using testsupport::ScriptedMsgBox;

class CatalogueTest : public DbFixture {
protected:
    // A row of the test's own.
    void addModel(const QString& number, const QString& type, int intFreq = 0, const QString& doubled = QStringLiteral("NO"))
    {
        sql(QStringLiteral("INSERT INTO tblMODData (MODULENUMB, Lowerfreql, Upperfreql, Ref1, Ref2, IntFreq, TCXOFreq, "
                           "Prescalar, Doubled, Type, InfoType, BANLF, BANHF) VALUES (?, 1, 2, 3, 4, ?, 5, 6, ?, ?, 'User', 7.5, 8.5)"),
            {number, intFreq, doubled, type});
    }
    // A UHF model whose numbers the catalogue accepts.
    static ModData uhfModel()
    {
        ModData d;
        d.lngLowFreq = 440000000;
        d.lngUpFreq = 450000000;
        d.lngRef1 = 12500;
        d.lngTCXOFreq = 12800000;
        d.intPrescalar = 64;
        return d;
    }
    static ModData untouched()
    {
        ModData d;
        d.lngID = -99;
        d.intType = 9;
        d.strInfoType = QStringLiteral("unchanged");
        return d;
    }
};

TEST_F(CatalogueTest, ReadModDataExactAndFallbacks)
{
    struct Case {
        QString asked;
        QString found;  // empty: none
    };
    addModel(QStringLiteral("Tx12"), QStringLiteral("Transmitter"));
    const QList<Case> cases = {
        {QStringLiteral("Vr31-05-0000"), QStringLiteral("Vr31-05-0000")},
        {QStringLiteral("vr31-05-0000"), QStringLiteral("Vr31-05-0000")},  // model numbers compare without case
        {QStringLiteral("Vr31-05-0012"), QStringLiteral("Vr31-05-0000")},
        {QStringLiteral("Vr51-15"), QStringLiteral("Vr51-15-0000")},
        {QStringLiteral("Tx"), QStringLiteral("Tx12")},
        {QStringLiteral("Vr99-05-0012"), QString()},
        {QStringLiteral("O'Brien"), QString()},
        {QStringLiteral("Vr%"), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked.toStdString());
        ModData d = untouched();
        if (c.found.isEmpty()) {
            EXPECT_EQ(db().intReadModData(c.asked, d), -1);
            EXPECT_EQ(d.lngID, -99);
            EXPECT_EQ(d.strInfoType, QStringLiteral("unchanged"));
        } else {
            ASSERT_EQ(db().intReadModData(c.asked, d), 0);
            EXPECT_EQ(d.lngID, scalar(QStringLiteral("SELECT ID FROM tblMODData WHERE MODULENUMB = ?"), {c.found}).toInt());
        }
    }
}

TEST_F(CatalogueTest, RowValuesByKind)
{
    addModel(QStringLiteral("RX-LOW"), QStringLiteral("Receiver  "), -21400000, QStringLiteral("yes"));
    addModel(QStringLiteral("TX-IF"), QStringLiteral("Transmitter"), 21400000, QStringLiteral("NO"));
    addModel(QStringLiteral("TR-IF"), QStringLiteral("ToneRemote"), 100, QStringLiteral(""));

    ModData d = untouched();
    ASSERT_EQ(db().intReadModData(QStringLiteral("RX-LOW"), d), 0);
    EXPECT_EQ(d.intType, 0);
    EXPECT_EQ(d.lngIntFreq, -21400000);
    EXPECT_TRUE(d.boolDoubled);
    EXPECT_EQ(d.lngLowFreq, 1);
    EXPECT_EQ(d.lngUpFreq, 2);
    EXPECT_EQ(d.lngRef1, 3);
    EXPECT_EQ(d.lngRef2, 4);
    EXPECT_EQ(d.lngTCXOFreq, 5);
    EXPECT_EQ(d.intPrescalar, 6);
    EXPECT_EQ(d.strInfoType, QStringLiteral("User"));
    EXPECT_DOUBLE_EQ(d.lngBanLFreq, 7.5);
    EXPECT_DOUBLE_EQ(d.lngBanUFreq, 8.5);

    ASSERT_EQ(db().intReadModData(QStringLiteral("TX-IF"), d), 0);
    EXPECT_EQ(d.intType, 1);
    EXPECT_EQ(d.lngIntFreq, 0);
    EXPECT_FALSE(d.boolDoubled);
    ASSERT_EQ(db().intReadModData(QStringLiteral("TR-IF"), d), 0);
    EXPECT_EQ(d.intType, 3);
    EXPECT_EQ(d.lngIntFreq, 0);
    EXPECT_TRUE(d.boolDoubled);

    ModData b = untouched();
    ASSERT_EQ(db().intBrowserModData(QStringLiteral("Vr71-05-0000"), b), 0);
    EXPECT_TRUE(b.boolStandard);
    EXPECT_EQ(b.lngID, -99) << "the browser look-up reads no ID";
    EXPECT_EQ(b.intType, 9) << "and knows no tone-remote code";
    EXPECT_EQ(db().intBrowserModData(QStringLiteral("Vr71-05"), b), -1);
}

TEST_F(CatalogueTest, FactoryModel)
{
    addModel(QStringLiteral("Vr31-05"), QStringLiteral("Receiver"));
    const int standard = scalar(QStringLiteral("SELECT ID FROM tblMODData WHERE MODULENUMB = 'Vr31-05-0000'")).toInt();
    const int shortRow = scalar(QStringLiteral("SELECT ID FROM tblMODData WHERE MODULENUMB = 'Vr31-05'")).toInt();
    ModData d = untouched();
    ASSERT_EQ(db().ReadFactModel(QStringLiteral("Vr31-05-0012"), d), 0);
    EXPECT_EQ(d.lngID, standard);
    // Seven characters: the number followed by "0000" first ("Vr31-050000" is not there), then itself.
    ASSERT_EQ(db().ReadFactModel(QStringLiteral("Vr31-05"), d), 0);
    EXPECT_EQ(d.lngID, shortRow);
    d = untouched();
    EXPECT_EQ(db().ReadFactModel(QStringLiteral("Vr99-05-0012"), d), -1);
    EXPECT_EQ(d.lngID, -99);
}

TEST_F(CatalogueTest, UpdateAndDelete)
{
    ModData d = uhfModel();
    d.boolDoubled = true;
    d.intType = 3;
    d.strInfoType = QStringLiteral("User");
    int32_t id = -1;
    ASSERT_EQ(db().intUpdateModData(id, QStringLiteral("O'Brien's model"), d), 0);
    ASSERT_GT(id, 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Type || '/' || Doubled || '/' || BANLF FROM tblMODData WHERE ID = ?"), {id}).toString(),
              QStringLiteral("ToneRemote/YES/0.0"));

    // Changing a row keeps its barred band; a kind outside 0-3 keeps its type.
    const int32_t exciter = scalar(QStringLiteral("SELECT ID FROM tblMODData WHERE MODULENUMB = 'Vr51-25-0000'")).toInt();
    int32_t same = exciter;
    d.intType = 7;
    d.boolDoubled = false;
    ASSERT_EQ(db().intUpdateModData(same, QStringLiteral("Vr51-25-0000"), d), 0);
    EXPECT_EQ(same, exciter);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Type || '/' || Doubled || '/' || BANLF || '/' || Lowerfreql FROM tblMODData WHERE ID = ?"),
                     {exciter})
                  .toString(),
              QStringLiteral("Exciter/NO/433000000.0/440000000"));

    // A number another row has: the duplicate is refused and nothing changes.
    d.intType = 1;
    const int rows = scalar(QStringLiteral("SELECT count(*) FROM tblMODData")).toInt();
    {
        ScriptedMsgBox box;
        box.expect(QStringLiteral("UNIQUE"));
        int32_t again = -1;
        EXPECT_EQ(db().intUpdateModData(again, QStringLiteral("vr31-05-0000"), d), -1);
        EXPECT_EQ(again, -1);
    }
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM tblMODData")).toInt(), rows);

    EXPECT_EQ(db().intDeleteModData(id), 0);
    EXPECT_EQ(db().intDeleteModData(id), -1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM tblMODData")).toInt(), rows - 1);
}

TEST_F(CatalogueTest, TextsOutsideWindows1252AreRefusedAndNothingStored)
{
    ModData d = uhfModel();
    const int32_t exciter =
        scalar(QStringLiteral("SELECT ID FROM tblMODData WHERE MODULENUMB = 'Vr51-25-0000'")).toInt();
    const QString table =
        QStringLiteral("SELECT group_concat(ID || MODULENUMB || InfoType || Lowerfreql, '|') FROM tblMODData");
    const QString before = scalar(table).toString();
    struct Case {
        int32_t id;
        QString number;
        QString infoType;
        QString refused;
    };
    for (const Case& c :
         {Case{-1, QStringLiteral("ΩRX日本"), QStringLiteral("User"), QStringLiteral("ΩRX日本")},
          Case{exciter, QStringLiteral("Vr51-25-0000"), QStringLiteral("Юзер"), QStringLiteral("Юзер")},
          Case{exciter, QStringLiteral("Vr51-25-0000 😀"), QStringLiteral("User"), QStringLiteral("😀")}}) {
        SCOPED_TRACE(c.number.toStdString());
        d.strInfoType = c.infoType;
        int32_t id = c.id;
        ScriptedMsgBox box;
        box.expect(c.refused);
        EXPECT_EQ(db().intUpdateModData(id, c.number, d), -1);
        EXPECT_EQ(id, c.id);
        EXPECT_EQ(scalar(table).toString(), before);
    }
}

TEST_F(CatalogueTest, ModuleListInCatalogueOrder)
{
    CModuleCollection models;
    ASSERT_EQ(db().intGetModuleData(models), 0);
    ASSERT_EQ(models.size(), 7);
    EXPECT_EQ(models[0]->strModule, QStringLiteral("Vr31-05-0000"));
    EXPECT_EQ(models[0]->intRxTxEx, 0);
    EXPECT_EQ(models[0]->lngIntFreq, 21400000);
    EXPECT_TRUE(models[0]->boolStandard);
    EXPECT_EQ(models[6]->strModule, QStringLiteral("Vr71-05-0000"));
    EXPECT_EQ(models[6]->intRxTxEx, 3);
    int kinds[4] = {};
    for (const auto& m : models)
        ++kinds[m->intRxTxEx];
    EXPECT_EQ(kinds[0], 2);
    EXPECT_EQ(kinds[1], 2);
    EXPECT_EQ(kinds[2], 2);
    EXPECT_EQ(kinds[3], 1);
}

TEST_F(CatalogueTest, CompatibilityUnderACommaLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::string cLocale = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(db().intCompatibleCheck(3.0, 2.5), 0);
    EXPECT_EQ(db().intCompatibleCheck(3.0, 10.05), 0);
    EXPECT_EQ(db().intCompatibleCheck(3.0, 1.0), -1);
    EXPECT_EQ(db().intCompatibleCheck(2.0, 1.0), 0);
    EXPECT_EQ(db().intCompatibleCheck(3.0, 2.4), -1);
    std::setlocale(LC_NUMERIC, cLocale.c_str());
    QLocale::setDefault(previous);
}
