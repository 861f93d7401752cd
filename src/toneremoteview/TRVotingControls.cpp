#include "toneremoteview/TRVotingControls.h"

#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/Named.h"
#include "shell/FailureTrap.h"
#include "shell/LocaleNumbers.h"
#include "toneremote/COrvDocTR.h"
#include "toneremoteview/TRLineLevels.h"
#include "toneremote/ToneRemotePageLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSqlDatabase>
#include <cmath>

using basVelmar::leadingNumber;
using basVelmar::plainNumber;
using platform::named;

// The bits of the flag bytes.
namespace flag = trlayout::timers;

namespace {

// Markers the module reads in the tone-on-idle word and the voting level.
constexpr int32_t kSlidingMarker = 257;
constexpr int32_t kSimocoMarker = -32768;
constexpr double kSimocoLevel = 8192.0;
constexpr int32_t kNoVotingMarker = -32767;
constexpr double kNoVotingLevel = 8193.0;
constexpr int32_t kSlideToneHz = 2500;

constexpr double kRssiSpanDb = 45;
constexpr double kRssiCountsPerVolt = 33000.0 / 44500.0 * 255.0 / 5.0;
constexpr double kCodePerHz = 8.192;

const QString kDefaultVoteLevel = QStringLiteral("-20");

void enable(std::initializer_list<QWidget*> controls, bool on)
{
    for (QWidget* w : controls)
        w->setEnabled(on);
}

// The nearest whole number, a half to the even one.
double rounded(double v) { return std::nearbyint(v); }

} // namespace

TRVotingControls::TRVotingControls(QGroupBox* fraAdv1, QGroupBox* fraAdv2, QGroupBox* Frame4, QWidget* window,
                                   TRVotingLinks links)
    : QObject(fraAdv1), links_(std::move(links)), fraAdv2_(fraAdv2)
{
    auto* grid = qobject_cast<QGridLayout*>(fraAdv1->layout());
    if (!grid)
        grid = new QGridLayout(fraAdv1);
    auto label = [](QWidget* parent, const QString& text, const QString& name) {
        return named(new QLabel(text, parent), name);
    };
    auto box = [](QWidget* parent, const QString& name) {
        auto* b = named(new QLineEdit(parent), name);
        b->setMaximumWidth(70);
        return b;
    };
    // A caption, its box and its unit in row `r` of the grid.
    auto row = [grid](QLabel* caption, QWidget* field, QLabel* unit, int r) {
        grid->addWidget(caption, r, 0);
        grid->addWidget(field, r, 1);
        grid->addWidget(unit, r, 2);
    };

    chkToneOnIdle = named(new QCheckBox(QStringLiteral("Tone on Idle"), fraAdv1), QStringLiteral("chkToneOnIdle"));
    lblFreq = label(fraAdv1, QStringLiteral("Frequency: "), QStringLiteral("lblFreq"));
    cboTOI = named(new QComboBox(fraAdv1), QStringLiteral("cboTOI"));
    cboTOI->setEditable(true);
    lblF1 = label(fraAdv1, QStringLiteral("Hz"), QStringLiteral("lblF1"));
    chkSlidingVotingTone =
        named(new QCheckBox(QStringLiteral("Sliding Voting Tone"), fraAdv1), QStringLiteral("chkSlidingVotingTone"));
    lblFreql = label(fraAdv1, QStringLiteral("Lower Freq: "), QStringLiteral("lblFreql"));
    txtLowerFrequency = box(fraAdv1, QStringLiteral("txtLowerFrequency"));
    lblF2 = label(fraAdv1, QStringLiteral("Hz"), QStringLiteral("lblF2"));
    lblFrequ = label(fraAdv1, QStringLiteral("Upper Freq: "), QStringLiteral("lblFrequ"));
    txtUpperFrequency = box(fraAdv1, QStringLiteral("txtUpperFrequency"));
    lblF3 = label(fraAdv1, QStringLiteral("Hz"), QStringLiteral("lblF3"));
    lblLowerValue = label(fraAdv1, QStringLiteral("Lower Level:"), QStringLiteral("lblLowerValue"));
    txtLowerLevel = box(fraAdv1, QStringLiteral("txtLowerLevel"));
    lblV1 = label(fraAdv1, QStringLiteral("dBm"), QStringLiteral("lblV1"));
    lblUpperValue = label(fraAdv1, QStringLiteral("Upper Level: "), QStringLiteral("lblUpperValue"));
    txtUpperLevel = box(fraAdv1, QStringLiteral("txtUpperLevel"));
    lblV2 = label(fraAdv1, QStringLiteral("dBm"), QStringLiteral("lblV2"));
    lblMuteFreq = label(fraAdv1, QStringLiteral("Mute Freq: "), QStringLiteral("lblMuteFreq"));
    txtMuteFreq = box(fraAdv1, QStringLiteral("txtMuteFreq"));
    txtMuteFreq->setToolTip(QStringLiteral("Voting tone on idle frequency"));
    lblV3 = label(fraAdv1, QStringLiteral("Hz"), QStringLiteral("lblV3"));
    chkSimocoPhilips =
        named(new QCheckBox(QStringLiteral("Simoco/Philips Standard"), fraAdv1), QStringLiteral("chkSimocoPhilips"));
    lblVL = label(fraAdv1, QStringLiteral("Voting Level:"), QStringLiteral("lblVL"));
    txtVoteLevel = box(fraAdv1, QStringLiteral("txtVoteLevel"));
    txtVoteLevel->setToolTip(QStringLiteral("Voting level relative to line out level"));
    lblVL1 = label(fraAdv1, QStringLiteral("dBr"), QStringLiteral("lblVL1"));

    grid->addWidget(chkToneOnIdle, 0, 0, 1, 3);
    row(lblFreq, cboTOI, lblF1, 1);
    grid->addWidget(chkSlidingVotingTone, 2, 0, 1, 3);
    row(lblFreql, txtLowerFrequency, lblF2, 3);
    row(lblFrequ, txtUpperFrequency, lblF3, 4);
    row(lblLowerValue, txtLowerLevel, lblV1, 5);
    row(lblUpperValue, txtUpperLevel, lblV2, 6);
    row(lblMuteFreq, txtMuteFreq, lblV3, 7);
    grid->addWidget(chkSimocoPhilips, 8, 0, 1, 3);
    row(lblVL, txtVoteLevel, lblVL1, 9);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(10, 1);

    auto* band = qobject_cast<QGridLayout*>(fraAdv2->layout());
    if (!band)
        band = new QGridLayout(fraAdv2);
    optReceiverVHF = named(new QRadioButton(QStringLiteral(" Vr3x Series Receiver (VHF)"), fraAdv2),
                           QStringLiteral("optReceiverVHF"));
    optReceiverUHF = named(new QRadioButton(QStringLiteral(" Vr5x Series Receiver (UHF)"), fraAdv2),
                           QStringLiteral("optReceiverUHF"));
    band->addWidget(optReceiverVHF, 0, 0);
    band->addWidget(optReceiverUHF, 1, 0);

    auto* levels = qobject_cast<QGridLayout*>(Frame4->layout());
    if (!levels)
        levels = new QGridLayout(Frame4);
    Label3 = label(Frame4, QStringLiteral("Line-In:"), QStringLiteral("Label3"));
    txtLineIn = box(Frame4, QStringLiteral("txtLineIn"));
    txtLineIn->setToolTip(QStringLiteral("Line input level required for 60% transmitter modulation"));
    Label5 = label(Frame4, QStringLiteral("dBm"), QStringLiteral("Label5"));
    Label6 = label(Frame4, QStringLiteral("Line-Out:"), QStringLiteral("Label6"));
    txtLineOut = box(Frame4, QStringLiteral("txtLineOut"));
    txtLineOut->setToolTip(QStringLiteral("Line out level at 60% modulation from the receiver"));
    Label8 = label(Frame4, QStringLiteral("dBm"), QStringLiteral("Label8"));
    levels->addWidget(Label3, 0, 0);
    levels->addWidget(txtLineIn, 0, 1);
    levels->addWidget(Label5, 0, 2);
    levels->addWidget(Label6, 1, 0);
    levels->addWidget(txtLineOut, 1, 1);
    levels->addWidget(Label8, 1, 2);
    levels->setColumnStretch(3, 1);
    levels->setRowStretch(2, 1);

    // Mode boxes: their handlers run on every change of their value, from the user or from code.
    connect(chkToneOnIdle, &QCheckBox::toggled, this, [this] { chkToneOnIdle_Click(); });
    connect(chkSlidingVotingTone, &QCheckBox::toggled, this, [this] { chkSlidingVotingTone_Click(); });
    connect(chkSimocoPhilips, &QCheckBox::toggled, this, [this] { chkSimocoPhilips_Click(); });
    connect(optReceiverVHF, &QRadioButton::clicked, this, [this] { votingEdited(); });
    connect(optReceiverUHF, &QRadioButton::clicked, this, [this] { votingEdited(); });
    connect(cboTOI, &QComboBox::currentTextChanged, this, [this] {
        if (!showing_)
            votingChanged_ = true;
    });
    connect(cboTOI, &QComboBox::activated, this, [this] { votingEdited(); });
    // The six voting boxes: what they take while typing, and their checks on leaving.
    const struct {
        QLineEdit* box;
        bool (TRVotingControls::*check)();
        bool marksEdit;
    } checked[] = {
        {txtLowerFrequency, &TRVotingControls::txtLowerFrequency_LostFocus, true},
        {txtUpperFrequency, &TRVotingControls::txtUpperFrequency_LostFocus, true},
        {txtMuteFreq, &TRVotingControls::txtMuteFreq_LostFocus, true},
        {txtLowerLevel, &TRVotingControls::txtLowerLevel_LostFocus, true},
        {txtUpperLevel, &TRVotingControls::txtUpperLevel_LostFocus, true},
        {txtVoteLevel, &TRVotingControls::txtVoteLevel_LostFocus, true},
    };
    for (const auto& c : checked) {
        QLineEdit* b = c.box;
        b->installEventFilter(this);
        platform::onKeyPress(b, [this, b](QChar key) { return keyAccepted(b, key); });
        platform::onValidate(b, window, [this, check = c.check] { return (this->*check)(); });
        connect(b, &QLineEdit::textEdited, this, [this] { votingEdited(); });
    }
    for (QLineEdit* b : {txtLineIn, txtLineOut}) {
        connect(b, &QLineEdit::textEdited, this, [this] {
            lineLevelsChanged_ = true;
            document().fModified = true;
        });
    }
    platform::onLostFocus(txtLineIn, window, [this] { txtLineIn_LostFocus(); });
    platform::onLostFocus(txtLineOut, window, [this] { txtLineOut_LostFocus(); });
}

void TRVotingControls::link(QRadioButton* opt2WireConfiguration, QRadioButton* opt4WireConfiguration,
                            QComboBox* cboKeytoneFrequency, QCheckBox* chkNotchFiltReq,
                            std::function<bool()> generalShowing)
{
    links_.lineInterfaceShowing = std::move(generalShowing);
    links_.opt2WireConfiguration = opt2WireConfiguration;
    links_.opt4WireConfiguration = opt4WireConfiguration;
    links_.cboKeytoneFrequency = cboKeytoneFrequency;
    links_.chkNotchFiltReq = chkNotchFiltReq;
    if (links_.opt2WireConfiguration)
        connect(links_.opt2WireConfiguration, &QRadioButton::toggled, this, [this](bool on) {
            if (on && !this->lineInterfaceShowing())
                opt2WireConfiguration_Click();
        });
    if (links_.opt4WireConfiguration)
        connect(links_.opt4WireConfiguration, &QRadioButton::toggled, this, [this](bool on) {
            if (on && !this->lineInterfaceShowing())
                opt4WireConfiguration_Click();
        });
    if (links_.cboKeytoneFrequency)
        connect(links_.cboKeytoneFrequency, &QComboBox::currentTextChanged, this, [this] {
            if (!showing_)
                votingChanged_ = true;
        });
}

bool TRVotingControls::eventFilter(QObject* watched, QEvent* event)
{
    // The kept value of a checked box is taken when it gets the focus.
    if (event->type() == QEvent::FocusIn)
        if (auto* b = qobject_cast<QLineEdit*>(watched))
            keep(b);
    return QObject::eventFilter(watched, event);
}

bool TRVotingControls::lineInterfaceShowing() const
{
    return links_.lineInterfaceShowing && links_.lineInterfaceShowing();
}

void TRVotingControls::votingEdited()
{
    document().fModified = true;
    if (!showing_)
        votingChanged_ = true;
}

bool TRVotingControls::fourWire() const
{
    return !links_.opt4WireConfiguration || links_.opt4WireConfiguration->isChecked();
}

void TRVotingControls::emptyFiveBoxes()
{
    for (QLineEdit* b : {txtLowerFrequency, txtUpperFrequency, txtMuteFreq, txtLowerLevel, txtUpperLevel})
        b->clear();
}

void TRVotingControls::enableSlidingLabels(bool on)
{
    enable({lblLowerValue, lblUpperValue, lblMuteFreq, lblFreql, lblFrequ, lblV1, lblV2, lblV3, lblF2, lblF3}, on);
}

// ---- Modes ---------------------------------------------------------------------------------

void TRVotingControls::chkToneOnIdle_Click()
{
    basVelmar::trapped([&]() -> int16_t {
        votingEdited();
        if (chkToneOnIdle->isChecked())
            SelectToneOnIdle();
        else
            VotingVoid();
        return 0;
    });
}

void TRVotingControls::chkSlidingVotingTone_Click()
{
    basVelmar::trapped([&]() -> int16_t {
        votingEdited();
        const bool twoWire = links_.opt2WireConfiguration && links_.opt2WireConfiguration->isChecked();
        if (!chkSlidingVotingTone->isChecked() || twoWire) {
            if (!chkToneOnIdle->isChecked() && !chkSimocoPhilips->isChecked())
                VotingVoid();
            return 0;
        }
        chkToneOnIdle->setChecked(false);
        enable({cboTOI, lblFreq, lblF1}, false);
        chkSimocoPhilips->setChecked(false);
        const struct {
            QLineEdit* box;
            const char* text;
        } defaults[] = {{txtLowerFrequency, "2730"},
                        {txtUpperFrequency, "3000"},
                        {txtLowerLevel, "-115"},
                        {txtUpperLevel, "-90"},
                        {txtMuteFreq, "2707"}};
        for (const auto& d : defaults) {
            d.box->setEnabled(true);
            d.box->setText(QString::fromLatin1(d.text));
        }
        txtVoteLevel->setText(kDefaultVoteLevel);
        enableSlidingLabels(true);
        enable({fraAdv2_, txtVoteLevel, lblVL, lblVL1, optReceiverVHF, optReceiverUHF}, true);
        return 0;
    });
}

void TRVotingControls::chkSimocoPhilips_Click()
{
    basVelmar::trapped([&]() -> int16_t {
        votingEdited();
        if (!chkSimocoPhilips->isChecked()) {
            if (!chkToneOnIdle->isChecked() && !chkSlidingVotingTone->isChecked())
                VotingVoid();
            return 0;
        }
        chkToneOnIdle->setChecked(false);
        enable({cboTOI, lblFreq, lblF1}, false);
        chkSlidingVotingTone->setChecked(false);
        emptyFiveBoxes();
        enable({txtLowerFrequency, txtUpperFrequency, txtMuteFreq}, false);
        enableSlidingLabels(false);
        txtVoteLevel->setText(kDefaultVoteLevel);
        fraAdv2_->setEnabled(true);
        enable({txtVoteLevel, lblVL, lblVL1}, false);
        enable({optReceiverVHF, optReceiverUHF}, true);
        return 0;
    });
}

void TRVotingControls::SelectToneOnIdle()
{
    basVelmar::trapped([&]() -> int16_t {
        chkSimocoPhilips->setChecked(false);
        chkSlidingVotingTone->setChecked(false);
        emptyFiveBoxes();
        txtVoteLevel->setText(kDefaultVoteLevel);
        enable({txtLowerFrequency, txtUpperFrequency, txtMuteFreq, txtLowerLevel, txtUpperLevel}, false);
        txtVoteLevel->setEnabled(true);
        enableSlidingLabels(false);
        enable({cboTOI, lblFreq, lblF1, lblVL, lblVL1}, true);
        enable({optReceiverVHF, optReceiverUHF}, false);
        return 0;
    });
}

void TRVotingControls::VotingVoid()
{
    basVelmar::trapped([&]() -> int16_t {
        enable({cboTOI, lblFreq, lblF1}, false);
        emptyFiveBoxes();
        enable({txtLowerFrequency, txtUpperFrequency, txtMuteFreq}, false);
        enableSlidingLabels(false);
        txtVoteLevel->setText(QStringLiteral("0"));
        enable({txtVoteLevel, lblVL, lblVL1, optReceiverVHF, optReceiverUHF}, false);
        return 0;
    });
}

void TRVotingControls::DisableVoting()
{
    basVelmar::trapped([&]() -> int16_t {
        for (QCheckBox* c : {chkToneOnIdle, chkSlidingVotingTone, chkSimocoPhilips}) {
            c->setChecked(false);
            c->setEnabled(false);
        }
        VotingVoid();
        if (links_.chkNotchFiltReq) {
            links_.chkNotchFiltReq->setChecked(true);
            links_.chkNotchFiltReq->setEnabled(false);
        }
        return 0;
    });
}

void TRVotingControls::enableModeBoxes()
{
    for (QCheckBox* c : {chkSlidingVotingTone, chkSimocoPhilips, chkToneOnIdle})
        c->setEnabled(true);
    if (links_.chkNotchFiltReq)
        links_.chkNotchFiltReq->setEnabled(true);
}

void TRVotingControls::EnableVoting()
{
    basVelmar::trapped([&]() -> int16_t {
        enableModeBoxes();
        return intShowVoting();
    });
}

void TRVotingControls::opt2WireConfiguration_Click()
{
    DisableVoting();
    if (links_.chkNotchFiltReq)
        links_.chkNotchFiltReq->setChecked(true);
    votingEdited();
}

void TRVotingControls::opt4WireConfiguration_Click()
{
    EnableVoting();
    if (links_.chkNotchFiltReq)
        links_.chkNotchFiltReq->setChecked(true);
    votingEdited();
}

// ---- Show and apply ------------------------------------------------------------------------

int16_t TRVotingControls::intShowVoting()
{
    const bool wasShowing = showing_;
    showing_ = true;
    const int16_t status = basVelmar::trapped([&]() -> int16_t {
        const COrvDocTR& doc = document();
        enable({txtVoteLevel, lblVL, lblVL1}, false);
        // The controls follow the line interface the General tab shows, whatever they showed
        // before: in 2-wire voting is off, in 4-wire the mode boxes show this document's mode.
        if (!fourWire()) {
            DisableVoting();
        } else {
            enableModeBoxes();
            for (QCheckBox* c : {chkToneOnIdle, chkSlidingVotingTone, chkSimocoPhilips})
                c->setChecked(false);
            if (doc.bytFlag2 & flag::kToneOnIdle) {
                for (int i = 0; i < cboTOI->count(); ++i)
                    if (leadingNumber(cboTOI->itemText(i)) == doc.intKeytoneFrequencyRT10) {
                        cboTOI->setCurrentIndex(i);
                        break;
                    }
                chkToneOnIdle->setChecked(true);
                enable({cboTOI, lblFreq, lblF1, txtVoteLevel, lblVL, lblVL1}, true);
            } else {
                chkToneOnIdle->setChecked(false);
                enable({cboTOI, lblFreq, lblF1}, false);
            }
            if ((doc.bytFlag2 & flag::kSlidingTone) && doc.iSlidingSimoco != 0) {
                chkSlidingVotingTone->setChecked(true);
                txtLowerFrequency->setText(plainNumber(doc.Fl));
                txtUpperFrequency->setText(plainNumber(doc.Fu));
                txtUpperLevel->setText(plainNumber(doc.Lu));
                txtLowerLevel->setText(plainNumber(doc.Ll));
                txtMuteFreq->setText(plainNumber(doc.Fmute));
                enable({txtVoteLevel, lblVL, lblVL1, optReceiverVHF, optReceiverUHF}, true);
            } else if (!(doc.bytFlag2 & flag::kSlidingTone)) {
                enable({txtLowerFrequency, txtUpperFrequency, txtLowerLevel, txtUpperLevel, txtMuteFreq}, false);
                enableSlidingLabels(false);
            }
            if (!chkToneOnIdle->isChecked() && doc.iSlidingSimoco == 0 && doc.VotingLevel == kSimocoLevel) {
                chkSimocoPhilips->setChecked(true);
                enable({optReceiverVHF, optReceiverUHF}, true);
            }
        }
        (doc.RSSISignal == 1 ? optReceiverVHF : optReceiverUHF)->setChecked(true);
        if (fourWire()) {
            if (chkSimocoPhilips->isChecked())
                txtVoteLevel->setText(kDefaultVoteLevel);
            else if (doc.VotingLevel > 0)
                txtVoteLevel->setText(
                    basVelmar::formatFixed(20 * std::log10(doc.VotingLevel / doc.DSPRef) + doc.VTOffset, 2, false));
        }
        const QSqlDatabase db = links_.database();
        txtLineIn->setText(plainNumber(trview::dblLevelLookup(db, doc.bytLineInAmp, trview::kLineIn)));
        txtLineOut->setText(plainNumber(trview::dblLevelLookup(db, doc.bytLineOutAmp, trview::kLineOut)));
        return 0;
    });
    showing_ = wasShowing;
    if (!showing_) {
        votingChanged_ = false;
        lineLevelsChanged_ = false;
    }
    return status;
}

bool TRVotingControls::slidingFields(ToneRemoteFields& f, double v1, double v2) const
{
    const double lu = leadingNumber(txtUpperLevel->text());
    const double ll = leadingNumber(txtLowerLevel->text());
    const double lf = rounded(leadingNumber(txtLowerFrequency->text()));
    const double uf = rounded(leadingNumber(txtUpperFrequency->text()));
    const double mf = rounded(leadingNumber(txtMuteFreq->text()));
    const double pm = kRssiSpanDb / (v2 - v1);
    const double pint = -115 - v1 * pm;
    const double vu = (lu - pint) / pm;
    const double vl = (ll - pint) / pm;
    auto coded = [](double hz) { return std::trunc(hz * 8192 / 1000); };
    double m = 0;
    double c = 0;
    if (lf != 0 || uf != 0) {
        const double n = rounded((lf - uf) * kCodePerHz);
        const double k = rounded((vl - vu) * kRssiCountsPerVolt);
        m = k == 0 ? 0 : std::trunc(n / k);
        if (m == 0) {
            platform::MsgBox(QStringLiteral("Invalid Voting Parameters"), platform::vbExclamation | platform::vbOKOnly,
                             QStringLiteral("Error"));
            return false;
        }
        c = std::trunc(lf * kCodePerHz - vl * kRssiCountsPerVolt * m);
    }
    // Both go into signed 16-bit words of the module.
    if (m < -32767 || m > 32767 || c < -32767 || c > 32767) {
        platform::MsgBox(QStringLiteral("Invalid combination of variables."), platform::vbExclamation,
                         QStringLiteral("Sliding Voting Tone"));
        return false;
    }
    for (double hz : {lf, uf, mf})
        if (coded(hz) < INT16_MIN || coded(hz) > UINT16_MAX) {
            platform::MsgBox(QStringLiteral("Invalid combination of variables."), platform::vbExclamation,
                             QStringLiteral("Sliding Voting Tone"));
            return false;
        }
    f.kRSSI = kRssiCountsPerVolt;
    f.Pm = pm;
    f.Pint = pint;
    f.LowerFreq = static_cast<int32_t>(coded(lf));
    f.UpperFreq = static_cast<int32_t>(coded(uf));
    f.MuteFreq = static_cast<int32_t>(coded(mf));
    f.Lu = static_cast<int32_t>(rounded(lu));
    f.Ll = ll;
    f.Fl = static_cast<int32_t>(lf);
    f.Fu = static_cast<int32_t>(uf);
    f.m = m;
    f.c = static_cast<int16_t>(c);
    f.lFreq_TOI = kSlidingMarker;
    return true;
}

int16_t TRVotingControls::iEditApplyVoting()
{
    return basVelmar::trapped([&]() -> int16_t {
        COrvDocTR& doc = document();
        // Everything into locals first; the document changes only when every check passed.
        ToneRemoteFields f = doc;
        bool toneOnIdle = doc.ToneOnIdle;
        std::vector<std::function<int16_t()>> tables; // coefficient tables to fill, in order
        std::vector<int32_t> tableHz;

        if (lineLevelsChanged_) {
            const QSqlDatabase db = links_.database();
            const int16_t in = trview::bytLevelLookup(db, leadingNumber(txtLineIn->text()), trview::kLineIn);
            const int16_t out = trview::bytLevelLookup(db, leadingNumber(txtLineOut->text()), trview::kLineOut);
            if (in < 0 || in > 255 || out < 0 || out > 255)
                throw platform::Error(6, QStringLiteral("Overflow"));
            f.bytLineInAmp = static_cast<uint8_t>(in);
            f.bytLineOutAmp = static_cast<uint8_t>(out);
        }

        if (votingChanged_) {
            uint8_t flags = f.bytFlag2 & ~(flag::kToneOnIdle | flag::kSlidingTone);
            toneOnIdle = false;
            const bool anyMode =
                chkToneOnIdle->isChecked() || chkSlidingVotingTone->isChecked() || chkSimocoPhilips->isChecked();
            if (fourWire() && anyMode) {
                const bool vhf = optReceiverVHF->isChecked();
                f.RSSISignal = vhf ? 1 : 0;
                const double v1 = vhf ? 3.5 : 1.6;
                const double v2 = vhf ? 6.5 : 5.7;
                const double voteLevel = leadingNumber(txtVoteLevel->text());
                const double levelScaled = doc.DSPRef * std::pow(10.0, (voteLevel - doc.VTOffset) / 20);
                if (chkToneOnIdle->isChecked()) {
                    const double hz = rounded(leadingNumber(cboTOI->currentText()));
                    if (hz <= 0 || hz > 65535) {
                        platform::MsgBox(QStringLiteral("Choose the frequency of the tone on idle."),
                                         platform::vbExclamation, QStringLiteral("Tone on Idle"));
                        cboTOI->setFocus();
                        return -1;
                    }
                    flags |= flag::kToneOnIdle;
                    toneOnIdle = true;
                    f.intKeytoneFrequencyRT10 = static_cast<uint16_t>(hz);
                    f.lFreq_TOI = static_cast<int32_t>(rounded(hz * 65536)) / 8000;
                    f.VotingLevel = levelScaled;
                    tables.push_back([&doc, hz] { return doc.SetTOIFrequency(static_cast<int32_t>(hz)); });
                    tableHz.push_back(static_cast<int32_t>(hz));
                }
                f.iSlidingSimoco = 1;
                if (chkSlidingVotingTone->isChecked()) {
                    flags |= flag::kSlidingTone;
                    f.VotingLevel = levelScaled;
                    if (!slidingFields(f, v1, v2))
                        return -1;
                    tables.push_back([&doc] { return doc.SetSlideVoteTone(kSlideToneHz); });
                    tableHz.push_back(kSlideToneHz);
                }
                if (chkSimocoPhilips->isChecked()) {
                    flags |= flag::kSlidingTone;
                    f.iSlidingSimoco = 0;
                    f.lFreq_TOI = kSimocoMarker;
                    f.VotingLevel = kSimocoLevel;
                    tables.push_back([&doc] { return doc.SetSlideVoteTone(kSlideToneHz); });
                    tableHz.push_back(kSlideToneHz);
                }
            } else if (fourWire()) {
                f.lFreq_TOI = kNoVotingMarker;
                f.VotingLevel = kNoVotingLevel;
                tables.push_back([&doc] { return doc.SetZeroRT10Table(); });
                tableHz.push_back(0);
            } else {
                const auto hz = static_cast<int32_t>(
                    rounded(links_.cboKeytoneFrequency ? leadingNumber(links_.cboKeytoneFrequency->currentText()) : 0));
                tables.push_back([&doc, hz] { return doc.intSetKeyToneFrequency(hz); });
                tableHz.push_back(hz);
                flags &= ~(flag::kModeSwitchOff | flag::kSlidingTone);
            }
            f.bytFlag2 = flags;
        } else if (!fourWire()) {
            // In 2-wire no voting mode shows, and none is written.
            f.bytFlag2 &= ~(flag::kToneOnIdle | flag::kSlidingTone);
            toneOnIdle = false;
        }

        for (size_t i = 0; i < tables.size(); ++i)
            if (tables[i]() != 0) {
                platform::MsgBox(tableHz[i]
                                     ? QStringLiteral("The database holds no filter table for %1 Hz.").arg(tableHz[i])
                                     : QStringLiteral("The database holds no filter table for the voting tone."),
                                 platform::vbExclamation);
                return -1;
            }
        // The tables may have set keytone fields of their own; the tab's fields go on top.
        doc.ToneOnIdle = toneOnIdle;
        doc.bytLineInAmp = f.bytLineInAmp;
        doc.bytLineOutAmp = f.bytLineOutAmp;
        doc.bytFlag2 = f.bytFlag2;
        doc.RSSISignal = f.RSSISignal;
        if (toneOnIdle && votingChanged_)
            doc.intKeytoneFrequencyRT10 = f.intKeytoneFrequencyRT10;
        doc.lFreq_TOI = f.lFreq_TOI;
        doc.VotingLevel = f.VotingLevel;
        doc.iSlidingSimoco = f.iSlidingSimoco;
        doc.kRSSI = f.kRSSI;
        doc.Pm = f.Pm;
        doc.Pint = f.Pint;
        doc.LowerFreq = f.LowerFreq;
        doc.UpperFreq = f.UpperFreq;
        doc.MuteFreq = f.MuteFreq;
        doc.Lu = f.Lu;
        doc.Ll = f.Ll;
        doc.Fl = f.Fl;
        doc.Fu = f.Fu;
        doc.m = f.m;
        doc.c = f.c;
        votingChanged_ = false;
        lineLevelsChanged_ = false;
        return 0;
    });
}

// ---- Entry checks --------------------------------------------------------------------------

void TRVotingControls::keep(QLineEdit* box)
{
    const double v = leadingNumber(box->text());
    kept_[box] = box == txtVoteLevel ? v : rounded(v);
}

bool TRVotingControls::refuse(QLineEdit* box, const QString& text, const QString& title)
{
    platform::MsgBox(text, platform::vbExclamation, title);
    box->setText(plainNumber(kept_.value(box, 0)));
    return false;
}

bool TRVotingControls::keyAccepted(QLineEdit* box, QChar key) const
{
    if (key == QLatin1Char('\b'))
        return true;
    const bool digit = key.isDigit() && key.unicode() < 128;
    if (box == txtLowerFrequency || box == txtUpperFrequency || box == txtMuteFreq) {
        if (!digit)
            return false;
        // A digit that would take the typed frequency above the highest is not taken.
        return box->hasSelectedText() || leadingNumber(box->text() + key) <= 3500;
    }
    if (digit)
        return true;
    if (key == QLatin1Char('-'))
        return leadingNumber(box->text()) == 0;
    const QString point = basVelmar::userNumberLocale().decimalPoint();
    return box != txtUpperLevel && point.size() == 1 && key == point.at(0);
}

bool TRVotingControls::frequencyInRange(QLineEdit* box, double lowest)
{
    const double v = leadingNumber(box->text());
    if (v >= lowest && v <= 3500)
        return true;
    return refuse(box,
                  lowest == 2700 ? QStringLiteral("Enter the value between 2700Hz and 3500Hz")
                                 : QStringLiteral("Enter the value between 2500Hz and 3500Hz"),
                  QStringLiteral("Invalid Value"));
}

bool TRVotingControls::txtLowerFrequency_LostFocus() { return frequencyInRange(txtLowerFrequency, 2700); }

bool TRVotingControls::txtUpperFrequency_LostFocus()
{
    if (!frequencyInRange(txtUpperFrequency, 2700))
        return false;
    if (leadingNumber(txtLowerFrequency->text()) >= leadingNumber(txtUpperFrequency->text()))
        return refuse(txtUpperFrequency, QStringLiteral("Enter the value higher then lower frequency"),
                      QStringLiteral("Invalid Value"));
    return true;
}

bool TRVotingControls::txtMuteFreq_LostFocus() { return frequencyInRange(txtMuteFreq, 2500); }

bool TRVotingControls::levelBoxLostFocus(QLineEdit* box, const QString& title)
{
    // A level box holds whole dBm between -150 and -50.
    const double v = leadingNumber(box->text());
    const bool ok = v >= -150 && v <= -50;
    if (!ok)
        refuse(box, QStringLiteral("Enter the value between -150 and -50"), title);
    box->setText(plainNumber(std::trunc(leadingNumber(box->text()))));
    return ok;
}

bool TRVotingControls::txtLowerLevel_LostFocus()
{
    return levelBoxLostFocus(txtLowerLevel, QStringLiteral("Invalid Value for Lower Level"));
}

bool TRVotingControls::txtUpperLevel_LostFocus()
{
    return levelBoxLostFocus(txtUpperLevel, QStringLiteral("Invalid Value for Upper Level"));
}

bool TRVotingControls::txtVoteLevel_LostFocus()
{
    document().fModified = true;
    const double v = leadingNumber(txtVoteLevel->text());
    if (v > -1 || v < -40)
        return refuse(txtVoteLevel,
                      QStringLiteral("Enter the value between ") + QString::number(-40) + QStringLiteral(" dBr and ")
                          + QString::number(-1) + QStringLiteral(" dBr"),
                      QStringLiteral("Invalid Value"));
    return true;
}

void TRVotingControls::snapLineLevel(QLineEdit* box, int16_t port)
{
    basVelmar::trapped([&]() -> int16_t {
        document().fModified = true;
        const QSqlDatabase db = links_.database();
        const int16_t step = trview::bytLevelLookup(db, leadingNumber(box->text()), port);
        box->setText(plainNumber(trview::dblLevelLookup(db, step, port)));
        return 0;
    });
}

void TRVotingControls::txtLineIn_LostFocus() { snapLineLevel(txtLineIn, trview::kLineIn); }

void TRVotingControls::txtLineOut_LostFocus() { snapLineLevel(txtLineOut, trview::kLineOut); }
