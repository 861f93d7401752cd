#pragma once
// Shared pieces of the radio document's tests: page helpers, a database in a temporary program
// folder, and an emulated rack opened as the program's serial port.
#include "radio/CLASSOrvDocument.h"
#include "rackemu/Rack.h"
#include "support/PageBytes.h"
#include "support/RadioModuleImage.h"
#include "support/RackOnPort.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempDir.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <gtest/gtest.h>

using testsupport::documentPages;
using testsupport::page7to0;
using testsupport::pageOf;
using testsupport::textPage;

using testsupport::imagePages;
inline QByteArray moduleImage(rackemu::Kind kind, uint32_t serial, int channels)
{
    return testsupport::radioModuleImage(kind, serial, channels);
}

// A database made from data/*.sql in a temporary program folder, the program's database while
// the test runs. Message boxes nobody expects fail the test.
class RadioDbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    QSqlDatabase db() const;
    // Loads a document from the database by serial number; status of the load.
    int16_t loadStored(CLASSOrvDocument& doc, const QString& serial);

    testsupport::ProgramFolder folder_;
};

// An emulated rack on a pseudo-terminal, opened as the program's serial port 1.
class RadioRackTest : public RadioDbTest {
protected:
    static constexpr uint32_t kSerial = 0x012345;

    void SetUp() override;
    void TearDown() override;

    // Frames of one command the program sent, in order, with their page numbers.
    std::vector<int> pagesOf(rackemu::Command c) const;
    std::vector<rackemu::Command> commands() const;
    // Waits until the rack has taken `count` valid frames of the command (a RESTART is sent
    // without waiting for the rack); false on time-out.
    bool waitForCommand(rackemu::Command c, int count = 1) const;

    rackemu::Rack rack_;
    testsupport::RackOnPort line_{rack_, folder_};
};
