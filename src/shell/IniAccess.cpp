#include "shell/IniAccess.h"

#include "platform/Ini.h"
#include "platform/MsgBox.h"
#include "platform/ProgramFolder.h"

namespace basVelmar {

QString iniPath() { return platform::programFile(QStringLiteral("velmar.ini")); }

long GetIniInt(const QString& section, const QString& key, int defaultValue, const QString& path)
{
    return platform::Ini::GetPrivateProfileInt(section, key, defaultValue, path);
}

bool WriteIniString(const QString& section, const QString& key, const QString& value, const QString& path)
{
    QString error;
    if (platform::Ini::WritePrivateProfileString(section, key, value, path, &error))
        return true;
    platform::MsgBox(error, platform::vbOKOnly);
    return false;
}

} // namespace basVelmar
