#pragma once
// Shared pieces of the radio document's tests: page helpers, a database in a temporary program
// folder, and an emulated rack opened as the program's serial port.
#include "radio/CLASSOrvDocument.h"
#include "rackemu/Rack.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempDir.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <gtest/gtest.h>
#include <initializer_list>

// A page from its bytes listed from byte 7 down to byte 0, as the tables of the page layout read;
// the result holds byte 0 first, as intWritePage takes it.
QByteArray page7to0(std::initializer_list<int> bytes);
// A page holding 8 characters, the first in byte 7.
QByteArray textPage(const char* eight);
// Page `page` of the document (byte 0 first).
QByteArray pageOf(const CLASSOrvDocument& doc, int page);
// Pages first..last of an image of 8-byte pages.
QByteArray imagePages(const QByteArray& image, int first, int last);
// The document's pages first..last.
QByteArray documentPages(const CLASSOrvDocument& doc, int first, int last);

// A module image for the emulated rack: firmware V01.01, partition 16, `channels` channels whose
// pages all differ, and the catalogue's model code of its kind (Vr31-05/15/25-0000).
QByteArray moduleImage(rackemu::Kind kind, uint32_t serial, int channels);

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
};
