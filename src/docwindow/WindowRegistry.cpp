#include "docwindow/WindowRegistry.h"

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <map>

namespace WindowRegistry {
namespace {

QHash<QString, DialogFactory>& dialogs()
{
    static QHash<QString, DialogFactory> d;
    return d;
}

std::map<WindowKind, WindowFactory>& windows()
{
    static std::map<WindowKind, WindowFactory> w;
    return w;
}

} // namespace

void registerDialog(const QString& name, DialogFactory factory)
{
    if (factory)
        dialogs().insert(name, std::move(factory));
    else
        dialogs().remove(name);
}

bool hasDialog(const QString& name) { return dialogs().contains(name); }

bool showDialog(const QString& name, QWidget* parent)
{
    const auto it = dialogs().constFind(name);
    if (it == dialogs().constEnd())
        return false;
    QPointer<QDialog> dlg = (*it)(parent);
    if (!dlg)
        return true;  // the dialog decided not to show (it has said why)
    dlg->setAttribute(Qt::WA_DeleteOnClose, false);
    dlg->exec();
    delete dlg.data();
    return true;
}

void registerWindow(WindowKind kind, WindowFactory factory)
{
    if (factory)
        windows()[kind] = std::move(factory);
    else
        windows().erase(kind);
}

bool hasWindow(WindowKind kind) { return windows().count(kind) != 0; }

IDocumentWindow* createWindow(WindowKind kind)
{
    const auto it = windows().find(kind);
    return it == windows().end() ? nullptr : it->second();
}

} // namespace WindowRegistry
