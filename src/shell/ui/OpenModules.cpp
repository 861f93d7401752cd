#include "shell/ui/OpenModules.h"

#include "db/PageImage.h"
#include "shell/FailureTrap.h"
#include "shell/ui/DocumentWindow.h"
#include "shell/ui/frmMain.h"

namespace basVelmar {

int16_t intIsModuleOpen(long serial, int16_t source, bool& isOpen)
{
    isOpen = false;
    return trapped([&]() -> int16_t {
        const frmMain* main = frmMain::instance();
        if (!main)
            return 0;
        for (IDocumentWindow* window : main->documentWindows()) {
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
