#pragma once
#include <QString>

namespace platform {

// The folder the program runs from: velmar.ini, velmar.mdb and the help page sit there.
QString programFolder();
// A file of the program folder.
QString programFile(const QString& name);
// Tests run the program's code against a folder of their own.
void setProgramFolder(const QString& folder);

} // namespace platform
