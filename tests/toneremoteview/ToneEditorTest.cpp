// The function-tone editor: what it opens on for a pair's action, the checks of OK, the values it
// hands back, and opening it again after a cancel.
#include "db/CLASSOrvDB.h"
#include "shell/Globals.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempDir.h"
#include "toneremoteview/frmEditTones.h"
#include "WhenShown.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using platform::vbOK;

namespace {

struct Values {
    int16_t position = -9, parameter = -9, tone1 = -9, tone2 = -9;
};

Values valuesOf(frmEditTones& d)
{
    Values v;
    EXPECT_EQ(d.GetValues(v.position, v.parameter, v.tone1, v.tone2), 0);
    return v;
}

} // namespace

class ToneEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CLASSOrvDB::releaseInstance();
        basVelmar::gDatabasePath = testsupport::makeDatabase(folder_.file(QStringLiteral("velmar.mdb")));
    }
    void TearDown() override
    {
        CLASSOrvDB::releaseInstance();
        basVelmar::gDatabasePath.clear();
    }
    testsupport::ProgramFolder folder_;
    frmEditTones d;
};

TEST_F(ToneEditorTest, OpensOnThePairsAction)
{
    struct Case {
        int16_t code, tone1, tone2;
        int position;
        QString parameter;   // null: no parameter box
        QString label;
        QString tone1Text, tone2Text;
    };
    const Case cases[] = {
        {255, 650, 650, 14, {}, {}, "650", "650"},
        {161, 950, 1250, 2, "1", "Output: ", "950", "1250"},
        {200, 2050, 750, 14, {}, {}, "2050", "750"},
        {0, 650, 750, 0, "0", "Channel Number: ", "650", "750"},
        {127, 650, 750, 0, "127", "Channel Number: ", "650", "750"},
        {147, 650, 750, 1, "3", "Output Number: ", "650", "750"},
        {223, 650, 750, 13, "5", "Confirmation Message: ", "650", "750"},
        {137, 650, 750, 9, {}, {}, "650", "750"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        WhenShown check([&](QWidget* modal) {
            EXPECT_EQ(modal, &d);
            EXPECT_EQ(d.cboFunctionToneAction->count(), 15);
            EXPECT_GE(d.cboFunctionToneAction->width(), d.cboFunctionToneAction->sizeHint().width())
                << "the longest action fits";
            EXPECT_EQ(d.cboFunctionToneAction->currentIndex(), c.position);
            EXPECT_EQ(d.cboTone1->currentText(), c.tone1Text);
            EXPECT_EQ(d.cboTone2->currentText(), c.tone2Text);
            EXPECT_EQ(d.txtFTActionParameter->isHidden(), c.parameter.isNull());
            if (!c.parameter.isNull()) {
                EXPECT_EQ(d.txtFTActionParameter->text(), c.parameter);
                EXPECT_TRUE(d.txtFTActionParameter->isEnabled());
                EXPECT_EQ(d.lblFTActionParameter->text(), c.label);
                EXPECT_FALSE(d.lblFTActionParameter->isHidden());
            } else {
                EXPECT_FALSE(d.txtFTActionParameter->isEnabled());
                EXPECT_TRUE(d.lblFTActionParameter->isHidden());
            }
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        d.ShowForm(c.code, c.tone1, c.tone2);
        EXPECT_TRUE(check.ran);
        EXPECT_TRUE(d.Cancelled());
        EXPECT_TRUE(d.isHidden());
    }
}

TEST_F(ToneEditorTest, ToneThatIsNoFunctionToneIsNotShown)
{
    for (auto [tone1, tone2] : {std::pair<int16_t, int16_t>{550, 650}, {650, 2150}, {2150, 650}}) {
        SCOPED_TRACE(tone1 * 10000 + tone2);
        WhenShown never([](QWidget* modal) {
            ADD_FAILURE() << "shown";
            modal->close();
        });
        d.ShowForm(255, tone1, tone2);
        EXPECT_FALSE(never.ran);
        EXPECT_TRUE(d.Cancelled());
    }
}

TEST_F(ToneEditorTest, OkChecksTheParameter)
{
    struct Case {
        int position;
        QString text;
        QString message;   // empty: accepted
        QString title;
        int16_t parameter = 0;  // when accepted
    };
    const Case cases[] = {
        {0, "", {}, {}, 0},
        {0, "127", {}, {}, 127},
        {0, "128", "The valid channel number should be in range between 0 and 127", "Invalid Channel Number"},
        {0, "12a", "The valid channel number should be in range between 0 and 127", "Invalid Channel Number"},
        {0, "99999999999", "The valid channel number should be in range between 0 and 127", "Invalid Channel Number"},
        {1, "4", "The valid output number should be in range between 0 and 3", "Invalid Output Number"},
        {3, "3", {}, {}, 3},
        {2, "-1", "The valid output number should be in range between 0 and 3", "Invalid Output Number"},
        {13, "6", "The valid confermation message number must be between 0 and 5", "Invalid Confirmation Number"},
        {13, "5", {}, {}, 5},
        {7, {}, {}, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((QString::number(c.position) + " [" + c.text + "]").toStdString());
        ASSERT_TRUE(d.PrepareForm(255, 650, 750));
        d.cboFunctionToneAction->setCurrentIndex(c.position);
        d.txtFTActionParameter->setText(c.text);
        testsupport::ScriptedMsgBox boxes;
        if (!c.message.isEmpty())
            boxes.expect(c.message, vbOK);
        d.cmdAlarmApply_Click();
        EXPECT_EQ(d.Cancelled(), !c.message.isEmpty());
        if (!c.message.isEmpty()) {
            ASSERT_EQ(boxes.shown().size(), 1);
            EXPECT_EQ(boxes.shown()[0].title, c.title);
            EXPECT_EQ(boxes.shown()[0].icon(), platform::vbExclamation);
            continue;
        }
        const Values v = valuesOf(d);
        EXPECT_EQ(v.position, c.position);
        EXPECT_EQ(v.parameter, c.parameter);
        EXPECT_EQ(v.tone1, 0);
        EXPECT_EQ(v.tone2, 1);
    }
}

TEST_F(ToneEditorTest, ChoosingAnActionSetsUpItsParameter)
{
    ASSERT_TRUE(d.PrepareForm(161, 650, 750));
    d.cboFunctionToneAction->setCurrentIndex(13);
    EXPECT_EQ(d.lblFTActionParameter->text(), "Confirmation Message: ");
    EXPECT_EQ(d.txtFTActionParameter->text(), "");
    QTest::keyClicks(d.txtFTActionParameter, "4x-5");
    EXPECT_EQ(d.txtFTActionParameter->text(), "45") << "only digits are typed";
    d.cboFunctionToneAction->setCurrentIndex(5);
    EXPECT_TRUE(d.lblFTActionParameter->isHidden());
    EXPECT_TRUE(d.txtFTActionParameter->isHidden());
}

TEST_F(ToneEditorTest, ValuesInOneToneAndMultipleMode)
{
    d.OneTone = true;
    ASSERT_TRUE(d.PrepareForm(255, 950, 950));
    EXPECT_TRUE(d.cboTone2->isHidden() && d.Label3->isHidden() && d.Label4->isHidden());
    d.cboTone1->setCurrentIndex(5);
    Values v = valuesOf(d);
    EXPECT_EQ(v.tone1, 5);
    EXPECT_EQ(v.tone2, 5);

    d.OneTone = false;
    d.Multiple = true;
    ASSERT_TRUE(d.PrepareForm(255, 950, 1250));
    EXPECT_FALSE(d.cboTone2->isHidden());
    EXPECT_FALSE(d.fraToneSel->isEnabled());
    EXPECT_FALSE(d.cboTone1->isEnabled());
    v = valuesOf(d);
    EXPECT_EQ(v.tone1, -1);
    EXPECT_EQ(v.tone2, -1);
    EXPECT_EQ(v.position, 14);
    EXPECT_EQ(v.parameter, 0) << "an empty parameter box counts as 0";
    EXPECT_EQ(d.txtFTActionParameter->text(), "0");
}

TEST_F(ToneEditorTest, OpenedAgainAfterCancelEachListOnce)
{
    for (int edit = 0; edit < 2; ++edit) {
        WhenShown check([&](QWidget*) {
            EXPECT_EQ(d.cboFunctionToneAction->count(), 15);
            EXPECT_EQ(d.cboTone1->count(), 15);
            EXPECT_EQ(d.cboTone2->count(), 15);
            EXPECT_EQ(d.cboTone2->itemText(14), "2050");
            const QRect screen = d.screen()->geometry();
            EXPECT_EQ(d.pos(), QPoint((screen.width() - d.width()) / 2, (screen.height() - d.height()) / 2));
            QTest::mouseClick(d.cdmCancel, Qt::LeftButton);
        });
        d.ShowForm(176, 750, 850);
        EXPECT_TRUE(check.ran);
        EXPECT_TRUE(d.Cancelled());
    }
    WhenShown ok([&](QWidget*) { QTest::mouseClick(d.cmdAlarmApply, Qt::LeftButton); });
    d.ShowForm(176, 750, 850);
    EXPECT_FALSE(d.Cancelled());
    const Values v = valuesOf(d);
    EXPECT_EQ(v.position, 3);
    EXPECT_EQ(v.parameter, 0);
    EXPECT_EQ(v.tone1, 1);
    EXPECT_EQ(v.tone2, 2);
}
