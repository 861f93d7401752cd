#pragma once
#include "db/CLASSOrvDB.h"
#include "platform/CommPort.h"
#include "platform/Progress.h"
#include "shell/Globals.h"
#include "app/frmMain.h"
#include "support/Pty.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>

// A program folder of the test's own (with a database), the serial port closed before and after,
// and the program-wide values back at their start-up state.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::CommPort::instance().setPortOpen(false);
        testsupport::makeDatabase(folder.file(QStringLiteral("velmar.mdb")));
        basVelmar::gPortNumber = 1;
        basVelmar::gOpenViewCount = 0;
        basVelmar::gDatabasePath = folder.file(QStringLiteral("velmar.mdb"));
    }
    void TearDown() override
    {
        window.reset();
        CLASSOrvDB::releaseInstance();
        platform::CommPort::instance().setPortOpen(false);
        platform::Progress::instance().reset();
    }
    // velmar.ini with the given lines.
    void writeIni(const QByteArray& lines) { folder.write(QStringLiteral("velmar.ini"), lines); }
    QByteArray readIni() const
    {
        QFile f(folder.file(QStringLiteral("velmar.ini")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    frmMain& loadMainWindow()
    {
        window = std::make_unique<frmMain>();
        window->MDIForm_Load();
        return *window;
    }

    testsupport::ProgramFolder folder;
    std::unique_ptr<frmMain> window;
};
