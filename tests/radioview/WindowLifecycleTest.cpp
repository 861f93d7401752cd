// The window among the main window's document windows: opening, storing in the database, the
// question on closing, the open-window count, the toolbar and the menus of the active window.
#include "ViewFixture.h"

#include "db/CLASSOrvDB.h"
#include "radioview/ChannelCells.h"
#include "shell/Globals.h"
#include "docwindow/DocumentWindowOpen.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QToolBar>

using platform::vbCancel;
using platform::vbNo;
using platform::vbYes;
using WindowRegistry::WindowKind;

namespace {

const QString kChanged = QStringLiteral("The content has changed. Do you want to save the changes?");

bool stored(const QString& serial)
{
    int32_t id = 0;
    return CLASSOrvDB::instance().intSerial2ModuleID(serial, id) == 0;
}

} // namespace

class WindowLifecycleTest : public ViewTest {};

TEST_F(WindowLifecycleTest, SaveStoresTheDocumentAndTheDatabaseOpensIt)
{
    frmOrvView* w = openNew(kTransmitterModel, 2222, 8);
    w->document().intWritePage(17, withFrequency(page7to0({0, 0, 0, 1, 2, 0, 3, 4}), 160000000));
    w->document().fModified = true;
    ASSERT_EQ(w->intCommandSave(), 0);
    EXPECT_FALSE(w->document().fModified);

    frmOrvView* fromDb = nullptr;
    ASSERT_EQ(openInNewDocumentWindow(WindowKind::Radio,
                                      [&](IDocumentWindow& win) {
                                          fromDb = dynamic_cast<frmOrvView*>(&win);
                                          return win.intInitFromDB(QStringLiteral("2222      (stored)"));
                                      }),
              0);
    settle();
    ASSERT_EQ(windows().size(), 2);
    const CLASSOrvDocument& doc = fromDb->document();
    EXPECT_EQ(doc.intDocumentFrom, kFromDatabase);
    const int last = w->document().lastStoredPage();
    EXPECT_EQ(orvview::imageBytes(doc).left((last + 1) * 8), orvview::imageBytes(w->document()).left((last + 1) * 8));
    EXPECT_EQ(fromDb->TextMatrix(2, fromDb->intColFrequency), "160.000000");
    EXPECT_EQ(basVelmar::gOpenViewCount, 2);

    // A serial number the database does not hold opens nothing and says nothing.
    EXPECT_EQ(openInNewDocumentWindow(WindowKind::Radio, [](IDocumentWindow& win) { return win.intInitFromDB("9999"); }), -1);
    settle();
    EXPECT_EQ(windows().size(), 2);
    EXPECT_EQ(basVelmar::gOpenViewCount, 2);
}

TEST_F(WindowLifecycleTest, ClosingAChangedWindowAsksFirst)
{
    frmOrvView* w = openNew(kTransmitterModel, 3333, 8);
    w->txtUserRemark->setText("changed");
    ASSERT_TRUE(w->document().fModified);

    // Cancel keeps the window, also when the whole program is asked to end.
    boxes_.expect(kChanged, vbCancel).expect(kChanged, vbCancel);
    w->cmdQuit_Click();
    EXPECT_FALSE(main_->close());
    settle();
    EXPECT_EQ(windows().size(), 1);
    EXPECT_EQ(basVelmar::gOpenViewCount, 1);
    EXPECT_TRUE(buttonEnabled(3));

    // A commit that fails keeps it too.
    w->txtSerialNum->setText("99999999");
    boxes_.expect(kChanged, vbYes).expect("Serial number must not exceed 16777124!");
    w->cmdQuit_Click();
    settle();
    EXPECT_EQ(windows().size(), 1);

    // Yes saves the document back to where it came from (a new one: the database).
    w->txtSerialNum->setText("3333");
    boxes_.expect(kChanged, vbYes);
    w->cmdQuit_Click();
    settle();
    EXPECT_TRUE(windows().isEmpty());
    EXPECT_TRUE(stored("3333"));
    EXPECT_EQ(basVelmar::gOpenViewCount, 0);
    EXPECT_FALSE(buttonEnabled(3));
    EXPECT_FALSE(buttonEnabled(4));
    EXPECT_FALSE(buttonEnabled(8));

    // No closes without saving.
    frmOrvView* other = openNew(kReceiverModel, 4444, 8);
    other->txtUserRemark->setText("changed");
    boxes_.expect(kChanged, vbNo);
    other->MNUCLOSE_Click();
    settle();
    EXPECT_TRUE(windows().isEmpty());
    EXPECT_FALSE(stored("4444"));
}

TEST_F(WindowLifecycleTest, CountToolbarAndMenusFollowTheActiveWindow)
{
    frmOrvView* first = openNew(kTransmitterModel, 5555, 8);
    EXPECT_EQ(basVelmar::gOpenViewCount, 1);
    EXPECT_TRUE(buttonEnabled(3) && buttonEnabled(4) && buttonEnabled(8));
    EXPECT_EQ(menuBarMenus(), first->documentMenus());

    // An EPROM image is no complete module: Save and Write Module are off while its window is active.
    const QString bin = folder_.file(QStringLiteral("PLAN.BIN"));
    ASSERT_EQ(first->document().intDocument2BIN(bin), 0);
    auto* image = new frmOrvView;
    ASSERT_EQ(image->intInitFromBIN(bin), 0);
    settle();
    EXPECT_EQ(basVelmar::gOpenViewCount, 2);
    EXPECT_EQ(menuBarMenus(), image->documentMenus());
    EXPECT_FALSE(buttonEnabled(3));
    EXPECT_TRUE(buttonEnabled(4));
    EXPECT_FALSE(buttonEnabled(8));
    EXPECT_FALSE(image->findChild<QAction*>("mnuSave")->isEnabled());
    EXPECT_FALSE(image->findChild<QAction*>("MNUARCHIVESAVE")->isEnabled());
    EXPECT_TRUE(image->cmdSaveToDB->isEnabled());
    EXPECT_EQ(image->Cols(), 3);
    EXPECT_TRUE(image->cmdEpots->isHidden());
    EXPECT_EQ(image->txtFirmwareVersion->text(), "XX.XX");
    EXPECT_EQ(image->txtStandard->text(), "");

    activate(first);
    EXPECT_EQ(menuBarMenus(), first->documentMenus());
    EXPECT_TRUE(buttonEnabled(3) && buttonEnabled(8));

    // The window's Tool bar entry works on the main toolbar and takes its tick on activation.
    first->findChild<QAction*>("MNUTOOLBAR")->trigger();
    EXPECT_FALSE(basVelmar::gToolbarVisible);
    EXPECT_TRUE(main_->ToolbarMain()->isHidden());
    main_->setToolbarVisible(true);
    activate(image);
    EXPECT_TRUE(image->findChild<QAction*>("MNUTOOLBAR")->isChecked());

    image->cmdQuit_Click();
    settle();
    EXPECT_EQ(basVelmar::gOpenViewCount, 1);
    EXPECT_TRUE(buttonEnabled(3) && buttonEnabled(4) && buttonEnabled(8));
    first->cmdQuit_Click();
    settle();
    EXPECT_EQ(basVelmar::gOpenViewCount, 0);
    EXPECT_FALSE(buttonEnabled(3) || buttonEnabled(4) || buttonEnabled(8));
    ASSERT_FALSE(menuBarMenus().isEmpty());
    EXPECT_EQ(menuBarMenus().first()->parent(), main_.get()) << "the main window's own menus are back";
}
