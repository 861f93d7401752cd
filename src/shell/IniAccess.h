#pragma once
#include <QString>

namespace basVelmar {

// Path of the settings file velmar.ini in the program folder.
QString iniPath();
// The integer value of a key of a settings file, or the default.
long GetIniInt(const QString& section, const QString& key, int defaultValue, const QString& path);
// Writes (or creates) a key of a settings file; true on success. A failure is shown (which file and
// why) and leaves the file as it was.
bool WriteIniString(const QString& section, const QString& key, const QString& value, const QString& path);

} // namespace basVelmar
