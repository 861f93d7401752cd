// Model codes: the 8 characters of page 4 and the form the user reads them in.
#include "toneremote/basVelmarTR.h"

namespace basVelmarTR {
namespace {

const QString& displayPrefix()
{
    static const QString p = QStringLiteral("Vr");
    return p;
}

// Digits of a code that is a number: the text without blanks around, digits only; empty otherwise.
QString numberDigits(const QString& code)
{
    const QString t = code.trimmed();
    if (t.isEmpty())
        return {};
    for (const QChar ch : t)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return {};
    return t;
}

// The mask "Vr00-00-0000": at least 8 digits, the last six grouped two and four.
QString displayForm(const QString& digits)
{
    QString d = digits;
    while (d.size() > 1 && d.startsWith(QLatin1Char('0')))
        d.remove(0, 1);
    d = d.rightJustified(8, QLatin1Char('0'));
    const qsizetype head = d.size() - 6;
    return displayPrefix() + d.left(head) + QLatin1Char('-') + d.mid(head, 2) + QLatin1Char('-') + d.right(4);
}

} // namespace

QString StripChars(const QString& strText, const QString& strSet)
{
    QString out;
    out.reserve(strText.size());
    for (const QChar ch : strText)
        if (!strSet.contains(ch))
            out.append(ch);
    return out;
}

QString PadRight(const QString& strText, int16_t intWidth)
{
    return strText.size() >= intWidth ? strText : strText.leftJustified(intWidth, QLatin1Char(' '));
}

QString ConvertModelCode(const QString& strCode, int32_t lngMode)
{
    switch (lngMode) {
    case 0: {
        const QString digits = numberDigits(strCode);
        return digits.isEmpty() ? strCode : displayForm(digits);
    }
    case 1: {
        const QString code = strCode.startsWith(displayPrefix())
            ? StripChars(strCode.mid(displayPrefix().size()), QStringLiteral("-"))
            : strCode;
        return PadRight(code, 8);
    }
    default:
        return {};
    }
}

} // namespace basVelmarTR
