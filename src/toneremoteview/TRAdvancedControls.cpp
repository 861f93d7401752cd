#include "toneremoteview/TRAdvancedControls.h"

#include "platform/MsgBox.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/Named.h"
#include "platform/ui/UpDown.h"
#include "shell/FailureTrap.h"
#include "shell/LocaleNumbers.h"
#include "toneremote/COrvDocTR.h"
#include "toneremote/ToneRemotePageLayout.h"
#include "toneremoteview/TRFrameControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

using basVelmar::leadingNumber;
using platform::named;
using trview::gridOf;
using trview::narrowBox;

// The bits of the flag bytes.
namespace flag = trlayout::timers;

namespace {

constexpr uint16_t kDelayOff = 1;
constexpr int kDelayUnitsPerMs = 8;
constexpr int kDefaultRxDelayMs = 75, kDefaultTxDelayMs = 150;
constexpr int kMaxDelayMs = 500;
constexpr int kHlgtFirstMs = 60, kHlgtItems = 15, kHlgtRecommendedMs = 120;
constexpr int kFtFirstMs = 20, kFtItems = 9, kFtRecommendedMs = 40;
constexpr int kListStepMs = 10;
constexpr int kMorseMinutes = 60;
constexpr int kQuarterSecondsPerMinute = 240;
constexpr int kThresholdLowest = 107, kThresholdHighest = 141; // tenths of a volt

void fill(QComboBox* list, int first, int count, int step)
{
    list->clear();
    for (int i = 0; i < count; ++i)
        list->addItem(QString::number(first + i * step));
}

} // namespace

TRAdvancedControls::TRAdvancedControls(QGroupBox* Frame2, QGroupBox* fraAdvanced1, QGroupBox* fraAdvanced2,
                                       QGroupBox* fraAdvanced3, QGroupBox* lowVoltFrame, QWidget* window,
                                       std::function<COrvDocTR&()> document)
    : QObject(Frame2), document_(std::move(document))
{
    buildPathFrame(Frame2);
    buildDurationFrame(fraAdvanced1, optHLGT1, optHLGT2, lblHLGT1, cboHLGTTimer,
                       QStringLiteral("Use recommended value (120 mS)"), QStringLiteral("HLGT"));
    buildDurationFrame(fraAdvanced2, optFT1, optFT2, lblFT1, cboFTTimer,
                       QStringLiteral("Use recommended value (40 msec)"), QStringLiteral("FT"));
    buildIdentFrame(fraAdvanced3);
    fill(cboHLGTTimer, kHlgtFirstMs, kHlgtItems, kListStepMs);
    fill(cboFTTimer, kFtFirstMs, kFtItems, kListStepMs);
    fill(cboMorseTimer, 0, kMorseMinutes + 1, 1);
    buildThresholdRow(lowVoltFrame);
    connectControls(window);
}

void TRAdvancedControls::buildPathFrame(QGroupBox* Frame2)
{
    auto check = [Frame2](const QString& caption, const QString& name, const QString& tip = {}) {
        return trview::checkBox(Frame2, caption, name, tip);
    };
    QGridLayout* misc = gridOf(Frame2);
    chkRxPathDelay = check(QStringLiteral("Enable Receive Path Delay"), QStringLiteral("chkRxPathDelay"),
                           QStringLiteral("Used for squelch tail elimination"));
    txtRxPathDelay = narrowBox(Frame2, QStringLiteral("txtRxPathDelay"),
                               QStringLiteral("Typically 75-150mS with CTCSS or 30mS without"));
    chkTxPathDelay = check(QStringLiteral("Enable Transmit Path Delay"), QStringLiteral("chkTxPathDelay"),
                           QStringLiteral("Compensation for HLGT-FT delay"));
    txtTxPathDelay = narrowBox(Frame2, QStringLiteral("txtTxPathDelay"), QStringLiteral("Typically 150mS"));
    chkNotchFiltReq = check(QStringLiteral("Notch Filtering Required"), QStringLiteral("chkNotchFiltReq"),
                            QStringLiteral("Checked on for normal tone-remote use"));
    chkFPModeSwitch = check(QStringLiteral("Disable Front Panel Mode Switch"), QStringLiteral("chkFPModeSwitch"));
    misc->addWidget(chkRxPathDelay, 0, 0);
    misc->addWidget(txtRxPathDelay, 0, 1);
    misc->addWidget(chkTxPathDelay, 1, 0);
    misc->addWidget(txtTxPathDelay, 1, 1);
    misc->addWidget(chkNotchFiltReq, 2, 0, 1, 2);
    misc->addWidget(chkFPModeSwitch, 3, 0, 1, 2);
    misc->setColumnStretch(2, 1);
    misc->setRowStretch(4, 1);
}

void TRAdvancedControls::buildDurationFrame(QGroupBox* frame, QRadioButton*& recommended, QRadioButton*& other,
                                            QLabel*& label, QComboBox*& list, const QString& recommendedCaption,
                                            const QString& suffix)
{
    QGridLayout* g = gridOf(frame);
    recommended = named(new QRadioButton(recommendedCaption, frame), QStringLiteral("opt") + suffix + QLatin1Char('1'));
    other = named(new QRadioButton(QStringLiteral("Change default value"), frame),
                  QStringLiteral("opt") + suffix + QLatin1Char('2'));
    label = named(new QLabel(QStringLiteral("Time:  "), frame), QStringLiteral("lbl") + suffix + QLatin1Char('1'));
    list = named(new QComboBox(frame), QStringLiteral("cbo") + suffix + QStringLiteral("Timer"));
    g->addWidget(recommended, 0, 0, 1, 3);
    g->addWidget(other, 1, 0, 1, 3);
    g->addWidget(label, 2, 0);
    g->addWidget(list, 2, 1);
    g->setColumnStretch(2, 1);
    g->setRowStretch(3, 1);
}

void TRAdvancedControls::buildIdentFrame(QGroupBox* fraAdvanced3)
{
    QGridLayout* ident = gridOf(fraAdvanced3);
    lblAdvance1 = named(new QLabel(QStringLiteral("Station ID:"), fraAdvanced3), QStringLiteral("lblAdvance1"));
    txtMorseID = named(new QLineEdit(fraAdvanced3), QStringLiteral("txtMorseID"));
    txtMorseID->setToolTip(QStringLiteral("Class 3 operator, 1200Hz Morse"));
    lblAdvanced2 = named(new QLabel(QStringLiteral("Repeat Time:"), fraAdvanced3), QStringLiteral("lblAdvanced2"));
    cboMorseTimer = named(new QComboBox(fraAdvanced3), QStringLiteral("cboMorseTimer"));
    cboMorseTimer->setToolTip(QStringLiteral("Broadcast at this interval between transmissions"));
    Command4 = named(new QPushButton(QStringLiteral("Command4"), fraAdvanced3), QStringLiteral("Command4"));
    Command5 = named(new QPushButton(QStringLiteral("Command4"), fraAdvanced3), QStringLiteral("Command5"));
    Text1 = named(new QLineEdit(fraAdvanced3), QStringLiteral("Text1"));
    Text2 = named(new QLineEdit(fraAdvanced3), QStringLiteral("Text2"));
    for (QWidget* hidden : std::initializer_list<QWidget*>{Command4, Command5, Text1, Text2})
        hidden->setVisible(false);
    ident->addWidget(lblAdvance1, 0, 0);
    ident->addWidget(txtMorseID, 0, 1);
    ident->addWidget(lblAdvanced2, 1, 0);
    ident->addWidget(cboMorseTimer, 1, 1);
    ident->setColumnStretch(1, 1);
    ident->setRowStretch(2, 1);
}

void TRAdvancedControls::buildThresholdRow(QGroupBox* lowVoltFrame)
{
    // The threshold's row goes below what its frame holds already.
    auto* lowRow = named(new QWidget(lowVoltFrame), QStringLiteral("lowVoltRow"));
    auto* low = new QHBoxLayout(lowRow);
    low->setContentsMargins(0, 0, 0, 0);
    lblLowVoltThreshold =
        named(new QLabel(QStringLiteral("Low Volt Alarm Threshold:"), lowRow), QStringLiteral("lblLowVoltThreshold"));
    txtLowVoltThreshold = narrowBox(lowRow, QStringLiteral("txtLowVoltThreshold"),
                                    QStringLiteral("Select a value in the range 10.7V and 14.1V in 0.2V increments"));
    txtLowVoltThreshold->setText(basVelmar::formatFixed(10.7, 1));
    udpLowVoltThresholdChange = named(new platform::UpDown(kThresholdLowest, kThresholdHighest, 2, lowRow),
                                      QStringLiteral("udpLowVoltThresholdChange"));
    udpLowVoltThresholdChange->onChange([this] { udpLowVoltThresholdChange_Change(); });
    low->addWidget(lblLowVoltThreshold);
    low->addWidget(txtLowVoltThreshold);
    low->addWidget(udpLowVoltThresholdChange);
    low->addStretch(1);
    if (auto* g = qobject_cast<QGridLayout*>(lowVoltFrame->layout()))
        g->addWidget(lowRow, g->rowCount(), 0, 1, -1);
    else if (auto* b = qobject_cast<QBoxLayout*>(lowVoltFrame->layout()))
        b->addWidget(lowRow);
    else
        (new QVBoxLayout(lowVoltFrame))->addWidget(lowRow);
}

void TRAdvancedControls::connectControls(QWidget* window)
{
    for (QCheckBox* c : {chkNotchFiltReq, chkRxPathDelay, chkTxPathDelay})
        connect(c, &QCheckBox::clicked, this, [this] { modified(); });
    connect(chkRxPathDelay, &QCheckBox::toggled, txtRxPathDelay, &QWidget::setEnabled);
    connect(chkTxPathDelay, &QCheckBox::toggled, txtTxPathDelay, &QWidget::setEnabled);
    connect(chkFPModeSwitch, &QCheckBox::clicked, this, [this] { modified(); });
    for (QLineEdit* b : {txtMorseID, txtRxPathDelay, txtTxPathDelay, txtLowVoltThreshold})
        connect(b, &QLineEdit::textEdited, this, [this] { modified(); });
    for (QComboBox* l : {cboMorseTimer, cboHLGTTimer, cboFTTimer})
        connect(l, &QComboBox::activated, this, [this] { modified(); });
    connect(optHLGT1, &QRadioButton::clicked, this, [this] { optHLGT1_Click(); });
    connect(optHLGT2, &QRadioButton::clicked, this, [this] { optHLGT2_Click(); });
    connect(optFT1, &QRadioButton::clicked, this, [this] { optFT1_Click(); });
    connect(optFT2, &QRadioButton::clicked, this, [this] { optFT2_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    platform::onLostFocus(txtRxPathDelay, window, [this] { txtRxPathDelay_LostFocus(); });
    platform::onLostFocus(txtTxPathDelay, window, [this] { txtTxPathDelay_LostFocus(); });
    platform::onLostFocus(txtLowVoltThreshold, window, [this] { txtLowVoltThreshold_Validate(); });
}

void TRAdvancedControls::modified() const { document().fModified = true; }

// ---- Low-volt threshold --------------------------------------------------------------------

void TRAdvancedControls::showThreshold(double volts)
{
    // Whole tenths; an even number of tenths goes one down, then held to the range.
    double tenths = std::nearbyint(volts * 10);
    if (std::fmod(tenths, 2) == 0)
        tenths -= 1;
    tenths = std::clamp(tenths, double(kThresholdLowest), double(kThresholdHighest));
    txtLowVoltThreshold->setText(basVelmar::formatFixed(tenths / 10, 1));
    udpLowVoltThresholdChange->setValue(static_cast<int>(tenths));
}

void TRAdvancedControls::txtLowVoltThreshold_Validate() { showThreshold(leadingNumber(txtLowVoltThreshold->text())); }

void TRAdvancedControls::udpLowVoltThresholdChange_Change()
{
    modified();
    showThreshold(udpLowVoltThresholdChange->value() / 10.0);
}

// ---- Path delays and durations -------------------------------------------------------------

double TRAdvancedControls::delayMs(const QString& text)
{
    return std::clamp(leadingNumber(text), 0.0, double(kMaxDelayMs));
}

void TRAdvancedControls::txtRxPathDelay_LostFocus()
{
    txtRxPathDelay->setText(QString::number(std::nearbyint(delayMs(txtRxPathDelay->text()))));
}

void TRAdvancedControls::txtTxPathDelay_LostFocus()
{
    txtTxPathDelay->setText(QString::number(std::nearbyint(delayMs(txtTxPathDelay->text()))));
}

void TRAdvancedControls::optHLGT1_Click()
{
    modified();
    cboHLGTTimer->setCurrentIndex((kHlgtRecommendedMs - kHlgtFirstMs) / kListStepMs);
    cboHLGTTimer->setEnabled(false);
}

void TRAdvancedControls::optHLGT2_Click()
{
    modified();
    cboHLGTTimer->setEnabled(true);
}

void TRAdvancedControls::optFT1_Click()
{
    modified();
    cboFTTimer->setCurrentIndex((kFtRecommendedMs - kFtFirstMs) / kListStepMs);
    cboFTTimer->setEnabled(false);
}

void TRAdvancedControls::optFT2_Click()
{
    modified();
    cboFTTimer->setEnabled(true);
}

// ---- Station ident -------------------------------------------------------------------------

void TRAdvancedControls::SaveMorseCode() { document().setMorseIdent(morse_.identBytes()); }

int16_t TRAdvancedControls::DecodeMorseCode(QString& strIdent)
{
    return basVelmar::trapped([&]() -> int16_t {
        const cMorseCode::Decoded decoded = cMorseCode::decodeIdent(document().morseIdent());
        Text1->clear();
        Text1->setText(decoded.dotsAndDashes);
        strIdent = decoded.text;
        return 0;
    });
}

void TRAdvancedControls::identRefused() const
{
    platform::MsgBox(QStringLiteral("Invalid Station ID") + QStringLiteral("\n\n")
                         + cMorseCode::refusal(txtMorseID->text()),
                     platform::vbExclamation, QStringLiteral("Morse Code Error"));
}

void TRAdvancedControls::Command4_Click()
{
    if (morse_.CreateMorseCode(txtMorseID->text()) != 0) {
        identRefused();
        return;
    }
    SaveMorseCode();
}

void TRAdvancedControls::Command5_Click()
{
    QString ident;
    if (DecodeMorseCode(ident) == 0)
        Text2->setText(ident);
}

// ---- Show and apply ------------------------------------------------------------------------

int16_t TRAdvancedControls::ShowAdvanced()
{
    return basVelmar::trapped([&]() -> int16_t {
        COrvDocTR& doc = document();
        const struct {
            uint16_t value;
            QCheckBox* check;
            QLineEdit* box;
            int defaultMs;
        } delays[] = {{doc.intRxDelay, chkRxPathDelay, txtRxPathDelay, kDefaultRxDelayMs},
                      {doc.intTxDelay, chkTxPathDelay, txtTxPathDelay, kDefaultTxDelayMs}};
        for (const auto& d : delays) {
            const bool on = d.value != 0 && d.value != kDelayOff;
            d.check->setChecked(on);
            d.box->setText(QString::number(on ? d.value / kDelayUnitsPerMs : d.defaultMs));
            d.box->setEnabled(on);
        }
        // A duration off the lists' 10 ms steps shows as the nearest entry, one out of range as
        // the nearer end.
        auto nearest = [](int ms, int firstMs, int items) {
            return std::clamp(static_cast<int>(std::nearbyint(double(ms - firstMs) / kListStepMs)), 0, items - 1);
        };
        cboHLGTTimer->setCurrentIndex(nearest(doc.bytHLGTDuration, kHlgtFirstMs, kHlgtItems));
        const bool hlgtRecommended = cboHLGTTimer->currentIndex() == (kHlgtRecommendedMs - kHlgtFirstMs) / kListStepMs;
        (hlgtRecommended ? optHLGT1 : optHLGT2)->setChecked(true);
        cboHLGTTimer->setEnabled(!hlgtRecommended);
        cboFTTimer->setCurrentIndex(nearest(doc.bytFTTime, kFtFirstMs, kFtItems));
        const bool ftRecommended = cboFTTimer->currentIndex() == (kFtRecommendedMs - kFtFirstMs) / kListStepMs;
        (ftRecommended ? optFT1 : optFT2)->setChecked(true);
        cboFTTimer->setEnabled(!ftRecommended);
        chkNotchFiltReq->setChecked(doc.bytFlag2 & flag::kNotchFilter);
        chkFPModeSwitch->setChecked(doc.bytFlag2 & flag::kModeSwitchOff);
        // A repeat time out of range shows as 0 minutes, and is written so.
        const bool timerValid = doc.iMorseTimer >= 0 && doc.iMorseTimer <= kMorseMinutes * kQuarterSecondsPerMinute;
        cboMorseTimer->setCurrentIndex(timerValid ? doc.iMorseTimer / kQuarterSecondsPerMinute : 0);
        showThreshold(doc.LowVoltAlarmThreshold().toDouble());
        QString ident;
        DecodeMorseCode(ident);
        txtMorseID->setText(ident);

        shown_ = {chkRxPathDelay->isChecked(), chkTxPathDelay->isChecked(), txtRxPathDelay->text(),
                  txtTxPathDelay->text(),      txtLowVoltThreshold->text(), txtMorseID->text()};
        return 0;
    });
}

int16_t TRAdvancedControls::iEditApplyAdvanced()
{
    int16_t status = 0;
    const int16_t trappedStatus = basVelmar::trapped([&]() -> int16_t {
        COrvDocTR& doc = document();
        // Everything into locals first.
        auto delay = [](bool on, const QString& text, bool unchanged, uint16_t kept) -> uint16_t {
            if (unchanged)
                return kept;
            return on ? static_cast<uint16_t>(std::nearbyint(delayMs(text) * kDelayUnitsPerMs)) : kDelayOff;
        };
        const uint16_t rx =
            delay(chkRxPathDelay->isChecked(), txtRxPathDelay->text(),
                  chkRxPathDelay->isChecked() == shown_.rx && txtRxPathDelay->text() == shown_.rxText, doc.intRxDelay);
        const uint16_t tx =
            delay(chkTxPathDelay->isChecked(), txtTxPathDelay->text(),
                  chkTxPathDelay->isChecked() == shown_.tx && txtTxPathDelay->text() == shown_.txText, doc.intTxDelay);
        // The fields hold milliseconds; the document stores them in 2 ms units.
        const auto hlgt = static_cast<uint8_t>(kHlgtFirstMs + kListStepMs * std::max(cboHLGTTimer->currentIndex(), 0));
        const auto ft = static_cast<uint8_t>(kFtFirstMs + kListStepMs * std::max(cboFTTimer->currentIndex(), 0));
        uint8_t flags = doc.bytFlag2 & ~(flag::kNotchFilter | flag::kModeSwitchOff);
        if (chkNotchFiltReq->isChecked())
            flags |= flag::kNotchFilter;
        if (chkFPModeSwitch->isChecked())
            flags |= flag::kModeSwitchOff;
        const auto morseTimer =
            static_cast<int16_t>(kQuarterSecondsPerMinute * std::max(cboMorseTimer->currentIndex(), 0));

        const bool identEdited = txtMorseID->text() != shown_.ident;
        if (identEdited && morse_.CreateMorseCode(txtMorseID->text()) != 0) {
            identRefused();
            txtMorseID->setFocus();
            status = 1;
            return 0;
        }
        // The threshold shown is always one the rule allows.
        if (txtLowVoltThreshold->text() != shown_.threshold) {
            showThreshold(leadingNumber(txtLowVoltThreshold->text()));
            const ExactDecimal volts = ExactDecimal::fromDigits(udpLowVoltThresholdChange->value(), 1);
            if (doc.LowVoltAlarmThreshold(volts) != 0)
                return -1;
        }
        doc.intRxDelay = rx;
        doc.intTxDelay = tx;
        doc.bytHLGTDuration = hlgt;
        doc.bytFTTime = ft;
        doc.bytFlag2 = flags;
        doc.iMorseTimer = morseTimer;
        if (identEdited)
            SaveMorseCode();
        return 0;
    });
    return trappedStatus != 0 ? trappedStatus : status;
}
