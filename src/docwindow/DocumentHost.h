#pragma once
#include <QList>
#include <cstdint>

class IDocumentWindow;

// The commands behind the menu entries that the main window and the document windows share.
enum class HostCommand {
    New,
    Open,
    OpenFile,
    OpenEpromFile,
    CustomModels,
    ModuleManagement,
    ImportStandardModels,
    ImportUserModels,
    Preferences,
    Exit, // closes the main window, which closes the document windows first
    ReadRack,
    ReadModule,
    Cascade,
    HelpContents,
    HelpSearch,
    About,
};

// What the document windows and the module dialogs need of the window that holds the document
// windows (the main window in the program, a fake in tests).
class IDocumentHost {
public:
    virtual ~IDocumentHost() = default;

    // Takes a newly made document window into the host.
    virtual void addDocumentWindow(IDocumentWindow* window) = 0;
    // The active document window, or null.
    virtual IDocumentWindow* activeDocumentWindow() const = 0;
    // Every open document window, oldest first.
    virtual QList<IDocumentWindow*> documentWindows() const = 0;
    // Called by a document window when it has opened and when it closes.
    virtual void documentWindowOpened() = 0;
    virtual void documentWindowClosed() = 0;
    // Re-reads the active window's menus and toolbar duties.
    virtual void refreshForActiveWindow() = 0;

    // Runs the command of a shared menu entry.
    virtual void runCommand(HostCommand command) = 0;
    // Shows or hides the main toolbar; the host's own Tool Bar tick and gToolbarVisible follow.
    virtual void setToolbarVisible(bool visible) = 0;
    // Enables the host's New entry and button where the edition allows new modules; 0.
    virtual int16_t intVersionSet() = 0;

    // The program's one host (null before it is made and after it is gone).
    static IDocumentHost* current();
    // The same for a caller that cannot go on without one: raises platform::Error when there is none.
    static IDocumentHost& required();
    static void setCurrent(IDocumentHost* host);
};
