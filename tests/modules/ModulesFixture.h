#pragma once
// The dialogs' test bed: a program folder with a fresh database, the emulated rack opened as
// serial port 1, a main window to host the document windows, and recording windows in place of
// the editors.
#include "rackemu/Rack.h"
#include "app/frmMain.h"
#include "support/RackOnPort.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QByteArray>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

// A module image of that kind whose configuration byte (page 2 byte 2) is `configuration` and
// whose remark (pages 8 and 9) is `remark`, up to 16 characters.
QByteArray moduleImage(rackemu::Kind kind, uint32_t serial, uint8_t configuration, const char* remark = "");

// Runs `step` on the modal dialog of type D once the menu command has put it up (looking for it
// for up to 10 s).
template <class D>
void whenShown(std::function<void(D&)> step, int tries = 500)
{
    QTimer::singleShot(20, [step, tries] {
        if (auto* dialog = dynamic_cast<D*>(QApplication::activeModalWidget())) {
            step(*dialog);
            return;
        }
        if (tries > 0)
            whenShown<D>(step, tries - 1);
        else
            ADD_FAILURE() << "the dialog did not come up";
    });
}

// Configuration bytes of the kinds.
constexpr uint8_t kReceiverByte = 0x12;
constexpr uint8_t kTransmitterByte = 0x10;
constexpr uint8_t kToneRemoteByte = 0x80;

class ModulesTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Serves the rack (its modules added before) on serial port 1.
    void startRack();
    // The valid frames the program sent: command and address.
    std::vector<std::pair<rackemu::Command, int32_t>> sent() const;
    int windows() const { return static_cast<int>(main->documentWindows().size()); }

    testsupport::ProgramFolder folder;
    rackemu::Rack rack;
    testsupport::RackOnPort line{rack, folder};
    std::unique_ptr<frmMain> main;
};
