#include "shell/LocaleNumbers.h"

#include <cmath>

namespace basVelmar {

QLocale userNumberLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

QString formatFixed(double value, int decimals, bool leadingZero, const QLocale& locale)
{
    QString text = locale.toString(value, 'f', decimals);
    if (!leadingZero) {
        const QString zeroPoint = QStringLiteral("0") + locale.decimalPoint();
        if (text.startsWith(zeroPoint))
            text.remove(0, 1);
        else if (text.startsWith(locale.negativeSign() + zeroPoint))
            text.remove(locale.negativeSign().size(), 1);
    }
    return text;
}

bool parseNumber(const QString& text, double& value)
{
    bool ok = false;
    const double v = userNumberLocale().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

QString plainNumber(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    return userNumberLocale().toString(value, 'g', 15);
}

} // namespace basVelmar
