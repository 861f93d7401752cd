#include "ModulesFixture.h"
#include "RecordingWindow.h"

#include "db/CBROWSER.h"
#include "modules/frmReadRack.h"
#include "platform/PlatformError.h"
#include "shell/Globals.h"
#include "support/ScriptedMsgBox.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

using rackemu::Command;
using rackemu::Kind;
using testsupport::ScriptedMsgBox;
using WindowKind = WindowRegistry::WindowKind;

class ReadRack : public ModulesTest {
protected:
    void SetUp() override
    {
        ModulesTest::SetUp();
        rack.addModule({700001, Kind::Receiver, moduleImage(Kind::Receiver, 700001, kReceiverByte, "Spare for Ch 7")});
        // A tone remote whose remark names another kind.
        rack.addModule(
            {700002, Kind::ToneRemote, moduleImage(Kind::ToneRemote, 700002, kToneRemoteByte, "Receiver link")});
        rack.addModule({700003, Kind::Transmitter, moduleImage(Kind::Transmitter, 700003, kTransmitterByte)});
        rack.addModule({700004, Kind::Transmitter, moduleImage(Kind::Transmitter, 700004, 0xC1)});  // no known kind
        startRack();
        ASSERT_EQ(CBROWSER::instance().intUpdateCollectRack(), 0);
        ASSERT_EQ(CBROWSER::instance().radioRack.size(), 4);
        dlg = std::make_unique<frmReadRack>(main.get());
        dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        rack.clearFrames();
    }
    void TearDown() override
    {
        dlg.reset();
        ModulesTest::TearDown();
    }
    QListWidget& list() { return *dlg->ListModule; }
    void click(int row)
    {
        QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, list().visualItemRect(list().item(row)).center());
    }

    std::unique_ptr<frmReadRack> dlg;
};

TEST_F(ReadRack, ListsTheModulesTheScanFound)
{
    // The caption's words stand at the starts of their columns; the first line is the chosen one.
    EXPECT_EQ(dlg->Label1->text(), QStringLiteral("SN       Type        Standard     Custom       Remark"));
    ASSERT_EQ(list().count(), 3);
    EXPECT_EQ(list().selectedItems(), QList<QListWidgetItem*>{list().item(0)});
    // The remark as the module keeps it (16 characters), not filled further.
    EXPECT_EQ(list().item(0)->text().left(21), QStringLiteral("700001   Receiver    "));
    EXPECT_EQ(list().item(0)->text().mid(47), QStringLiteral("Spare for Ch 7  "));
    EXPECT_EQ(list().item(1)->text().left(21), QStringLiteral("700002   ToneRemote  "));
    EXPECT_EQ(list().item(2)->text().left(21), QStringLiteral("700003   Transmitter "));
    EXPECT_TRUE(sent().empty());
}

TEST_F(ReadRack, ClickingALineLinksItsModuleUnlessItIsOpen)
{
    click(1);
    const std::vector<std::pair<Command, int32_t>> linked{
        {Command::Unlink, -1}, {Command::Unlink, -1}, {Command::Link, 700002}};
    EXPECT_EQ(sent(), linked);
    EXPECT_EQ(rack.linkedSerial(), 700002);

    rack.clearFrames();
    RecordingWindow::openAlready(kFromModule, QStringLiteral("700001"));
    click(0);
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(ReadRack, OkOpensTheSelectedModulesInListOrderByTheirTypeSkippingOpenOnes)
{
    RecordingWindow::openAlready(kFromModule, QStringLiteral("700001"));
    basVelmar::gUnlinkOnViewClose = true;
    list().selectAll();
    QTest::mouseClick(dlg->CommandOK, Qt::LeftButton);

    ASSERT_EQ(RecordingWindow::calls.size(), 2);
    EXPECT_EQ(RecordingWindow::calls[0].kind, WindowKind::ToneRemote);
    EXPECT_EQ(RecordingWindow::calls[0].serial, QStringLiteral("700002"));
    EXPECT_EQ(RecordingWindow::calls[1].kind, WindowKind::Radio);
    EXPECT_EQ(RecordingWindow::calls[1].serial, QStringLiteral("700003"));
    for (const RecordingWindow::Call& call : RecordingWindow::calls) {
        EXPECT_EQ(call.source, kFromModule);
        EXPECT_FALSE(call.unlinkOnClose);
    }
    EXPECT_TRUE(basVelmar::gUnlinkOnViewClose);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(windows(), 3);
}

TEST_F(ReadRack, EnterOpensAndAFailureIsShownWithTheFlagPutBack)
{
    basVelmar::gUnlinkOnViewClose = true;
    RecordingWindow::duringOpen = [] { throw platform::Error(5, QStringLiteral("Invalid procedure call")); };
    list().setCurrentRow(2);
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Invalid procedure call"));
    QTest::keyClick(&list(), Qt::Key_Return);
    EXPECT_EQ(RecordingWindow::calls.size(), 1);
    EXPECT_TRUE(basVelmar::gUnlinkOnViewClose);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
}

TEST_F(ReadRack, CancelUnlinksTwiceForEachSelectedLine)
{
    list().item(0)->setSelected(true);
    list().item(2)->setSelected(true);
    QTest::mouseClick(dlg->CommandExit, Qt::LeftButton);
    EXPECT_EQ(rack.frameCount(Command::Unlink), 4);
    EXPECT_EQ(rack.frameCount(), 4);
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_TRUE(RecordingWindow::calls.isEmpty());

    // Esc is Cancel; with nothing selected nothing is sent.
    frmReadRack again(main.get());
    again.show();
    again.ListModule->clearSelection();
    rack.clearFrames();
    QTest::keyClick(&again, Qt::Key_Escape);
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(rack.frameCount(), 0);
}
