// The radio-module window's menu bar. While the window is the active one its menus stand in the
// main window's menu bar; the entries it shares with the main window run the host's commands.
#include "radioview/frmOrvView.h"

#include "docwindow/MenuBuilder.h"
#include "docwindow/DocumentTexts.h"
#include "shell/Globals.h"

#include <QAction>
#include <QMenu>

void frmOrvView::buildMenus()
{
    MenuBuilder b(this);
    b.menu(QStringLiteral("MNUFILE"), QStringLiteral("&File"));
    b.shared(HostCommand::New);
    b.shared(HostCommand::Open);
    b.shared(HostCommand::OpenFile);
    b.shared(HostCommand::OpenEpromFile, {.caption = QStringLiteral("Ope&n Eprom File")});
    b.separator();
    b.own(QStringLiteral("MNUCLOSE"), doctext::kClose, this, &frmOrvView::MNUCLOSE_Click);
    b.own(QStringLiteral("mnuSave"), doctext::kSave, this, &frmOrvView::mnuSave_Click,
          QKeySequence(Qt::CTRL | Qt::Key_S));
    b.own(QStringLiteral("MNUARCHIVESAVE"), QStringLiteral("Sa&ve File"), this, &frmOrvView::MNUARCHIVESAVE_Click);
    b.own(QStringLiteral("MNUSAVEEPROM"), QStringLiteral("Save &EPROM file"), this, &frmOrvView::MNUSAVEEPROM_Click);
    b.separator();
    b.submenu(QStringLiteral("MNUDATABASE"), QStringLiteral("&Database"));
    b.shared(HostCommand::CustomModels);
    b.shared(HostCommand::ModuleManagement);
    b.shared(HostCommand::ImportStandardModels);
    b.shared(HostCommand::ImportUserModels);
    b.endSubmenu();
    b.shared(HostCommand::Preferences);
    b.separator();
    b.own(QStringLiteral("mnuPrint"), QStringLiteral("&Print"), this, &frmOrvView::mnuPrint_Click);
    b.separator();
    // Exit closes this window first; a window the user keeps keeps the program running.
    b.shared(HostCommand::Exit, [this] { return closeWindow(); });

    b.menu(QStringLiteral("MNUVIEW"), QStringLiteral("&View"));
    b.toolBar(QStringLiteral("&Tool bar"))->setChecked(basVelmar::gToolbarVisible);

    b.menu(QStringLiteral("MNUCOMMUNICATION"), QStringLiteral("Co&mmunication"));
    b.shared(HostCommand::ReadRack, {.caption = QStringLiteral("&Read Rack ")});
    b.shared(HostCommand::ReadModule);
    b.own(QStringLiteral("LinkModule"), QStringLiteral("&Locate in Rack"), this, &frmOrvView::LinkModule_Click,
          QKeySequence(Qt::Key_F9));
    b.own(QStringLiteral("MNUWRITEMODULE"), QStringLiteral("&Write Module"), this, &frmOrvView::MNUWRITEMODULE_Click);

    b.menu(QStringLiteral("MNUWINDOW"), QStringLiteral("&Window"));
    b.shared(HostCommand::Cascade);

    b.menu(QStringLiteral("MNUHELP"), QStringLiteral("&Help"));
    b.shared(HostCommand::HelpContents);
    b.shared(HostCommand::HelpSearch);
    b.separator();
    b.shared(HostCommand::About);
    menus_ = b.menus();
}

QList<QMenu*> frmOrvView::documentMenus()
{
    // The host asks for the menus each time the window becomes the active one.
    menuEntry(QStringLiteral("MNUTOOLBAR"))->setChecked(basVelmar::gToolbarVisible);
    return menus_;
}

void frmOrvView::MNUEXIT_Click() { menuEntry(QStringLiteral("MNUEXIT"))->trigger(); }

void frmOrvView::MNUSAVEEPROM_Click() { intCommandSaveEprom(); }
