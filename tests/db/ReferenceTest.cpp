// Reference look-ups: CTCSS conversions, lists, grids, FLEX stations and the mute table.
#include "DbFixture.h"

#include <QComboBox>
#include <QLocale>
#include <QTableWidget>

using testsupport::ScriptedMsgBox;

class ReferenceTest : public DbFixture {};

TEST_F(ReferenceTest, CTCSSBothWays)
{
    struct Case {
        double frequency;
        int32_t tone;
    };
    for (const Case& c : {Case{67.0, 1}, Case{71.9, 3}, Case{100.0, 13}, Case{218.1, 44}, Case{254.1, 50}}) {
        int32_t tone = -1;
        EXPECT_EQ(db().intCTCSSFrequency2CTCSSTone(c.frequency, tone), 0) << c.frequency;
        EXPECT_EQ(tone, c.tone);
        double frequency = -1;
        EXPECT_EQ(db().intCTCSSTone2CTCSSFrequency(frequency, c.tone), 0);
        EXPECT_DOUBLE_EQ(frequency, c.frequency);
    }
    // 0.0 Hz is tone 0 and back, whatever was asked before.
    int32_t tone = -1;
    EXPECT_EQ(db().intCTCSSFrequency2CTCSSTone(0.0, tone), 0);
    EXPECT_EQ(tone, 0);
    double frequency = -1;
    EXPECT_EQ(db().intCTCSSTone2CTCSSFrequency(frequency, 0), 0);
    EXPECT_EQ(frequency, 0.0);

    // Unknown values leave the outputs alone, without a message.
    tone = 77;
    EXPECT_EQ(db().intCTCSSFrequency2CTCSSTone(70.0, tone), -1);
    EXPECT_EQ(tone, 77);
    frequency = 1.5;
    EXPECT_EQ(db().intCTCSSTone2CTCSSFrequency(frequency, 51), -1);
    EXPECT_EQ(frequency, 1.5);

    // The last frequency found is answered from memory; a failed look-up does not replace it.
    ASSERT_EQ(db().intCTCSSFrequency2CTCSSTone(88.5, tone), 0);
    sql(QStringLiteral("UPDATE tblCTCSS SET CTCSSTone = 900 WHERE CTCSSTone = 9"));
    EXPECT_EQ(db().intCTCSSFrequency2CTCSSTone(70.0, tone), -1);
    EXPECT_EQ(db().intCTCSSFrequency2CTCSSTone(88.5, tone), 0);
    EXPECT_EQ(tone, 9);
}

TEST_F(ReferenceTest, ListsAppendInQueryOrder)
{
    StringListControl standards, actions, keytones, steps;
    EXPECT_EQ(db().intGetFiveToneStandard(standards), 0);
    EXPECT_EQ(standards.items, (QStringList{"CCIR", "EEA", "ZVEI", "DZVEI"}));
    EXPECT_EQ(db().intGetFunctionToneAction(actions), 0);
    ASSERT_EQ(actions.items.size(), 15);
    EXPECT_EQ(actions.items.first(), QStringLiteral("Set channel"));
    EXPECT_EQ(actions.items[13], QStringLiteral("Trigger confirmation message"));
    EXPECT_EQ(actions.items.last(), QStringLiteral("No action"));
    EXPECT_EQ(db().intGetKeytoneFrequency(keytones), 0);
    ASSERT_EQ(keytones.items.size(), 10);
    EXPECT_EQ(keytones.items[1], QStringLiteral("2175"));

    // A second call appends again.
    EXPECT_EQ(db().intGetFiveToneStandard(standards), 0);
    EXPECT_EQ(standards.items.size(), 8);

    const QLocale previous;
    for (const auto& [locale, ctcss, step] : {std::tuple{QLocale::c(), "71.9", "2.500"},
                                              std::tuple{QLocale(QLocale::German), "71,9", "2,500"}}) {
        QLocale::setDefault(locale);
        StringListControl tones, spaces;
        EXPECT_EQ(db().intFillComboCTCSS(tones), 0);
        ASSERT_EQ(tones.items.size(), 50);
        EXPECT_EQ(tones.items[0], QStringLiteral("67"));
        EXPECT_EQ(tones.items[2], QString::fromLatin1(ctcss));
        EXPECT_EQ(db().intFillComboFrequencySpace(spaces), 0);
        ASSERT_EQ(spaces.items.size(), 7);
        EXPECT_EQ(spaces.items.first(), QString::fromLatin1(step));
        EXPECT_EQ(spaces.items.last(), QLocale().toString(20.0, 'f', 3));
    }
    QLocale::setDefault(previous);
    sql(QStringLiteral("INSERT INTO tblFrequencySpace VALUES (8, 500)"));
    StringListControl spaces;
    db().intFillComboFrequencySpace(spaces);
    EXPECT_EQ(spaces.items.first(), QStringLiteral(".500"));
}

TEST_F(ReferenceTest, Grids)
{
    TextGrid alarms(3);
    ASSERT_EQ(db().intGetAlarm(alarms), 0);
    ASSERT_EQ(alarms.Rows(), 17);
    EXPECT_EQ(alarms.text(1, 0), QStringLiteral("1"));
    EXPECT_EQ(alarms.text(1, 1), QStringLiteral("Reverse Power Alarm"));
    EXPECT_EQ(alarms.text(16, 0), QStringLiteral("16"));
    QString name;
    EXPECT_EQ(db().intGetAlarmByID(4, name), 0);
    EXPECT_EQ(name, QStringLiteral("Line Failure Alarm"));
    EXPECT_EQ(db().intGetAlarmByID(17, name), -1);
    EXPECT_EQ(name, QStringLiteral("Line Failure Alarm"));

    sql(QStringLiteral("DELETE FROM tblTRAlarm"));
    EXPECT_EQ(db().intGetAlarm(alarms), 0);
    EXPECT_EQ(alarms.Rows(), 1);

    TextGrid tones(3);
    ASSERT_EQ(db().intGetFnTone(tones), 0);
    ASSERT_EQ(tones.Rows(), 226);
    EXPECT_EQ(tones.text(1, 0) + "/" + tones.text(1, 1) + "/" + tones.text(1, 2), QStringLiteral("0/650/650"));
    EXPECT_EQ(tones.text(225, 0) + "/" + tones.text(225, 1) + "/" + tones.text(225, 2), QStringLiteral("238/2050/2050"));

    // A grid without the columns the rows need: the failure is reported.
    TextGrid narrow(2);
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Subscript out of range"));
    EXPECT_EQ(db().intGetFnTone(narrow), -1);
}

TEST_F(ReferenceTest, FlexStationsSaveAllOrNothing)
{
    TextGrid grid(6, 4);
    const QStringList rows[] = {{"0", "Base O'Neill", "1", "2", "3", "4"}, {"255", "Hill", "5", "", "", "-6"}, {"7", "", "", "", "", ""}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 6; ++c)
            grid.setText(r + 1, c, rows[r][c]);
    ASSERT_EQ(db().intSaveFlexNetwork(grid), 0);

    QString name;
    int16_t pocsag = 0, f1600 = 0, f3200 = 0, f6400 = 0;
    ASSERT_EQ(db().intGetFLEXNetworkStation(255, name, pocsag, f1600, f3200, f6400), 0);
    EXPECT_EQ(name, QStringLiteral("Hill"));
    EXPECT_EQ(pocsag, 5);
    EXPECT_EQ(f6400, -6);
    EXPECT_EQ(db().intGetFLEXNetworkStation(8, name, pocsag, f1600, f3200, f6400), -1);
    EXPECT_EQ(name, QStringLiteral("Hill"));

    TextGrid shown(6, 257);
    ASSERT_EQ(db().intOpenFlexNetwork(shown), 0);
    EXPECT_EQ(shown.text(1, 1), QStringLiteral("Base O'Neill"));
    EXPECT_EQ(shown.text(256, 0), QStringLiteral("255"));
    EXPECT_EQ(shown.text(8, 0), QStringLiteral("7"));

    // A cell that is no number: reported, and the stations stored before stay.
    grid.setText(2, 2, QStringLiteral("lots"));
    {
        ScriptedMsgBox box;
        box.expect(QStringLiteral("Type mismatch"));
        EXPECT_EQ(db().intSaveFlexNetwork(grid), -1);
    }
    // Two rows for one station: refused by the database, the stored stations stay.
    grid.setText(2, 2, QStringLiteral("5"));
    grid.setText(3, 0, QStringLiteral("0"));
    {
        ScriptedMsgBox box;
        box.expect(QStringLiteral("UNIQUE"));
        EXPECT_EQ(db().intSaveFlexNetwork(grid), -1);
    }
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(StationNumber) FROM tblFLEXNetwork")).toString(), QStringLiteral("0,7,255"));
}

TEST_F(ReferenceTest, MuteTable)
{
    QList<int32_t> values{1, 2, 3};
    db().ReadMuteTable(values);
    ASSERT_EQ(values.size(), 128);
    EXPECT_EQ(values[0], 0);
    EXPECT_EQ(values[127], 32767);

    for (int i = 0; i < 128; ++i)
        values[i] = 1000 - i;
    db().WriteMuteTable(values);
    QList<int32_t> back;
    db().ReadMuteTable(back);
    EXPECT_EQ(back, values);

    // An index without a row: reported, and nothing of the table changes.
    QList<int32_t> longer(129, 7);
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Update failed on record 128"), platform::vbOK);
    db().WriteMuteTable(longer);
    EXPECT_EQ(box.shown()[0].title, QStringLiteral("write"));
    EXPECT_EQ(box.shown()[0].buttons(), platform::vbOKCancel);
    db().ReadMuteTable(back);
    EXPECT_EQ(back, values);

    sql(QStringLiteral("DELETE FROM tblMute"));
    db().ReadMuteTable(back);
    EXPECT_TRUE(back.isEmpty());
}

// The line-level tables rise with the potentiometer step, and a new module's steps (225 in, 127 out)
// read -10 dBm, as the tone-remote editor looks them up.
TEST_F(ReferenceTest, LineLevelTables)
{
    for (const auto& [table, step] : {std::pair{QStringLiteral("tblTRLineIn"), 225}, std::pair{QStringLiteral("tblTRLineOut"), 127}}) {
        QSqlQuery q = sql(QStringLiteral("SELECT EPOT FROM %1 WHERE LineLevel <= ? ORDER BY LineLevel ASC").arg(table), {-10.0});
        int last = -1;
        while (q.next())
            last = q.value(0).toInt();
        EXPECT_EQ(last, step) << table.toStdString();
        EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM %1 a JOIN %1 b ON b.EPOT = a.EPOT + 1 WHERE b.LineLevel <= a.LineLevel")
                             .arg(table))
                      .toInt(),
                  0);
    }
    EXPECT_EQ(db().intExecuteQuery(QStringLiteral("anything")), 0);
}

// The look-ups fill the windows' own controls through the item-model adapters.
TEST_F(ReferenceTest, FillsComboBoxesAndTables)
{
    QComboBox combo;
    ItemModelList list(*combo.model());
    ASSERT_EQ(db().intGetFiveToneStandard(list), 0);
    ASSERT_EQ(combo.count(), 4);
    EXPECT_EQ(combo.itemText(0), QStringLiteral("CCIR"));

    QTableWidget table(0, 2);
    ItemModelGrid grid(*table.model());
    ASSERT_EQ(db().intGetAlarm(grid), 0);
    ASSERT_EQ(table.rowCount(), 16);
    ASSERT_NE(table.item(15, 1), nullptr);
    EXPECT_EQ(table.item(15, 0)->text(), QStringLiteral("16"));
    EXPECT_EQ(table.item(0, 1)->text(), QStringLiteral("Reverse Power Alarm"));
}
