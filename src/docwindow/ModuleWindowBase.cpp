#include "docwindow/ModuleWindowBase.h"

#include "link/TransferGuard.h"
#include "docwindow/DocumentClosing.h"
#include "docwindow/DocumentHost.h"
#include "docwindow/DocumentTexts.h"
#include "docwindow/WindowTransfer.h"
#include "db/ModuleKind.h"
#include "db/PageImage.h"
#include "platform/BusyCursor.h"
#include "platform/DoEvents.h"
#include "platform/FileDialogs.h"
#include "platform/MsgBox.h"
#include "platform/ui/KeyPreview.h"
#include "shell/Globals.h"
#include "shell/FailureTrap.h"
#include "shell/PrintJob.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QPagedPaintDevice>
#include <QShortcut>

ModuleWindowBase::ModuleWindowBase(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_DeleteOnClose, false); }

// A window that goes without its close step (the program ends) still leaves the count.
ModuleWindowBase::~ModuleWindowBase() { leaveHost(); }

IDocumentHost* ModuleWindowBase::hostToJoin() const { return IDocumentHost::current(); }

void ModuleWindowBase::joinHost()
{
    if (count_ != Count::NotJoined)
        return;
    IDocumentHost* host = hostToJoin();
    if (!host) {
        show();
        return;
    }
    count_ = Count::Counted;
    host->addDocumentWindow(this);
    host->documentWindowOpened();
}

void ModuleWindowBase::leaveHost()
{
    if (count_ != Count::Counted)
        return;
    count_ = Count::Left;
    if (IDocumentHost* host = IDocumentHost::current())
        host->documentWindowClosed();
}

bool ModuleWindowBase::closeWindow()
{
    closeDocumentWindow(*this);
    return closed_;
}

void ModuleWindowBase::closeEvent(QCloseEvent* event)
{
    if (closed_) {
        event->accept();
        return;
    }
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    closed_ = true;
    event->accept();
    leaveHost();
}

bool ModuleWindowBase::Form_QueryUnload()
{
    if (transferRunning_)
        return false;
    if (!hasUnsavedChanges())
        return true;
    return askToSaveChanges([this] { return applyEntries(); },
                            [this](QString& where) -> int16_t {
                                if (!documentOfOwnKind())
                                    return -1;
                                WindowTransfer transfer(*this, transferRunning_);
                                if (!transfer.acquired())
                                    return -1;
                                return storeWhereFrom(where);
                            },
                            *this);
}

QAction* ModuleWindowBase::menuEntry(const QString& name) const { return findChild<QAction*>(name); }

void ModuleWindowBase::installHotKeys(QAbstractButton* close, const std::function<bool(int, int)>& isChord)
{
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(esc, &QShortcut::activated, close, &QAbstractButton::click);
    platform::installKeyPreview(this, isChord, [this](int KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); });
}

int16_t ModuleWindowBase::intVersionSet()
{
    if (basVelmar::gEdition == 0)
        menuEntry(QStringLiteral("MNUNEW"))->setEnabled(true);
    enableEditionEntries();
    if (IDocumentHost* host = IDocumentHost::current())
        host->intVersionSet();
    return 0;
}

int16_t ModuleWindowBase::runOpener(const std::function<int16_t()>& read, const std::function<int16_t()>& show)
{
    return basVelmar::trapped([&]() -> int16_t {
        platform::BusyCursor busy;
        platform::DoEvents();
        if (read() != 0)
            return -1;
        platform::DoEvents();
        return show();
    });
}

int16_t ModuleWindowBase::readFromRack(const QString& serial, const NoAnswerBox& noAnswer)
{
    int16_t status = -1;
    {
        WindowTransfer transfer(*this, transferRunning_);
        if (!transfer.acquired())
            return -1;
        status = readModule(serial);
    }
    if (status != 0) {
        platform::MsgBox(noAnswer.prompt, noAnswer.style, noAnswer.title);
        return -1;
    }
    return 0;
}

bool ModuleWindowBase::documentOfOwnKind()
{
    const CPageImage& document = *getDocument();
    if (modulekind::holdsOwnKind(document))
        return true;
    platform::MsgBox(QStringLiteral("Page 2 of this module has the configuration byte %1, which is not that of %2: "
                                    "the module was not saved.")
                         .arg(modulekind::configurationText(modulekind::configurationByte(document)),
                              QLatin1String(modulekind::of(document).modules)),
                     platform::vbOKOnly | platform::vbExclamation);
    return false;
}

std::optional<QString> ModuleWindowBase::askSavePath(const QString& filter, const QStringList& endings)
{
    platform::FileDialogRequest request;
    request.kind = platform::FileDialogRequest::Save;
    request.filter = filter;
    request.filterIndex = 1;
    request.endings = endings;
    return platform::ShowFileDialog(request);
}

int16_t ModuleWindowBase::intCommandSave()
{
    return basVelmar::trapped([&]() -> int16_t {
        platform::BusyCursor busy;
        if (applyEntries() != 0 || !documentOfOwnKind())
            return -1;
        return storeInDatabase();
    });
}

int16_t ModuleWindowBase::CommandWrite()
{
    return basVelmar::trapped([&]() -> int16_t {
        platform::BusyCursor busy;
        WindowTransfer transfer(*this, transferRunning_);
        if (!transfer.acquired() || applyEntries() != 0)
            return -1;
        if (writeToModule() != 0) {
            TransferGuard::message(doctext::kModuleNotFound, platform::vbOKOnly | platform::vbCritical);
            return -1;
        }
        return 0;
    });
}

int16_t ModuleWindowBase::intCommandPrint()
{
    return basVelmar::trapped([&]() -> int16_t {
        if (applyEntries() != 0)
            return -1;
        std::unique_ptr<QPagedPaintDevice> printer = platform::ShowPrinter();
        if (!printer)
            return -1;
        platform::BusyCursor busy;
        PrintJob job(std::move(printer));
        return printDocument(job);
    });
}

int16_t ModuleWindowBase::intCommandArchiveSave()
{
    return basVelmar::trapped([&]() -> int16_t {
        platform::BusyCursor busy;
        if (applyEntries() != 0 || !documentOfOwnKind())
            return -1;
        const std::optional<QString> path = askSavePath(archiveFilter(), {QStringLiteral(".mcf")});
        if (!path)
            return -1;
        // The name keeps its case: the file system tells names apart by it.
        return saveArchive(*path);
    });
}

void ModuleWindowBase::cmdQuit_Click() { closeWindow(); }
void ModuleWindowBase::cmdSaveToDB_Click() { intCommandSave(); }
void ModuleWindowBase::cmdWriteToRack_Click() { CommandWrite(); }
void ModuleWindowBase::MNUCLOSE_Click() { closeWindow(); }
void ModuleWindowBase::mnuSave_Click() { intCommandSave(); }
void ModuleWindowBase::MNUARCHIVESAVE_Click() { intCommandArchiveSave(); }
void ModuleWindowBase::mnuPrint_Click() { intCommandPrint(); }
void ModuleWindowBase::MNUWRITEMODULE_Click() { CommandWrite(); }
