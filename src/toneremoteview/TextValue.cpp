#include "toneremoteview/TextValue.h"

#include <algorithm>

namespace trview {

int leadingWholeNumber(const QString& text, int lowest, int highest)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    const bool negative = i < t.size() && t[i] == u'-';
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        ++i;
    long long n = 0;
    for (; i < t.size() && t[i] >= u'0' && t[i] <= u'9'; ++i)
        n = std::min<long long>(n * 10 + (t[i].unicode() - u'0'), 1LL << 40);
    return static_cast<int>(std::clamp<long long>(negative ? -n : n, lowest, highest));
}

bool wholeNumberWithin(const QString& text, int lowest, int highest, int& value)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 9 || !std::all_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); }))
        return false;
    const int n = t.toInt();
    if (n < lowest || n > highest)
        return false;
    value = n;
    return true;
}

bool boxNumberWithin(const QString& text, int lowest, int highest, int& value)
{
    return wholeNumberWithin(text.trimmed().isEmpty() ? QStringLiteral("0") : text, lowest, highest, value);
}

} // namespace trview
