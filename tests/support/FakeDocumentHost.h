#pragma once
#include "docwindow/DocumentHost.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace testsupport {

// A document host without a main window, the current one from its making until it goes: the windows it is given show on
// their own and go when they are closed, and it records what the windows ask of it. The windows
// still open go with it.
class FakeDocumentHost : public IDocumentHost {
public:
    FakeDocumentHost();
    ~FakeDocumentHost() override;
    FakeDocumentHost(const FakeDocumentHost&) = delete;
    FakeDocumentHost& operator=(const FakeDocumentHost&) = delete;

    void addDocumentWindow(IDocumentWindow* window) override;
    IDocumentWindow* activeDocumentWindow() const override;
    QList<IDocumentWindow*> documentWindows() const override;
    void documentWindowOpened() override { ++opened; }
    void documentWindowClosed() override { ++closed; }
    void refreshForActiveWindow() override { ++refreshed; }
    void runCommand(HostCommand command) override { commands << command; }
    void setToolbarVisible(bool visible) override;
    int16_t intVersionSet() override { return 0; }

    int opened = 0;
    int closed = 0;
    int refreshed = 0;
    QList<HostCommand> commands;
    QList<bool> toolbarStates;

private:
    QList<QPointer<QWidget>> windows_;
};

} // namespace testsupport
