#include "AppFixture.h"

#include "app/frmReference.h"

#include <QLineEdit>
#include <QRadioButton>

using testsupport::Pty;
using testsupport::ScriptedFileDialogs;
using testsupport::ScriptedMsgBox;

class PreferencesTest : public AppFixture {
protected:
    // Ports 1 and 2 are pseudo-terminals; port 3 names a device that does not exist.
    void SetUp() override
    {
        AppFixture::SetUp();
        ASSERT_TRUE(pty1.ok() && pty2.ok());
        writeIni("; settings\r\n[Comms]\r\nPortNumber=1\r\nDevice1=" + pty1.slavePath().toLocal8Bit() +
                 "\r\nDevice2=" + pty2.slavePath().toLocal8Bit() + "\r\nDevice3=/dev/velmar-no-such-port\r\n");
        auto& port = platform::CommPort::instance();
        port.setCommPort(1);
        port.setPortOpen(true);
        basVelmar::gPortNumber = 1;
    }
    Pty pty1, pty2;
};

TEST_F(PreferencesTest, LoadShowsPathAndPort)
{
    basVelmar::gPortNumber = 3;
    frmReference dlg;
    EXPECT_EQ(dlg.TextDatabasePathName->text(), basVelmar::gDatabasePath);
    EXPECT_TRUE(dlg.optPort[2]->isChecked());
    EXPECT_EQ(dlg.optPort[2]->text(), QStringLiteral(" COM3"));
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Preferences"));
}

TEST_F(PreferencesTest, LoadWithPortSevenShowsFailureAndNoChoice)
{
    basVelmar::gPortNumber = 7;
    ScriptedMsgBox box;
    box.expect(QStringLiteral("out of range"));
    frmReference dlg;
    for (auto* opt : dlg.optPort)
        EXPECT_FALSE(opt->isChecked());
}

TEST_F(PreferencesTest, OkWithComTwoStoresAndReopens)
{
    frmReference dlg;
    dlg.optPort[1]->setChecked(true);
    dlg.cmdOk_Click();
    EXPECT_EQ(basVelmar::gPortNumber, 2);
    auto& port = platform::CommPort::instance();
    ASSERT_TRUE(port.portOpen());
    EXPECT_EQ(port.openDevice(), pty2.slavePath());
    EXPECT_EQ(port.settings(), QStringLiteral("9600,n,8,1"));
    const QByteArray ini = readIni();
    EXPECT_TRUE(ini.contains("[Comms]\r\nPortNumber=2\r\n")) << ini.constData();
    EXPECT_TRUE(ini.startsWith("; settings\r\n"));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(PreferencesTest, PortThatCannotOpenKeepsThePreviousOne)
{
    frmReference dlg;
    dlg.optPort[2]->setChecked(true);
    ScriptedMsgBox box;
    box.expect(QStringLiteral("COM Port Error. "));
    const QByteArray before = readIni();
    dlg.cmdOk_Click();
    EXPECT_TRUE(box.shown()[0].prompt.startsWith(QStringLiteral("COM Port Error. Cannot open COM3")));
    EXPECT_EQ(readIni(), before);
    // The program's port number, the open port and the settings file still agree.
    EXPECT_EQ(basVelmar::gPortNumber, 1);
    auto& port = platform::CommPort::instance();
    EXPECT_TRUE(port.portOpen());
    EXPECT_EQ(port.openDevice(), pty1.slavePath());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(PreferencesTest, BrowseFillsThePathOrLeavesIt)
{
    frmReference dlg;
    const QString before = dlg.TextDatabasePathName->text();
    {
        ScriptedFileDialogs files;
        files.answer(std::nullopt);
        dlg.cmdBrowse_Click();
        EXPECT_EQ(dlg.TextDatabasePathName->text(), before);
        ASSERT_EQ(files.requests().size(), 1);
        EXPECT_EQ(files.requests()[0].fileName, QStringLiteral("VELMAR.MDB"));
        EXPECT_EQ(files.requests()[0].filter, QStringLiteral("access (*.mdb) | *.mdb"));
    }
    {
        ScriptedFileDialogs files;
        files.answer(QStringLiteral("/data/Other.mdb"));
        dlg.cmdBrowse_Click();
        EXPECT_EQ(dlg.TextDatabasePathName->text(), QStringLiteral("/data/Other.mdb"));
    }
}

TEST_F(PreferencesTest, CancelChangesNothing)
{
    const QByteArray before = readIni();
    frmReference dlg;
    dlg.optPort[1]->setChecked(true);
    dlg.cmdCancel_Click();
    EXPECT_EQ(basVelmar::gPortNumber, 1);
    EXPECT_EQ(readIni(), before);
    EXPECT_EQ(platform::CommPort::instance().openDevice(), pty1.slavePath());
}
