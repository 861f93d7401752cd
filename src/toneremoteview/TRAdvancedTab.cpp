#include "toneremoteview/TRAdvancedTab.h"
#include "toneremoteview/TRGeneralTab.h"

#include "platform/ui/Named.h"
#include "toneremoteview/TRAdvancedControls.h"
#include "toneremoteview/TRAlarmTab.h"
#include "toneremoteview/TRFunctionTonesTab.h"
#include "toneremoteview/TRVotingControls.h"
#include "toneremoteview/TRVotingTab.h"
#include "toneremoteview/frmOrvViewTR.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

using platform::named;

TRAdvancedTab::TRAdvancedTab(frmOrvViewTR& view) : TRTabPage(view, QStringLiteral("tabAdvanced"))
{
    auto* page = new QGridLayout(this);
    auto frame = [this](const QString& caption, const QString& name) {
        auto* f = named(new QGroupBox(caption, this), name);
        new QGridLayout(f);
        return f;
    };
    Frame2 = frame(QStringLiteral("Miscellaneous"), QStringLiteral("Frame2"));
    fraAdvanced1 = frame(QStringLiteral("High Level Guard Tone Duration"), QStringLiteral("fraAdvanced1"));
    fraAdvanced2 = frame(QStringLiteral("Function Tone Duration"), QStringLiteral("fraAdvanced2"));
    fraAdvanced3 = frame(QStringLiteral("Morse Code Identification (CWID)"), QStringLiteral("fraAdvanced3"));
    page->addWidget(Frame2, 0, 0);
    page->addWidget(fraAdvanced1, 0, 1);
    page->addWidget(fraAdvanced2, 1, 1);
    page->addWidget(fraAdvanced3, 1, 0);
    page->setColumnStretch(0, 1);
    page->setColumnStretch(1, 1);
    page->setRowStretch(0, 1);
    page->setRowStretch(1, 1);

    // The low-volt threshold stands on the Alarm / Confirm tab, beside the selcall standard.
    controls = new TRAdvancedControls(Frame2, fraAdvanced1, fraAdvanced2, fraAdvanced3, view.alarm().fraAla2, &view,
                                      [&view]() -> COrvDocTR& { return view.document(); });
    // The last tab built: the voting now meets the other tabs' controls it uses.
    view.voting().controls->link(view.general().opt2WireConfiguration, view.general().opt4WireConfiguration,
                                 view.functionTones().cboKeytoneFrequency, controls->chkNotchFiltReq,
                                 [&view] { return view.general().isShowing(); });
}

int16_t TRAdvancedTab::ShowAdvanced() { return controls->ShowAdvanced(); }

int16_t TRAdvancedTab::iEditApplyAdvanced() { return controls->iEditApplyAdvanced(); }
