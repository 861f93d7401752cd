#include "app/frmMain.h"

#include "db/CBROWSER.h"
#include "db/LookupTables.h"
#include "link/LinkCommands.h"
#include "platform/CommPort.h"
#include "platform/Help.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/ProgramFolder.h"
#include "platform/Progress.h"
#include "shell/FailureTrap.h"
#include "shell/Globals.h"
#include "shell/HelpTopics.h"
#include "shell/IniAccess.h"
#include "docwindow/DocumentWindow.h"
#include "docwindow/MenuBuilder.h"
#include "docwindow/NotInThisVersion.h"
#include "app/FileOpenCommands.h"
#include "docwindow/WindowRegistry.h"
#include "app/frmAbout.h"
#include "app/frmReference.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include <limits>

using namespace platform;

namespace {

frmMain* g_instance = nullptr;

// Screen pixels for a length in twips at the screen's resolution.
int twipsToPixels(int twips) { return twips * 96 / 1440; }

struct ToolButton {
    const char* description;
    const char* icon;
};
constexpr ToolButton kButtons[] = {
    {"New", ":/icons/new.xpm"},           {"Open", ":/icons/open.xpm"},
    {"Save", ":/icons/save.xpm"},         {"Print", ":/icons/print.xpm"},
    {nullptr, nullptr},                   {"Poll", ":/icons/poll.xpm"},
    {"Read Module", ":/icons/readmodule.xpm"}, {"Write Module", ":/icons/writemodule.xpm"},
};

} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent)
{
    Q_INIT_RESOURCE(velmar);
    g_instance = this;
    IDocumentHost::setCurrent(this);
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kDesignCaption);
    setWindowIcon(QIcon(QStringLiteral(":/icons/velmar.xpm")));
    resize(800, 600);
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdi_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &frmMain::onSubWindowActivated);
    buildMenus();
    buildToolbar();
    buildStatusStrip();
    connect(&Progress::instance(), &Progress::changed, this, &frmMain::showProgress);
    showProgress();
}

frmMain::~frmMain()
{
    // The document windows go with the MDI area after this object has gone: their activation
    // signals must not reach it.
    disconnect(mdi_, nullptr, this, nullptr);
    if (g_instance == this)
        g_instance = nullptr;
    if (IDocumentHost::current() == this)
        IDocumentHost::setCurrent(nullptr);
}

frmMain* frmMain::instance() { return g_instance; }

void frmMain::buildMenus()
{
    MenuBuilder b(this);
    b.menu(QStringLiteral("MNUFILE"), QStringLiteral("&File"));
    b.shared(HostCommand::New, {.shortcut = QKeySequence(Qt::CTRL | Qt::Key_N)});
    b.shared(HostCommand::Open, {.shortcut = QKeySequence(Qt::CTRL | Qt::Key_O)});
    b.shared(HostCommand::OpenFile, {.caption = QStringLiteral("Ope&n File")});
    b.shared(HostCommand::OpenEpromFile, {.caption = QStringLiteral("O&pen EPROM File")});
    b.separator(QStringLiteral("MNUSEPERATE2"));
    // The document commands are the document windows' own; here they stand disabled.
    b.own(QStringLiteral("mnuSave"), QStringLiteral("&Save"), nullptr, QKeySequence(Qt::CTRL | Qt::Key_S))
        ->setEnabled(false);
    b.own(QStringLiteral("mnuSaveFile"), QStringLiteral("Sa&ve File"), nullptr)->setEnabled(false);
    b.own(QStringLiteral("mnuSaEprFile"), QStringLiteral("Save &EPROM File"), nullptr)->setEnabled(false);
    b.separator(QStringLiteral("mnuSep"));
    b.submenu(QStringLiteral("MNUDATABASE"), QStringLiteral("&Database"));
    b.shared(HostCommand::CustomModels, {.name = QStringLiteral("MNUCUSTOM")});
    b.shared(HostCommand::ModuleManagement);
    b.shared(HostCommand::ImportStandardModels);
    b.shared(HostCommand::ImportUserModels);
    b.endSubmenu();
    b.shared(HostCommand::Preferences);
    b.separator(QStringLiteral("MNUSEP1"));
    b.own(QStringLiteral("mnuPrint"), QStringLiteral("&Print"), nullptr)->setEnabled(false);
    b.separator(QStringLiteral("mnuSeparate"));
    b.shared(HostCommand::Exit);

    b.menu(QStringLiteral("MNUVIEW"), QStringLiteral("&View"));
    mnuToolbar_ = b.toolBar();

    b.menu(QStringLiteral("MNUCOMMUNICATION"), QStringLiteral("&Communication"));
    b.shared(HostCommand::ReadRack);
    b.shared(HostCommand::ReadModule);
    b.own(QStringLiteral("mnuWrite"), QStringLiteral("&Write Module"), nullptr)->setEnabled(false);

    b.menu(QStringLiteral("MNUHELP"), QStringLiteral("&Help"));
    b.shared(HostCommand::HelpContents);
    b.shared(HostCommand::HelpSearch);
    b.separator(QStringLiteral("MNUSEP2"));
    b.shared(HostCommand::About);

    mainMenus_ = b.menus();
    showMenus(mainMenus_);
}

void frmMain::showMenus(const QList<QMenu*>& menus)
{
    menuBar()->clear();
    for (QMenu* m : menus)
        menuBar()->addMenu(m);
}

void frmMain::buildToolbar()
{
    toolbar_ = addToolBar(QStringLiteral("ToolbarMain"));
    toolbar_->setObjectName(QStringLiteral("ToolbarMain"));
    toolbar_->setMovable(false);
    for (const ToolButton& b : kButtons) {
        if (!b.description) {
            buttons_ << toolbar_->addSeparator();
            continue;
        }
        const QString description = QString::fromLatin1(b.description);
        QAction* a = toolbar_->addAction(QIcon(QString::fromLatin1(b.icon)), description);
        a->setObjectName(QStringLiteral("Button") + QString(description).remove(QLatin1Char(' ')));
        a->setToolTip(description);
        connect(a, &QAction::triggered, this, [this, description] { ToolbarMain_ButtonClick(description); });
        buttons_ << a;
    }
    for (int i : {3, 4, 8})
        toolbarButton(i)->setEnabled(false);
}

void frmMain::buildStatusStrip()
{
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("statusbarMain"));
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(2, 1, 2, 1);
    labelProgress_ = new QLabel(QStringLiteral("Processing..."), strip);
    labelProgress_->setObjectName(QStringLiteral("LabelProgress"));
    labelProgress_->setMinimumWidth(twipsToPixels(1365));
    progressBackground_ = new QFrame(strip);
    progressBackground_->setObjectName(QStringLiteral("shapeProgressBackground"));
    progressBackground_->setFrameShape(QFrame::Panel);
    progressBackground_->setFrameShadow(QFrame::Sunken);
    progressBackground_->setFixedSize(twipsToPixels(2040), twipsToPixels(255));
    progressBar_ = new QFrame(progressBackground_);
    progressBar_->setObjectName(QStringLiteral("shapeProgress"));
    progressBar_->setAutoFillBackground(true);
    QPalette pal = progressBar_->palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 128));
    progressBar_->setPalette(pal);
    layout->addWidget(labelProgress_);
    layout->addWidget(progressBackground_);
    layout->addStretch(1);
    statusBar()->addWidget(strip, 1);
    statusBar()->setSizeGripEnabled(true);
}

void frmMain::showProgress()
{
    const Progress& p = Progress::instance();
    labelProgress_->setText(p.caption());
    labelProgress_->setVisible(p.labelVisible());
    progressBackground_->setVisible(p.frameVisible());
    const int inner = progressBackground_->width() - 4;
    progressBar_->setGeometry(2, 2, std::max(1, inner * p.width() / Progress::kFull), progressBackground_->height() - 4);
    progressBar_->setVisible(p.barVisible());
}

QAction* frmMain::toolbarButton(int index) const
{
    return index >= 1 && index <= buttons_.size() ? buttons_[index - 1] : nullptr;
}

void frmMain::MDIForm_Load()
{
    // A failure in any step is shown and skips the remaining steps.
    basVelmar::trapped([this]() -> int16_t {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect avail = screen->availableGeometry();
            resize(openingSize(avail));
            move(avail.left() + (avail.width() - width()) / 2, avail.top() + (avail.height() - height()) / 2);
        }
        setToolbarVisible(true);
        Progress::instance().reset();
        basVelmar::gChannelNumberOption = 1;
        basVelmar::gUnlinkOnViewClose = false;
        basVelmar::gDatabasePath = programFile(QStringLiteral("velmar.mdb"));
        OpenPort();
        intVersionSet();
        basVelmar::LoadLookupTables();
        basVelmar::gHelpFile = programFile(QStringLiteral("velmar.hlp"));
        return 0;
    });
}

QSize frmMain::openingSize(const QRect& available)
{
    // Fifteen sixteenths of the free area, but no smaller than the window was designed at.
    const QSize most = available.size() * 15 / 16;
    return most.expandedTo(QSize(800, 600)).boundedTo(available.size());
}

int16_t frmMain::intVersionSet()
{
    if (basVelmar::gEdition == 0) {
        findChild<QAction*>(QStringLiteral("MNUNEW"))->setEnabled(true);
        toolbarButton(1)->setEnabled(true);
    }
    return 0;
}

int16_t frmMain::OpenPort()
{
    try {
        const long n = basVelmar::GetIniInt(QStringLiteral("Comms"), QStringLiteral("PortNumber"), 1, basVelmar::iniPath());
        if (n < std::numeric_limits<int16_t>::min() || n > std::numeric_limits<int16_t>::max())
            throw platform::Error(6, QStringLiteral("Overflow"));
        basVelmar::gPortNumber = static_cast<int16_t>(n);
        CommPort& port = CommPort::instance();
        if (!port.portOpen()) {
            port.setCommPort(basVelmar::gPortNumber);
            port.setSettings(QStringLiteral("9600,n,8,1"));
            port.setPortOpen(true);
        }
        return 0;
    } catch (const platform::Error& e) {
        MsgBox(e.description(), vbOKOnly);
        return -1;
    }
}

int16_t frmMain::ShowHelpContent()
{
    MNUCONTENTS_Click();
    return 0;
}

int16_t frmMain::ShowHelpSearch()
{
    MNUSEARCH_Click();
    return 0;
}

QString frmMain::helpFile() const { return basVelmar::gHelpFile; }
void frmMain::setHelpFile(const QString& path) { basVelmar::gHelpFile = path; }

void frmMain::MNUCONTENTS_Click() { basVelmar::ShowHelp(this, HELP_TAB, windowTitle()); }
void frmMain::MNUSEARCH_Click() { basVelmar::ShowHelp(this, HELP_PARTIALKEY, windowTitle()); }

void frmMain::showDialog(const QString& name, const QString& what)
{
    if (!WindowRegistry::showDialog(name, this))
        intNotInThisVersion(what);
}

void frmMain::MNUNEW_Click() { showDialog(WindowRegistry::kNewModule, QStringLiteral("create new modules")); }
void frmMain::MNUOPEN_Click() { showDialog(WindowRegistry::kConnectDB, QStringLiteral("open stored modules")); }
void frmMain::MNUCUSTOM_Click() { showDialog(WindowRegistry::kUserDatabase, QStringLiteral("edit custom models")); }
void frmMain::MNUMODULEMANAGE_Click()
{
    showDialog(WindowRegistry::kModuleManagement, QStringLiteral("manage the stored modules"));
}
void frmMain::MNUREADMODULE_Click() { showDialog(WindowRegistry::kReadModule, QStringLiteral("read modules")); }

void frmMain::MNUARCHIVEOPEN_Click() { basVelmar::intOpenArchiveFile(); }
void frmMain::MNUIMPORT_Click() { basVelmar::intOpenEPROMFile(); }
void frmMain::MNUUPDATESTANDARD_Click() { basVelmar::intImportModelsDB(1); }
void frmMain::MNUUPDATEUSER_Click() { basVelmar::intImportModelsDB(2); }

void frmMain::MNUREADRACK_Click()
{
    // A port that cannot be opened has said why; the rack was never asked.
    if (intOpenLine() != 0)
        return;
    if (CBROWSER::instance().intUpdateCollectRack() != 0) {
        MsgBox(QStringLiteral("No response from rack. Please check connection."), vbExclamation,
               QStringLiteral("Read Module"));
        return;
    }
    WindowRegistry::showDialog(WindowRegistry::kReadRack, this);
}

void frmMain::MNUREFERENCES_Click()
{
    frmReference dlg(this);
    dlg.exec();
}

void frmMain::MNUABOUT_Click()
{
    frmAbout dlg(this);
    dlg.exec();
}

void frmMain::MNUEXIT_Click() { close(); }

void frmMain::runCommand(HostCommand command)
{
    switch (command) {
    case HostCommand::New: MNUNEW_Click(); break;
    case HostCommand::Open: MNUOPEN_Click(); break;
    case HostCommand::OpenFile: MNUARCHIVEOPEN_Click(); break;
    case HostCommand::OpenEpromFile: MNUIMPORT_Click(); break;
    case HostCommand::CustomModels: MNUCUSTOM_Click(); break;
    case HostCommand::ModuleManagement: MNUMODULEMANAGE_Click(); break;
    case HostCommand::ImportStandardModels: MNUUPDATESTANDARD_Click(); break;
    case HostCommand::ImportUserModels: MNUUPDATEUSER_Click(); break;
    case HostCommand::Preferences: MNUREFERENCES_Click(); break;
    case HostCommand::Exit: MNUEXIT_Click(); break;
    case HostCommand::ReadRack: MNUREADRACK_Click(); break;
    case HostCommand::ReadModule: MNUREADMODULE_Click(); break;
    case HostCommand::Cascade: mdi_->cascadeSubWindows(); break;
    case HostCommand::HelpContents: ShowHelpContent(); break;
    case HostCommand::HelpSearch: ShowHelpSearch(); break;
    case HostCommand::About: MNUABOUT_Click(); break;
    }
}

void frmMain::MNUTOOLBAR_Click() { setToolbarVisible(!mnuToolbar_->isChecked()); }

void frmMain::setToolbarVisible(bool visible)
{
    mnuToolbar_->setChecked(visible);
    toolbar_->setVisible(visible);
    basVelmar::gToolbarVisible = visible;
}

void frmMain::ToolbarMain_ButtonClick(const QString& description)
{
    if (description == QLatin1String("New")) {
        MNUNEW_Click();
    } else if (description == QLatin1String("Open")) {
        MNUOPEN_Click();
    } else if (description == QLatin1String("Save")) {
        if (IDocumentWindow* w = activeDocumentWindow())
            w->intCommandSave();
    } else if (description == QLatin1String("Print")) {
        if (IDocumentWindow* w = activeDocumentWindow())
            w->intCommandPrint();
    } else if (description == QLatin1String("Poll")) {
        MNUREADRACK_Click();
    } else if (description == QLatin1String("Read Module")) {
        MNUREADMODULE_Click();
    } else if (description == QLatin1String("Write Module")) {
        if (IDocumentWindow* w = activeDocumentWindow())
            w->CommandWrite();
    } else {
        MsgBox(QStringLiteral("Error: Invalid Toolbar Selection"), vbCritical, QStringLiteral("Error"));
    }
}

void frmMain::addDocumentWindow(IDocumentWindow* window)
{
    QWidget* w = window->widget();
    QMdiSubWindow* sub = mdi_->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(w->windowIcon());
    sub->show();
    mdi_->setActiveSubWindow(sub);
}

IDocumentWindow* frmMain::activeDocumentWindow() const
{
    QMdiSubWindow* sub = mdi_->currentSubWindow();
    return sub ? dynamic_cast<IDocumentWindow*>(sub->widget()) : nullptr;
}

QList<IDocumentWindow*> frmMain::documentWindows() const
{
    QList<IDocumentWindow*> out;
    for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (auto* w = dynamic_cast<IDocumentWindow*>(sub->widget()))
            out << w;
    return out;
}

void frmMain::documentWindowOpened()
{
    ++basVelmar::gOpenViewCount;
    updateDocumentButtons();
}

void frmMain::documentWindowClosed()
{
    if (basVelmar::gOpenViewCount > 0)
        --basVelmar::gOpenViewCount;
    updateDocumentButtons();
}

void frmMain::updateDocumentButtons()
{
    const bool any = basVelmar::gOpenViewCount > 0;
    IDocumentWindow* active = activeDocumentWindow();
    toolbarButton(3)->setEnabled(any && (!active || active->canSave()));
    toolbarButton(4)->setEnabled(any);
    toolbarButton(8)->setEnabled(any && (!active || active->canWrite()));
}

void frmMain::refreshForActiveWindow() { onSubWindowActivated(mdi_->currentSubWindow()); }

void frmMain::onSubWindowActivated(QMdiSubWindow* sub)
{
    auto* w = sub ? dynamic_cast<IDocumentWindow*>(sub->widget()) : nullptr;
    const QList<QMenu*> menus = w ? w->documentMenus() : QList<QMenu*>{};
    showMenus(menus.isEmpty() ? mainMenus_ : menus);
    updateDocumentButtons();
}

void frmMain::sendUnlinks()
{
    // Release whatever module is still linked; with no port open there is nothing to release.
    if (!CommPort::instance().portOpen())
        return;
    CLASSUNLINK::instance().intExecute();
    CLASSUNLINK::instance().intExecute();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // The document windows go first; any of them may keep the program running.
    mdi_->closeAllSubWindows();
    if (!mdi_->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    sendUnlinks();
    CommPort& port = CommPort::instance();
    if (port.portOpen())
        port.setPortOpen(false);
    event->accept();
    Q_EMIT shutDown();
}
