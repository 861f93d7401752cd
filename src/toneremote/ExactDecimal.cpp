#include "toneremote/ExactDecimal.h"

#include <cstdlib>
#include <limits>

namespace {

// The magnitude of a decimal text's value in billionths stays below this.
constexpr int64_t kLimit = std::numeric_limits<int64_t>::max() / 10;

} // namespace

std::optional<ExactDecimal> ExactDecimal::fromText(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        negative = t[i++] == QLatin1Char('-');
    int64_t units = 0;
    int places = -1; // -1 until the point
    int digits = 0;
    int firstDropped = -1;
    bool droppedNonZero = false;
    for (; i < t.size(); ++i) {
        const QChar ch = t[i];
        if (ch == QLatin1Char('.') && places < 0) {
            places = 0;
            continue;
        }
        if (!ch.isDigit() || ch.unicode() > '9')
            return std::nullopt;
        const int d = ch.unicode() - '0';
        ++digits;
        if (places >= kPlaces) {
            if (firstDropped < 0)
                firstDropped = d;
            else if (d != 0)
                droppedNonZero = true;
            continue;
        }
        if (units >= kLimit)
            return std::nullopt;
        units = units * 10 + d;
        if (places >= 0)
            ++places;
    }
    if (digits == 0)
        return std::nullopt;
    for (int p = std::max(places, 0); p < kPlaces; ++p) {
        if (units >= kLimit)
            return std::nullopt;
        units *= 10;
    }
    if (firstDropped > 5 || (firstDropped == 5 && (droppedNonZero || units % 2 != 0)))
        ++units;
    return ExactDecimal(negative ? -units : units);
}

QString ExactDecimal::toString() const
{
    const int64_t whole = units_ / kScale;
    int64_t fraction = std::llabs(units_ % kScale);
    QString s = (units_ < 0 && whole == 0 ? QStringLiteral("-") : QString()) + QString::number(whole);
    if (fraction == 0)
        return s;
    QString f = QString::number(fraction).rightJustified(kPlaces, QLatin1Char('0'));
    while (f.endsWith(QLatin1Char('0')))
        f.chop(1);
    return s + QLatin1Char('.') + f;
}

int64_t ExactDecimal::dividedRounded(ExactDecimal divisor) const
{
    int64_t q = units_ / divisor.units_;
    const int64_t r = units_ % divisor.units_;
    // Compare twice the remainder with the divisor, both as magnitudes.
    const int64_t twice = std::llabs(r) * 2;
    const int64_t d = std::llabs(divisor.units_);
    const int64_t away = (units_ < 0) != (divisor.units_ < 0) ? -1 : 1;
    if (twice > d || (twice == d && q % 2 != 0))
        q += away;
    return q;
}
