#include "docwindow/OpenModules.h"

#include "db/PageFields.h"
#include "db/PageImage.h"
#include "shell/FailureTrap.h"
#include "docwindow/DocumentWindow.h"
#include "docwindow/DocumentHost.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace basVelmar {

IDocumentWindow* openModuleWindow(long serial, int16_t source)
{
    const IDocumentHost* host = IDocumentHost::current();
    if (!host)
        return nullptr;
    for (IDocumentWindow* window : host->documentWindows()) {
        const CPageImage* doc = window->getDocument();
        if (!doc)
            continue;
        bool numeric = false;
        const long docSerial = doc->strSerial.trimmed().toLong(&numeric);
        if (!numeric)
            continue;  // a new document without a serial number yet
        if (doc->intDocumentFrom == source && docSerial == serial)
            return window;
    }
    return nullptr;
}

int16_t intIsModuleOpen(long serial, int16_t source, bool& isOpen)
{
    isOpen = false;
    return trapped([&]() -> int16_t {
        isOpen = openModuleWindow(serial, source) != nullptr;
        return 0;
    });
}

QSet<int32_t> heldSerials()
{
    QSet<int32_t> held;
    if (const IDocumentHost* host = IDocumentHost::current()) {
        for (IDocumentWindow* window : host->documentWindows()) {
            const CPageImage* doc = window->getDocument();
            if (const std::optional<int32_t> serial = doc ? pagefields::serialNumber(doc->strSerial) : std::nullopt)
                held.insert(*serial);
        }
    }
    return held;
}

void activateDocumentWindow(IDocumentWindow& window)
{
    QWidget* widget = window.widget();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(widget->parentWidget()); sub && sub->mdiArea()) {
        if (sub->isMinimized())
            sub->showNormal();
        sub->mdiArea()->setActiveSubWindow(sub);
        return;
    }
    widget->raise();
    widget->activateWindow();
}

} // namespace basVelmar
