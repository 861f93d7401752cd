#pragma once
#include <cstdint>

namespace basVelmar {

// Fills the program-wide look-up collections from the database (its first use, which opens it).
int16_t LoadLookupTables();

} // namespace basVelmar
