#include "toneremoteview/TRVotingTab.h"

#include "platform/ui/Named.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

using platform::named;

TRVotingTab::TRVotingTab(frmOrvViewTR& view) : TRTabPage(view, QStringLiteral("tabVoting"))
{
    auto* page = new QGridLayout(this);
    fraAdv1 = named(new QGroupBox(this), QStringLiteral("fraAdv1"));
    auto* voting = new QGridLayout(fraAdv1);
    lblFreq = named(new QLabel(QStringLiteral("Frequency: "), fraAdv1), QStringLiteral("lblFreq"));
    cboTOI = named(new QComboBox(fraAdv1), QStringLiteral("cboTOI"));
    lblF1 = named(new QLabel(QStringLiteral("Hz"), fraAdv1), QStringLiteral("lblF1"));
    voting->addWidget(lblFreq, 0, 0);
    voting->addWidget(cboTOI, 0, 1);
    voting->addWidget(lblF1, 0, 2);
    voting->setColumnStretch(3, 1);
    voting->setRowStretch(1, 1);
    page->addWidget(fraAdv1, 0, 0, 2, 1);
    fraAdv2 = named(new QGroupBox(QStringLiteral("RSSI Signal"), this), QStringLiteral("fraAdv2"));
    new QGridLayout(fraAdv2);
    page->addWidget(fraAdv2, 0, 1);
    Frame4 = named(new QGroupBox(QStringLiteral("Line Levels"), this), QStringLiteral("Frame4"));
    new QGridLayout(Frame4);
    page->addWidget(Frame4, 1, 1);
    page->setColumnStretch(0, 1);
    page->setColumnStretch(1, 1);
    page->setRowStretch(1, 1);
}

int16_t TRVotingTab::intShowVoting() { return 0; }

int16_t TRVotingTab::iEditApplyVoting() { return 0; }
