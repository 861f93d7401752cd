#include "shell/ModelCode.h"

namespace basVelmar {
namespace {

const QString& twoLetterPrefix()
{
    static const QString p = QStringLiteral("Vr");
    return p;
}

const QString& seriesLetter()
{
    static const QString p = QStringLiteral("V");
    return p;
}

} // namespace

QString strModelCodeName(const QString& code, bool twoLetterForm)
{
    const QString c = code.leftJustified(8, QLatin1Char(' '), true);
    const QChar dash = QLatin1Char('-');
    if (twoLetterForm)
        return twoLetterPrefix() + c.mid(0, 2) + dash + c.mid(2, 2) + (c.at(4) == QLatin1Char(' ') ? QLatin1Char(' ') : dash)
            + c.mid(4, 4);
    return seriesLetter() + c.mid(0, 3) + dash + c.mid(3, 2) + dash + c.mid(5, 3);
}

} // namespace basVelmar
