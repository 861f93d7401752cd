// The settings tab: every field shown from the document and committed back; a commit writes
// only what the user changed; bad serial numbers and burst lengths are refused.
#include "ViewFixture.h"

#include "radioview/ChannelCells.h"
#include "support/ScriptedMsgBox.h"
#include "support/StoredModules.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

class SettingsTabTest : public ViewTest {
protected:
    // A transmitter whose settings are all set away from their defaults.
    frmOrvView* transmitter()
    {
        frmOrvView* w = openNew(kTransmitterModel, 4711, 8);
        CLASSOrvDocument& doc = w->document();
        doc.intTransmittime = 750;   // 15 s: no entry of its own in the list
        doc.intTXlockouttime = 1000; // 20 s
        doc.bytTailtime = 10;
        doc.bytReverseToneBurst = 1;
        doc.bytReverseToneBurstType = 1;
        doc.bytLengthOfReverseToneBurst = 7;
        doc.bytChangeDefaultChanOnChanChange = 1;
        doc.bytChangeSelectType = 0;
        doc.strUserRemark = QStringLiteral("Site 4");
        EXPECT_EQ(doc.intEditSystem(), 0);
        w->intShowDocument();
        return w;
    }
};

TEST_F(SettingsTabTest, ShowsATransmitter)
{
    frmOrvView* w = transmitter();
    EXPECT_EQ(w->windowTitle(), "Model: Vr31-15-0000 Serial Number: 4711");
    EXPECT_EQ(w->FrameSystem->title(), " [Vr31-15-0000]");
    EXPECT_EQ(w->txtSerialNum->text(), "4711");
    EXPECT_EQ(w->txtStandard->text(), kTransmitterModel);
    EXPECT_EQ(w->txtTypes->text(), "Transmitter");
    EXPECT_EQ(w->txtFirmwareVersion->text(), "V01.01");
    EXPECT_EQ(w->txtLowFreqLim->text(), "148.000000");
    EXPECT_EQ(w->txtUppFreqLim->text(), "174.000000");
    EXPECT_EQ(w->txtUserRemark->text().trimmed(), "Site 4");
    EXPECT_EQ(w->LabelModule[0]->text(), "Transmit timeout timer (sec): ");
    EXPECT_EQ(w->ComboModule[0]->count(), 61);
    EXPECT_EQ(w->ComboModule[0]->currentText(), "10");
    EXPECT_EQ(w->ComboModule[1]->currentText(), "20");
    EXPECT_EQ(w->ComboTailtime->count(), 251);
    EXPECT_EQ(w->ComboTailtime->currentText(), "0.20");
    EXPECT_TRUE(w->chkReverseToneBurst->isChecked());
    EXPECT_EQ(w->cboReverseToneBurstType->currentText(), "225");
    EXPECT_EQ(w->txtLengthOfReverseToneBurst->text(), "140");
    EXPECT_TRUE(w->chkChangeDefaultChannelOnChannelChange->isChecked());
    EXPECT_EQ(w->cboChangeSelectType->currentText(), "Binary");
    EXPECT_FALSE(w->document().fModified);

    // Shown again, each list holds its own entries only once.
    w->intShowDocument();
    EXPECT_EQ(w->cboReverseToneBurstType->count(), 2);
    EXPECT_EQ(w->cboChangeSelectType->count(), 2);
}

TEST_F(SettingsTabTest, ShowsAReceiver)
{
    frmOrvView* w = openNew(kReceiverModel);
    EXPECT_EQ(w->txtTypes->text(), "Receiver");
    EXPECT_EQ(w->LabelModule[0]->text(), "Injection side: ");
    EXPECT_EQ(w->ComboModule[0]->currentText(), "High");
    EXPECT_FALSE(w->ComboModule[0]->isEnabled());
    EXPECT_EQ(w->LabelModule[1]->text(), "Intermediate Frequency (MHz): ");
    EXPECT_EQ(w->ComboModule[1]->currentText(), "21.4");
    for (QWidget* hidden : std::initializer_list<QWidget*>{w->ComboTailtime, w->chkReverseToneBurst, w->cboReverseToneBurstType,
                                                           w->txtLengthOfReverseToneBurst, w->cmdEpots})
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
}

TEST_F(SettingsTabTest, UntouchedCommitChangesNoByte)
{
    frmOrvView* w = transmitter();
    CLASSOrvDocument& doc = w->document();
    const QByteArray before = orvview::imageBytes(doc);
    ASSERT_EQ(w->intSystemEditApply(), 0);
    EXPECT_EQ(doc.intTransmittime, 750) << "the list shows 10 s, but the user did not choose it";
    ASSERT_EQ(doc.intEditSystem(), 0);
    EXPECT_EQ(orvview::imageBytes(doc), before);
    EXPECT_FALSE(doc.fModified);
}

TEST_F(SettingsTabTest, ControlBytesInTextsShowAsBlanksAndStayUntouched)
{
    frmOrvView* w = transmitter();
    CLASSOrvDocument& doc = w->document();
    doc.strCustomType = QStringLiteral("Hill") + QString(QChar(0)) + QStringLiteral("Top");
    doc.strUserRemark = QStringLiteral("Site") + QString(2, QChar(0)) + QStringLiteral("\x01") + QStringLiteral("4");
    ASSERT_EQ(doc.intEditSystem(), 0);
    w->intShowDocument();
    EXPECT_EQ(w->txtCustomType->text(), "Hill Top");
    EXPECT_EQ(w->txtUserRemark->text().trimmed(), "Site   4");
    const QByteArray before = orvview::imageBytes(doc);
    ASSERT_EQ(w->intSystemEditApply(), 0);
    ASSERT_EQ(doc.intEditSystem(), 0);
    EXPECT_EQ(orvview::imageBytes(doc), before) << "what the user did not touch keeps its bytes";
}

TEST_F(SettingsTabTest, CommitsEveryFieldTheUserChanged)
{
    frmOrvView* w = transmitter();
    CLASSOrvDocument& doc = w->document();
    w->txtSerialNum->setText("4321");
    w->txtUserRemark->setText("Hill top");
    w->ComboModule[0]->setCurrentIndex(3);
    w->ComboModule[1]->setCurrentIndex(6);
    w->ComboTailtime->setCurrentIndex(25);
    w->chkChangeDefaultChannelOnChannelChange->setChecked(false);
    w->cboChangeSelectType->setCurrentIndex(1);
    w->chkReverseToneBurst->setChecked(false);
    w->cboReverseToneBurstType->setCurrentIndex(0);
    w->txtLengthOfReverseToneBurst->setText("5100");
    EXPECT_TRUE(doc.fModified);
    ASSERT_EQ(w->intSystemEditApply(), 0);
    EXPECT_EQ(doc.strSerial, "4321");
    EXPECT_EQ(doc.strUserRemark, "Hill top");
    EXPECT_EQ(doc.intTransmittime, 1500);
    EXPECT_EQ(doc.intTXlockouttime, 3000);
    EXPECT_EQ(doc.bytTailtime, 25);
    EXPECT_EQ(doc.bytChangeDefaultChanOnChanChange, 0);
    EXPECT_EQ(doc.bytChangeSelectType, 1);
    EXPECT_EQ(doc.bytReverseToneBurst, 0);
    EXPECT_EQ(doc.bytReverseToneBurstType, 0);
    EXPECT_EQ(doc.bytLengthOfReverseToneBurst, 255);

    // Changed back after a commit, a field is committed again.
    w->txtUserRemark->setText("Site 4");
    ASSERT_EQ(w->intSystemEditApply(), 0);
    EXPECT_EQ(doc.strUserRemark, "Site 4");
}

TEST_F(SettingsTabTest, RefusesBadSerialNumbersAndBurstLengths)
{
    frmOrvView* w = transmitter();
    CLASSOrvDocument& doc = w->document();
    struct Case {
        QString serial;
        QString burst;
        QString message; // empty: accepted
    };
    const QList<Case> cases = {
        {"12a", "140", "Invalid Serial Number"},
        {"", "140", "Invalid Serial Number"},
        {"16777125", "140", "Serial number must not exceed 16777124!"},
        {"16777124", "30", "The valid values for the Lenght Of Tone Burst field are 0 - 5100 in steps of 20 ms."},
        {"16777124", "5120", "The valid values for the Lenght Of Tone Burst field are 0 - 5100 in steps of 20 ms."},
        {"16777124", "140", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.serial + " " + c.burst).toStdString());
        w->txtSerialNum->setText(c.serial);
        w->txtLengthOfReverseToneBurst->setText(c.burst);
        w->txtUserRemark->setText("Refused?");
        if (!c.message.isEmpty())
            boxes_.expect(c.message);
        EXPECT_EQ(w->intSystemEditApply(), c.message.isEmpty() ? 0 : -1);
        // A refused commit writes nothing.
        EXPECT_EQ(doc.strUserRemark.trimmed(), c.message.isEmpty() ? "Refused?" : "Site 4");
        EXPECT_EQ(boxes_.pending(), 0);
    }
    EXPECT_EQ(boxes_.shown().at(2).title, "Wrong Serial Number");
}

TEST_F(SettingsTabTest, LeavingTheBoxes)
{
    frmOrvView* w = transmitter();
    w->txtSerialNum->setText("66051"); // 0x010203
    EXPECT_TRUE(w->txtSerialNum_Validate());
    EXPECT_EQ(w->document().strSerial, "66051");
    EXPECT_EQ(w->windowTitle(), "Model: Vr31-15-0000 Serial Number: 66051");
    EXPECT_EQ(pageOf(w->document(), 2).mid(5, 3), QByteArray("\x03\x02\x01", 3));

    // Leaving the box for another control checks it and keeps the focus there when it fails.
    main_->activateWindow();
    w->txtLengthOfReverseToneBurst->setText("30");
    w->txtLengthOfReverseToneBurst->setFocus();
    boxes_.expect("The valid values for the Lenght Of Tone Burst field are 0 - 5100 in steps of 20 ms.");
    w->txtUserRemark->setFocus();
    settle();
    EXPECT_EQ(boxes_.pending(), 0);
    EXPECT_EQ(QApplication::focusWidget(), w->txtLengthOfReverseToneBurst);
    w->txtLengthOfReverseToneBurst->clear();
    EXPECT_TRUE(w->txtLengthOfReverseToneBurst_Validate());
    EXPECT_EQ(w->txtLengthOfReverseToneBurst->text(), "0");
}

class SettingsTabRackTest : public ViewRackTest {};

// An emptied serial box is no module 0: it is refused wherever it would be taken, and neither the
// document, the database nor the module gets anything.
TEST_F(SettingsTabRackTest, EmptiedSerialNumberIsRefused)
{
    addModule(kTransmitterModel);
    auto* w = new frmOrvView;
    ASSERT_EQ(w->intInitFromModule(QString::number(kSerial)), 0);
    settle();
    CLASSOrvDocument& doc = w->document();
    const QString serial = doc.strSerial;
    const QString caption = w->windowTitle();
    const QByteArray image = orvview::imageBytes(doc);
    struct Case {
        const char* name;
        std::function<void()> action;
        bool focusBack; // the focus returns to the serial box
    };
    const QList<Case> cases = {
        {"the focus leaves the box", [w] { w->txtUserRemark->setFocus(); }, true},
        {"the window's Save button", [w] { QTest::mouseClick(w->cmdSaveToDB, Qt::LeftButton); }, true},
        {"the window's Write button", [w] { QTest::mouseClick(w->cmdWriteToRack, Qt::LeftButton); }, true},
        {"Save from the toolbar", [w] { w->intCommandSave(); }, true},
        {"Write from the toolbar", [w] { w->CommandWrite(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        main_->activateWindow();
        w->txtSerialNum->setFocus();
        w->txtSerialNum->clear();
        settle();
        rack_.clearFrames();
        testsupport::ScriptedMsgBox boxes;
        boxes.answerAll();
        c.action();
        settle();
        EXPECT_FALSE(boxes.texts().isEmpty());
        for (const QString& text : boxes.texts())
            EXPECT_EQ(text, "Invalid Serial Number");
        EXPECT_EQ(w->txtSerialNum->text(), "");
        if (c.focusBack) {
            EXPECT_EQ(QApplication::focusWidget(), w->txtSerialNum);
        }
        EXPECT_EQ(doc.strSerial, serial);
        EXPECT_EQ(orvview::imageBytes(doc), image);
        EXPECT_EQ(w->windowTitle(), caption);
        EXPECT_EQ(testsupport::storedPageCount("0"), 0);
        EXPECT_EQ(testsupport::storedPageCount(serial), 0);
        EXPECT_EQ(rack_.frameCount(), 0);
    }
}

TEST_F(SettingsTabTest, ChannelButtonsFollowTheTab)
{
    frmOrvView* w = transmitter();
    w->SSTab1->setCurrentIndex(0);
    EXPECT_FALSE(w->cmdEditChannel->isEnabled());
    EXPECT_FALSE(w->cmdDeleteChannel->isEnabled());
    w->SSTab1->setCurrentIndex(1);
    EXPECT_TRUE(w->cmdEditChannel->isEnabled());
    EXPECT_TRUE(w->cmdDefaultChannel->isEnabled());
    EXPECT_EQ(w->grdChannel->currentRow(), 0);
    EXPECT_EQ(w->grdChannel->currentColumn(), 1);
}
