#include "shell/IniAccess.h"

#include "platform/Ini.h"
#include "platform/ProgramFolder.h"

namespace basVelmar {

QString iniPath() { return platform::programFile(QStringLiteral("velmar.ini")); }

long GetIniInt(const QString& section, const QString& key, int defaultValue, const QString& path)
{
    return platform::Ini::GetPrivateProfileInt(section, key, defaultValue, path);
}

bool WriteIniString(const QString& section, const QString& key, const QString& value, const QString& path)
{
    return platform::Ini::WritePrivateProfileString(section, key, value, path);
}

} // namespace basVelmar
