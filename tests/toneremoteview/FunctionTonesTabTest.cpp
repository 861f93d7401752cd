// The Function Tones tab: the grid under its two filters, single and range edits through the
// function-tone editor with their undos, the action table written back, and the keytone and
// momentary-monitor settings.
#include "TabFixture.h"
#include "WhenShown.h"

#include "platform/ui/FlexGrid.h"
#include "support/ScriptedMsgBox.h"
#include "toneremote/Tones.h"
#include "toneremoteview/TRFunctionTonesTab.h"
#include "toneremoteview/frmEditTones.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using testsupport::ScriptedMsgBox;

namespace {

constexpr int16_t kSetChannel5 = 5, kTalkThruOn = 129, kClearPips = 193, kNothing = 255;

int16_t pairIndex(int tone1, int tone2) { return static_cast<int16_t>(tone1 * 16 + tone2); }

// The editor's choice: tones (-1: as opened), the action's list position and its parameter.
std::function<void(QWidget*)> choose(int tone1, int tone2, int position, const QString& parameter = {})
{
    return [=](QWidget* w) {
        auto* dialog = static_cast<frmEditTones*>(w);
        if (tone1 >= 0)
            dialog->cboTone1->setCurrentIndex(tone1);
        if (tone2 >= 0)
            dialog->cboTone2->setCurrentIndex(tone2);
        dialog->cboFunctionToneAction->setCurrentIndex(position);
        if (!parameter.isNull())
            dialog->txtFTActionParameter->setText(parameter);
        dialog->cmdAlarmApply->click();
    };
}

} // namespace

class FunctionTonesTabTest : public TabFixture {
protected:
    void SetUp() override
    {
        TabFixture::SetUp();
        view->SSTab1->setCurrentWidget(&tab()); // the tab's controls are enabled while it is the current one
        doc().ResetFnToneActions();
        ASSERT_EQ(doc().intSetFnToneAction(pairIndex(0, 0), kSetChannel5), 0);
        ASSERT_EQ(doc().intSetFnToneAction(pairIndex(0, 1), kTalkThruOn), 0);
        ASSERT_EQ(doc().intSetFnToneAction(pairIndex(3, 3), kClearPips), 0);
        doc().OneTone = 0;
    }
    int16_t codeOf(int tone1, int tone2) const
    {
        int16_t hz1 = 0, hz2 = 0, code = 0;
        EXPECT_EQ(doc().intGetFnToneAction(pairIndex(tone1, tone2), hz1, hz2, code), 0);
        return code;
    }
    int16_t listedCode(int tone1, int tone2) const
    {
        return tab().tones().GetItem(Tones::keyOf(650 + 100 * tone1, 650 + 100 * tone2))->ActionCode;
    }
    QString cell(int row, int col) const { return tab().grdFnTone->TextMatrix(row, col); }
    // Edits the grid's rows first..last through the editor, answered by `step`.
    void edit(int first, int last, std::function<void(QWidget*)> step)
    {
        tab().grdFnTone->select(first, 1, last, 3);
        WhenShown answer(std::move(step));
        tab().cmdEditFTones->click();
        ASSERT_TRUE(answer.ran);
    }

    TRFunctionTonesTab& tab() const { return view->functionTones(); }
};

TEST_F(FunctionTonesTabTest, FiltersShowTheirEntriesAndOneBlankRow)
{
    ASSERT_EQ(tab().intShowFunctionTone(), 0);
    EXPECT_EQ(cell(1, 1) + "/" + cell(1, 2), "650/650");
    EXPECT_EQ(cell(16, 1) + "/" + cell(16, 2), "750/650");
    EXPECT_EQ(cell(225, 1) + "/" + cell(225, 2), "2050/2050");
    struct Case {
        bool activeOnly, oneTone;
        int entries;
        QString lastEntry;
    };
    for (const Case& c : {Case{false, false, 225, "2050_2050"}, Case{false, true, 15, "2050_2050"},
                          Case{true, false, 3, "950_950"}, Case{true, true, 2, "950_950"}}) {
        SCOPED_TRACE(testing::Message() << c.activeOnly << c.oneTone);
        tab().chkGridView->setChecked(c.activeOnly);
        tab().chkOneTone->setChecked(c.oneTone);
        EXPECT_EQ(tab().grdFnTone->Rows(), c.entries + 2);
        EXPECT_EQ(cell(c.entries, 1) + "_" + cell(c.entries, 2), c.lastEntry);
        EXPECT_EQ(cell(c.entries, 0), QString::number(c.entries));
        for (int col = 0; col < 4; ++col)
            EXPECT_EQ(cell(c.entries + 1, col), "") << "the blank row";
        EXPECT_EQ(tab().grdFnTone->isColumnHidden(tab().intColTone2), c.oneTone);
    }
}

TEST_F(FunctionTonesTabTest, EditsAndUndosChangeTheListThenApplyStoresIt)
{
    ASSERT_EQ(tab().intShowFunctionTone(), 0);
    const QByteArray untouched = encodedImage();
    ASSERT_EQ(tab().iEditApplyFunctionTone(), 0);
    EXPECT_EQ(encodedImage(), untouched) << "an untouched tab changes no byte";

    // The blank row opens the editor on "Do Nothing"; the pair chosen there takes the action.
    edit(226, 226, choose(2, 3, 4));
    EXPECT_EQ(listedCode(2, 3), kTalkThruOn);
    EXPECT_TRUE(doc().fModified);
    EXPECT_EQ(codeOf(2, 3), kNothing) << "the document changes on apply";

    edit(1, 3, choose(-1, -1, 0, "5"));
    for (int tone2 : {0, 1, 2})
        EXPECT_EQ(listedCode(0, tone2), kSetChannel5) << tone2;
    EXPECT_EQ(cell(2, 3), "Set Channel To [5]");
    EXPECT_EQ(tab().tones().CountChanges(), 4);
    EXPECT_TRUE(tab().cmdUndoFunctionTones->isEnabled());

    tab().cmdUndoFunctionTones->click();
    EXPECT_EQ(listedCode(0, 2), kNothing);
    EXPECT_EQ(listedCode(0, 1), kSetChannel5);
    tab().cmdUndoFunctionTones->click();
    EXPECT_EQ(listedCode(0, 1), kTalkThruOn);
    tab().cmdUndoFunctionTones->click();
    EXPECT_EQ(listedCode(0, 0), kSetChannel5) << "it held that action before";
    EXPECT_TRUE(tab().cmdUndoFunctionTones->isEnabled());
    EXPECT_EQ(cell(34, 3), "Set talk-thru ON");

    edit(225, 225, choose(14, 14, 12));
    ASSERT_EQ(tab().iEditApplyFunctionTone(), 0);
    for (int t1 = 0; t1 < 15; ++t1)
        for (int t2 = 0; t2 < 15; ++t2)
            EXPECT_EQ(codeOf(t1, t2), listedCode(t1, t2)) << t1 << "/" << t2;
    EXPECT_EQ(codeOf(2, 3), kTalkThruOn);
    EXPECT_EQ(codeOf(14, 14), 192);
}

TEST_F(FunctionTonesTabTest, RangeReachingTheBlankRowStopsAtTheLastEntry)
{
    ASSERT_EQ(tab().intShowFunctionTone(), 0);
    tab().chkGridView->setChecked(true);
    ASSERT_EQ(tab().grdFnTone->Rows(), 5);
    ScriptedMsgBox boxes; // none expected
    edit(2, 4, choose(-1, -1, 5));
    EXPECT_EQ(listedCode(0, 1), 128);
    EXPECT_EQ(listedCode(3, 3), 128);
    EXPECT_EQ(listedCode(0, 0), kSetChannel5);
    EXPECT_EQ(tab().tones().CountChanges(), 2);
    EXPECT_EQ(tab().grdFnTone->Rows(), 5) << "the grid was filled again";
}

TEST_F(FunctionTonesTabTest, MomentaryTimeShownAppliedAndChecked)
{
    doc().intMomTime = 41;
    ASSERT_EQ(tab().intShowFunctionTone(), 0);
    EXPECT_EQ(tab().txtMomentaryMonitor->text(), "10");
    ASSERT_EQ(tab().iEditApplyFunctionTone(), 0);
    EXPECT_EQ(doc().intMomTime, 41) << "untouched, the time is kept";

    tab().txtMomentaryMonitor->clear();
    QTest::keyClicks(tab().txtMomentaryMonitor, "25");
    EXPECT_EQ(tab().txtMomentaryMonitor->text(), "2") << "25 seconds is too long";
    EXPECT_TRUE(doc().fModified);
    ASSERT_EQ(tab().iEditApplyFunctionTone(), 0);
    EXPECT_EQ(doc().intMomTime, 8);

    const uint8_t flags = doc().bytFlag2;
    tab().txtMomentaryMonitor->clear();
    tab().chkMomentaryMonitor->setChecked(!tab().chkMomentaryMonitor->isChecked());
    ScriptedMsgBox boxes;
    boxes.expect("The momentary monitor time must be a number of seconds from 0 to 20.");
    EXPECT_EQ(tab().iEditApplyFunctionTone(), -1);
    EXPECT_EQ(doc().intMomTime, 8);
    EXPECT_EQ(doc().bytFlag2, flags) << "nothing stored";
}

TEST_F(FunctionTonesTabTest, KeytoneFrequencyRebuiltOnlyWhenChosen)
{
    doc().intKeytoneFrequencyLT5 = 2325;
    ASSERT_EQ(tab().intShowFunctionTone(), 0);
    EXPECT_EQ(tab().cboKeytoneFrequency->currentText(), "2325");

    doc().intKeytoneFrequencyLT5 = 1234; // no frequency of the list
    ASSERT_EQ(tab().intShowFunctionTone(), 0);
    EXPECT_EQ(tab().cboKeytoneFrequency->currentText(), "2325") << "the selection stays";
    const QByteArray before = encodedImage();
    ASSERT_EQ(tab().iEditApplyFunctionTone(), 0);
    EXPECT_EQ(doc().intKeytoneFrequencyLT5, 1234);
    EXPECT_EQ(encodedImage(), before);

    tab().cboKeytoneFrequency->setCurrentIndex(3);
    Q_EMIT tab().cboKeytoneFrequency->activated(3);
    EXPECT_TRUE(doc().fModified);
    ASSERT_EQ(tab().iEditApplyFunctionTone(), 0);
    EXPECT_EQ(doc().intKeytoneFrequencyLT5, 2500);
    EXPECT_NE(encodedImage(), before);
}

TEST_F(FunctionTonesTabTest, OneToneAndSignallingOptionsApplied)
{
    doc().bytFlag2 = 0x40;
    ASSERT_EQ(tab().intShowFunctionTone(), 0);
    EXPECT_TRUE(tab().optToneGen->isChecked());
    EXPECT_FALSE(tab().chkMomentaryMonitor->isChecked());
    EXPECT_FALSE(doc().fModified);
    tab().chkOneTone->click();
    EXPECT_TRUE(doc().fModified);
    tab().optKeyToneOnly->setChecked(true);
    tab().chkMomentaryMonitor->setChecked(true);
    ASSERT_EQ(tab().iEditApplyFunctionTone(), 0);
    EXPECT_EQ(doc().OneTone, 1);
    EXPECT_EQ(doc().bytFlag2, 0x08);
}
