#pragma once
#include <QSet>
#include <cstdint>

class IDocumentWindow;

// Whether a module is open in a document window.
namespace basVelmar {

// `isOpen` is true when an open document window holds the module `serial` loaded from `source`
// (kFromDatabase or kFromModule): the module read from the rack and its stored copy are different
// documents. Windows whose serial is not a number are passed over. 0, or -1 after a message.
int16_t intIsModuleOpen(long serial, int16_t source, bool& isOpen);

// The first open document window that holds the module `serial` loaded from `source`, as
// intIsModuleOpen finds it; null when there is none.
IDocumentWindow* openModuleWindow(long serial, int16_t source);

// The serial numbers of the documents of every open document window, wherever they came from.
QSet<int32_t> heldSerials();

// Brings the document window to the front as the active one of its host.
void activateDocumentWindow(IDocumentWindow& window);

} // namespace basVelmar
