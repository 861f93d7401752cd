#include "docwindow/DocumentClosing.h"

#include "docwindow/DocumentTexts.h"
#include "platform/MsgBox.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void closeDocumentWindow(QWidget& window)
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window.parentWidget()))
        frame->close();
    else
        window.close();
}

namespace {

// The window becomes the active one in the main window, in front of the others; a window on its
// own is raised.
void bringForward(QWidget& window)
{
    auto* frame = qobject_cast<QMdiSubWindow*>(window.parentWidget());
    if (frame && frame->mdiArea()) {
        frame->mdiArea()->setActiveSubWindow(frame);
        return;
    }
    window.raise();
    window.activateWindow();
}

} // namespace

bool askToSaveChanges(const std::function<int16_t()>& apply, const std::function<int16_t(QString& where)>& save,
                      QWidget& window)
{
    bringForward(window);
    switch (platform::MsgBox(doctext::kContentChanged, platform::vbYesNoCancel, window.windowTitle())) {
    case platform::vbYes: {
        if (apply() != 0)
            return false;
        QString where;
        if (save(where) != 0) {
            if (!where.isEmpty())
                platform::MsgBox(QStringLiteral("Error: ") + where);
            return false;
        }
        return true;
    }
    case platform::vbNo: return true;
    default: return false;
    }
}
