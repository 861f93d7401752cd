#include "toneremoteview/TRVotingControls.h"

#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/Named.h"
#include "shell/FailureTrap.h"
#include "shell/LocaleNumbers.h"
#include "toneremote/COrvDocTR.h"
#include "toneremote/ToneRemotePageLayout.h"
#include "toneremoteview/TRFrameControls.h"
#include "toneremoteview/TRLineLevels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSqlDatabase>

using basVelmar::leadingNumber;
using basVelmar::plainNumber;
using platform::named;
using trview::caption;
using trview::narrowBox;

// The bits of the flag bytes.
namespace flag = trlayout::timers;

namespace {

const QString kDefaultVoteLevel = QStringLiteral("-20");

void enable(std::initializer_list<QWidget*> controls, bool on)
{
    for (QWidget* w : controls)
        w->setEnabled(on);
}

} // namespace

TRVotingControls::TRVotingControls(QGroupBox* fraAdv1, QGroupBox* fraAdv2, QGroupBox* Frame4, QWidget* window,
                                   TRVotingLinks links)
    : QObject(fraAdv1), links_(std::move(links)), fraAdv2_(fraAdv2)
{
    buildVotingFrame(fraAdv1);
    buildBandFrame(fraAdv2);
    buildLineLevelsFrame(Frame4);
    connectControls(window);
}

void TRVotingControls::buildVotingFrame(QGroupBox* fraAdv1)
{
    QGridLayout* grid = trview::gridOf(fraAdv1);
    // A caption, its box and its unit in row `r` of the grid.
    auto row = [grid](QLabel* caption, QWidget* field, QLabel* unit, int r) {
        grid->addWidget(caption, r, 0);
        grid->addWidget(field, r, 1);
        grid->addWidget(unit, r, 2);
    };
    auto check = [fraAdv1](const QString& text, const QString& name) { return trview::checkBox(fraAdv1, text, name); };
    const QString hz = QStringLiteral("Hz");
    const QString dBm = QStringLiteral("dBm");

    chkToneOnIdle = check(QStringLiteral("Tone on Idle"), QStringLiteral("chkToneOnIdle"));
    lblFreq = caption(fraAdv1, QStringLiteral("Frequency: "), QStringLiteral("lblFreq"));
    cboTOI = named(new QComboBox(fraAdv1), QStringLiteral("cboTOI"));
    cboTOI->setEditable(true);
    lblF1 = caption(fraAdv1, hz, QStringLiteral("lblF1"));
    chkSlidingVotingTone = check(QStringLiteral("Sliding Voting Tone"), QStringLiteral("chkSlidingVotingTone"));
    lblFreql = caption(fraAdv1, QStringLiteral("Lower Freq: "), QStringLiteral("lblFreql"));
    txtLowerFrequency = narrowBox(fraAdv1, QStringLiteral("txtLowerFrequency"));
    lblF2 = caption(fraAdv1, hz, QStringLiteral("lblF2"));
    lblFrequ = caption(fraAdv1, QStringLiteral("Upper Freq: "), QStringLiteral("lblFrequ"));
    txtUpperFrequency = narrowBox(fraAdv1, QStringLiteral("txtUpperFrequency"));
    lblF3 = caption(fraAdv1, hz, QStringLiteral("lblF3"));
    lblLowerValue = caption(fraAdv1, QStringLiteral("Lower Level:"), QStringLiteral("lblLowerValue"));
    txtLowerLevel = narrowBox(fraAdv1, QStringLiteral("txtLowerLevel"));
    lblV1 = caption(fraAdv1, dBm, QStringLiteral("lblV1"));
    lblUpperValue = caption(fraAdv1, QStringLiteral("Upper Level: "), QStringLiteral("lblUpperValue"));
    txtUpperLevel = narrowBox(fraAdv1, QStringLiteral("txtUpperLevel"));
    lblV2 = caption(fraAdv1, dBm, QStringLiteral("lblV2"));
    lblMuteFreq = caption(fraAdv1, QStringLiteral("Mute Freq: "), QStringLiteral("lblMuteFreq"));
    txtMuteFreq = narrowBox(fraAdv1, QStringLiteral("txtMuteFreq"), QStringLiteral("Voting tone on idle frequency"));
    lblV3 = caption(fraAdv1, hz, QStringLiteral("lblV3"));
    chkSimocoPhilips = check(QStringLiteral("Simoco/Philips Standard"), QStringLiteral("chkSimocoPhilips"));
    lblVL = caption(fraAdv1, QStringLiteral("Voting Level:"), QStringLiteral("lblVL"));
    txtVoteLevel =
        narrowBox(fraAdv1, QStringLiteral("txtVoteLevel"), QStringLiteral("Voting level relative to line out level"));
    lblVL1 = caption(fraAdv1, QStringLiteral("dBr"), QStringLiteral("lblVL1"));

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
}

void TRVotingControls::buildBandFrame(QGroupBox* fraAdv2)
{
    QGridLayout* band = trview::gridOf(fraAdv2);
    optReceiverVHF = named(new QRadioButton(QStringLiteral(" Vr3x Series Receiver (VHF)"), fraAdv2),
                           QStringLiteral("optReceiverVHF"));
    optReceiverUHF = named(new QRadioButton(QStringLiteral(" Vr5x Series Receiver (UHF)"), fraAdv2),
                           QStringLiteral("optReceiverUHF"));
    band->addWidget(optReceiverVHF, 0, 0);
    band->addWidget(optReceiverUHF, 1, 0);
}

void TRVotingControls::buildLineLevelsFrame(QGroupBox* Frame4)
{
    QGridLayout* levels = trview::gridOf(Frame4);
    Label3 = caption(Frame4, QStringLiteral("Line-In:"), QStringLiteral("Label3"));
    txtLineIn = narrowBox(Frame4, QStringLiteral("txtLineIn"),
                          QStringLiteral("Line input level required for 60% transmitter modulation"));
    Label5 = caption(Frame4, QStringLiteral("dBm"), QStringLiteral("Label5"));
    Label6 = caption(Frame4, QStringLiteral("Line-Out:"), QStringLiteral("Label6"));
    txtLineOut = narrowBox(Frame4, QStringLiteral("txtLineOut"),
                           QStringLiteral("Line out level at 60% modulation from the receiver"));
    Label8 = caption(Frame4, QStringLiteral("dBm"), QStringLiteral("Label8"));
    levels->addWidget(Label3, 0, 0);
    levels->addWidget(txtLineIn, 0, 1);
    levels->addWidget(Label5, 0, 2);
    levels->addWidget(Label6, 1, 0);
    levels->addWidget(txtLineOut, 1, 1);
    levels->addWidget(Label8, 1, 2);
    levels->setColumnStretch(3, 1);
    levels->setRowStretch(2, 1);
}

void TRVotingControls::connectControls(QWidget* window)
{
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
    } checked[] = {
        {txtLowerFrequency, &TRVotingControls::txtLowerFrequency_LostFocus},
        {txtUpperFrequency, &TRVotingControls::txtUpperFrequency_LostFocus},
        {txtMuteFreq, &TRVotingControls::txtMuteFreq_LostFocus},
        {txtLowerLevel, &TRVotingControls::txtLowerLevel_LostFocus},
        {txtUpperLevel, &TRVotingControls::txtUpperLevel_LostFocus},
        {txtVoteLevel, &TRVotingControls::txtVoteLevel_LostFocus},
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
        if (!fourWire())
            DisableVoting();
        else
            showModes(doc);
        (doc.RSSISignal == 1 ? optReceiverVHF : optReceiverUHF)->setChecked(true);
        if (fourWire()) {
            if (chkSimocoPhilips->isChecked())
                txtVoteLevel->setText(kDefaultVoteLevel);
            else if (doc.VotingLevel > 0)
                txtVoteLevel->setText(
                    basVelmar::formatFixed(trvoting::dBrOf(doc.VotingLevel, doc.DSPRef, doc.VTOffset), 2, false));
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

void TRVotingControls::showModes(const COrvDocTR& doc)
{
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
    if (!chkToneOnIdle->isChecked() && trvoting::isSimocoPhilips(doc)) {
        chkSimocoPhilips->setChecked(true);
        enable({optReceiverVHF, optReceiverUHF}, true);
    }
}

trvoting::Choice TRVotingControls::votingChoice() const
{
    trvoting::Choice c;
    c.fourWire = fourWire();
    c.toneOnIdle = chkToneOnIdle->isChecked();
    c.slidingTone = chkSlidingVotingTone->isChecked();
    c.simocoPhilips = chkSimocoPhilips->isChecked();
    c.vhf = optReceiverVHF->isChecked();
    c.toneOnIdleHz = leadingNumber(cboTOI->currentText());
    c.voteLevelDbr = leadingNumber(txtVoteLevel->text());
    c.sliding = {leadingNumber(txtLowerFrequency->text()), leadingNumber(txtUpperFrequency->text()),
                 leadingNumber(txtMuteFreq->text()), leadingNumber(txtLowerLevel->text()),
                 leadingNumber(txtUpperLevel->text())};
    c.keytoneHz = links_.cboKeytoneFrequency ? leadingNumber(links_.cboKeytoneFrequency->currentText()) : 0;
    return c;
}

void TRVotingControls::readLineLevels(ToneRemoteFields& f) const
{
    const QSqlDatabase db = links_.database();
    const int16_t in = trview::bytLevelLookup(db, leadingNumber(txtLineIn->text()), trview::kLineIn);
    const int16_t out = trview::bytLevelLookup(db, leadingNumber(txtLineOut->text()), trview::kLineOut);
    if (in < 0 || in > 255 || out < 0 || out > 255)
        throw platform::Error(6, QStringLiteral("Overflow"));
    f.bytLineInAmp = static_cast<uint8_t>(in);
    f.bytLineOutAmp = static_cast<uint8_t>(out);
}

int16_t TRVotingControls::refused(trvoting::Refusal refusal)
{
    switch (refusal) {
    case trvoting::Refusal::NoToneOnIdleFrequency:
        platform::MsgBox(QStringLiteral("Choose the frequency of the tone on idle."), platform::vbExclamation,
                         QStringLiteral("Tone on Idle"));
        cboTOI->setFocus();
        break;
    case trvoting::Refusal::NoSlope:
        platform::MsgBox(QStringLiteral("Invalid Voting Parameters"), platform::vbExclamation | platform::vbOKOnly,
                         QStringLiteral("Error"));
        break;
    case trvoting::Refusal::DoesNotFit:
        platform::MsgBox(QStringLiteral("Invalid combination of variables."), platform::vbExclamation,
                         QStringLiteral("Sliding Voting Tone"));
        break;
    case trvoting::Refusal::None: break;
    }
    return -1;
}

bool TRVotingControls::loadTables(COrvDocTR& doc, const std::vector<trvoting::FilterTable>& tables)
{
    for (const trvoting::FilterTable& t : tables)
        if (trvoting::loadTable(doc, t) != 0) {
            platform::MsgBox(t.hz ? QStringLiteral("The database holds no filter table for %1 Hz.").arg(t.hz)
                                  : QStringLiteral("The database holds no filter table for the voting tone."),
                             platform::vbExclamation);
            return false;
        }
    return true;
}

void TRVotingControls::takeVoting(COrvDocTR& doc, const trvoting::Outcome& worked) const
{
    const ToneRemoteFields& f = worked.fields;
    doc.ToneOnIdle = worked.toneOnIdle;
    doc.bytLineInAmp = f.bytLineInAmp;
    doc.bytLineOutAmp = f.bytLineOutAmp;
    doc.bytFlag2 = f.bytFlag2;
    doc.RSSISignal = f.RSSISignal;
    if (worked.toneOnIdle && votingChanged_)
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
}

int16_t TRVotingControls::iEditApplyVoting()
{
    return basVelmar::trapped([&]() -> int16_t {
        COrvDocTR& doc = document();
        // Everything into locals first; the document changes only when every check passed.
        trvoting::Outcome worked{trvoting::Refusal::None, doc, doc.ToneOnIdle, {}};
        if (lineLevelsChanged_)
            readLineLevels(worked.fields);
        if (votingChanged_) {
            worked = trvoting::workOut(votingChoice(), worked.fields, doc.DSPRef, doc.VTOffset);
            if (worked.refusal != trvoting::Refusal::None)
                return refused(worked.refusal);
        } else if (!fourWire()) {
            // In 2-wire no voting mode shows, and none is written.
            worked.fields.bytFlag2 = trvoting::withoutVotingMode(worked.fields.bytFlag2);
            worked.toneOnIdle = false;
        }
        if (!loadTables(doc, worked.tables))
            return -1;
        // The tables may have set keytone fields of their own; the tab's fields go on top.
        takeVoting(doc, worked);
        votingChanged_ = false;
        lineLevelsChanged_ = false;
        return 0;
    });
}
