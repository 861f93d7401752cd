#include "radioview/frmEditChannelData.h"

#include "db/LookupTables.h"
#include "platform/MsgBox.h"
#include "radio/CLASSOrvDocument.h"
#include "radio/RadioPageLayout.h"
#include "radio/RadioFailure.h"
#include "radioview/ChannelCells.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DialogPlacement.h"
#include "platform/ui/Named.h"
#include "radioview/ViewNumbers.h"
#include "shell/FrequencyCodecs.h"
#include "shell/NumberText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

using namespace orvview;
using platform::MsgBox;

namespace {

const QString kInvalidValues = QStringLiteral("Invalid Values");
const QString kInvalidCombination =
    QStringLiteral("Invalid combination of parameters. Please check channel frequency and step values.");
const QString kInvalidStep = QStringLiteral("Error, invalid step frequency");

constexpr double kHighestFrequencyMHz = 2000;
constexpr double kHighestStepKHz = 10000;
constexpr int64_t kHighestStepHz = 10000000;
constexpr int kHighestPot = 255;

void prohibitedFrequency()
{
    MsgBox(QStringLiteral("Please select frequency outside prohibited band!"), platform::vbExclamation,
           QStringLiteral("Prohibited Frequency"));
}

int64_t hzOf(const QString& text, double unit) { return roundHalfEven(toNumber(text) * unit); }

bool dividesBoth(const QList<int64_t>& entries, int64_t a, int64_t b)
{
    for (int64_t s : entries)
        if (s > 0 && a % s == 0 && b % s == 0)
            return true;
    return false;
}

bool dividesOne(const QList<int64_t>& entries, int64_t a) { return dividesBoth(entries, a, 0); }

// Runs a handler; a failure it raises (a box holding no number) is shown, and the handler ends
// with `failed`.
template <class T, class F>
T trap(T failed, F&& body)
{
    try {
        return body();
    } catch (const platform::Error& e) {
        MsgBox(e.description());
        return failed;
    }
}

} // namespace

frmEditChannelData::frmEditChannelData(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmEditChannelData"));
    setWindowTitle(QStringLiteral(" Edit Channel Data"));
    setModal(true);
    buildControls();
    platform::centreOnScreen(*this);
}

void frmEditChannelData::buildControls()
{
    using platform::named;
    auto digitsOnly = [](QLineEdit* box, int length) {
        box->setMaxLength(length);
        box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), box));
    };
    auto* outer = new QHBoxLayout(this);
    auto* frame = new QGroupBox(this);
    outer->addWidget(frame, 1);
    auto* grid = new QGridLayout(frame);

    grid->addWidget(named(new QLabel(QStringLiteral("Start Channel"), frame), QStringLiteral("LabelStartChannel")), 0, 0);
    grid->addWidget(named(new QLabel(QStringLiteral("Number of edited channels"), frame), QStringLiteral("Label7")), 0, 1, 1, 2);
    txtChannelNo = named(new QLineEdit(frame), QStringLiteral("txtChannelNo"));
    digitsOnly(txtChannelNo, 3);
    txtCount = named(new QLineEdit(frame), QStringLiteral("txtCount"));
    digitsOnly(txtCount, 3);
    grid->addWidget(txtChannelNo, 1, 0);
    grid->addWidget(txtCount, 1, 1, 1, 2);

    chkBlockWriteForChan = named(new QCheckBox(QStringLiteral("Frequency (MHz)            Step (kHz)"), frame),
                                 QStringLiteral("chkBlockWriteForChan"));
    chkBlockWriteForCTCSS = named(new QCheckBox(QStringLiteral("CTCSS Frequency (Hz)"), frame), QStringLiteral("chkBlockWriteForCTCSS"));
    grid->addWidget(chkBlockWriteForChan, 2, 0, 1, 2);
    grid->addWidget(chkBlockWriteForCTCSS, 2, 2);
    txtChannelFrequency = named(new QLineEdit(frame), QStringLiteral("txtChannelFrequency"));
    txtChannelFrequency->setMaxLength(10);
    cboFrequencySteps = named(new QComboBox(frame), QStringLiteral("cboFrequencySteps"));
    cboFrequencySteps->setEditable(true);
    cboFrequencySteps->setInsertPolicy(QComboBox::NoInsert);
    cboFrequencySteps->setEditText(QStringLiteral("cboFrequencySteps"));
    cboCTCSS = named(new QComboBox(frame), QStringLiteral("cboCTCSS"));
    cboCTCSS->setEditable(true);
    cboCTCSS->setInsertPolicy(QComboBox::NoInsert);
    grid->addWidget(txtChannelFrequency, 3, 0);
    grid->addWidget(cboFrequencySteps, 3, 1);
    grid->addWidget(cboCTCSS, 3, 2);

    chkBlockWriteForDev = named(new QCheckBox(QStringLiteral("Deviation"), frame), QStringLiteral("chkBlockWriteForDev"));
    chkBlockWriteForRef = named(new QCheckBox(QStringLiteral("Reference"), frame), QStringLiteral("chkBlockWriteForRef"));
    grid->addWidget(chkBlockWriteForDev, 4, 0);
    grid->addWidget(chkBlockWriteForRef, 4, 1);
    txtDeviation = named(new QLineEdit(frame), QStringLiteral("txtDeviation"));
    digitsOnly(txtDeviation, 3);
    txtReference = named(new QLineEdit(frame), QStringLiteral("txtReference"));
    digitsOnly(txtReference, 3);
    grid->addWidget(txtDeviation, 5, 0);
    grid->addWidget(txtReference, 5, 1);

    chkBlockWriteForPins = named(new QCheckBox(QStringLiteral("Output Pins (8 - 1)"), frame), QStringLiteral("chkBlockWriteForPins"));
    grid->addWidget(chkBlockWriteForPins, 6, 0, 1, 3);
    auto* pins = new QHBoxLayout;
    for (int i = 0; i < 8; ++i) {
        cboPin[i] = named(new QComboBox(frame), QStringLiteral("cboPin(%1)").arg(i));
        pins->addWidget(cboPin[i]);
    }
    grid->addLayout(pins, 7, 0, 1, 3);

    auto* buttons = new QVBoxLayout;
    cmdOK = named(new QPushButton(QStringLiteral("&OK"), this), QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = named(new QPushButton(QStringLiteral("&Cancel"), this), QStringLiteral("cmdCancel"));
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addStretch(1);
    outer->addLayout(buttons);

    for (QCheckBox* c : {chkBlockWriteForChan, chkBlockWriteForCTCSS, chkBlockWriteForDev, chkBlockWriteForRef,
                         chkBlockWriteForPins})
        c->setChecked(true);

    connect(cmdOK, &QPushButton::clicked, this, &frmEditChannelData::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEditChannelData::cmdCancel_Click);
    connect(chkBlockWriteForChan, &QCheckBox::toggled, this, &frmEditChannelData::chkBlockWriteForChan_Click);
    connect(chkBlockWriteForCTCSS, &QCheckBox::toggled, this, &frmEditChannelData::chkBlockWriteForCTCSS_Click);
    connect(chkBlockWriteForDev, &QCheckBox::toggled, this, &frmEditChannelData::chkBlockWriteForDev_Click);
    connect(chkBlockWriteForRef, &QCheckBox::toggled, this, &frmEditChannelData::chkBlockWriteForRef_Click);
    connect(chkBlockWriteForPins, &QCheckBox::toggled, this, &frmEditChannelData::chkBlockWriteForPins_Click);
    connect(cboFrequencySteps, &QComboBox::activated, this, &frmEditChannelData::cboFrequencySteps_Click);
    connect(cboCTCSS, &QComboBox::activated, this, &frmEditChannelData::cboCTCSS_Click);

    auto keys = [](QWidget* box, void (frmEditChannelData::*handler)(int&), frmEditChannelData* self) {
        platform::onKeyPress(box, [self, handler](QChar c) {
            int key = c == QLatin1Char('\b') ? 8 : c.unicode();
            (self->*handler)(key);
            return key != 0;
        });
    };
    keys(txtChannelFrequency, &frmEditChannelData::txtChannelFrequency_KeyPress, this);
    keys(cboFrequencySteps, &frmEditChannelData::cboFrequencySteps_KeyPress, this);
    keys(txtChannelNo, &frmEditChannelData::txtChannelNo_KeyPress, this);
    keys(txtCount, &frmEditChannelData::txtCount_KeyPress, this);
    keys(txtDeviation, &frmEditChannelData::txtDeviation_KeyPress, this);
    keys(txtReference, &frmEditChannelData::txtReference_KeyPress, this);
    platform::onValidate(txtChannelFrequency, this, [this] { return txtChannelFrequency_LostFocus(); });
    platform::onLostFocus(cboFrequencySteps, this, [this] { cboFrequencySteps_Click(); });
    platform::onLostFocus(cboCTCSS, this, [this] { cboCTCSS_LostFocus(); });
}

int16_t frmEditChannelData::ShowForm(CLASSOrvDocument& docOrv, int16_t iChannel, int16_t iOffSet)
{
    if (intFillForm(docOrv, iChannel, iOffSet) != 0)
        return -1;
    Cancelled = true;
    exec();
    return 0;
}

int16_t frmEditChannelData::intFillForm(CLASSOrvDocument& docOrv, int16_t iChannel, int16_t iOffSet)
{
    return radiodoc::trapped([&]() -> int16_t {
        doc_ = &docOrv;
        Ref1 = docOrv.lngRef1;
        Ref2 = docOrv.lngRef2;
        lowerLimit_ = docOrv.lngLowerFreql;
        upperLimit_ = docOrv.lngUpperFreql;

        QByteArray page;
        if (docOrv.intReadPage(docOrv.intPartition + iChannel - 1, page) != 0)
            radiodoc::fail(radiodoc::kOutOfRange, QStringLiteral("Subscript out of range"));
        // The step of the channel's frequency word; a channel without a frequency proposes the
        // model's first reference (an empty word would give 5 kHz, which few models can take).
        lngFStep = Ref1;
        int32_t hz = 0;
        int32_t step = Ref1;
        basVelmar::intBytesToFrequency(hz, step, pageByte(page, radiolayout::channel::kFreq1),
                                       pageByte(page, radiolayout::channel::kFreq2),
                                       pageByte(page, radiolayout::channel::kFreq3));
        if (hz != 0) {
            lngFStep = step;
            hz = static_cast<int32_t>(std::max<int64_t>(0, static_cast<int64_t>(hz) - docOrv.lngIntFreq));
        }
        frequency_ = hz;

        txtChannelFrequency->setText(formatFixed(frequency_ / 1e6, 6, false));
        txtCount->setText(QString::number(iOffSet + 1));
        txtChannelNo->setText(QString::number(iChannel - 1));
        StartChannel = iChannel;
        EndChannel = static_cast<int16_t>(iChannel + iOffSet);

        cboCTCSS->clear();
        const int32_t toneCode = channelToneCode(page);
        QString toneText;
        for (const cCTCSS& tone : basVelmar::gCTCSS) {
            cboCTCSS->addItem(formatFixed(tone.Frequency, 1));
            if (tone.Tone == toneCode) {
                toneText = plainNumber(tone.Frequency);
                dCTCSS = tone.Frequency;
            }
        }
        cboCTCSS->setCurrentIndex(-1);
        cboCTCSS->setEditText(toneText);

        cboFrequencySteps->clear();
        for (const cFrequencyStep& step : basVelmar::gFrequencySteps) {
            const int64_t stepHz = roundHalfEven(step.Step);
            const QString text = formatFixed(step.Step / 1000, 3);
            if (Ref1 != 0 && step.Step >= Ref1 && stepHz % Ref1 == 0)
                cboFrequencySteps->addItem(text);
            if (Ref2 != 0 && step.Step >= Ref2 && stepHz % Ref2 == 0)
                cboFrequencySteps->addItem(text);
        }
        cboFrequencySteps->setCurrentIndex(-1);
        cboFrequencySteps->setEditText(formatFixed(lngFStep / 1000.0, 3));

        if (docOrv.intRxTxEx != 0) {
            const bool flagged = channelFlagged(page);
            txtDeviation->setText(flagged ? QStringLiteral("0") : QString::number(pageByte(page, radiolayout::channel::kDeviation)));
            txtReference->setText(flagged ? QStringLiteral("0") : QString::number(pageByte(page, radiolayout::channel::kReference)));
        } else {
            for (QWidget* w : std::initializer_list<QWidget*>{txtReference, txtDeviation, chkBlockWriteForRef, chkBlockWriteForDev})
                w->hide();
        }
        const uint8_t pins = pageByte(page, radiolayout::channel::kPins);
        for (int i = 0; i < 8; ++i) {
            cboPin[i]->clear();
            cboPin[i]->addItems({QStringLiteral("Low"), QStringLiteral("High")});
            cboPin[i]->setCurrentIndex((pins >> (7 - i)) & 1);
        }
        if (docOrv.intDocumentFrom == kFromBIN || docOrv.intDocumentFrom == kFromHEX) {
            for (QComboBox* pin : cboPin)
                pin->hide();
            for (QWidget* w : std::initializer_list<QWidget*>{txtReference, txtDeviation, chkBlockWriteForDev,
                                                               chkBlockWriteForRef, chkBlockWriteForPins})
                w->hide();
        }
        Cancelled = true;
        return 0;
    });
}

QList<int64_t> frmEditChannelData::listedSteps() const
{
    QList<int64_t> steps;
    for (int i = 0; i < cboFrequencySteps->count(); ++i)
        steps << hzOf(cboFrequencySteps->itemText(i), 1000);
    return steps;
}

// ---- Keys -------------------------------------------------------------------------------------

void frmEditChannelData::decimalKey(int& KeyAscii, const QString& text)
{
    if (KeyAscii == 8 || (KeyAscii >= '0' && KeyAscii <= '9'))
        return;
    const QChar separator = basVelmar::strDecimalPoint().at(0);
    if (KeyAscii == separator.unicode() && !text.contains(separator))
        return;
    KeyAscii = 0;
}

void frmEditChannelData::digitUpTo(int& KeyAscii, const QString& text, double highest)
{
    if (KeyAscii == 8)
        return;
    double value = 0;
    if (KeyAscii < '0' || KeyAscii > '9' || !parseNumber(text + QChar(KeyAscii), value) || value > highest)
        KeyAscii = 0;
}

void frmEditChannelData::txtChannelFrequency_KeyPress(int& KeyAscii) { decimalKey(KeyAscii, txtChannelFrequency->text()); }

void frmEditChannelData::cboFrequencySteps_KeyPress(int& KeyAscii) { decimalKey(KeyAscii, cboFrequencySteps->currentText()); }

void frmEditChannelData::txtChannelNo_KeyPress(int& KeyAscii)
{
    // A run starts at one of the module's channels: 0 to the channel count less one.
    const int channels = doc_ ? doc_->intMaxchannel : radiolayout::kMaxChannels;
    digitUpTo(KeyAscii, txtChannelNo->text(), channels - 1);
}

void frmEditChannelData::txtCount_KeyPress(int& KeyAscii)
{
    // ... and ends at its last channel at the latest.
    const int channels = doc_ ? doc_->intMaxchannel : radiolayout::kMaxChannels;
    double start = 0;
    parseNumber(txtChannelNo->text(), start);
    digitUpTo(KeyAscii, txtCount->text(), channels - start);
}

void frmEditChannelData::txtDeviation_KeyPress(int& KeyAscii) { digitUpTo(KeyAscii, txtDeviation->text(), kHighestPot); }

void frmEditChannelData::txtReference_KeyPress(int& KeyAscii) { digitUpTo(KeyAscii, txtReference->text(), kHighestPot); }

// ---- Leaving the boxes ------------------------------------------------------------------------

bool frmEditChannelData::outOfBand(int64_t hz) const
{
    if (hz == 0 || (hz >= lowerLimit_ && hz <= upperLimit_))
        return false;
    MsgBox(QStringLiteral("The Frequency must be within the range ") + plainNumber(lowerLimit_ / 1e6)
               + QStringLiteral(" to ") + plainNumber(upperLimit_ / 1e6) + QStringLiteral(" MHz."),
           platform::vbExclamation, QStringLiteral("Frequency Out Of Range"));
    return true;
}

bool frmEditChannelData::txtChannelFrequency_LostFocus()
{
    return trap(true, [&]() -> bool {
        if (toNumber(txtChannelFrequency->text()) > kHighestFrequencyMHz)
            txtChannelFrequency->setText(QStringLiteral("0"));
        int64_t f = hzOf(txtChannelFrequency->text(), 1e6);
        if (f == 0)
            return true;
        if (outOfBand(f))
            return true;
        if (doc_ && doc_->CheckBanFrequency(double(f))) {
            prohibitedFrequency();
            return false;
        }
        const int64_t step = hzOf(cboFrequencySteps->currentText(), 1000);
        const QList<int64_t> entries = listedSteps();
        const double count = toNumber(txtCount->text());
        for (int k = 1; k <= count; ++k) {
            if (!dividesOne(entries, f)) {
                MsgBox(kInvalidCombination, platform::vbCritical, kInvalidValues);
                return true;
            }
            f += step;
        }
        return true;
    });
}

void frmEditChannelData::cboFrequencySteps_Click()
{
    trap(0, [&] {
        const int64_t t = hzOf(cboFrequencySteps->currentText(), 1000);
        const int64_t f = hzOf(txtChannelFrequency->text(), 1e6);
        const QList<int64_t> entries = listedSteps();
        if (dividesBoth(entries, t, f))
            return 0;
        if (dividesOne(entries, t))
            MsgBox(kInvalidCombination, platform::vbCritical, kInvalidValues);
        else
            MsgBox(QStringLiteral("Invalid combination of parameters. Please check channel step value."), platform::vbCritical,
                   kInvalidValues);
        return 0;
    });
}

void frmEditChannelData::cboCTCSS_Click()
{
    double value = 0;
    if (cboCTCSS->findText(cboCTCSS->currentText(), Qt::MatchExactly) >= 0 && parseNumber(cboCTCSS->currentText(), value))
        dCTCSS = value;
}

void frmEditChannelData::cboCTCSS_LostFocus()
{
    QString text = cboCTCSS->currentText();
    double value = 0;
    if (text != QLatin1String("0") && parseNumber(text, value)) {
        text = formatFixed(value, 1);
        if (cboCTCSS->findText(text, Qt::MatchExactly) >= 0) {
            cboCTCSS->setEditText(text);
            dCTCSS = value;
            return;
        }
    }
    cboCTCSS->setEditText(plainNumber(dCTCSS));
}

// ---- Block-write check boxes ------------------------------------------------------------------

void frmEditChannelData::chkBlockWriteForChan_Click()
{
    txtChannelFrequency->setEnabled(chkBlockWriteForChan->isChecked());
    cboFrequencySteps->setEnabled(chkBlockWriteForChan->isChecked());
}

void frmEditChannelData::chkBlockWriteForCTCSS_Click() { cboCTCSS->setEnabled(chkBlockWriteForCTCSS->isChecked()); }

void frmEditChannelData::chkBlockWriteForDev_Click() { txtDeviation->setEnabled(chkBlockWriteForDev->isChecked()); }

void frmEditChannelData::chkBlockWriteForRef_Click() { txtReference->setEnabled(chkBlockWriteForRef->isChecked()); }

void frmEditChannelData::chkBlockWriteForPins_Click()
{
    for (QComboBox* pin : cboPin)
        pin->setEnabled(chkBlockWriteForPins->isChecked());
}

// ---- OK and Cancel ----------------------------------------------------------------------------

int16_t frmEditChannelData::SaveChanges()
{
    return trap(int16_t(1), [&]() -> int16_t {
        if (!doc_)
            return 1;
        CLASSOrvDocument& doc = *doc_;
        const int start = static_cast<int>(toNumber(txtChannelNo->text())) + 1;
        const int count = static_cast<int>(toNumber(txtCount->text()));
        const int last = start + count - 1;
        // Only the channels in use: a run past the last one would overwrite pages after it.
        if (start < 1 || last > doc.intMaxchannel) {
            MsgBox(QStringLiteral("The edited channels must lie within the module's channels 0 to %1.")
                       .arg(std::max(0, doc.intMaxchannel - 1)),
                   platform::vbExclamation);
            txtCount->setFocus();
            return 1;
        }

        const double stepKHz = toNumber(cboFrequencySteps->currentText());
        const int64_t step = hzOf(cboFrequencySteps->currentText(), 1000);
        if (stepKHz > kHighestStepKHz || step > kHighestStepHz || step < 0) {
            MsgBox(kInvalidStep);
            return 1;
        }
        const int64_t frequency = hzOf(txtChannelFrequency->text(), 1e6);
        if (!dividesBoth(listedSteps(), step, frequency)) {
            MsgBox(kInvalidCombination, platform::vbCritical, kInvalidValues);
            return 1;
        }
        if (Ref1 == 0) {
            MsgBox(QStringLiteral("Reference Frequency can not be 0"), platform::vbExclamation, QStringLiteral("Error in Model data"));
        } else if (step % Ref1 != 0 && (Ref2 == 0 || step % Ref2 != 0)) {
            MsgBox(kInvalidStep);
            return 1;
        }
        // An empty tone box is no tone.
        const double ctcss = cboCTCSS->currentText().trimmed().isEmpty() ? 0.0 : toNumber(cboCTCSS->currentText());
        // The module cannot tune outside its band: leaving the box only warns, OK refuses.
        if (outOfBand(frequency)) {
            txtChannelFrequency->setFocus();
            return 1;
        }
        if (doc.CheckBanFrequency(double(frequency))) {
            prohibitedFrequency();
            txtChannelFrequency->setFocus();
            return 1;
        }
        if (frequency > std::numeric_limits<int32_t>::max())
            throw platform::Error(radiodoc::kOverflow, QStringLiteral("Overflow"));
        frequency_ = static_cast<int32_t>(frequency);
        lngFStep = static_cast<int32_t>(step);
        const auto potValue = [](const QLineEdit* box) {
            return box->text().trimmed().isEmpty() ? int16_t(0) : static_cast<int16_t>(floorToInteger(toNumber(box->text()), 16));
        };
        const int16_t deviation = potValue(txtDeviation);
        const int16_t reference = potValue(txtReference);
        uint8_t pins = 0;
        for (int i = 0; i < 8; ++i)
            if (cboPin[i]->currentText() == QLatin1String("High"))
                pins |= static_cast<uint8_t>(1u << (7 - i));

        // A run of no channels writes nothing; one the document refuses has been reported by it.
        if (count > 0
            && doc.intEditChannel(static_cast<int16_t>(start), static_cast<int16_t>(last), frequency_, lngFStep,
                                  chkBlockWriteForChan->isChecked(), ctcss, chkBlockWriteForCTCSS->isChecked(), deviation,
                                  0, chkBlockWriteForDev->isChecked(), reference, 0, chkBlockWriteForRef->isChecked(),
                                  pins, 255, chkBlockWriteForPins->isChecked())
                != 0)
            return 1;
        doc.fModified = true;
        StartChannel = static_cast<int16_t>(start);
        EndChannel = static_cast<int16_t>(last);
        return 0;
    });
}

void frmEditChannelData::cmdOK_Click()
{
    if (SaveChanges() != 0) {
        // A failed check keeps the dialog open; a failed conversion has already been shown.
        return;
    }
    Cancelled = false;
    accept();
}

void frmEditChannelData::cmdCancel_Click() { reject(); }

void frmEditChannelData::reject()
{
    Cancelled = true;
    QDialog::reject();
}
