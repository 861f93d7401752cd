#include "app/frmMain.h"

#include "db/CBROWSER.h"
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
#include "shell/LookupTables.h"
#include "docwindow/DocumentWindow.h"
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

QAction* frmMain::addEntry(QMenu* menu, const QString& caption, const QString& objectName, void (frmMain::*handler)(),
                           const QKeySequence& shortcut)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(objectName);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    if (handler)
        connect(a, &QAction::triggered, this, handler);
    return a;
}

void frmMain::buildMenus()
{
    auto separator = [](QMenu* m, const QString& name) { m->addSeparator()->setObjectName(name); };

    auto* file = new QMenu(QStringLiteral("&File"), this);
    file->setObjectName(QStringLiteral("MNUFILE"));
    addEntry(file, QStringLiteral("&New"), QStringLiteral("MNUNEW"), &frmMain::MNUNEW_Click, QKeySequence(Qt::CTRL | Qt::Key_N));
    addEntry(file, QStringLiteral("&Open"), QStringLiteral("MNUOPEN"), &frmMain::MNUOPEN_Click, QKeySequence(Qt::CTRL | Qt::Key_O));
    addEntry(file, QStringLiteral("Ope&n File"), QStringLiteral("MNUARCHIVEOPEN"), &frmMain::MNUARCHIVEOPEN_Click);
    addEntry(file, QStringLiteral("O&pen EPROM File"), QStringLiteral("MNUIMPORT"), &frmMain::MNUIMPORT_Click);
    separator(file, QStringLiteral("MNUSEPERATE2"));
    addEntry(file, QStringLiteral("&Save"), QStringLiteral("mnuSave"), nullptr, QKeySequence(Qt::CTRL | Qt::Key_S))->setEnabled(false);
    addEntry(file, QStringLiteral("Sa&ve File"), QStringLiteral("mnuSaveFile"), nullptr)->setEnabled(false);
    addEntry(file, QStringLiteral("Save &EPROM File"), QStringLiteral("mnuSaEprFile"), nullptr)->setEnabled(false);
    separator(file, QStringLiteral("mnuSep"));
    auto* db = file->addMenu(QStringLiteral("&Database"));
    db->setObjectName(QStringLiteral("MNUDATABASE"));
    addEntry(db, QStringLiteral("&Custom Models"), QStringLiteral("MNUCUSTOM"), &frmMain::MNUCUSTOM_Click);
    addEntry(db, QStringLiteral("&Module Management"), QStringLiteral("MNUMODULEMANAGE"), &frmMain::MNUMODULEMANAGE_Click);
    addEntry(db, QStringLiteral("Import &Standard Models"), QStringLiteral("MNUUPDATESTANDARD"), &frmMain::MNUUPDATESTANDARD_Click);
    addEntry(db, QStringLiteral("Import &User Models"), QStringLiteral("MNUUPDATEUSER"), &frmMain::MNUUPDATEUSER_Click);
    addEntry(file, QStringLiteral("P&references..."), QStringLiteral("MNUREFERENCES"), &frmMain::MNUREFERENCES_Click);
    separator(file, QStringLiteral("MNUSEP1"));
    addEntry(file, QStringLiteral("&Print"), QStringLiteral("mnuPrint"), nullptr)->setEnabled(false);
    separator(file, QStringLiteral("mnuSeparate"));
    addEntry(file, QStringLiteral("E&xit"), QStringLiteral("MNUEXIT"), &frmMain::MNUEXIT_Click);

    auto* view = new QMenu(QStringLiteral("&View"), this);
    view->setObjectName(QStringLiteral("MNUVIEW"));
    mnuToolbar_ = addEntry(view, QStringLiteral("&Tool Bar"), QStringLiteral("MNUTOOLBAR"), nullptr);
    mnuToolbar_->setCheckable(true);
    // The platform turns the check mark over before the click arrives.
    connect(mnuToolbar_, &QAction::triggered, this, [this](bool checked) { setToolbarVisible(checked); });

    auto* comm = new QMenu(QStringLiteral("&Communication"), this);
    comm->setObjectName(QStringLiteral("MNUCOMMUNICATION"));
    addEntry(comm, QStringLiteral("&Read Rack"), QStringLiteral("MNUREADRACK"), &frmMain::MNUREADRACK_Click, QKeySequence(Qt::Key_F4));
    addEntry(comm, QStringLiteral("Read &Module"), QStringLiteral("MNUREADMODULE"), &frmMain::MNUREADMODULE_Click, QKeySequence(Qt::Key_F5));
    addEntry(comm, QStringLiteral("&Write Module"), QStringLiteral("mnuWrite"), nullptr)->setEnabled(false);

    auto* help = new QMenu(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("MNUHELP"));
    addEntry(help, QStringLiteral("&Contents"), QStringLiteral("MNUCONTENTS"), &frmMain::MNUCONTENTS_Click);
    addEntry(help, QStringLiteral("&Search"), QStringLiteral("MNUSEARCH"), &frmMain::MNUSEARCH_Click);
    separator(help, QStringLiteral("MNUSEP2"));
    addEntry(help, QStringLiteral("&About"), QStringLiteral("MNUABOUT"), &frmMain::MNUABOUT_Click);

    mainMenus_ = {file, view, comm, help};
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
