#include "toneremoteview/frmEditTones.h"

#include "db/CLASSOrvDB.h"
#include "platform/MsgBox.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DialogPlacement.h"
#include "platform/ui/Named.h"
#include "toneremote/FnToneActionList.h"
#include "toneremote/ToneRemotePageLayout.h"
#include "toneremote/basVelmarTR.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

using namespace fnactions;
using platform::MsgBox;

namespace {

constexpr int kBackspaceKey = 8;
constexpr int kTabKey = 9;
// Above every parameter's range.
constexpr int kOutOfEveryRange = 100000;

} // namespace

frmEditTones::frmEditTones(QWidget* parent) : RecordDialog(parent, QStringLiteral("frmEditTones"), true)
{
    buildControls();
    platform::centreOnScreen(*this);
}

void frmEditTones::buildControls()
{
    using platform::named;
    auto* outer = new QHBoxLayout(this);
    auto* frames = new QVBoxLayout;

    fraToneSel = named(new QGroupBox(QStringLiteral("Tone Selection"), this), "fraToneSel");
    auto* tones = new QGridLayout(fraToneSel);
    Label1 = named(new QLabel(QStringLiteral("Tone 1:"), fraToneSel), "Label1");
    cboTone1 = named(new QComboBox(fraToneSel), "cboTone1");
    Label2 = named(new QLabel(QStringLiteral("Hz"), fraToneSel), "Label2");
    Label3 = named(new QLabel(QStringLiteral("Tone 2:"), fraToneSel), "Label3");
    cboTone2 = named(new QComboBox(fraToneSel), "cboTone2");
    Label4 = named(new QLabel(QStringLiteral("Hz"), fraToneSel), "Label4");
    tones->addWidget(Label1, 0, 0);
    tones->addWidget(cboTone1, 0, 1);
    tones->addWidget(Label2, 0, 2);
    tones->addWidget(Label3, 1, 0);
    tones->addWidget(cboTone2, 1, 1);
    tones->addWidget(Label4, 1, 2);
    tones->setColumnStretch(3, 1);
    frames->addWidget(fraToneSel);

    fraFunctionToneAction = named(new QGroupBox(QStringLiteral("Select Action for Function Tone"), this),
                                  "fraFunctionToneAction");
    auto* action = new QGridLayout(fraFunctionToneAction);
    cboFunctionToneAction = named(new QComboBox(fraFunctionToneAction), "cboFunctionToneAction");
    cboFunctionToneAction->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lblFTActionParameter = named(new QLabel(fraFunctionToneAction), "lblFTActionParameter");
    txtFTActionParameter = named(new QLineEdit(fraFunctionToneAction), "txtFTActionParameter");
    action->addWidget(cboFunctionToneAction, 0, 0, 1, 2);
    action->addWidget(lblFTActionParameter, 1, 0);
    action->addWidget(txtFTActionParameter, 1, 1);
    frames->addWidget(fraFunctionToneAction);
    frames->addStretch(1);
    outer->addLayout(frames, 1);
    outer->addLayout(buttonColumn());

    connect(cboFunctionToneAction, &QComboBox::currentIndexChanged, this, &frmEditTones::cboFunctionToneAction_Click);
    platform::onKeyPress(txtFTActionParameter, [this](QChar c) {
        int key = c.unicode();
        txtFTActionParameter_KeyPress(key);
        return key != 0;
    });
}

bool frmEditTones::fillToneList(QComboBox* list, int16_t hz)
{
    for (int16_t tone = 0, toneHz = 0; basVelmarTR::intGetFnToneFrequency(tone, toneHz) == 0; ++tone)
        list->addItem(QString::number(toneHz));
    using namespace trlayout::fntones;
    const int position = (hz - kFirstToneHz) / kToneStepHz; // truncated toward zero
    if (position < 0 || position >= list->count())
        return false;
    list->setCurrentIndex(position);
    return true;
}

void frmEditTones::ShowForm(int16_t intActionCode, int16_t intTone1, int16_t intTone2)
{
    if (PrepareForm(intActionCode, intTone1, intTone2))
        exec();
}

bool frmEditTones::PrepareForm(int16_t intActionCode, int16_t intTone1, int16_t intTone2)
{
    cancelled_ = true;
    cboTone1->clear();
    cboTone2->clear();
    cboFunctionToneAction->clear();
    ItemModelList actions(*cboFunctionToneAction->model());
    if (CLASSOrvDB::instance().intGetFunctionToneAction(actions) != 0)
        return false;
    if (!fillToneList(cboTone1, intTone1) || !fillToneList(cboTone2, intTone2))
        return false;

    for (QWidget* w : std::initializer_list<QWidget*>{cboTone2, Label3, Label4})
        w->setVisible(!OneTone);
    for (QWidget* w : std::initializer_list<QWidget*>{fraToneSel, cboTone1, cboTone2, Label1, Label2, Label3, Label4})
        w->setEnabled(!Multiple);
    if (Multiple) {
        cboTone1->setCurrentIndex(-1);
        cboTone2->setCurrentIndex(-1);
    }

    cboFunctionToneAction->setCurrentIndex(kDoNothing);
    const int position = positionOfCode(intActionCode);
    if (position >= 0)
        cboFunctionToneAction->setCurrentIndex(position);
    if (position >= 0 && hasParameter(position)) {
        txtFTActionParameter->setText(QString::number(intActionCode - kCodes[position].first));
    } else {
        txtFTActionParameter->setEnabled(false);
        txtFTActionParameter->setVisible(false);
    }
    platform::centreOnScreen(*this);
    return true;
}

int16_t frmEditTones::GetValues(int16_t& intPosition, int16_t& intParameter, int16_t& intTone1, int16_t& intTone2)
{
    intPosition = static_cast<int16_t>(cboFunctionToneAction->currentIndex());
    intParameter = static_cast<int16_t>(std::max(parameterValue(), 0));
    intTone1 = static_cast<int16_t>(cboTone1->currentIndex());
    intTone2 = OneTone ? intTone1 : static_cast<int16_t>(cboTone2->currentIndex());
    return 0;
}

void frmEditTones::cboFunctionToneAction_Click()
{
    QString caption;
    switch (cboFunctionToneAction->currentIndex()) {
    case kSetChannel: caption = QStringLiteral("Channel Number: "); break;
    case kAuxOutputOn: caption = QStringLiteral("Output Number: "); break;
    case kAuxOutputOff:
    case kAuxOutputToggle: caption = QStringLiteral("Output: "); break;
    case kConfirmationMessage: caption = QStringLiteral("Confirmation Message: "); break;
    default: break;
    }
    lblFTActionParameter->setVisible(!caption.isEmpty());
    txtFTActionParameter->setVisible(!caption.isEmpty());
    if (caption.isEmpty())
        return;
    lblFTActionParameter->setText(caption);
    txtFTActionParameter->setEnabled(true);
    txtFTActionParameter->clear();
}

void frmEditTones::txtFTActionParameter_KeyPress(int& KeyAscii)
{
    if (KeyAscii == kBackspaceKey || KeyAscii == kTabKey || (KeyAscii >= '0' && KeyAscii <= '9'))
        return;
    KeyAscii = 0;
    QApplication::beep();
}

int frmEditTones::parameterValue()
{
    if (txtFTActionParameter->text().isEmpty())
        txtFTActionParameter->setText(QStringLiteral("0"));
    const QString text = txtFTActionParameter->text();
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return -1;
        value = std::min(value * 10 + (c.unicode() - u'0'), kOutOfEveryRange);
    }
    return value;
}

bool frmEditTones::parameterWithin(int highest, const QString& message, const QString& title)
{
    const int value = parameterValue();
    if (value >= 0 && value <= highest)
        return true;
    MsgBox(message, platform::vbExclamation, title);
    txtFTActionParameter->setFocus();
    return false;
}

bool frmEditTones::acceptEntries()
{
    const int position = cboFunctionToneAction->currentIndex();
    switch (position) {
    case kSetChannel:
        return parameterWithin(highestParameter(position),
                               QStringLiteral("The valid channel number should be in range between 0 and 127"),
                               QStringLiteral("Invalid Channel Number"));
    case kAuxOutputOn:
    case kAuxOutputOff:
    case kAuxOutputToggle:
        return parameterWithin(highestParameter(position),
                               QStringLiteral("The valid output number should be in range between 0 and 3"),
                               QStringLiteral("Invalid Output Number"));
    case kConfirmationMessage:
        return parameterWithin(highestParameter(position),
                               QStringLiteral("The valid confermation message number must be between 0 and 5"),
                               QStringLiteral("Invalid Confirmation Number"));
    default: return true;
    }
}
