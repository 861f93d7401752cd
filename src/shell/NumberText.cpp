#include "shell/NumberText.h"

#include <QLocale>

namespace basVelmar {

QString strDecimalPoint() { return QLocale().decimalPoint().left(1); }

QString strNumberInvariant(double value)
{
    if (value == 0)
        return QStringLiteral("0");  // also for -0
    return QString::number(value, 'g', 15).toUpper();
}

} // namespace basVelmar
