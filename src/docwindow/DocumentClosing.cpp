#include "docwindow/DocumentClosing.h"

#include "docwindow/DocumentTexts.h"
#include "platform/MsgBox.h"

#include <QMdiSubWindow>

void closeDocumentWindow(QWidget& window)
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window.parentWidget()))
        frame->close();
    else
        window.close();
}

bool askToSaveChanges(const std::function<int16_t()>& apply, const std::function<int16_t(QString& where)>& save)
{
    switch (platform::MsgBox(doctext::kContentChanged, platform::vbYesNoCancel)) {
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
