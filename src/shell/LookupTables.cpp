#include "shell/LookupTables.h"

namespace basVelmar {

int16_t LoadLookupTables() { return 0; }

} // namespace basVelmar
