#pragma once
#include <QString>

namespace basVelmar {

// Path of the settings file velmar.ini in the program folder.
QString iniPath();
// The integer value of a key of a settings file, or the default.
long GetIniInt(const QString& section, const QString& key, int defaultValue, const QString& path);
// Writes (or creates) a key of a settings file; true on success.
bool WriteIniString(const QString& section, const QString& key, const QString& value, const QString& path);

} // namespace basVelmar
