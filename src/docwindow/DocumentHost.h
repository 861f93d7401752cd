#pragma once
#include <QList>

class IDocumentWindow;

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

    // The program's one host (null before it is made and after it is gone).
    static IDocumentHost* current();
    static void setCurrent(IDocumentHost* host);
};
