#include "toneremoteview/TRGeneralTab.h"

#include "platform/MsgBox.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/Named.h"
#include "shell/FailureTrap.h"
#include "toneremote/COrvDocTR.h"
#include "toneremoteview/frmOrvViewTR.h"
#include "toneremoteview/TextValue.h"
#include "toneremote/ToneRemotePageLayout.h"
#include "db/PageFields.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QVBoxLayout>

using platform::MsgBox;
using platform::named;

// The bits of the flag bytes.
namespace flag = trlayout::timers;

namespace {

constexpr int kHighestChannel = 127;
constexpr int kRemarkLength = 16;
constexpr int kSerialLength = pagefields::kSerialDigits;
constexpr long long kHighestSerial = pagefields::kHighestEnteredSerial;

QLineEdit* shownOnly(QLineEdit* box)
{
    box->setReadOnly(true);
    return box;
}

} // namespace

TRGeneralTab::TRGeneralTab(frmOrvViewTR& view) : TRTabPage(view, QStringLiteral("tabGeneral"))
{
    buildControls();

    connect(opt2WireConfiguration, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optWireConfiguration_Click();
    });
    connect(opt4WireConfiguration, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optWireConfiguration_Click();
    });
    connect(optPoweronRep, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optPoweron_Click();
    });
    connect(optPoweronBase, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optPoweron_Click();
    });
    connect(chkLatchChannel, &QCheckBox::stateChanged, this, &TRGeneralTab::chkLatchChannel_Click);
    connect(txtUserRemark, &QLineEdit::textChanged, this, &TRGeneralTab::txtUserRemark_Change);
    platform::onKeyPress(txtSerialNum, [](QChar c) { return c == QLatin1Char('\b') || (c >= u'0' && c <= u'9'); });
    platform::onValidate(txtSerialNum, this, [this] { return txtSerialNum_Validate(); });
    platform::onLostFocus(txtChannel, this, [this] { txtChannel_LostFocus(); });
}

void TRGeneralTab::buildControls()
{
    auto* page = new QGridLayout(this);

    fraGen2 = named(new QGroupBox(this), QStringLiteral("fraGen2"));
    auto* identity = new QGridLayout(fraGen2);
    const auto field = [&](int row, const QString& label, const QString& labelName, const QString& boxName) {
        identity->addWidget(named(new QLabel(label, fraGen2), labelName), row, 0);
        auto* box = named(new QLineEdit(fraGen2), boxName);
        identity->addWidget(box, row, 1);
        return box;
    };
    txtSerialNum =
        field(0, QStringLiteral("Serial Number:"), QStringLiteral("lblSerialNum"), QStringLiteral("txtSerialNum"));
    txtCustomType =
        shownOnly(field(1, QStringLiteral("Model:"), QStringLiteral("lblCustomType"), QStringLiteral("txtCustomType")));
    txtUserRemark =
        field(2, QStringLiteral("Remark: "), QStringLiteral("lblUserRemark"), QStringLiteral("txtUserRemark"));
    txtUserRemark->setMaxLength(kRemarkLength);
    txtFirmwareVer = shownOnly(
        field(3, QStringLiteral("Firmware SW"), QStringLiteral("lblFirmwareVer"), QStringLiteral("txtFirmwareVer")));
    txtLastModified = shownOnly(field(4, QStringLiteral("Last Modified: "), QStringLiteral("lblLastModified"),
                                      QStringLiteral("txtLastModified")));
    identity->setColumnStretch(1, 1);
    identity->setRowStretch(5, 1);
    page->addWidget(fraGen2, 0, 0, 4, 1);

    fraGen1 = named(new QGroupBox(QStringLiteral("Line Interface"), this), QStringLiteral("fraGen1"));
    auto* wiring = new QVBoxLayout(fraGen1);
    opt2WireConfiguration =
        named(new QRadioButton(QStringLiteral(" 2-wire"), fraGen1), QStringLiteral("opt2WireConfiguration"));
    opt4WireConfiguration =
        named(new QRadioButton(QStringLiteral(" 4-wire"), fraGen1), QStringLiteral("opt4WireConfiguration"));
    wiring->addWidget(opt2WireConfiguration);
    wiring->addWidget(opt4WireConfiguration);
    page->addWidget(fraGen1, 0, 1);

    frmPowerOnMode = named(new QGroupBox(QStringLiteral("Mode at  Power On"), this), QStringLiteral("frmPowerOnMode"));
    auto* mode = new QVBoxLayout(frmPowerOnMode);
    optPoweronRep =
        named(new QRadioButton(QStringLiteral("Repeater"), frmPowerOnMode), QStringLiteral("optPoweronRep"));
    optPoweronRep->setToolTip(QStringLiteral("Rx audio is routed to Tx and Line"));
    optPoweronBase =
        named(new QRadioButton(QStringLiteral("Base Station"), frmPowerOnMode), QStringLiteral("optPoweronBase"));
    optPoweronBase->setToolTip(QStringLiteral("Rx audio is routed to Line only, Tx audio is routed from Line only"));
    mode->addWidget(optPoweronRep);
    mode->addWidget(optPoweronBase);
    page->addWidget(frmPowerOnMode, 1, 1);

    chkLatchChannel =
        named(new QCheckBox(QStringLiteral("Use Latched Channel Select"), this), QStringLiteral("chkLatchChannel"));
    chkLatchChannel->setToolTip(QStringLiteral("Checked for non-Vorn equipment"));
    page->addWidget(chkLatchChannel, 2, 1);

    Frame3 = named(new QGroupBox(QStringLiteral("Channel Select Output"), this), QStringLiteral("Frame3"));
    auto* channel = new QGridLayout(Frame3);
    lblChannel = named(new QLabel(QStringLiteral("Current Channel:"), Frame3), QStringLiteral("lblChannel"));
    txtChannel = named(new QLineEdit(Frame3), QStringLiteral("txtChannel"));
    channel->addWidget(lblChannel, 0, 0);
    channel->addWidget(txtChannel, 0, 1);
    page->addWidget(Frame3, 3, 1);

    page->setColumnStretch(0, 1);
    page->setColumnStretch(1, 1);
    page->setRowStretch(4, 1);
}

int16_t TRGeneralTab::refuse(QWidget* box, const QString& message, int style, const QString& title)
{
    MsgBox(message, style, title);
    box->setFocus();
    return -1;
}

bool TRGeneralTab::serialAccepted(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+$"));
    const QString serialTitle = QStringLiteral("Serial Number");
    const QString wrongTitle = QStringLiteral("Wrong Serial Number");
    if (!number.match(text).hasMatch() || text.size() > kSerialLength)
        return refuse(txtSerialNum, QStringLiteral("Invalid Serial Number"), platform::vbExclamation, serialTitle) == 0;
    const long long value = text.toLongLong();
    if (value > kHighestSerial)
        return refuse(txtSerialNum, QStringLiteral("Serial number must not exceed 16777124!"), platform::vbCritical,
                      wrongTitle)
            == 0;
    if (value < 0)
        return refuse(txtSerialNum, QStringLiteral("Serial number must be positive number!"), platform::vbCritical,
                      wrongTitle)
            == 0;
    return true;
}

int16_t TRGeneralTab::intShowGeneral()
{
    return basVelmar::trapped([&]() -> int16_t {
        QScopedValueRollback guard(showing_, true);
        const COrvDocTR& d = document();
        const bool fourWire = (d.bytFlag2 & flag::kFourWire) != 0;
        opt4WireConfiguration->setChecked(fourWire);
        opt2WireConfiguration->setChecked(!fourWire);
        ((d.bytFlag2 & flag::kRepeaterAtPowerOn) ? optPoweronRep : optPoweronBase)->setChecked(true);
        if (d.bytFlag1Page5 & flag::kChannelNotLatched) {
            chkLatchChannel->setChecked(false);
            txtChannel->setText(QStringLiteral("0"));
        } else {
            chkLatchChannel->setChecked(true);
            txtChannel->setText(QString::number(d.bytCurrentChannel));
        }
        chkLatchChannel_Click();
        txtSerialNum->setText(d.strSerial);
        txtCustomType->setText(d.strModuleUsed);
        txtLastModified->setText(d.strLastModified);
        const bool fromProgrammerFile =
            d.intDocumentFrom == kFromMCF || d.intDocumentFrom == kFromBIN || d.intDocumentFrom == kFromHEX;
        txtFirmwareVer->setText(fromProgrammerFile ? QStringLiteral("XX.XX") : d.strFirmwareVersion);
        txtUserRemark->setText(d.strUserRemark);
        shownSerial_.shown(txtSerialNum->text());
        shownChannel_.shown(QString::number(chkLatchChannel->isChecked()) + u'|' + txtChannel->text());
        return 0;
    });
}

int16_t TRGeneralTab::intEditApplyGeneral()
{
    return basVelmar::trapped([&]() -> int16_t {
        // An emptied box is no serial number: it is refused like any other text that is none.
        const QString serial = txtSerialNum->text();
        if (!serialAccepted(serial))
            return -1;
        const bool latched = chkLatchChannel->checkState() != Qt::Unchecked;
        const bool channelChanged = shownChannel_.changed(QString::number(latched) + u'|' + txtChannel->text());
        int channel = 0;
        if (latched && channelChanged && !trview::boxNumberWithin(txtChannel->text(), 0, kHighestChannel, channel))
            return refuse(txtChannel, QStringLiteral("The current channel must be a number from 0 to 127."),
                          platform::vbExclamation, QStringLiteral("Current Channel"));

        COrvDocTR& d = document();
        if (shownSerial_.changed(serial) && d.ChangeSerial(static_cast<int32_t>(serial.toLongLong())) != 0)
            return -1;
        d.strSerial = serial;
        uint8_t flag2 = d.bytFlag2;
        flag2 = opt2WireConfiguration->isChecked() ? (flag2 & ~flag::kFourWire) : (flag2 | flag::kFourWire);
        flag2 = optPoweronRep->isChecked() ? (flag2 | flag::kRepeaterAtPowerOn) : (flag2 & ~flag::kRepeaterAtPowerOn);
        uint8_t flag1Page5 = d.bytFlag1Page5;
        if (latched) {
            flag1Page5 &= ~flag::kChannelNotLatched;
            if (channelChanged)
                d.bytCurrentChannel = static_cast<uint8_t>(channel);
        } else {
            flag1Page5 |= flag::kChannelNotLatched;
        }
        d.bytFlag2 = flag2;
        d.bytFlag1Page5 = flag1Page5;
        shownSerial_.shown(serial);
        shownChannel_.shown(QString::number(latched) + u'|' + txtChannel->text());
        // The caption names the serial number the document now has.
        view().intShowSystem();
        return 0;
    });
}

bool TRGeneralTab::txtSerialNum_Validate()
{
    const QString serial = txtSerialNum->text();
    if (!serialAccepted(serial))
        return false;
    COrvDocTR& d = document();
    if (serial != d.strSerial) {
        if (d.ChangeSerial(static_cast<int32_t>(serial.toLongLong())) != 0)
            return false;
        d.strSerial = serial;
        markModified();
    }
    view().intShowSystem();
    return true;
}

void TRGeneralTab::chkLatchChannel_Click()
{
    markModified();
    const bool on = chkLatchChannel->checkState() == Qt::Checked;
    txtChannel->setEnabled(on);
    lblChannel->setEnabled(on);
}

void TRGeneralTab::txtChannel_LostFocus()
{
    markModified();
    const int value = trview::leadingWholeNumber(txtChannel->text(), -1, kHighestChannel + 1);
    if (value > kHighestChannel)
        txtChannel->setText(QString::number(kHighestChannel));
    else if (value < 0)
        txtChannel->setText(QStringLiteral("0"));
}

void TRGeneralTab::optPoweron_Click() { markModified(); }

void TRGeneralTab::txtUserRemark_Change() { markModified(); }

void TRGeneralTab::optWireConfiguration_Click() { markModified(); }
