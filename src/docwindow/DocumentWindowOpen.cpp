#include "docwindow/DocumentWindowOpen.h"

#include "docwindow/DocumentWindow.h"

#include <QPointer>
#include <QWidget>

int16_t openInNewDocumentWindow(WindowRegistry::WindowKind kind, const std::function<int16_t(IDocumentWindow&)>& opener)
{
    IDocumentWindow* window = WindowRegistry::createWindow(kind);
    if (!window)
        return -1;
    // A window that has been shown belongs to the main window from now on; one that has not is
    // nobody's (unless it already went away by itself), also when the opener raised a failure.
    struct DiscardUnshown {
        QPointer<QWidget> widget;
        ~DiscardUnshown()
        {
            if (widget && !widget->parentWidget() && !widget->isVisible())
                delete widget.data();
        }
    } discard{window->widget()};
    return opener(*window);
}
