#include "toneremoteview/TRVotingTab.h"

#include "db/CLASSOrvDB.h"
#include "platform/ui/Named.h"
#include "toneremoteview/TRVotingControls.h"
#include "toneremoteview/frmOrvViewTR.h"

#include <QGridLayout>
#include <QGroupBox>

using platform::named;

TRVotingTab::TRVotingTab(frmOrvViewTR& view) : TRTabPage(view, QStringLiteral("tabVoting"))
{
    auto* page = new QGridLayout(this);
    fraAdv1 = named(new QGroupBox(this), QStringLiteral("fraAdv1"));
    new QGridLayout(fraAdv1);
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

    TRVotingLinks links;
    links.document = [&view]() -> COrvDocTR& { return view.document(); };
    links.database = [] { return CLASSOrvDB::instance().dbAccess(); };
    controls = new TRVotingControls(fraAdv1, fraAdv2, Frame4, &view, links);
    lblFreq = controls->lblFreq;
    cboTOI = controls->cboTOI;
    lblF1 = controls->lblF1;
}

int16_t TRVotingTab::intShowVoting() { return controls->intShowVoting(); }

int16_t TRVotingTab::iEditApplyVoting() { return controls->iEditApplyVoting(); }
