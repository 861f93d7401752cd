// The look-up collections loaded at start-up.
#include "DbFixture.h"

#include "app/frmMain.h"
#include "db/LookupTables.h"

using namespace basVelmar;

class LookupTest : public DbFixture {};

TEST_F(LookupTest, CollectionsHoldTheSeededRowsInOrder)
{
    ASSERT_EQ(LoadLookupTables(), 0);

    ASSERT_EQ(gCTCSS.Count(), 50);
    for (int i = 1; i <= 50; ++i) {
        EXPECT_EQ(gCTCSS.Key(i), QString::number(i));
        EXPECT_EQ(gCTCSS.Item(i)->ID, i);
        EXPECT_EQ(gCTCSS.Item(i)->Tone, i);
        if (i > 1) {
            EXPECT_GT(gCTCSS.Item(i)->Frequency, gCTCSS.Item(i - 1)->Frequency);
        }
    }
    EXPECT_DOUBLE_EQ(gCTCSS.Item(QStringLiteral("3"))->Frequency, 71.9);

    // Steps go by size; their keys stay the IDs.
    QList<double> steps;
    QStringList keys;
    for (int i = 1; i <= gFrequencySteps.Count(); ++i) {
        steps << gFrequencySteps.Item(i)->Step;
        keys << gFrequencySteps.Key(i);
    }
    EXPECT_EQ(steps, (QList<double>{2500, 3125, 5000, 6250, 10000, 12500, 20000}));
    EXPECT_EQ(keys, (QStringList{"6", "7", "1", "2", "3", "4", "5"}));
    EXPECT_DOUBLE_EQ(gFrequencySteps.Item(QStringLiteral("4"))->Step, 12500);

    ASSERT_EQ(gFirmwareVersions.Count(), 8);
    EXPECT_DOUBLE_EQ(gFirmwareVersions.Item(QStringLiteral("7"))->Version, 2.5);

    for (const auto* standard : {&gFnToneStandard, &gDTMFToneStandard}) {
        ASSERT_EQ(standard->Count(), 24);
        for (int k = 1; k <= 24; ++k) {
            EXPECT_EQ(standard->Key(k), QString::number(k));
            EXPECT_EQ(standard->Item(k)->ID, k);
            EXPECT_EQ(standard->Item(k)->iType, 0);
        }
    }
    EXPECT_EQ(gFnToneStandard.Item(1)->Tone, 650);
    EXPECT_EQ(gFnToneStandard.Item(15)->Tone, 2050);
    EXPECT_EQ(gFnToneStandard.Item(16)->Tone, 0);
    EXPECT_EQ(gDTMFToneStandard.Item(1)->Tone, 697);
    EXPECT_EQ(gDTMFToneStandard.Item(8)->Tone, 1633);

    // A second load replaces the contents; an empty table gives an empty collection.
    sql(QStringLiteral("DELETE FROM tblCTCSS"));
    ASSERT_EQ(LoadLookupTables(), 0);
    EXPECT_EQ(gCTCSS.Count(), 0);
    EXPECT_EQ(gFrequencySteps.Count(), 7);
}

TEST_F(LookupTest, StartUpLoadsThemFromTheProgramFolder)
{
    gCTCSS.Clear();
    CLASSOrvDB::releaseInstance();
    basVelmar::gDatabasePath.clear();
    testsupport::ScriptedMsgBox box;
    box.answerAll();  // the serial port of this machine may not open
    frmMain window;
    window.MDIForm_Load();
    EXPECT_EQ(db().strDBName(), path);
    EXPECT_EQ(gCTCSS.Count(), 50);
    EXPECT_EQ(gDTMFToneStandard.Count(), 24);
    for (const QString& text : box.texts())
        EXPECT_FALSE(text.contains(QStringLiteral("VELMAR.MDB"))) << text.toStdString();
}
