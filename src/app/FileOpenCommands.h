#pragma once
#include <cstdint>

// The File menu's commands that open module files into document windows, and the import of
// module models from another database. Each asks for the file itself; Cancel ends it with -1 and
// no message.
namespace basVelmar {

// Open File: an archive file into the editor of its module type, any other file (but a BIN or HEX
// name) as an MCF file into the radio editor.
int16_t intOpenArchiveFile();
// Open EPROM File: by extension, a BIN or HEX image into the radio editor, an archive or MCF file
// as Open File does, a database file as an import of standard models.
int16_t intOpenEPROMFile();
// Import Standard Models (kind 1) or Import User Models (kind 2) from a chosen database file.
int16_t intImportModelsDB(int16_t kind);

} // namespace basVelmar
