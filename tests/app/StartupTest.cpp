#include "AppFixture.h"

#include "shell/Version.h"
#include "app/Startup.h"
#include "app/frmAbout.h"

#include <QAction>
#include <QLabel>
#include <QToolBar>

using testsupport::Pty;
using testsupport::ScriptedMsgBox;

class StartupTest : public AppFixture {};

TEST_F(StartupTest, PortNumberMissingOpensPortOne)
{
    Pty pty;
    ASSERT_TRUE(pty.ok());
    writeIni("[Comms]\r\nDevice1=" + pty.slavePath().toLocal8Bit() + "\r\n");
    loadMainWindow();
    EXPECT_EQ(basVelmar::gPortNumber, 1);
    auto& port = platform::CommPort::instance();
    ASSERT_TRUE(port.portOpen());
    EXPECT_EQ(port.openDevice(), pty.slavePath());
    EXPECT_EQ(port.settings(), QStringLiteral("9600,n,8,1"));
}

TEST_F(StartupTest, NoSettingsFileMeansPortOne)
{
    ScriptedMsgBox box;
    box.answerAll();  // COM1 may not exist on this machine
    loadMainWindow();
    EXPECT_EQ(basVelmar::gPortNumber, 1);
    EXPECT_EQ(platform::CommPort::instance().commPort(), 1);
}

TEST_F(StartupTest, PortNumberTwoOpensItsDevice)
{
    Pty pty;
    writeIni("[comms]\r\nportnumber=2\r\nDevice2=" + pty.slavePath().toLocal8Bit() + "\r\n");
    loadMainWindow();
    EXPECT_EQ(basVelmar::gPortNumber, 2);
    EXPECT_EQ(platform::CommPort::instance().openDevice(), pty.slavePath());
}

TEST_F(StartupTest, NonNumericPortFailsAndStartUpGoesOn)
{
    writeIni("[Comms]\r\nPortNumber=abc\r\n");
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Invalid port number"));
    frmMain& w = loadMainWindow();
    EXPECT_EQ(basVelmar::gPortNumber, 0);
    EXPECT_FALSE(platform::CommPort::instance().portOpen());
    // The steps after the port still ran.
    EXPECT_TRUE(w.findChild<QAction*>(QStringLiteral("MNUNEW"))->isEnabled());
    EXPECT_EQ(w.helpFile(), folder.file(QStringLiteral("velmar.hlp")));
    EXPECT_EQ(basVelmar::gDatabasePath, folder.file(QStringLiteral("velmar.mdb")));
}

TEST_F(StartupTest, MainShowsCaptionWithVersionAndRestingProgress)
{
    Pty pty;
    writeIni("[Comms]\r\nDevice1=" + pty.slavePath().toLocal8Bit() + "\r\n");
    window.reset(basVelmar::Main());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vorn Programming Application v4.30.00"));
    EXPECT_TRUE(window->isVisible());
    const auto& p = platform::Progress::instance();
    EXPECT_TRUE(p.atRest());
    EXPECT_TRUE(p.caption().isEmpty());
    EXPECT_FALSE(window->findChild<QFrame*>(QStringLiteral("shapeProgressBackground"))->isVisible());
    // Save, Print and Write Module wait for a document window; New is on.
    EXPECT_TRUE(window->toolbarButton(1)->isEnabled());
    for (int i : {3, 4, 8})
        EXPECT_FALSE(window->toolbarButton(i)->isEnabled()) << i;
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("mnuSave"))->isEnabled());
}

TEST(Version, TextsWithAndWithoutRevision)
{
    EXPECT_EQ(basVelmar::strVersion(false), QStringLiteral("v4.30.00"));
    EXPECT_EQ(basVelmar::strVersion(true), QStringLiteral("v4.30.00.0001"));
    EXPECT_EQ(basVelmar::strVersion(true, 4, 5, 12), QStringLiteral("v4.05.00.0012"));
    EXPECT_EQ(basVelmar::strVersion(false, 12, 0, 0), QStringLiteral("v12.00.00"));
    frmAbout about;
    EXPECT_EQ(about.lblVersion->text(), QStringLiteral("v4.30.00.0001"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
}
