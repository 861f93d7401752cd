#include "ModulesFixture.h"
#include "RecordingWindow.h"

#include "db/CLASSOrvDB.h"
#include "modules/frmConnectDB.h"
#include "platform/PlatformError.h"
#include "shell/Globals.h"
#include "support/ScriptedMsgBox.h"

#include <QLabel>
#include <QListWidget>
#include <QImage>
#include <QPushButton>
#include <QScrollBar>
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

// The first column from the left in `area` of `image` where some pixel differs from the colour at
// the area's left edge: where the text drawn there starts.
int firstInk(const QImage& image, const QRect& area)
{
    for (int x = area.left() + 1; x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            if (qGray(image.pixel(x, y)) + 60 < qGray(image.pixel(area.left(), y)))
                return x;
    return -1;
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
    // The caption's words stand at the starts of their columns.
    EXPECT_EQ(dlg.Label1->text(), QStringLiteral("SN       Type        Standard     Custom       Remark"));
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

TEST_F(ConnectDB, HeadingStandsOverTheLinesAndAWholeLineFits)
{
    frmConnectDB dlg(main.get());
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    const QImage image = dlg.grab().toImage();
    // The heading's text and an unselected line's text start in the same pixel column, so in the
    // fixed-pitch font each word of the heading stands over its column.
    const QRect heading(dlg.Label1->mapTo(&dlg, QPoint(0, 0)), dlg.Label1->size());
    QRect line = list(dlg).visualItemRect(list(dlg).item(1));
    line.moveTopLeft(list(dlg).viewport()->mapTo(&dlg, line.topLeft()));
    const int headingInk = firstInk(image, heading);
    ASSERT_GT(headingInk, heading.left());
    EXPECT_NEAR(firstInk(image, line), headingInk, 1);
    // A whole line (64 characters) fits at the dialog's own size.
    const QFontMetrics metrics(list(dlg).font());
    EXPECT_LE(metrics.horizontalAdvance(list(dlg).item(0)->text()), list(dlg).viewport()->width() - 6);
    EXPECT_FALSE(list(dlg).horizontalScrollBar()->isVisible());
}

TEST_F(ConnectDB, TheHighlightedFirstLineIsSelectedAndOkOpensIt)
{
    frmConnectDB dlg(main.get());
    dlg.show();
    EXPECT_EQ(list(dlg).currentRow(), 0);
    EXPECT_EQ(list(dlg).selectedItems(), QList<QListWidgetItem*>{list(dlg).item(0)});
    QTest::mouseClick(dlg.cmdOpen, Qt::LeftButton);
    ASSERT_EQ(RecordingWindow::calls.size(), 1);
    EXPECT_EQ(RecordingWindow::calls[0].serial, QStringLiteral("100"));
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(ConnectDB, NothingSelectedOpensNothingAndCloses)
{
    frmConnectDB dlg(main.get());
    dlg.show();
    list(dlg).clearSelection();
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
