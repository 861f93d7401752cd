// The radio-module window's menu bar. While the window is the active one its menus stand in the
// main window's menu bar; the entries that do what the main window's own entries do call those.
#include "radioview/frmOrvView.h"

#include "radioview/OrvViewCaptions.h"
#include "shell/Globals.h"
#include "app/frmMain.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>

void frmOrvView::buildMenus()
{
    auto entry = [this](QMenu* menu, const QString& name, const QString& caption, void (frmOrvView::*handler)(),
                        const QKeySequence& shortcut = {}) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        if (!shortcut.isEmpty())
            a->setShortcut(shortcut);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto menu = [this](const QString& name, const QString& caption) {
        auto* m = new QMenu(caption, this);
        m->setObjectName(name);
        menus_ << m;
        return m;
    };

    QMenu* file = menu(QStringLiteral("MNUFILE"), QStringLiteral("&File"));
    entry(file, QStringLiteral("MNUNEW"), QStringLiteral("&New"), &frmOrvView::MNUNEW_Click);
    entry(file, QStringLiteral("MNUOPEN"), QStringLiteral("&Open"), &frmOrvView::MNUOPEN_Click);
    entry(file, QStringLiteral("MNUARCHIVEOPEN"), QStringLiteral("O&pen File"), &frmOrvView::MNUARCHIVEOPEN_Click);
    entry(file, QStringLiteral("MNUIMPORT"), QStringLiteral("Ope&n Eprom File"), &frmOrvView::MNUIMPORT_Click);
    file->addSeparator();
    entry(file, QStringLiteral("MNUCLOSE"), orvview::kCloseCaption, &frmOrvView::MNUCLOSE_Click);
    entry(file, QStringLiteral("mnuSave"), orvview::kSaveCaption, &frmOrvView::mnuSave_Click, QKeySequence(Qt::CTRL | Qt::Key_S));
    entry(file, QStringLiteral("MNUARCHIVESAVE"), QStringLiteral("Sa&ve File"), &frmOrvView::MNUARCHIVESAVE_Click);
    entry(file, QStringLiteral("MNUSAVEEPROM"), QStringLiteral("Save &EPROM file"), &frmOrvView::MNUSAVEEPROM_Click);
    file->addSeparator();
    QMenu* database = file->addMenu(QStringLiteral("&Database"));
    database->setObjectName(QStringLiteral("MNUDATABASE"));
    entry(database, QStringLiteral("MNUCUSTOMTYPE"), QStringLiteral("&Custom Models"), &frmOrvView::MNUCUSTOMTYPE_Click);
    entry(database, QStringLiteral("MNUMODULEMANAGE"), QStringLiteral("&Module Management"), &frmOrvView::MNUMODULEMANAGE_Click);
    entry(database, QStringLiteral("MNUUPDATESTANDARD"), QStringLiteral("Import &Standard Models"),
          &frmOrvView::MNUUPDATESTANDARD_Click);
    entry(database, QStringLiteral("MNUUPDATEUSER"), QStringLiteral("Import &User Models"), &frmOrvView::MNUUPDATEUSER_Click);
    entry(file, QStringLiteral("MNUREFERENCES"), QStringLiteral("P&references..."), &frmOrvView::MNUREFERENCES_Click);
    file->addSeparator();
    entry(file, QStringLiteral("mnuPrint"), QStringLiteral("&Print"), &frmOrvView::mnuPrint_Click);
    file->addSeparator();
    entry(file, QStringLiteral("MNUEXIT"), QStringLiteral("E&xit"), &frmOrvView::MNUEXIT_Click);

    QMenu* view = menu(QStringLiteral("MNUVIEW"), QStringLiteral("&View"));
    QAction* toolbar = entry(view, QStringLiteral("MNUTOOLBAR"), QStringLiteral("&Tool bar"), &frmOrvView::MNUTOOLBAR_Click);
    toolbar->setCheckable(true);
    toolbar->setChecked(basVelmar::gToolbarVisible);

    QMenu* comm = menu(QStringLiteral("MNUCOMMUNICATION"), QStringLiteral("Co&mmunication"));
    entry(comm, QStringLiteral("MNUREADRACK"), QStringLiteral("&Read Rack "), &frmOrvView::MNUREADRACK_Click,
          QKeySequence(Qt::Key_F4));
    entry(comm, QStringLiteral("MNUREADMODULE"), QStringLiteral("Read &Module"), &frmOrvView::MNUREADMODULE_Click,
          QKeySequence(Qt::Key_F5));
    entry(comm, QStringLiteral("LinkModule"), QStringLiteral("&Locate in Rack"), &frmOrvView::LinkModule_Click,
          QKeySequence(Qt::Key_F9));
    entry(comm, QStringLiteral("MNUWRITEMODULE"), QStringLiteral("&Write Module"), &frmOrvView::MNUWRITEMODULE_Click);

    QMenu* window = menu(QStringLiteral("MNUWINDOW"), QStringLiteral("&Window"));
    entry(window, QStringLiteral("MNUCASCADE"), QStringLiteral("&Cascade"), &frmOrvView::MNUCASCADE_Click);

    QMenu* help = menu(QStringLiteral("MNUHELP"), QStringLiteral("&Help"));
    entry(help, QStringLiteral("MNUCONTENTS"), QStringLiteral("&Contents"), &frmOrvView::MNUCONTENTS_Click);
    entry(help, QStringLiteral("MNUSEARCH"), QStringLiteral("&Search"), &frmOrvView::MNUSEARCH_Click);
    help->addSeparator();
    entry(help, QStringLiteral("MNUABOUT"), QStringLiteral("&About"), &frmOrvView::MNUABOUT_Click);
}

QAction* frmOrvView::menuEntry(const QString& name) const { return findChild<QAction*>(name); }

QList<QMenu*> frmOrvView::documentMenus()
{
    // The main window asks for the menus each time the window becomes the active one.
    menuEntry(QStringLiteral("MNUTOOLBAR"))->setChecked(basVelmar::gToolbarVisible);
    return menus_;
}

void frmOrvView::MNUNEW_Click()
{
    if (frmMain* main = frmMain::instance())
        main->MNUNEW_Click();
}

void frmOrvView::MNUOPEN_Click()
{
    if (frmMain* main = frmMain::instance())
        main->MNUOPEN_Click();
}

void frmOrvView::MNUARCHIVEOPEN_Click()
{
    if (frmMain* main = frmMain::instance())
        main->MNUARCHIVEOPEN_Click();
}

void frmOrvView::MNUIMPORT_Click()
{
    if (frmMain* main = frmMain::instance())
        main->MNUIMPORT_Click();
}

void frmOrvView::MNUCUSTOMTYPE_Click()
{
    if (frmMain* main = frmMain::instance())
        main->MNUCUSTOM_Click();
}

void frmOrvView::MNUMODULEMANAGE_Click()
{
    if (frmMain* main = frmMain::instance())
        main->MNUMODULEMANAGE_Click();
}

void frmOrvView::MNUUPDATESTANDARD_Click()
{
    if (frmMain* main = frmMain::instance())
        main->MNUUPDATESTANDARD_Click();
}

void frmOrvView::MNUUPDATEUSER_Click()
{
    if (frmMain* main = frmMain::instance())
        main->MNUUPDATEUSER_Click();
}

void frmOrvView::MNUREFERENCES_Click()
{
    if (frmMain* main = frmMain::instance())
        main->MNUREFERENCES_Click();
}

void frmOrvView::MNUREADRACK_Click()
{
    if (frmMain* main = frmMain::instance())
        main->MNUREADRACK_Click();
}

void frmOrvView::MNUREADMODULE_Click()
{
    if (frmMain* main = frmMain::instance())
        main->MNUREADMODULE_Click();
}

void frmOrvView::MNUCONTENTS_Click()
{
    if (frmMain* main = frmMain::instance())
        main->ShowHelpContent();
}

void frmOrvView::MNUSEARCH_Click()
{
    if (frmMain* main = frmMain::instance())
        main->ShowHelpSearch();
}

void frmOrvView::MNUABOUT_Click()
{
    if (frmMain* main = frmMain::instance())
        main->MNUABOUT_Click();
}

void frmOrvView::MNUCASCADE_Click()
{
    if (frmMain* main = frmMain::instance())
        main->mdiArea()->cascadeSubWindows();
}

void frmOrvView::MNUTOOLBAR_Click()
{
    // The platform has turned the tick over before the click arrives.
    const bool visible = menuEntry(QStringLiteral("MNUTOOLBAR"))->isChecked();
    if (frmMain* main = frmMain::instance())
        main->setToolbarVisible(visible);
    else
        basVelmar::gToolbarVisible = visible;
}

void frmOrvView::MNUCLOSE_Click() { closeWindow(); }

void frmOrvView::MNUEXIT_Click()
{
    closeWindow();
    if (!closed_)
        return;  // the user kept this window: the program goes on
    if (frmMain* main = frmMain::instance())
        main->close();
}

void frmOrvView::mnuSave_Click() { intCommandSave(); }
void frmOrvView::MNUARCHIVESAVE_Click() { intCommandArchiveSave(); }
void frmOrvView::MNUSAVEEPROM_Click() { intCommandSaveEprom(); }
void frmOrvView::mnuPrint_Click() { intCommandPrint(); }
void frmOrvView::MNUWRITEMODULE_Click() { CommandWrite(); }
