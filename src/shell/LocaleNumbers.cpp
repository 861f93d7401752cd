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

double leadingNumber(const QString& text)
{
    const QString point = userNumberLocale().decimalPoint();
    QString number;
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n && text[i].isSpace())
        ++i;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        number += text[i++];
    auto digits = [&] {
        bool any = false;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            number += text[i++];
            any = true;
        }
        return any;
    };
    bool mantissa = digits();
    if (text.mid(i, point.size()) == point) {
        i += static_cast<int>(point.size());
        number += QLatin1Char('.');
        mantissa = digits() || mantissa;
    }
    if (!mantissa)
        return 0;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        QString exponent = QStringLiteral("e");
        int j = i + 1;
        if (j < n && (text[j] == QLatin1Char('-') || text[j] == QLatin1Char('+')))
            exponent += text[j++];
        const int start = j;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128)
            exponent += text[j++];
        if (j > start)
            number += exponent;
    }
    bool ok = false;
    const double v = number.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

QString plainNumber(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    return userNumberLocale().toString(value, 'g', 15);
}

} // namespace basVelmar
