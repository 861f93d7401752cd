#pragma once
#include "docwindow/DocumentHost.h"

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <type_traits>

class QAction;
class QMenu;
class QWidget;

// How a window shows a shared menu entry where it differs from the usual: the fields given
// replace the usual object name, caption and shortcut.
struct SharedEntryLook {
    QString name = {};
    QString caption = {};
    std::optional<QKeySequence> shortcut = {};
};

// Builds the menus of the main window and of the document windows. The entries that all of them
// carry run a command of the document host (the one current when the entry is chosen) and are
// described here once, with the object name, caption and shortcut that most windows give them; a
// window names only what it shows otherwise, and adds its own entries with its own handlers. The
// menus and their entries belong to the owner.
class MenuBuilder {
public:
    using Look = SharedEntryLook;

    explicit MenuBuilder(QWidget* owner) : owner_(owner) {}

    // A new menu of the menu bar; the entries that follow go into it.
    QMenu* menu(const QString& name, const QString& caption);
    // A submenu of the current menu; the entries that follow go into it until endSubmenu().
    QMenu* submenu(const QString& name, const QString& caption);
    void endSubmenu();

    // A shared entry: runs `command` on the host.
    QAction* shared(HostCommand command, const Look& look = {});
    // The same, with a step of the window's own before the command, which runs only when the step
    // returns true (a document window's Exit closes the window itself first).
    QAction* shared(HostCommand command, std::function<bool()> first, const Look& look = {});
    // The Tool Bar entry (MNUTOOLBAR): a tick that shows or hides the host's toolbar.
    QAction* toolBar(const QString& caption = {});
    // An entry of the window's own: runs `handler` (none: the entry does nothing of its own). The
    // handler may be a member of the window's base class.
    QAction* own(const QString& name, const QString& caption, std::function<void()> handler,
                 const QKeySequence& shortcut = {});
    template <class Window>
    QAction* own(const QString& name, const QString& caption, Window* window,
                 void (std::type_identity_t<Window>::*handler)(), const QKeySequence& shortcut = {})
    {
        std::function<void()> run = [window, handler] { (window->*handler)(); };
        return own(name, caption, std::move(run), shortcut);
    }
    // A separator line, named when `name` is given.
    void separator(const QString& name = {});

    // The menus of the menu bar, in order.
    QList<QMenu*> menus() const { return menus_; }

private:
    QWidget* owner_;
    QList<QMenu*> menus_;
    QMenu* current_ = nullptr;
    QMenu* outer_ = nullptr; // the menu the current submenu lies in
};
