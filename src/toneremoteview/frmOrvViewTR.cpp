// The tone-remote window: its tabs and buttons, its load step, the show and apply chains over the
// tabs, the enabling of the current tab, and its place among the main window's document windows.
#include "toneremoteview/frmOrvViewTR.h"

#include "db/CLASSOrvDB.h"
#include "db/ListControls.h"
#include "docwindow/DocumentHost.h"
#include "docwindow/DocumentTexts.h"
#include "link/LinkCommands.h"
#include "platform/CommPort.h"
#include "platform/DoEvents.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Named.h"
#include "shell/FailureTrap.h"
#include "shell/Globals.h"
#include "shell/ShownText.h"
#include "toneremote/COrvDocTR.h"
#include "toneremoteview/TRAdvancedTab.h"
#include "toneremoteview/TRAlarmTab.h"
#include "toneremoteview/TRFunctionTonesTab.h"
#include "toneremoteview/TRGeneralTab.h"
#include "toneremoteview/TRVotingTab.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

using platform::named;

namespace {

// The database's alarm list into a grid of the window.
class FlexGridControl : public IGridControl {
public:
    explicit FlexGridControl(platform::FlexGrid& grid) : grid_(grid) {}
    int Rows() const override { return grid_.Rows(); }
    void setRows(int rows) override { grid_.setRows(rows); }
    int Cols() const override { return grid_.Cols(); }
    QString text(int row, int col) const override { return grid_.TextMatrix(row, col); }
    void setText(int row, int col, const QString& text) override { grid_.setTextMatrix(row, col, text); }

private:
    platform::FlexGrid& grid_;
};

// The first or last row of a grid's selection.
int16_t selectedRowBound(const platform::FlexGrid& grid, int32_t which)
{
    const int row = grid.Row();
    const int rowSel = grid.RowSel();
    if (which == 1)
        return static_cast<int16_t>(std::min(row, rowSel));
    if (which == 2)
        return static_cast<int16_t>(std::max(row, rowSel));
    return 0;
}

} // namespace

frmOrvViewTR::frmOrvViewTR(QWidget* parent) : ModuleWindow(parent)
{
    setObjectName(QStringLiteral("frmOrvViewTR"));
    buildControls();
    buildMenus();
    buildHotKeys();
    Form_Load();
    takeOpeningSize();
}

void frmOrvViewTR::buildControls()
{
    auto* outer = new QHBoxLayout(this);
    SSTab1 = named(new QTabWidget(this), QStringLiteral("SSTab1"));
    tabGeneral_ = new TRGeneralTab(*this);
    tabFunctionTones_ = new TRFunctionTonesTab(*this);
    tabAlarm_ = new TRAlarmTab(*this);
    tabVoting_ = new TRVotingTab(*this);
    tabAdvanced_ = new TRAdvancedTab(*this);
    SSTab1->addTab(tabGeneral_, QStringLiteral("General"));
    SSTab1->addTab(tabFunctionTones_, QStringLiteral("Function Tones"));
    SSTab1->addTab(tabAlarm_, QStringLiteral("Alarm / Confirm"));
    SSTab1->addTab(tabVoting_, QStringLiteral("Voting / Levels"));
    SSTab1->addTab(tabAdvanced_, QStringLiteral("Advanced"));
    outer->addWidget(SSTab1, 1);

    auto* buttons = new QVBoxLayout;
    auto button = [&](const QString& name, const QString& caption, void (frmOrvViewTR::*handler)()) {
        auto* b = named(new QPushButton(caption, this), name);
        connect(b, &QPushButton::clicked, this, handler);
        buttons->addWidget(b);
        return b;
    };
    cmdQuit = button(QStringLiteral("cmdQuit"), doctext::kClose, &frmOrvViewTR::cmdQuit_Click);
    cmdSaveToDB = button(QStringLiteral("cmdSaveToDB"), doctext::kSave, &frmOrvViewTR::cmdSaveToDB_Click);
    cmdWriteToRack =
        button(QStringLiteral("cmdWriteToRack"), QStringLiteral("&Write"), &frmOrvViewTR::cmdWriteToRack_Click);
    // The raw page view has no button of its own to show: its hot key reaches it.
    cmdShow = button(QStringLiteral("cmdShow"), QStringLiteral("Show"), &frmOrvViewTR::cmdShow_Click);
    cmdShow->setVisible(false);
    cmdShow->setEnabled(false);
    buttons->addStretch(1);
    outer->addLayout(buttons);

    connect(SSTab1, &QTabWidget::currentChanged, this, [this] { SSTab1_Click(); });
}

void frmOrvViewTR::takeOpeningSize()
{
    // The window opens with every tab's caption shown, the function-tone grid a dozen pairs high
    // and wide enough for the longest action, and every alarm in sight; the user may make it smaller.
    SSTab1->setUsesScrollButtons(false);
    platform::FlexGrid* fnTones = functionTones().grdFnTone;
    platform::FlexGrid* alarms = alarm().grdAlarm;
    fnTones->setMinimumSize(functionTones().openingGridSize());
    alarms->setMinimumHeight(alarm().openingGridSize().height());
    openingSize_ = QWidget::sizeHint();
    fnTones->setMinimumSize(0, 0);
    alarms->setMinimumSize(0, 0);
    resize(openingSize_);
}

void frmOrvViewTR::Form_Load()
{
    CLASSOrvDB& db = CLASSOrvDB::instance();
    QComboBox* standards = alarm().cboFiveToneStandard;
    QComboBox* keytones = functionTones().cboKeytoneFrequency;
    QComboBox* toneOnIdle = voting().cboTOI;
    // The steps after a look-up that failed are left out; the look-up has said why.
    const auto load = [&] {
        ItemModelList standardList(*standards->model());
        if (db.intGetFiveToneStandard(standardList) != 0)
            return;
        standards->setCurrentIndex(0);
        functionTones().layOutGrid();
        ItemModelList keytoneList(*keytones->model());
        if (db.intGetKeytoneFrequency(keytoneList) != 0)
            return;
        keytones->setCurrentIndex(0);
        alarm().layOutGrid();
        FlexGridControl alarms(*alarm().grdAlarm);
        if (db.intGetAlarm(alarms) != 0)
            return;
        ItemModelList toneOnIdleList(*toneOnIdle->model());
        if (db.intGetKeytoneFrequency(toneOnIdleList) != 0)
            return;
        keytones->setCurrentIndex(0);
        toneOnIdle->setCurrentIndex(0);
        intVersionSet();
    };
    load();
    SSTab1_Click();
}

void frmOrvViewTR::enableEditionEntries() { menuEntry(QStringLiteral("MNUFACTORYWRITE"))->setEnabled(true); }

int16_t frmOrvViewTR::showOpened()
{
    if (intShowDocument() != 0)
        return -1;
    joinHost();
    return 0;
}

void frmOrvViewTR::SSTab1_Click()
{
    const int tab = SSTab1->currentIndex();
    if (tab < kGeneral || tab > kAdvanced)
        return;
    const auto enable = [](std::initializer_list<QWidget*> controls, bool on) {
        for (QWidget* c : controls)
            c->setEnabled(on);
    };
    const TRGeneralTab& g = general();
    const TRFunctionTonesTab& f = functionTones();
    const TRAlarmTab& a = alarm();
    const TRVotingTab& v = voting();
    const TRAdvancedTab& d = advanced();
    enable({g.fraGen1, g.frmPowerOnMode, g.fraGen2}, tab == kGeneral);
    enable({f.grdFnTone, f.Frame1, f.fraKeytoneFrequency, f.cmdEditFTones, f.chkGridView}, tab == kFunctionTones);
    enable({a.fraAla2, a.cmdAlarmEdit}, tab == kAlarm);
    enable({v.fraAdv1, v.fraAdv2}, tab == kVoting);
    enable({d.fraAdvanced1, d.fraAdvanced2, d.fraAdvanced3, d.Frame2}, tab == kAdvanced);
}

int16_t frmOrvViewTR::intAlarmSelRow(int32_t which) const { return selectedRowBound(*alarm().grdAlarm, which); }

int16_t frmOrvViewTR::intFnToneSelRow(int32_t which) const
{
    return selectedRowBound(*functionTones().grdFnTone, which);
}

int16_t frmOrvViewTR::intShowSystem()
{
    COrvDocTR& doc = document();
    setWindowTitle(doctext::caption(basVelmar::strShownText(doc.strModuleUsed), doc.strSerial));
    return 0;
}

int16_t frmOrvViewTR::intShowDocument()
{
    return basVelmar::trapped([&]() -> int16_t {
        platform::DoEvents();
        intShowSystem();
        if (general().intShowGeneral() != 0 || functionTones().intShowFunctionTone() != 0 || alarm().intShowAlarm() != 0
            || voting().intShowVoting() != 0 || advanced().ShowAdvanced() != 0)
            return -1;
        document().fModified = false;
        platform::DoEvents();
        // Whatever module the rack had linked goes free; without an open port there is none.
        if (platform::CommPort::instance().portOpen()) {
            CLASSUNLINK::instance().intExecute();
            CLASSUNLINK::instance().intExecute();
        }
        return 0;
    });
}

int16_t frmOrvViewTR::intEditConsistentCheckSystem() { return 0; }

int16_t frmOrvViewTR::intEditApplySystem()
{
    return basVelmar::trapped([&]() -> int16_t {
        intEditConsistentCheckSystem();
        document().strUserRemark = general().txtUserRemark->text();
        if (general().intEditApplyGeneral() != 0 || functionTones().iEditApplyFunctionTone() != 0
            || alarm().intEditApplyAlarm() != 0 || voting().iEditApplyVoting() != 0
            || advanced().iEditApplyAdvanced() != 0)
            return -1;
        return 0;
    });
}
