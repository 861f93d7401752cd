// A read started with the serial port missing, or closed because its device went away: one
// message that names the port and the cause, and the read gives up there.
#include "ModulesFixture.h"
#include "RecordingWindow.h"

#include "link/LinkCommands.h"
#include "modules/frmReadModule.h"
#include "platform/CommPort.h"
#include "radio/CLASSOrvDocument.h"
#include "support/ScriptedMsgBox.h"
#include "toneremote/COrvDocTR.h"

#include <QLineEdit>
#include <functional>

using rackemu::Kind;
using testsupport::ScriptedMsgBox;

class PortFailure : public ModulesTest {
protected:
    void SetUp() override
    {
        ModulesTest::SetUp();
        rack.addModule({42, Kind::ToneRemote, moduleImage(Kind::ToneRemote, 42, kToneRemoteByte)});
    }
    // Port 1 names a device that is not there; the port is closed.
    QString portMissing()
    {
        const QString device = folder.file(QStringLiteral("ttyUSB9"));
        folder.write(QStringLiteral("velmar.ini"), "[Comms]\r\nDevice1=" + device.toLocal8Bit() + "\r\n");
        platform::CommPort::instance().setPortOpen(false);
        platform::CommPort::instance().setCommPort(1);
        return device;
    }
    // The port was open and has been used; then its device went away and the port was closed.
    QString portClosed()
    {
        startRack();
        EXPECT_EQ(CLASSUNLINK::instance().intExecute(), 0);
        const QString device = platform::CommPort::instance().openDevice();
        line.close();
        return device;
    }
};

TEST_F(PortFailure, AReadShowsOneMessageNamingThePortAndTheCause)
{
    struct Read {
        const char* name;
        std::function<int16_t()> run;
    };
    const Read reads[] = {
        {"tone-remote module", [] { return COrvDocTR().intModule2Document(QStringLiteral("42")); }},
        {"radio module", [] { return CLASSOrvDocument().intModule2Document(QStringLiteral("42")); }},
        {"Read Rack",
         [this] {
             main->MNUREADRACK_Click();
             return int16_t{-1};
         }},
        {"Read Module",
         [] {
             frmReadModule dlg;
             dlg.TextSerial->setText(QStringLiteral("42"));
             dlg.CommandOK_Click();
             return int16_t{-1};
         }},
    };
    for (const bool missing : {true, false}) {
        for (const Read& read : reads) {
            SCOPED_TRACE(std::string(missing ? "missing port, " : "closed port, ") + read.name);
            const QString device = missing ? portMissing() : portClosed();
            ScriptedMsgBox box;
            box.answerAll();
            EXPECT_EQ(read.run(), -1);
            ASSERT_EQ(box.texts().size(), 1) << box.texts().join(QStringLiteral(" | ")).toStdString();
            EXPECT_EQ(box.texts().front(),
                      QStringLiteral("Cannot open COM1 (%1): No such file or directory").arg(device));
            EXPECT_TRUE(RecordingWindow::calls.isEmpty());
        }
    }
}
