#pragma once
// The texts of a catalogue row: model number, doubler, kind and kind of entry. A model number
// becomes the custom type in a module's pages, so the catalogue holds only texts that the pages
// can: Windows-1252, one byte a character.
#include <QVariantList>

namespace catalogue {

// Raises platform::Error (windows1252::kUnstorableCharacter, naming the character and its text)
// for the first text among `values` with a character Windows-1252 has no byte for. Values that are
// no text pass.
void requireStorableTexts(const QVariantList& values);

} // namespace catalogue
