#include "shell/ui/WindowRegistry.h"

namespace WindowRegistry {

// The one place where the program's module dialogs and document windows are made known to the menus.
void registerWindows()
{
}

} // namespace WindowRegistry
