// The Alarm / Confirm tab: the action texts of the 16 records, editing a range through the alarm
// editor and undoing it, the line-fail time and the selcall standard.
#include "TabFixture.h"
#include "WhenShown.h"

#include "platform/ui/FlexGrid.h"
#include "support/ScriptedMsgBox.h"
#include "toneremote/basVelmarTR.h"
#include "toneremoteview/TRAlarmTab.h"
#include "toneremoteview/frmEditAlarm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using testsupport::ScriptedMsgBox;
using Record = COrvDocTR::AlarmRecord;

namespace {

constexpr Record kLinePip{0x30, 255, 255, 255, 255, 255, 255, 255};

// The editor's step of the test: the pip tone switched over, then OK.
void togglePipTone(frmEditAlarm& dialog) { dialog.chkPipTone->setChecked(!dialog.chkPipTone->isChecked()); }

} // namespace

class AlarmConfirmTabTest : public TabFixture {
protected:
    void SetUp() override
    {
        TabFixture::SetUp();
        view->SSTab1->setCurrentWidget(&tab()); // the tab's controls are enabled while it is the current one
    }
    QString actionText(int row) const { return tab().grdAlarm->TextMatrix(row, tab().intColAlarmAction); }
    Record alarm(int16_t n) const
    {
        Record r{};
        EXPECT_EQ(doc().intGetAlarm(n, r), 0);
        return r;
    }

    TRAlarmTab& tab() const { return view->alarm(); }
};

TEST_F(AlarmConfirmTabTest, ShowsSixteenRecordsAndHidesTheUpperHalfForFirstFirmware)
{
    ASSERT_EQ(tab().grdAlarm->Rows(), 17);
    ASSERT_EQ(doc().intSetAlarm(12, kLinePip), 0);
    QString text;
    basVelmarTR::intAlarmToText(kLinePip, text);
    for (const QString firmware : {"V10.05", "V01.02"}) {
        SCOPED_TRACE(firmware.toStdString());
        doc().strFirmwareVersion = firmware;
        ASSERT_EQ(tab().intShowAlarm(), 0);
        for (int n = 1; n <= 16; ++n) {
            if (firmware.startsWith("V01") && n > 8)
                EXPECT_EQ(actionText(n), "(Unsupported in Firmware)") << n;
            else
                EXPECT_NE(actionText(n), "(Unsupported in Firmware)") << n;
        }
        if (!firmware.startsWith("V01")) {
            EXPECT_EQ(actionText(12), text);
        }
    }
    EXPECT_EQ(tab().intShowAlarmAction(0, 16), -1);
    EXPECT_EQ(tab().intShowAlarmAction(1, 17), -1);
}

TEST_F(AlarmConfirmTabTest, RangeEditAndItsUndos)
{
    for (int16_t n : {3, 4, 5})
        ASSERT_EQ(doc().intSetAlarm(n, kLinePip), 0);
    // The record the editor gives for the range; row 4 holds it already.
    Record edited{};
    {
        frmEditAlarm probe;
        probe.SetData(doc(), 3, 5);
        togglePipTone(probe);
        ASSERT_EQ(probe.GenerateAlarmRcd(), 0);
        probe.GetData(edited);
    }
    ASSERT_NE(edited, kLinePip);
    ASSERT_EQ(doc().intSetAlarm(4, edited), 0);
    ASSERT_EQ(tab().intShowAlarm(), 0);
    EXPECT_FALSE(tab().cmdCancel->isEnabled());

    tab().grdAlarm->select(5, 1, 3, 2); // dragged upwards
    WhenShown accept([](QWidget* w) {
        auto* dialog = static_cast<frmEditAlarm*>(w);
        togglePipTone(*dialog);
        dialog->cmdAlarmApply->click();
    });
    tab().cmdAlarmEdit->click();
    ASSERT_TRUE(accept.ran);
    for (int16_t n : {3, 4, 5})
        EXPECT_EQ(alarm(n), edited) << n;
    EXPECT_EQ(tab().undoDepth(), 2) << "row 4 was already so";
    EXPECT_TRUE(doc().fModified);
    EXPECT_TRUE(tab().cmdCancel->isEnabled());
    QString text;
    basVelmarTR::intAlarmToText(edited, text);
    EXPECT_EQ(actionText(3), text);

    doc().fModified = false;
    tab().cmdCancel->click();
    EXPECT_EQ(alarm(5), kLinePip);
    EXPECT_EQ(alarm(3), edited);
    EXPECT_TRUE(doc().fModified);
    EXPECT_TRUE(tab().cmdCancel->isEnabled());
    tab().cmdCancel->click();
    EXPECT_EQ(alarm(3), kLinePip);
    EXPECT_EQ(alarm(4), edited);
    EXPECT_FALSE(tab().cmdCancel->isEnabled());
    EXPECT_EQ(tab().UndoAlarmConfirm(), 0);
}

TEST_F(AlarmConfirmTabTest, LineFailTimeShownAndAppliedUntouched)
{
    struct Case {
        int32_t stored;
        QString hours, minutes;
    };
    for (const Case& c : {Case{14400, "1", "0"}, Case{57600, "4", "0"}, Case{15000, "1", "2"}, Case{0, "0", "0"}}) {
        SCOPED_TRACE(c.stored);
        doc().intLineFailTime = c.stored;
        ASSERT_EQ(tab().intShowAlarm(), 0);
        EXPECT_EQ(tab().txtLineFailTimeH->text(), c.hours);
        EXPECT_EQ(tab().txtLineFailTimeM->text(), c.minutes);
        ASSERT_EQ(tab().intEditApplyAlarm(), 0);
        EXPECT_EQ(doc().intLineFailTime, c.stored);
    }
    tab().txtLineFailTimeH->setText("0");
    tab().txtLineFailTimeM->setText("0");
    ASSERT_EQ(tab().intEditApplyAlarm(), 0);
    EXPECT_EQ(doc().intLineFailTime, 0) << "0:00 switches the timer off";
    tab().txtLineFailTimeH->setText("3");
    tab().txtLineFailTimeM->setText("59");
    ASSERT_EQ(tab().intEditApplyAlarm(), 0);
    EXPECT_EQ(doc().intLineFailTime, (3 * 60 + 59) * 240);
}

TEST_F(AlarmConfirmTabTest, LineFailTimeOutsideItsRangeIsRefused)
{
    doc().intLineFailTime = 14400;
    ASSERT_EQ(tab().intShowAlarm(), 0);
    for (const auto& [hours, minutes] : {std::pair{"4", "30"}, {"5", "0"}, {"1", "60"}, {"", "60"}, {"1", "x"}}) {
        SCOPED_TRACE(std::string(hours) + ":" + minutes);
        tab().txtLineFailTimeH->setText(hours);
        tab().txtLineFailTimeM->setText(minutes);
        ScriptedMsgBox boxes;
        boxes.expect("The line fail time must lie between 0:00 and 4:00");
        EXPECT_EQ(tab().intEditApplyAlarm(), -1);
        EXPECT_EQ(doc().intLineFailTime, 14400);
    }
}

TEST_F(AlarmConfirmTabTest, EmptiedLineFailBoxesReadAsZero)
{
    struct Case {
        QString hours, minutes;
        int32_t applied;
    };
    for (const Case& c :
         {Case{"", "10", 10 * 240}, Case{"2", "", 2 * 60 * 240}, Case{"", "", 0}, Case{" ", "5", 5 * 240}}) {
        SCOPED_TRACE((c.hours + ":" + c.minutes).toStdString());
        doc().intLineFailTime = 14400 + 240;
        ASSERT_EQ(tab().intShowAlarm(), 0);
        tab().txtLineFailTimeH->setText(c.hours);
        tab().txtLineFailTimeM->setText(c.minutes);
        ASSERT_EQ(tab().intEditApplyAlarm(), 0);
        EXPECT_EQ(doc().intLineFailTime, c.applied);
    }
}

TEST_F(AlarmConfirmTabTest, LineFailKeyFiltersKeepFourHoursTheLongest)
{
    ASSERT_EQ(tab().intShowAlarm(), 0);
    tab().txtLineFailTimeH->clear();
    tab().txtLineFailTimeM->setText("3");
    QTest::keyClicks(tab().txtLineFailTimeH, "4");
    EXPECT_EQ(tab().txtLineFailTimeH->text(), "") << "4 hours and 3 minutes is too long";
    QTest::keyClicks(tab().txtLineFailTimeH, "x2");
    EXPECT_EQ(tab().txtLineFailTimeH->text(), "2");
    tab().txtLineFailTimeM->clear();
    QTest::keyClicks(tab().txtLineFailTimeM, "67");
    EXPECT_EQ(tab().txtLineFailTimeM->text(), "6") << "67 minutes is an hour or more";
    tab().txtLineFailTimeH->setText("4");
    tab().txtLineFailTimeM->clear();
    QTest::keyClicks(tab().txtLineFailTimeM, "1");
    EXPECT_EQ(tab().txtLineFailTimeM->text(), "");
}

TEST_F(AlarmConfirmTabTest, ChoosingTheSelcallStandardRebuildsItsTablesOnce)
{
    ASSERT_GE(tab().cboFiveToneStandard->count(), 4);
    doc().bytSelcallStd = 0;
    ASSERT_EQ(tab().intShowAlarm(), 0);
    const QByteArray before = encodedImage();
    ASSERT_EQ(tab().intEditApplyAlarm(), 0);
    EXPECT_EQ(encodedImage(), before) << "an untouched tab changes no byte";

    tab().cboFiveToneStandard->setCurrentIndex(3);
    EXPECT_TRUE(doc().fModified);
    ASSERT_EQ(tab().intEditApplyAlarm(), 0);
    EXPECT_EQ(doc().bytSelcallStd, 3);
    EXPECT_EQ(doc().byt5TTime, 35);
    EXPECT_EQ(doc().bytLET, 125);
    const QByteArray after = encodedImage();
    bool table = false, codes = false;
    for (int page = 0; page < trlayout::kPageCount; ++page) {
        if (after.mid(page * 8, 8) == before.mid(page * 8, 8))
            continue;
        table |= page >= 32 && page <= 44;
        codes |= page >= 216 && page <= 219;
        EXPECT_TRUE((page >= 32 && page <= 44) || (page >= 216 && page <= 219) || page == 15) << page;
    }
    EXPECT_TRUE(table && codes);

    // A mark in the selcall table stays: applying again rebuilds nothing.
    doc().SetPage(32, 1, 2, 3, 4, 5, 6, 7, 8);
    ASSERT_EQ(tab().intEditApplyAlarm(), 0);
    EXPECT_EQ(testsupport::pageOf(doc(), 32), QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08", 8));
}

TEST_F(AlarmConfirmTabTest, EveryApplyWritesTheShownStandardsTimeAndLet)
{
    // The five-tone time and the LET byte follow the standard on every apply, changed or not; a
    // stored standard beyond the list shows as the first and is written so, with its tables.
    const int count = tab().cboFiveToneStandard->count();
    ASSERT_EQ(count, 4);
    const struct {
        int stored;
        int shown;
        uint8_t fiveToneTime;
    } cases[] = {{0, 0, 50}, {1, 1, 16}, {2, 2, 20}, {3, 3, 35}, {4, 0, 50}, {5, 0, 50}, {200, 0, 50}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.stored);
        doc().bytSelcallStd = static_cast<uint8_t>(k.stored);
        doc().byt5TTime = 77;
        doc().bytLET = 0;
        ASSERT_EQ(doc().intEditSystem(), 0);
        ASSERT_EQ(doc().intInitSystemInfo(), 0);
        doc().SetPage(32, 1, 2, 3, 4, 5, 6, 7, 8); // a mark in the selcall table
        ASSERT_EQ(tab().intShowAlarm(), 0);
        EXPECT_EQ(tab().cboFiveToneStandard->currentIndex(), k.shown);
        ASSERT_EQ(tab().intEditApplyAlarm(), 0);
        EXPECT_EQ(doc().bytSelcallStd, k.shown);
        EXPECT_EQ(doc().byt5TTime, k.fiveToneTime);
        EXPECT_EQ(doc().bytLET, 125);
        // The tables are built anew only for a standard other than the stored one.
        EXPECT_EQ(testsupport::pageOf(doc(), 32) == QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08", 8),
                  k.stored == k.shown);
    }
}
