#pragma once
#include <cstdint>

// Whether a module is open in a document window.
namespace basVelmar {

// `isOpen` is true when an open document window holds the module `serial` loaded from `source`
// (kFromDatabase or kFromModule): the module read from the rack and its stored copy are different
// documents. Windows whose serial is not a number are passed over. 0, or -1 after a message.
int16_t intIsModuleOpen(long serial, int16_t source, bool& isOpen);

} // namespace basVelmar
