// The General tab: flag bits and the channel to controls and back, the serial number's checks,
// the channel's clamping and the marks of a change.
#include "TabFixture.h"

#include "support/ScriptedMsgBox.h"
#include "toneremoteview/TRAdvancedControls.h"
#include "toneremoteview/TRAdvancedTab.h"
#include "toneremoteview/TRGeneralTab.h"
#include "toneremoteview/TRVotingControls.h"
#include "toneremoteview/TRVotingTab.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using testsupport::ScriptedMsgBox;

class GeneralTabTest : public TabFixture {
protected:
    void SetUp() override
    {
        TabFixture::SetUp();
        view->SSTab1->setCurrentWidget(&tab()); // the tab's controls are enabled while it is the current one
    }
    TRGeneralTab& tab() const { return view->general(); }
};

TEST_F(GeneralTabTest, FlagsAndChannelShowAndApplyBack)
{
    struct Case {
        const char* name;
        uint8_t flag2, flag1Page5, channel;
        bool fourWire, repeater, latched;
        QString channelText;
        std::function<void(TRGeneralTab&)> edit;
        uint8_t appliedFlag2, appliedFlag1Page5, appliedChannel;
    };
    const auto untouched = [](TRGeneralTab&) {};
    const Case cases[] = {
        {"4-wire repeater kept", 0x82, 0x00, 5, true, true, true, "5", untouched, 0x82, 0x00, 5},
        {"2-wire base, free bits kept", 0x41, 0x80 | 0x11, 9, false, false, false, "0", untouched, 0x41, 0x91, 9},
        {"stored channel above 127 kept untouched", 0x00, 0x00, 200, false, false, true, "200", untouched, 0x00, 0x00,
         200},
        {"latch cleared sets bit 7, channel kept", 0x00, 0x00, 5, false, false, true, "5",
         [](TRGeneralTab& t) { t.chkLatchChannel->setChecked(false); }, 0x00, 0x80, 5},
        {"latch ticked takes the channel", 0x00, 0x80, 9, false, false, false, "0",
         [](TRGeneralTab& t) {
             t.chkLatchChannel->setChecked(true);
             t.txtChannel->setText("12");
         },
         0x00, 0x00, 12},
        {"wiring and mode chosen", 0x82, 0x00, 1, true, true, true, "1",
         [](TRGeneralTab& t) {
             t.opt2WireConfiguration->setChecked(true);
             t.optPoweronBase->setChecked(true);
         },
         0x00, 0x00, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc().bytFlag2 = c.flag2;
        doc().bytFlag1Page5 = c.flag1Page5;
        doc().bytCurrentChannel = c.channel;
        ASSERT_EQ(tab().intShowGeneral(), 0);
        EXPECT_EQ(tab().opt4WireConfiguration->isChecked(), c.fourWire);
        EXPECT_EQ(tab().opt2WireConfiguration->isChecked(), !c.fourWire);
        EXPECT_EQ(tab().optPoweronRep->isChecked(), c.repeater);
        EXPECT_EQ(tab().optPoweronBase->isChecked(), !c.repeater);
        EXPECT_EQ(tab().chkLatchChannel->isChecked(), c.latched);
        EXPECT_EQ(tab().txtChannel->text(), c.channelText);
        EXPECT_EQ(tab().txtChannel->isEnabled(), c.latched);
        EXPECT_FALSE(doc().fModified) << "showing is no edit";
        c.edit(tab());
        ASSERT_EQ(tab().intEditApplyGeneral(), 0);
        EXPECT_EQ(doc().bytFlag2, c.appliedFlag2);
        EXPECT_EQ(doc().bytFlag1Page5, c.appliedFlag1Page5);
        EXPECT_EQ(doc().bytCurrentChannel, c.appliedChannel);
        doc().fModified = false;
    }
}

TEST_F(GeneralTabTest, SerialNumberChecksOfApply)
{
    struct Case {
        QString typed;
        QString message; // empty: accepted
        QString stored;
    };
    const Case cases[] = {
        {"16777124", "", "16777124"},
        {"16777125", "Serial number must not exceed 16777124!", ""},
        {"000000001", "Invalid Serial Number", ""},
        {"12345678901", "Invalid Serial Number", ""},
        {"12a", "Invalid Serial Number", ""},
        {"-5", "Serial number must be positive number!", ""},
        {"", "Invalid Serial Number", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        ASSERT_EQ(tab().intShowGeneral(), 0);
        const QString before = doc().strSerial;
        const QByteArray page2 = testsupport::pageOf(doc(), 2);
        tab().txtSerialNum->setText(c.typed);
        tab().chkLatchChannel->setChecked(!tab().chkLatchChannel->isChecked());
        const uint8_t flags = doc().bytFlag1Page5;
        ScriptedMsgBox boxes;
        if (c.message.isEmpty()) {
            ASSERT_EQ(tab().intEditApplyGeneral(), 0);
            EXPECT_EQ(doc().strSerial, c.stored);
            EXPECT_NE(testsupport::pageOf(doc(), 2), page2) << "the serial reaches page 2";
        } else {
            boxes.expect(c.message);
            EXPECT_EQ(tab().intEditApplyGeneral(), -1);
            EXPECT_EQ(doc().strSerial, before);
            EXPECT_EQ(testsupport::pageOf(doc(), 2), page2);
            EXPECT_EQ(doc().bytFlag1Page5, flags) << "nothing of the tab stored";
        }
        doc().strSerial = before;
    }
}

TEST_F(GeneralTabTest, LeavingTheSerialBoxStoresItAtOnce)
{
    ASSERT_EQ(tab().intShowGeneral(), 0);
    tab().txtSerialNum->setText("66051"); // 0x010203
    EXPECT_TRUE(tab().txtSerialNum_Validate());
    EXPECT_EQ(doc().strSerial, "66051");
    const QByteArray page2 = testsupport::pageOf(doc(), 2);
    EXPECT_EQ(page2.mid(5, 3), QByteArray("\x03\x02\x01", 3));
    EXPECT_TRUE(view->windowTitle().endsWith(" Serial Number: 66051")) << view->windowTitle().toStdString();
    EXPECT_TRUE(doc().fModified);

    // An emptied box is no serial number 0, and a long digit string is not converted.
    for (const char* refused : {"", "9999999999"}) {
        SCOPED_TRACE(refused);
        ScriptedMsgBox boxes;
        boxes.expect("Invalid Serial Number");
        tab().txtSerialNum->setText(refused);
        EXPECT_FALSE(tab().txtSerialNum_Validate());
        EXPECT_EQ(tab().txtSerialNum->text(), refused);
        EXPECT_EQ(doc().strSerial, "66051");
        EXPECT_EQ(testsupport::pageOf(doc(), 2), page2);
    }
}

TEST_F(GeneralTabTest, ChannelIsClampedOnLeavingAndCheckedOnApply)
{
    doc().bytFlag1Page5 = 0;
    doc().bytCurrentChannel = 3;
    ASSERT_EQ(tab().intShowGeneral(), 0);
    for (const auto& [typed, kept] : {std::pair{"200", "127"}, {"-3", "0"}, {"64", "64"}}) {
        tab().txtChannel->setText(typed);
        tab().txtChannel_LostFocus();
        EXPECT_EQ(tab().txtChannel->text(), kept);
    }
    EXPECT_TRUE(doc().fModified);

    ScriptedMsgBox boxes;
    boxes.expect("The current channel must be a number from 0 to 127.");
    tab().txtChannel->setText("300");
    EXPECT_EQ(tab().intEditApplyGeneral(), -1);
    EXPECT_EQ(doc().bytCurrentChannel, 3);

    tab().txtChannel->setText("");
    EXPECT_EQ(tab().intEditApplyGeneral(), 0) << "an emptied channel box reads as channel 0";
    EXPECT_EQ(doc().bytCurrentChannel, 0);
}

TEST_F(GeneralTabTest, EditsMarkTheDocumentChanged)
{
    using Edit = std::function<void(TRGeneralTab&, COrvDocTR&)>;
    const std::pair<const char*, Edit> edits[] = {
        {"remark",
         [](TRGeneralTab& t, COrvDocTR&) {
             t.txtUserRemark->setText("Hilltop repeater north");
             EXPECT_EQ(t.txtUserRemark->text(), "Hilltop repeater") << "the remark is cut to 16 characters";
         }},
        {"base station",
         [](TRGeneralTab& t, COrvDocTR& d) {
             t.optPoweronRep->setChecked(true);
             d.fModified = false;
             t.optPoweronBase->click();
         }},
        {"repeater",
         [](TRGeneralTab& t, COrvDocTR& d) {
             t.optPoweronBase->setChecked(true);
             d.fModified = false;
             t.optPoweronRep->click();
         }},
        {"latched channel", [](TRGeneralTab& t, COrvDocTR&) { t.chkLatchChannel->click(); }},
    };
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        ASSERT_EQ(tab().intShowGeneral(), 0);
        doc().fModified = false;
        edit(tab(), doc());
        EXPECT_TRUE(doc().fModified);
    }
}

// The line interface chosen on this tab decides what the Voting / Levels tab offers.
TEST_F(GeneralTabTest, TwoWireChosenHereDisablesTheVotingModes)
{
    TRVotingControls& voting = *view->voting().controls;
    const auto enabled = [&](QWidget* w) { return w->isEnabledTo(&view->voting()); };
    ASSERT_EQ(view->intShowDocument(), 0);
    // The voting tab's frames are enabled while it is the current tab; the wiring is set as a click sets it.
    view->SSTab1->setCurrentWidget(&view->voting());
    tab().opt4WireConfiguration->setChecked(true);
    EXPECT_TRUE(enabled(voting.chkToneOnIdle));
    tab().opt2WireConfiguration->setChecked(true);
    EXPECT_FALSE(enabled(voting.chkToneOnIdle));
    EXPECT_FALSE(enabled(voting.chkSlidingVotingTone));
    EXPECT_TRUE(view->advanced().controls->chkNotchFiltReq->isChecked());
    tab().opt4WireConfiguration->setChecked(true);
    EXPECT_TRUE(enabled(voting.chkToneOnIdle));
}

// A box's check runs whenever the focus leaves it for another control of the window, on its own
// tab or not.
TEST_F(GeneralTabTest, ChecksRunWhereverTheFocusGoesInTheWindow)
{
    view->show();
    QApplication::setActiveWindow(view.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    doc().bytFlag1Page5 = 0;
    ASSERT_EQ(tab().intShowGeneral(), 0);
    using Move = std::function<void(frmOrvViewTR&)>;
    const std::pair<const char*, Move> moves[] = {
        {"a box of the same tab", [](frmOrvViewTR& v) { v.general().txtUserRemark->setFocus(Qt::MouseFocusReason); }},
        {"a button of the window", [](frmOrvViewTR& v) { v.cmdSaveToDB->setFocus(Qt::MouseFocusReason); }},
        {"another tab", [](frmOrvViewTR& v) { v.SSTab1->setCurrentIndex(1); }},
    };
    for (const auto& [name, move] : moves) {
        SCOPED_TRACE(name);
        view->SSTab1->setCurrentWidget(&tab());
        tab().txtChannel->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(tab().txtChannel->hasFocus());
        tab().txtChannel->setText("200");
        move(*view);
        EXPECT_FALSE(tab().txtChannel->hasFocus());
        EXPECT_EQ(tab().txtChannel->text(), "127");
    }

    // A refused serial number takes the focus back, showing its tab again.
    view->SSTab1->setCurrentWidget(&tab());
    tab().txtSerialNum->setFocus(Qt::MouseFocusReason);
    tab().txtSerialNum->setText("");
    ScriptedMsgBox boxes;
    boxes.expect("Invalid Serial Number");
    view->SSTab1->setCurrentIndex(3);
    QApplication::processEvents();
    EXPECT_EQ(view->SSTab1->currentWidget(), &tab());
    EXPECT_TRUE(tab().txtSerialNum->hasFocus());
}
