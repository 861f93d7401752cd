// The tone-remote window's menu bar and buttons. While the window is the active one its menus
// stand in the main window's menu bar; the entries it shares with the main window run the host's
// commands.
#include "toneremoteview/frmOrvViewTR.h"

#include "docwindow/DocumentTexts.h"
#include "docwindow/MenuBuilder.h"
#include "shell/Globals.h"

#include <QAction>
#include <QMenu>

void frmOrvViewTR::buildMenus()
{
    MenuBuilder b(this);
    b.menu(QStringLiteral("MNUFILE"), QStringLiteral("&File"));
    b.shared(HostCommand::New);
    b.shared(HostCommand::Open);
    b.shared(HostCommand::OpenFile);
    b.shared(HostCommand::OpenEpromFile);
    b.own(QStringLiteral("MNUCLOSE"), doctext::kClose, this, &frmOrvViewTR::MNUCLOSE_Click);
    b.separator(QStringLiteral("MNUSEPERATE2"));
    b.own(QStringLiteral("MNUSAVE"), doctext::kSave, this, &frmOrvViewTR::mnuSave_Click,
          QKeySequence(Qt::CTRL | Qt::Key_S));
    b.own(QStringLiteral("MNUARCHIVESAVE"), QStringLiteral("Sa&ve File"), this, &frmOrvViewTR::MNUARCHIVESAVE_Click);
    b.separator(QStringLiteral("MNUSEPERATE1"));
    b.submenu(QStringLiteral("MNUDATABASE"), QStringLiteral("&Database"));
    b.shared(HostCommand::CustomModels);
    b.shared(HostCommand::ModuleManagement, {.name = QStringLiteral("MNUMODULEMANAGEMENT")});
    b.shared(HostCommand::ImportStandardModels);
    b.shared(HostCommand::ImportUserModels);
    b.endSubmenu();
    b.shared(HostCommand::Preferences,
             {.name = QStringLiteral("MNUREFERENCE"), .caption = QStringLiteral("P&references")});
    b.separator(QStringLiteral("MNUSEPARETE1"));
    b.own(QStringLiteral("MNUPRINT"), QStringLiteral("&Print"), this, &frmOrvViewTR::mnuPrint_Click);
    b.separator(QStringLiteral("MNUSEPARETE2"));
    // Exit closes this window first; a window the user keeps keeps the program running.
    b.shared(HostCommand::Exit, [this] { return closeWindow(); });

    b.menu(QStringLiteral("MNUVIEW"), QStringLiteral("&View"));
    b.toolBar()->setChecked(basVelmar::gToolbarVisible);

    b.menu(QStringLiteral("MNUCOMMUNICATION"), QStringLiteral("&Communication"));
    b.shared(HostCommand::ReadRack);
    b.shared(HostCommand::ReadModule, {.caption = QStringLiteral("Read Module")});
    b.separator(QStringLiteral("MNUSEPERARE2"));
    b.own(QStringLiteral("MNUWRITEMODULE"), QStringLiteral("Write Module"), this, &frmOrvViewTR::MNUWRITEMODULE_Click);
    // The two service entries are not shown (nor are their shortcuts live): their hot keys reach them.
    b.own(QStringLiteral("MNUMEMORYMAP"), QStringLiteral("Memory Map"), this, &frmOrvViewTR::MNUMEMORYMAP_Click,
          QKeySequence(Qt::CTRL | Qt::Key_M))
        ->setVisible(false);
    b.own(QStringLiteral("MNUFACTORYWRITE"), QStringLiteral("Factory Write"), this,
          &frmOrvViewTR::MNUFACTORYWRITE_Click, QKeySequence(Qt::CTRL | Qt::Key_F))
        ->setVisible(false);

    b.menu(QStringLiteral("MNUWINDOW"), QStringLiteral("Window"));
    b.shared(HostCommand::Cascade, {.caption = QStringLiteral("Cascade")});

    b.menu(QStringLiteral("MNUHELP"), QStringLiteral("Help"));
    b.shared(HostCommand::HelpContents, {.caption = QStringLiteral("Contents")});
    b.shared(HostCommand::HelpSearch, {.caption = QStringLiteral("Search")});
    b.separator(QStringLiteral("MNUSEPARETE"));
    b.shared(HostCommand::About, {.caption = QStringLiteral("About")});
    menus_ = b.menus();
}

QList<QMenu*> frmOrvViewTR::documentMenus()
{
    // The host asks for the menus each time the window becomes the active one: the window's
    // activation puts the current tab's enabling and the Tool Bar tick in place again.
    SSTab1_Click();
    menuEntry(QStringLiteral("MNUTOOLBAR"))->setChecked(basVelmar::gToolbarVisible);
    return menus_;
}

void frmOrvViewTR::MNUMEMORYMAP_Click() { showMemoryMap(); }
void frmOrvViewTR::MNUFACTORYWRITE_Click() { intCommandFactoryWrite(); }

void frmOrvViewTR::cmdShow_Click() { showMemoryMap(); }
