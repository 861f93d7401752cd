#include "docwindow/MenuBuilder.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace {

struct SharedEntry {
    HostCommand command;
    const char* name;
    const char* caption;
    QKeyCombination shortcut;
};

// The shared entries as most windows show them.
const SharedEntry kSharedEntries[] = {
    {HostCommand::New, "MNUNEW", "&New", {}},
    {HostCommand::Open, "MNUOPEN", "&Open", {}},
    {HostCommand::OpenFile, "MNUARCHIVEOPEN", "O&pen File", {}},
    {HostCommand::OpenEpromFile, "MNUIMPORT", "Ope&n EPROM File", {}},
    {HostCommand::CustomModels, "MNUCUSTOMTYPE", "&Custom Models", {}},
    {HostCommand::ModuleManagement, "MNUMODULEMANAGE", "&Module Management", {}},
    {HostCommand::ImportStandardModels, "MNUUPDATESTANDARD", "Import &Standard Models", {}},
    {HostCommand::ImportUserModels, "MNUUPDATEUSER", "Import &User Models", {}},
    {HostCommand::Preferences, "MNUREFERENCES", "P&references...", {}},
    {HostCommand::Exit, "MNUEXIT", "E&xit", {}},
    {HostCommand::ReadRack, "MNUREADRACK", "&Read Rack", Qt::Key_F4},
    {HostCommand::ReadModule, "MNUREADMODULE", "Read &Module", Qt::Key_F5},
    {HostCommand::Cascade, "MNUCASCADE", "&Cascade", {}},
    {HostCommand::HelpContents, "MNUCONTENTS", "&Contents", {}},
    {HostCommand::HelpSearch, "MNUSEARCH", "&Search", {}},
    {HostCommand::About, "MNUABOUT", "&About", {}},
};

const SharedEntry& usual(HostCommand command)
{
    for (const SharedEntry& e : kSharedEntries)
        if (e.command == command)
            return e;
    return kSharedEntries[0]; // every command has its row
}

} // namespace

QMenu* MenuBuilder::menu(const QString& name, const QString& caption)
{
    auto* m = new QMenu(caption, owner_);
    m->setObjectName(name);
    menus_ << m;
    current_ = m;
    outer_ = nullptr;
    return m;
}

QMenu* MenuBuilder::submenu(const QString& name, const QString& caption)
{
    QMenu* m = current_->addMenu(caption);
    m->setObjectName(name);
    outer_ = current_;
    current_ = m;
    return m;
}

void MenuBuilder::endSubmenu()
{
    if (outer_)
        current_ = outer_;
    outer_ = nullptr;
}

QAction* MenuBuilder::own(const QString& name, const QString& caption, std::function<void()> handler,
                          const QKeySequence& shortcut)
{
    QAction* a = current_->addAction(caption);
    a->setObjectName(name);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    if (handler)
        QObject::connect(a, &QAction::triggered, owner_, std::move(handler));
    return a;
}

QAction* MenuBuilder::shared(HostCommand command, const Look& look) { return shared(command, nullptr, look); }

QAction* MenuBuilder::shared(HostCommand command, std::function<bool()> first, const Look& look)
{
    const SharedEntry& e = usual(command);
    return own(
        look.name.isEmpty() ? QString::fromLatin1(e.name) : look.name,
        look.caption.isEmpty() ? QString::fromLatin1(e.caption) : look.caption,
        [command, first = std::move(first)] {
            if (first && !first())
                return;
            if (IDocumentHost* host = IDocumentHost::current())
                host->runCommand(command);
        },
        look.shortcut.value_or(QKeySequence(e.shortcut)));
}

QAction* MenuBuilder::toolBar(const QString& caption)
{
    QAction* a = own(QStringLiteral("MNUTOOLBAR"), caption.isEmpty() ? QStringLiteral("&Tool Bar") : caption, nullptr);
    a->setCheckable(true);
    // The platform turns the tick over before the click arrives.
    QObject::connect(a, &QAction::triggered, owner_, [](bool checked) {
        if (IDocumentHost* host = IDocumentHost::current())
            host->setToolbarVisible(checked);
    });
    return a;
}

void MenuBuilder::separator(const QString& name)
{
    QAction* line = current_->addSeparator();
    if (!name.isEmpty())
        line->setObjectName(name);
}
