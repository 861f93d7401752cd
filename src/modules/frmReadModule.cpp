#include "modules/frmReadModule.h"

#include "db/PageImage.h"
#include "link/LinkAddress.h"
#include "link/LinkCommands.h"
#include "link/TransferGuard.h"
#include "platform/ui/DialogPlacement.h"
#include "modules/KeyDown.h"
#include "modules/ModuleOpening.h"
#include "shell/FailureTrap.h"
#include "platform/BusyCursor.h"
#include "platform/ui/ControlEvents.h"
#include "shell/ModuleProbes.h"
#include "shell/ModuleType.h"
#include "docwindow/DocumentWindow.h"
#include "docwindow/OpenModules.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using platform::MsgBox;

namespace {

constexpr int kBackspace = 8;
constexpr int kSerialLength = 8;

void showNoModuleFound(const QString& typed)
{
    MsgBox(QStringLiteral("No module found with the serial: [") + typed + QStringLiteral("]"), platform::vbOKOnly);
}

// Links the module and reads its type code from it, as one transfer on the line. 0; -1 after
// "No module found ..." when it does not answer the link, after the port's own message when the
// port cannot be opened, or without a message when its type cannot be read.
int16_t linkAndReadType(long serial, const QString& typed, int16_t& typeCode)
{
    int16_t status = -1;
    bool linked = false;
    {
        TransferGuard guard;
        if (!guard.acquired() || intOpenLine() != 0)
            return -1;
        linked = CLASSLINK::instance().intExecute(basVelmar::strLongTo3Bytes(serial)) == 0;
        if (linked)
            status = basVelmar::intReadModuleType(QString::number(serial), typeCode);
    }
    if (!linked)
        showNoModuleFound(typed);
    return status;
}

} // namespace

frmReadModule::frmReadModule(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmReadModule"));
    setWindowTitle(QStringLiteral("Read module"));

    Frame1 = new QGroupBox(QStringLiteral("Serial Number"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    TextSerial = new QLineEdit(Frame1);
    TextSerial->setObjectName(QStringLiteral("TextSerial"));
    TextSerial->setMaxLength(kSerialLength);
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(TextSerial);

    CommandOK = new QPushButton(QStringLiteral("&OK"), this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    CommandOK->setDefault(true);
    CommandCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CommandOK);
    buttons->addWidget(CommandCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    connect(CommandOK, &QPushButton::clicked, this, &frmReadModule::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &frmReadModule::CommandCancel_Click);
    // The key-down handler sees a key before the key-press handler.
    platform::onKeyPress(TextSerial, [this](QChar c) {
        int keyAscii = c.unicode();
        TextSerial_KeyPress(keyAscii);
        return keyAscii != 0;
    });
    moduledialogs::onKeyDown(TextSerial, [this](int keyCode) { return TextSerial_KeyDown(keyCode); });
    Form_Load();
}

void frmReadModule::Form_Load() { platform::centreOnScreen(*this); }

void frmReadModule::CommandOK_Click()
{
    platform::BusyCursor busy;
    basVelmar::trapped([this]() -> int16_t {
        const QString typed = TextSerial->text();
        if (!moduleopen::digitsValue(typed)) {
            MsgBox(QStringLiteral("Serial should be number"), platform::vbOKOnly);
            return -1;
        }
        // A number beyond the 24 bits of an address names no module; cut to 24 bits it would
        // address another one.
        const std::optional<long> serial = moduleopen::serialValue(typed);
        if (!serial) {
            showNoModuleFound(typed);
            return -1;
        }
        bool open = false;
        basVelmar::intIsModuleOpen(*serial, kFromModule, open);
        if (open) {
            MsgBox(QStringLiteral("Module [") + typed + QStringLiteral("] is already opened"), platform::vbOKOnly);
            return -1;
        }
        int16_t typeCode = basVelmar::kUnknownModule;
        if (linkAndReadType(*serial, typed, typeCode) != 0)
            return -1;
        const QString serialText = typed.trimmed();
        // The window reports its own failures; the dialog has done its part either way.
        moduleopen::intOpenInWindow(typeCode, [&](IDocumentWindow& w) { return w.intInitFromModule(serialText); });
        accept();
        return 0;
    });
}

void frmReadModule::CommandCancel_Click() { reject(); }

void frmReadModule::TextSerial_KeyPress(int& KeyAscii)
{
    if (KeyAscii != kBackspace && (KeyAscii < '0' || KeyAscii > '9'))
        KeyAscii = 0;
}

bool frmReadModule::TextSerial_KeyDown(int KeyCode)
{
    if (KeyCode != moduledialogs::kEnterKey)
        return false;
    CommandOK_Click();
    return true;
}
