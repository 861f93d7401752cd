#include "support/FakeDocumentHost.h"

#include "docwindow/DocumentWindow.h"
#include "shell/Globals.h"

namespace testsupport {

FakeDocumentHost::FakeDocumentHost() { IDocumentHost::setCurrent(this); }

FakeDocumentHost::~FakeDocumentHost()
{
    for (const QPointer<QWidget>& w : windows_)
        delete w.data();
    if (IDocumentHost::current() == this)
        IDocumentHost::setCurrent(nullptr);
}

void FakeDocumentHost::addDocumentWindow(IDocumentWindow* window)
{
    QWidget* w = window->widget();
    w->setAttribute(Qt::WA_DeleteOnClose);
    windows_ << w;
    w->show();
}

QList<IDocumentWindow*> FakeDocumentHost::documentWindows() const
{
    QList<IDocumentWindow*> out;
    for (const QPointer<QWidget>& w : windows_)
        if (auto* window = dynamic_cast<IDocumentWindow*>(w.data()))
            out << window;
    return out;
}

IDocumentWindow* FakeDocumentHost::activeDocumentWindow() const
{
    const QList<IDocumentWindow*> all = documentWindows();
    return all.isEmpty() ? nullptr : all.last();
}

void FakeDocumentHost::setToolbarVisible(bool visible)
{
    toolbarStates << visible;
    basVelmar::gToolbarVisible = visible;
}

} // namespace testsupport
