#pragma once
// The byte rules of a module's page image that every kind of module shares.
#include <QByteArray>

namespace pagefields {

// A page's 8 bytes in the other order: from byte i at index i to byte 7 first (the order of the
// line, of the texts and of the dates), and back.
QByteArray reversed(QByteArray page);

} // namespace pagefields
