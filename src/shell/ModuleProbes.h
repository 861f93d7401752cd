#pragma once
#include <QString>
#include <cstdint>

// What kind of module a linked module or an archive file holds (the module type code of ModuleType.h).
namespace basVelmar {

// Reads page 2 of the module already linked under `serial` (decimal text) and gives the type code
// of its configuration byte. -1, `typeCode` untouched, when the text is no serial number (nothing is
// sent) or the module does not answer.
int16_t intReadModuleType(const QString& serial, int16_t& typeCode);

// Reads the first two 9-byte records of an archive file (8 data bytes and their exclusive-or) and
// gives the type code of the second record's byte 4. -1, `typeCode` untouched, when the file is no
// archive: a record whose check byte is wrong, or a file shorter than two records. A file that
// cannot be opened is reported in a message box.
int16_t intGetFileModuleType(const QString& path, int16_t& typeCode);

} // namespace basVelmar
