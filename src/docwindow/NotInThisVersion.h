#pragma once
// What a command says while the window or dialog it needs is not part of the program yet.
#include <QString>
#include <cstdint>

// Shows "This version cannot <what> yet." (information icon) and gives -1.
int16_t intNotInThisVersion(const QString& what);
