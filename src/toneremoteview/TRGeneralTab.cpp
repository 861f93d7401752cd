#include "toneremoteview/TRGeneralTab.h"

#include "platform/ui/Named.h"
#include "toneremote/COrvDocTR.h"
#include "toneremoteview/frmOrvViewTR.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using platform::named;

namespace {

constexpr int kRemarkLength = 16;

} // namespace

TRGeneralTab::TRGeneralTab(frmOrvViewTR& view) : TRTabPage(view, QStringLiteral("tabGeneral"))
{
    auto* page = new QGridLayout(this);

    // Identity and remark on the left.
    fraGen2 = named(new QGroupBox(this), QStringLiteral("fraGen2"));
    auto* identity = new QGridLayout(fraGen2);
    lblUserRemark = named(new QLabel(QStringLiteral("Remark: "), fraGen2), QStringLiteral("lblUserRemark"));
    txtUserRemark = named(new QLineEdit(fraGen2), QStringLiteral("txtUserRemark"));
    txtUserRemark->setMaxLength(kRemarkLength);
    identity->addWidget(lblUserRemark, 0, 0);
    identity->addWidget(txtUserRemark, 0, 1);
    identity->setColumnStretch(1, 1);
    identity->setRowStretch(1, 1);
    page->addWidget(fraGen2, 0, 0, 4, 1);

    // Line wiring on the right.
    fraGen1 = named(new QGroupBox(QStringLiteral("Line Interface"), this), QStringLiteral("fraGen1"));
    new QGridLayout(fraGen1);
    page->addWidget(fraGen1, 0, 1);
    frmPowerOnMode = named(new QGroupBox(QStringLiteral("Mode at  Power On"), this), QStringLiteral("frmPowerOnMode"));
    new QGridLayout(frmPowerOnMode);
    page->addWidget(frmPowerOnMode, 1, 1);
    chkLatchChannel =
        named(new QCheckBox(QStringLiteral("Use Latched Channel Select"), this), QStringLiteral("chkLatchChannel"));
    chkLatchChannel->setToolTip(QStringLiteral("Checked for non-Vorn equipment"));
    page->addWidget(chkLatchChannel, 2, 1);
    Frame3 = named(new QGroupBox(QStringLiteral("Channel Select Output"), this), QStringLiteral("Frame3"));
    new QGridLayout(Frame3);
    page->addWidget(Frame3, 3, 1);

    page->setColumnStretch(0, 1);
    page->setColumnStretch(1, 1);
    page->setRowStretch(3, 1);

    connect(txtUserRemark, &QLineEdit::textChanged, this, &TRGeneralTab::txtUserRemark_Change);
}

int16_t TRGeneralTab::intShowGeneral()
{
    txtUserRemark->setText(document().strUserRemark);
    return 0;
}

int16_t TRGeneralTab::intEditApplyGeneral() { return 0; }

void TRGeneralTab::txtUserRemark_Change() { markModified(); }
