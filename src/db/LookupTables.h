#pragma once
#include "link/cCTCSS.h"
#include "link/cFrequencyStep.h"
#include "link/cModuleVersionNumber.h"
#include "link/cToneStd.h"
#include "shell/KeyedCollection.h"

#include <cstdint>

// The program-wide look-up collections, filled from the database's reference tables at start-up.
namespace basVelmar {

inline KeyedCollection<cCTCSS> gCTCSS;                          // ascending ID, key = ID
inline KeyedCollection<cFrequencyStep> gFrequencySteps;         // ascending step, key = ID
inline KeyedCollection<cModuleVersionNumber> gFirmwareVersions; // ascending ID, key = ID
inline KeyedCollection<cToneStd> gFnToneStandard;               // positions 1 to 24, key = position
inline KeyedCollection<cToneStd> gDTMFToneStandard;             // positions 1 to 24, key = position

// The names of the two tone standards in the database.
inline const QString kFnToneStandardName = QStringLiteral("FN_Tones");
inline const QString kDTMFToneStandardName = QStringLiteral("DTMF");

// Empties the five collections and fills them from the database: its first use, which opens it.
// A database failure raises platform::Error; the collections filled before it keep their rows.
int16_t LoadLookupTables();

} // namespace basVelmar
