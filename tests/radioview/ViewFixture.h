#pragma once
// Shared pieces of the radio-module window's tests: a main window hosting the windows, a
// database in a temporary program folder, and an emulated rack opened as serial port 1.
#include "radio/CLASSOrvDocument.h"
#include "radioview/frmOrvView.h"
#include "rackemu/Rack.h"
#include "support/PageBytes.h"
#include "support/RackOnPort.h"
#include "support/MainWindowFixture.h"

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

// The catalogue's models used here: VHF, references 12.5 and 6.25 kHz; the receiver's
// intermediate frequency is 21.4 MHz. The UHF exciter has a barred band of 433 to 435 MHz.
inline const QString kReceiverModel = QStringLiteral("Vr31-05-0000");
inline const QString kTransmitterModel = QStringLiteral("Vr31-15-0000");
inline const QString kBarredExciterModel = QStringLiteral("Vr51-25-0000");

using testsupport::page7to0;
using testsupport::pageOf;
// The channel page's frequency word (bytes 7, 6, 5) for `hz`, on the 12.5 kHz or 6.25 kHz step.
QByteArray withFrequency(QByteArray page, int32_t hz);

class ViewTest : public testsupport::MainWindowTest {
protected:
    // A new window on a new document of the model, opened as the New Module dialog opens it.
    frmOrvView* openNew(const QString& model, long serial = 1000, long channels = 128);
    // Runs `step` on the modal dialog that `open` shows, once it is up.
    template <class Dialog>
    static void onModal(std::function<void(Dialog&)> step)
    {
        pendingModal_ = [step](QWidget* w) {
            if (auto* d = dynamic_cast<Dialog*>(w))
                step(*d);
        };
        armModal();
    }
    QList<frmOrvView*> windows() const;

private:
    static void armModal();
    static inline std::function<void(QWidget*)> pendingModal_;
};

// The same with an emulated rack on serial port 1.
class ViewRackTest : public ViewTest {
protected:
    static constexpr uint32_t kSerial = 0x012345;

    void SetUp() override;
    void TearDown() override;

    // Puts a module in the rack whose pages come from a new document of the model (its serial
    // number in page 2) with `channels` channels, the first four set up; `edit` may change the image
    // before.
    void addModule(const QString& model, uint32_t serial = kSerial, const std::function<void(QByteArray&)>& edit = {},
                   long channels = 4);
    // The module's pages first..last as it holds them now.
    QByteArray modulePages(int first, int last, uint32_t serial = kSerial) const;
    int framesOf(rackemu::Command c) const;

    rackemu::Rack rack_;
    testsupport::RackOnPort line_{rack_, folder_};
};
