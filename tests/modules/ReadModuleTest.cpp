#include "ModulesFixture.h"
#include "RecordingWindow.h"

#include "modules/frmReadModule.h"
#include "support/ScriptedMsgBox.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QTest>

using rackemu::Command;
using rackemu::Kind;
using testsupport::ScriptedMsgBox;
using WindowKind = WindowRegistry::WindowKind;

class ReadModule : public ModulesTest {
protected:
    void SetUp() override
    {
        ModulesTest::SetUp();
        rack.addModule({42, Kind::Receiver, moduleImage(Kind::Receiver, 42, kReceiverByte)});
        startRack();
    }
    // Types the text into the box as the keyboard would and presses Enter.
    void typeAndEnter(const QString& text)
    {
        QTest::keyClicks(dlg.TextSerial, text);
        QTest::keyClick(dlg.TextSerial, Qt::Key_Return);
    }

    frmReadModule dlg;
};

TEST_F(ReadModule, RefusesTextsThatNameNoModuleAndSendsNothingForThem)
{
    const struct {
        const char* text;  // put into the box as pasted
        const char* message;
    } cases[] = {
        {"", "Serial should be number"},
        {"12a4", "Serial should be number"},
        {"-42", "Serial should be number"},
        // Beyond the 24 bits of an address: cut to 24 bits it would be module 3222784.
        {"20000000", "No module found with the serial: [20000000]"},
    };
    for (const auto& c : cases) {
        dlg.TextSerial->setText(QString::fromLatin1(c.text));
        ScriptedMsgBox box;
        box.expect(QString::fromLatin1(c.message));
        dlg.CommandOK_Click();
        EXPECT_EQ(box.shown().value(0).prompt, QString::fromLatin1(c.message)) << c.text;
        EXPECT_EQ(dlg.result(), QDialog::Rejected) << c.text;
    }
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(RecordingWindow::calls.isEmpty());
}

TEST_F(ReadModule, NoModuleAnswersTheSerial)
{
    ScriptedMsgBox box;
    box.expect(QStringLiteral("No module found with the serial: [77]"));
    typeAndEnter(QStringLiteral("77"));
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_TRUE(RecordingWindow::calls.isEmpty());
    EXPECT_EQ(rack.frameCount(Command::Link), rack.frameCount());
}

TEST_F(ReadModule, AModuleReadFromTheRackIsOpenedOnceButItsStoredCopyDoesNotCount)
{
    RecordingWindow::openAlready(kFromModule, QStringLiteral("42"));
    {
        ScriptedMsgBox box;
        box.expect(QStringLiteral("Module [42] is already opened"));
        typeAndEnter(QStringLiteral("42"));
        EXPECT_TRUE(sent().empty());
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
    }
    main->mdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    RecordingWindow::openAlready(kFromDatabase, QStringLiteral("42"));
    dlg.CommandOK_Click();
    ASSERT_EQ(RecordingWindow::calls.size(), 1);
    EXPECT_EQ(RecordingWindow::calls[0].source, kFromModule);
    EXPECT_EQ(windows(), 2);
}

TEST_F(ReadModule, EnterOpensTheModuleInTheWindowOfItsType)
{
    rack.addModule({43, Kind::Exciter, moduleImage(Kind::Exciter, 43, 0x45)});  // quasi sync: type code 4
    rack.addModule({44, Kind::ToneRemote, moduleImage(Kind::ToneRemote, 44, kToneRemoteByte)});
    const struct {
        const char* typed;
        int32_t serial;
        WindowKind kind;
    } cases[] = {
        {"00000042", 42, WindowKind::Radio},  // the value addresses the module, the window gets the text
        {"43", 43, WindowKind::Radio},
        {"44", 44, WindowKind::ToneRemote},
    };
    for (const auto& c : cases) {
        frmReadModule dialog;
        rack.clearFrames();
        RecordingWindow::calls.clear();
        QTest::keyClicks(dialog.TextSerial, QString::fromLatin1(c.typed));
        QTest::keyClick(dialog.TextSerial, Qt::Key_Return);

        ASSERT_EQ(RecordingWindow::calls.size(), 1) << c.typed;
        EXPECT_EQ(RecordingWindow::calls[0].kind, c.kind) << c.typed;
        EXPECT_EQ(RecordingWindow::calls[0].source, kFromModule);
        EXPECT_EQ(RecordingWindow::calls[0].serial, QString::fromLatin1(c.typed));
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        const auto frames = sent();
        ASSERT_EQ(frames.size(), 2u) << c.typed;
        EXPECT_EQ(frames[0], std::pair(Command::Link, c.serial));
        EXPECT_EQ(frames[1], std::pair(Command::Read, c.serial));
    }
}

TEST_F(ReadModule, TheBoxTakesOnlyEightDigits)
{
    QTest::keyClicks(dlg.TextSerial, QStringLiteral("1a-2 3.4+"));
    EXPECT_EQ(dlg.TextSerial->text(), QStringLiteral("1234"));
    QTest::keyClick(dlg.TextSerial, Qt::Key_Backspace);
    QTest::keyClicks(dlg.TextSerial, QStringLiteral("567890123"));
    EXPECT_EQ(dlg.TextSerial->text(), QStringLiteral("12356789"));
}
