#include "radioview/frmFVorn.h"

#include "db/CModule.h"
#include "db/PageFields.h"
#include "platform/BusyCursor.h"
#include "platform/MsgBox.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DialogPlacement.h"
#include "platform/ui/Named.h"
#include "radio/CLASSOrvDocument.h"
#include "platform/ui/ButtonRow.h"

#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <optional>

using namespace radiolayout;

namespace {

const QString kError = QStringLiteral("Error");
const QString kEnterValidDate = QStringLiteral("Enter valid date.");

// Serial numbers from this one on are refused (the highest the line can address is 16777215).
using pagefields::kSerialDigits;

// The kind number of the configuration byte: bits 1-2.
int kindOf(uint8_t flag) { return (flag & config::kKindMask) >> 1; }

bool allDigits(const QString& text, int most)
{
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    return !text.isEmpty() && text.size() <= most && digits.match(text).hasMatch();
}

// A date typed as dd-mm-yyyy or as ddmmyyyy, whatever the locale's own form.
std::optional<QDate> enteredDate(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{2})-?(\\d{2})-?(\\d{4})$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch() || (text.count(QLatin1Char('-')) != 0 && text.count(QLatin1Char('-')) != 2))
        return std::nullopt;
    const QDate date(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

// "V051-20-000" (series letter, three digits, two, three) as "Vr05-12-0000".
QString fourDigitForm(const QString& model)
{
    const QString m = model.leftJustified(11, QLatin1Char(' '));
    auto at = [&](int position) { return m.at(position - 1); };
    return QStringLiteral("Vr") + at(2) + at(3) + QLatin1Char('-') + at(4) + at(6) + QLatin1Char('-') + at(7) + at(9)
           + at(10) + at(11);
}

} // namespace

using platform::buttonRow;
using platform::named;

frmFVorn::frmFVorn(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmFVorn"));
    setWindowTitle(QStringLiteral("Factory Write"));
    setModal(true);
    buildControls();
    platform::centreOnScreen(*this);
}

void frmFVorn::buildControls()
{
    auto* outer = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    outer->addLayout(columns);

    auto* frame = new QGroupBox(this);
    auto* boxes = new QGridLayout(frame);
    auto row = [&](const QString& caption, const QString& name, int most) {
        auto* box = named(new QLineEdit(frame), name);
        box->setMaxLength(most);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("Vr00-00-0000MM")) + 12);
        const int r = boxes->rowCount();
        boxes->addWidget(new QLabel(caption, frame), r, 0);
        boxes->addWidget(box, r, 1);
        return box;
    };
    txtSerialNumber = row(QStringLiteral("Serial Number:"), QStringLiteral("txtSerialNumber"), kSerialDigits);
    txtMaxNoChan = row(QStringLiteral("Maximum number of channels:"), QStringLiteral("txtMaxNoChan"), 3);
    txtPartition = row(QStringLiteral("Partition:"), QStringLiteral("txtPartition"), 2);
    txtModuleType = row(QStringLiteral("Module Type:"), QStringLiteral("txtModuleType"), kTextLength);
    txtCustomType = row(QStringLiteral("Custom Type:"), QStringLiteral("txtCustomType"), kTextLength);
    txtProductionDate = row(QStringLiteral("Production Date:"), QStringLiteral("txtProductionDate"), kTextLength);
    txtModifiedDate = row(QStringLiteral("Modified Date:"), QStringLiteral("txtModifiedDate"), kTextLength);
    boxes->setRowStretch(boxes->rowCount(), 1);
    columns->addWidget(frame);

    auto* groups = new QVBoxLayout;
    auto group = [&](const QString& caption, std::initializer_list<std::pair<QRadioButton**, std::pair<const char*, const char*>>> buttons) {
        auto* g = new QGroupBox(caption, this);
        auto* l = new QHBoxLayout(g);
        for (const auto& [member, texts] : buttons) {
            *member = named(new QRadioButton(QString::fromLatin1(texts.second), g), QString::fromLatin1(texts.first));
            l->addWidget(*member);
        }
        l->addStretch(1);
        groups->addWidget(g);
    };
    group(QStringLiteral("Type"), {{&optTransmitter, {"optTransmitter", "Transmitter"}},
                                   {&optReceiver, {"optReceiver", "Receiver"}},
                                   {&optExciter, {"optExciter", "Exciter"}}});
    group(QStringLiteral("Injection"), {{&optHighSideInjection, {"optHighSideInjection", "High Side"}},
                                        {&optLowSideInjection, {"optLowSideInjection", "Low Side"}}});
    group(QStringLiteral("Suffix Digit"), {{&opt4digit, {"opt4digit", "4 Digit"}}, {&opt3digit, {"opt3digit", "3 Digit"}}});
    group(QStringLiteral("TCXO"), {{&optFixedTXCO, {"optFixedTXCO", "Fixed"}},
                                   {&optModulatableTCXO, {"optModulatableTCXO", "Modulatable 12.8 MHz"}}});
    groups->addStretch(1);
    columns->addLayout(groups);

    cmdOk = named(new QPushButton(QStringLiteral("&OK"), this), QStringLiteral("cmdOk"));
    cmdCancel = named(new QPushButton(QStringLiteral("&Cancel"), this), QStringLiteral("cmdCancel"));
    cmdOk->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    buttonRow(outer, {cmdOk, cmdCancel});

    QWidget* order[] = {txtSerialNumber, txtMaxNoChan, txtPartition, txtModuleType, cmdCancel, cmdOk,
                        txtProductionDate, optTransmitter, optReceiver, optExciter, optHighSideInjection,
                        optLowSideInjection, opt4digit, opt3digit, optFixedTXCO, optModulatableTCXO,
                        txtCustomType, txtModifiedDate};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(cmdOk, &QPushButton::clicked, this, &frmFVorn::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFVorn::cmdCancel_Click);
    const std::pair<QRadioButton*, void (frmFVorn::*)()> handlers[] = {
        {optLowSideInjection, &frmFVorn::optLowSideInjection_Click}, {optHighSideInjection, &frmFVorn::optHighSideInjection_Click},
        {optTransmitter, &frmFVorn::optTransmitter_Click},           {optReceiver, &frmFVorn::optReceiver_Click},
        {optExciter, &frmFVorn::optExciter_Click},                   {optFixedTXCO, &frmFVorn::optFixedTXCO_Click},
        {optModulatableTCXO, &frmFVorn::optModulatableTCXO_Click},   {opt3digit, &frmFVorn::opt3digit_Click},
        {opt4digit, &frmFVorn::opt4digit_Click},
    };
    for (const auto& [button, handler] : handlers)
        connect(button, &QRadioButton::clicked, this, handler);
    platform::onLostFocus(txtSerialNumber, this, [this] { txtSerialNumber_LostFocus(); });
}

void frmFVorn::ShowForm(CLASSOrvDocument& docOrv)
{
    fillForm(docOrv);
    exec();
    doc_ = nullptr;
}

void frmFVorn::fillForm(CLASSOrvDocument& docOrv)
{
    doc_ = &docOrv;
    Form_Load();
}

void frmFVorn::Form_Load()
{
    if (!doc_)
        return;
    const CLASSOrvDocument& doc = *doc_;
    txtSerialNumber->setText(doc.strSerial);
    txtMaxNoChan->setText(QString::number(doc.intMaxchannel));
    txtPartition->setText(QString::number(doc.intPartition));

    flag_ = doc.bytFlag1;
    (flag_ & config::kHighSideInjection ? optHighSideInjection : optLowSideInjection)->setChecked(true);
    switch (kindOf(flag_)) {
    case 0: optTransmitter->setChecked(true); break;
    case 1: optReceiver->setChecked(true); break;
    case 2: optExciter->setChecked(true); break;
    default: break;
    }
    (flag_ & config::kModulatableTcxo ? optModulatableTCXO : optFixedTXCO)->setChecked(true);

    txtModifiedDate->setText(doc.strLastModified);
    const QString made = doc.strProductionDate;
    txtProductionDate->setText(made.contains(QLatin1Char('-')) ? made
                                                               : made.mid(0, 2) + QLatin1Char('-') + made.mid(2, 2)
                                                                     + QLatin1Char('-') + made.mid(4, 4));
    if (flag_ & config::kTwoLetterCode) {
        opt4digit->setChecked(true);
        txtModuleType->setText(doc.strModuleType);
        txtCustomType->setText(doc.strCustomType);
    } else {
        opt3digit->setChecked(true);
        txtModuleType->setText(fourDigitForm(doc.strModuleType));
        txtCustomType->clear();
    }
}

void frmFVorn::txtSerialNumber_LostFocus()
{
    if (txtSerialNumber->text().isEmpty())
        txtSerialNumber->setText(QStringLiteral("0"));
}

void frmFVorn::optLowSideInjection_Click() { setBits(config::kHighSideInjection, 0); }
void frmFVorn::optHighSideInjection_Click() { setBits(config::kHighSideInjection, config::kHighSideInjection); }
void frmFVorn::optTransmitter_Click() { setBits(config::kKindMask, config::kKindTransmitter); }
void frmFVorn::optReceiver_Click() { setBits(config::kKindMask, config::kKindReceiver); }
void frmFVorn::optExciter_Click() { setBits(config::kKindMask, config::kKindExciter); }
void frmFVorn::optFixedTXCO_Click() { setBits(config::kModulatableTcxo, 0); }
void frmFVorn::optModulatableTCXO_Click() { setBits(config::kModulatableTcxo, config::kModulatableTcxo); }
void frmFVorn::opt3digit_Click() { setBits(config::kTwoLetterCode, 0); }
void frmFVorn::opt4digit_Click() { setBits(config::kTwoLetterCode, config::kTwoLetterCode); }

void frmFVorn::refuse(const QString& text, QLineEdit* box, bool warning)
{
    if (warning)
        platform::MsgBox(text, platform::vbOKOnly | platform::vbExclamation, kError);
    else
        platform::MsgBox(text, platform::vbOKOnly);
    box->setFocus();
    box->selectAll();
}

void frmFVorn::cmdOk_Click()
{
    if (!doc_)
        return;
    // Every entry is checked before the document changes.
    const QString serialText = txtSerialNumber->text().trimmed();
    const std::optional<int32_t> serial = pagefields::factorySerial(serialText);
    if (!serial) {
        refuse(QStringLiteral("Serial Number must be numeric and must not exceed 16777124!"), txtSerialNumber, false);
        return;
    }

    const QString channelsText = txtMaxNoChan->text().trimmed();
    if (!allDigits(channelsText, 3)) {
        refuse(QStringLiteral("Maximum Number of channels must be numeric."), txtMaxNoChan);
        return;
    }
    const auto channels = static_cast<int16_t>(channelsText.toInt());
    if (channels < 1 || channels > kMaxChannels) {
        refuse(QStringLiteral("Maximum Number of channels must be from 1 to %1.").arg(kMaxChannels), txtMaxNoChan);
        return;
    }

    const std::optional<QDate> made = enteredDate(txtProductionDate->text());
    if (!made) {
        refuse(kEnterValidDate, txtProductionDate);
        return;
    }
    const std::optional<QDate> modified = enteredDate(txtModifiedDate->text());
    if (!modified) {
        refuse(kEnterValidDate, txtModifiedDate);
        return;
    }

    const QString partitionText = txtPartition->text().trimmed();
    const int partition = allDigits(partitionText, 2) ? partitionText.toInt() : 0;
    if (partition != kPartition && partition != kOldPartition) {
        refuse(QStringLiteral("Enter valid partition"), txtPartition);
        return;
    }

    // The model is looked up, and the factory pages made, on a copy: the document takes them
    // only when all of it worked.
    const QString model = txtModuleType->text();
    CLASSOrvDocument changed(*doc_);
    changed.strModuleType = model;
    changed.strCustomType = model;
    if (changed.ReadFactoryModel() != 0 || changed.strModelAsMade != CModule::kStandardModel) {
        refuse(QStringLiteral("Invalid model type"), txtModuleType);
        return;
    }
    // Text typed as the custom type never reaches the module: factory data carry none.
    if (changed.ChangeFactoryWriteData(*serial, channels, flag_, static_cast<int16_t>(partition), model, QString(),
                                       made->toString(QStringLiteral("ddMMyyyy")), QDateTime(*modified, QTime(0, 0)))
        != 0)
        return;
    *doc_ = changed;
    doc_->fModified = true;

    {
        platform::BusyCursor busy;
        if (doc_->FactoryWrite(*serial) != 0)
            platform::MsgBox(QStringLiteral("Write to module failure!"), platform::vbOKOnly | platform::vbCritical, kError);
    }
    hide();
}

void frmFVorn::cmdCancel_Click() { hide(); }

void frmFVorn::reject() { cmdCancel_Click(); }
