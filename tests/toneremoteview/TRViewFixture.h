#pragma once
// Shared pieces of the tone-remote window's tests: a main window hosting the windows over a
// database in a temporary program folder, and an emulated rack with a tone-remote module opened
// as serial port 1.
#include "rackemu/Rack.h"
#include "support/RackOnPort.h"
#include "support/MainWindowFixture.h"
#include "toneremote/COrvDocTR.h"
#include "toneremoteview/frmOrvViewTR.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class TRViewTest : public testsupport::MainWindowTest {
protected:
    static constexpr uint32_t kSerial = 4711;

    // Opens a new window through `opener` as the program opens one; the status, and the window
    // when one came up.
    int16_t open(const std::function<int16_t(IDocumentWindow&)>& opener, frmOrvViewTR** shown = nullptr);
    // A new window on a new module with the serial number.
    frmOrvViewTR* openNew(long serial = kSerial);
    // A module of the serial number stored in the database (a new document's pages).
    void storeModule(long serial = kSerial);
    QList<frmOrvViewTR*> windows() const;
};

// The same with the emulated rack, which the test fills and then serves on serial port 1 (line_.open()).
class TRViewRackTest : public TRViewTest {
protected:
    void TearDown() override;

    void addModule(const QByteArray& image, uint32_t serial = kSerial);
    // A tone-remote module as the factory programs it.
    static QByteArray factoryImage(uint32_t serial = kSerial);
    // A window on the module, read from the rack.
    frmOrvViewTR* openModule(uint32_t serial = kSerial);

    rackemu::Rack rack_;
    testsupport::RackOnPort line_{rack_, folder_};
};
