#pragma once
#include <QString>

namespace platform {

// Private-profile (INI) files with the semantics the program has always relied on:
// section and key names compare without case; a missing file, section or key gives the default;
// an integer value is read from its leading digits (none gives 0).
namespace Ini {

long GetPrivateProfileInt(const QString& section, const QString& key, long defaultValue, const QString& path);
QString GetPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                                const QString& path);
// Writes or replaces the key, creating the section and the file when missing. The file is replaced
// atomically, so a failed write leaves the old file as it was. True on success; on failure `error`,
// when given, says which file and why.
bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value, const QString& path,
                               QString* error = nullptr);

} // namespace Ini
} // namespace platform
