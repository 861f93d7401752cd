#include "docwindow/OpenModules.h"

#include "db/PageImage.h"
#include "shell/FailureTrap.h"
#include "docwindow/DocumentWindow.h"
#include "docwindow/DocumentHost.h"

namespace basVelmar {

int16_t intIsModuleOpen(long serial, int16_t source, bool& isOpen)
{
    isOpen = false;
    return trapped([&]() -> int16_t {
        const IDocumentHost* host = IDocumentHost::current();
        if (!host)
            return 0;
        for (IDocumentWindow* window : host->documentWindows()) {
            const CPageImage* doc = window->getDocument();
            if (!doc)
                continue;
            bool numeric = false;
            const long docSerial = doc->strSerial.trimmed().toLong(&numeric);
            if (!numeric)
                continue;  // a new document without a serial number yet
            if (doc->intDocumentFrom == source && docSerial == serial) {
                isOpen = true;
                break;
            }
        }
        return 0;
    });
}

} // namespace basVelmar
