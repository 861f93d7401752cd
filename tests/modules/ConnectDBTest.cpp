#include "ModulesFixture.h"
#include "RecordingWindow.h"

#include "db/CLASSOrvDB.h"
#include "modules/frmConnectDB.h"
#include "platform/PlatformError.h"
#include "shell/Globals.h"
#include "support/ScriptedMsgBox.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using testsupport::ScriptedMsgBox;
using WindowKind = WindowRegistry::WindowKind;

namespace {

// Stores pages 2 (configuration byte) and 8-9 (remark) of a module in the database.
void store(int serial, uint8_t configuration, const char* remark)
{
    const QByteArray image = moduleImage(rackemu::Kind::Receiver, serial, configuration, remark);
    CLASSOrvDB& db = CLASSOrvDB::instance();
    for (int page : {2, 8, 9})
        ASSERT_EQ(db.intInsertPage(QString::number(serial), page, image.mid(page * 8, 8)), 0);
}

} // namespace

class ConnectDB : public ModulesTest {
protected:
    void SetUp() override
    {
        ModulesTest::SetUp();
        store(100, kReceiverByte, "Spare");
        store(200, kToneRemoteByte, "Receiver link");  // the remark names another kind
        store(300, kTransmitterByte, "");
        store(400, 0x45, "Quasi sync");  // a kind without a name
    }
    QListWidget& list(frmConnectDB& dlg) { return *dlg.LstModule; }
};

TEST_F(ConnectDB, ListsTheStoredModulesWithTheRemarkFilled)
{
    frmConnectDB dlg(main.get());
    EXPECT_EQ(dlg.Label1->text(), QStringLiteral("SN        Type        Standard     Custom       Remark"));
    ASSERT_EQ(list(dlg).count(), 4);
    const QString lines[] = {
        QStringLiteral("100      Receiver                              Spare            "),
        QStringLiteral("200      ToneRemote                            Receiver link    "),
        QStringLiteral("300      Transmitter                                            "),
        // The record of a kind without a name keeps only its serial number.
        QStringLiteral("400                                                             "),
    };
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(list(dlg).item(i)->text(), lines[i]);
}

TEST_F(ConnectDB, OkOpensTheSelectedModulesByTypeSkippingThoseOpenFromTheDatabase)
{
    RecordingWindow::openAlready(kFromDatabase, QStringLiteral("100"));
    RecordingWindow::openAlready(kFromModule, QStringLiteral("300"));  // read from the rack: does not count
    basVelmar::gUnlinkOnViewClose = true;
    frmConnectDB dlg(main.get());
    dlg.show();
    list(dlg).selectAll();
    QTest::mouseClick(dlg.cmdOpen, Qt::LeftButton);

    ASSERT_EQ(RecordingWindow::calls.size(), 2);
    EXPECT_EQ(RecordingWindow::calls[0].kind, WindowKind::ToneRemote);
    EXPECT_EQ(RecordingWindow::calls[0].serial, QStringLiteral("200"));
    EXPECT_EQ(RecordingWindow::calls[1].kind, WindowKind::Radio);
    EXPECT_EQ(RecordingWindow::calls[1].serial, QStringLiteral("300"));
    for (const RecordingWindow::Call& call : RecordingWindow::calls) {
        EXPECT_EQ(call.source, kFromDatabase);
        EXPECT_FALSE(call.unlinkOnClose);
    }
    EXPECT_TRUE(basVelmar::gUnlinkOnViewClose);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(ConnectDB, NothingSelectedOpensNothingAndCloses)
{
    frmConnectDB dlg(main.get());
    dlg.show();
    QTest::mouseClick(dlg.cmdOpen, Qt::LeftButton);
    EXPECT_TRUE(RecordingWindow::calls.isEmpty());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(ConnectDB, AFailureOnEnterIsShownAndLeavesTheDialogOpenWithTheFlagPutBack)
{
    basVelmar::gUnlinkOnViewClose = true;
    RecordingWindow::duringOpen = [] { throw platform::Error(5, QStringLiteral("Invalid procedure call")); };
    frmConnectDB dlg(main.get());
    dlg.show();
    list(dlg).item(0)->setSelected(true);
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Invalid procedure call"));
    QTest::keyClick(&list(dlg), Qt::Key_Return);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(dlg.isEnabled());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_TRUE(basVelmar::gUnlinkOnViewClose);
    EXPECT_EQ(windows(), 0);

    // Enter again, now going well, opens and closes.
    RecordingWindow::duringOpen = nullptr;
    QTest::keyClick(&list(dlg), Qt::Key_Return);
    EXPECT_EQ(windows(), 1);
    EXPECT_FALSE(dlg.isVisible());
}
