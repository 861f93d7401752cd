#include "shell/ui/OpenModules.h"

#include "db/PageImage.h"
#include "platform/MsgBox.h"
#include "shell/ui/DocumentWindow.h"
#include "shell/ui/frmMain.h"

#include <exception>

namespace basVelmar {

int16_t intIsModuleOpen(long serial, int16_t source, bool& isOpen)
{
    isOpen = false;
    try {
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
    } catch (const std::exception& e) {
        platform::MsgBox(QString::fromLocal8Bit(e.what()), platform::vbOKOnly);
        return -1;
    }
}

} // namespace basVelmar
