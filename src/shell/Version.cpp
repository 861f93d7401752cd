#include "shell/Version.h"

namespace basVelmar {

QString strVersion(bool withRevision, int major, int minor, int revision)
{
    QString s = QStringLiteral("v%1.%2.00").arg(major).arg(minor, 2, 10, QLatin1Char('0'));
    if (withRevision)
        s += QStringLiteral(".%1").arg(revision, 4, 10, QLatin1Char('0'));
    return s;
}

QString strVersion(bool withRevision)
{
    return strVersion(withRevision, kVersionMajor, kVersionMinor, kVersionRevision);
}

} // namespace basVelmar
