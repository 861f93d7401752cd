#include "toneremoteview/frmFactoryWrite.h"

#include "docwindow/DocumentWindow.h"
#include "db/PageImage.h"
#include "platform/BusyCursor.h"
#include "platform/MsgBox.h"
#include "platform/ui/ButtonRow.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DialogPlacement.h"
#include "platform/ui/Named.h"
#include "shell/FailureTrap.h"
#include "toneremote/COrvDocTR.h"
#include "db/PageFields.h"

#include <QCheckBox>
#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using platform::named;

namespace {

using pagefields::kSerialDigits;
constexpr int32_t kHighestSerial = pagefields::kHighestEnteredSerial - 1;

constexpr uint8_t kOptionAlways = 0x08;
constexpr uint8_t kOptionLinearTech = 0x80;
constexpr uint8_t kOptionAlarm = 0x40;
constexpr uint8_t kOptionVoting = 0x20;

// The identity every factory-written module starts with.
const QString kFactoryModel = QStringLiteral("Kelt");
const QString kFactorySuffix = QStringLiteral("0000");

} // namespace

frmFactoryWrite::frmFactoryWrite(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmFactoryWrite"));
    setWindowTitle(QStringLiteral("Factory Write"));
    setModal(true);
    buildControls();
    platform::centreOnScreen(*this);
}

void frmFactoryWrite::buildControls()
{
    auto* outer = new QVBoxLayout(this);
    auto* serial = new QHBoxLayout;
    Label1 = named(new QLabel(QStringLiteral("Serial Number:"), this), QStringLiteral("Label1"));
    txtSerialNumber = named(new QLineEdit(QStringLiteral("0"), this), QStringLiteral("txtSerialNumber"));
    serial->addWidget(Label1);
    serial->addWidget(txtSerialNumber, 1);
    outer->addLayout(serial);

    Frame1 = named(new QGroupBox(this), QStringLiteral("Frame1"));
    auto* options = new QVBoxLayout(Frame1);
    chkLinTech = named(new QCheckBox(QStringLiteral("Linear Tech"), Frame1), QStringLiteral("chkLinTech"));
    chkAlarm = named(new QCheckBox(QStringLiteral("Alarm enabled"), Frame1), QStringLiteral("chkAlarm"));
    chkVorting = named(new QCheckBox(QStringLiteral("Voting enabled"), Frame1), QStringLiteral("chkVorting"));
    options->addWidget(chkLinTech);
    options->addWidget(chkAlarm);
    options->addWidget(chkVorting);
    outer->addWidget(Frame1);

    cmdOk = named(new QPushButton(QStringLiteral("&OK"), this), QStringLiteral("cmdOk"));
    cmdCancel = named(new QPushButton(QStringLiteral("&Cancel"), this), QStringLiteral("cmdCancel"));
    cmdOk->setDefault(true);
    platform::buttonRow(outer, {cmdOk, cmdCancel});

    platform::onLostFocus(txtSerialNumber, this, [this] { txtSerialNumber_Validate(); });
    connect(cmdOk, &QPushButton::clicked, this, &frmFactoryWrite::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFactoryWrite::cmdCancel_Click);
}

int16_t frmFactoryWrite::intInit(IDocumentWindow& window)
{
    return basVelmar::trapped([&]() -> int16_t {
        txtSerialNumber->setText(window.getDocument()->strSerial);
        return 0;
    });
}

uint8_t frmFactoryWrite::FactoryOptionByte() const
{
    uint8_t option = kOptionAlways;
    if (chkLinTech->isChecked())
        option |= kOptionLinearTech;
    if (chkAlarm->isChecked())
        option |= kOptionAlarm;
    if (chkVorting->isChecked())
        option |= kOptionVoting;
    return option;
}

std::optional<int32_t> frmFactoryWrite::serialOfText(const QString& text)
{
    // Digits only: a sign, a decimal part or an exponent is no serial number.
    return pagefields::factorySerial(text);
}

void frmFactoryWrite::txtSerialNumber_Validate()
{
    if (txtSerialNumber->text().isEmpty())
        txtSerialNumber->setText(QStringLiteral("0"));
}

void frmFactoryWrite::cmdOk_Click()
{
    basVelmar::trapped([&]() -> int16_t {
        platform::BusyCursor busy;
        const std::optional<int32_t> serial = serialOfText(txtSerialNumber->text());
        if (!serial) {
            platform::MsgBox(
                QStringLiteral("The serial number must be a whole number from 0 to %1, of at most %2 digits.")
                    .arg(kHighestSerial)
                    .arg(kSerialDigits),
                platform::vbOKOnly);
            return -1;
        }
        // A document of the factory identity alone, gone when the write is done.
        COrvDocTR factory;
        if (factory.NewToneRemote(kFactoryModel, true, *serial, kFactorySuffix, QDate::currentDate(),
                                  FactoryOptionByte())
            != 0)
            return -1;
        factory.bytFactWrite = true;
        if (factory.FactoryWrite(*serial) != 0) {
            platform::MsgBox(QStringLiteral("Write to module failure!"), platform::vbOKOnly | platform::vbCritical);
            return -1;
        }
        return 0;
    });
    // Whatever came of it, the dialog has done its one write.
    accept();
}

void frmFactoryWrite::cmdCancel_Click() { reject(); }
