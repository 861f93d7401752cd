#include "shell/DateCodecs.h"

#include "shell/CodecFailure.h"

#include <QString>
#include <cmath>

namespace basVelmar {
namespace {

constexpr int kDayDigits = 6;
constexpr int kFractionDigits = 10;
constexpr double kMsPerDay = 86400000.0;

QDateTime epoch() { return QDateTime(QDate(1899, 12, 30), QTime(0, 0)); }

} // namespace

int16_t intDateToBytes(double date, DateBytes& d)
{
    // Six digits of day count, ten of fraction, rounded; the text is the same in every locale.
    const QString text = QString::number(date, 'f', kFractionDigits);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (!std::isfinite(date) || date < 0 || point < 0 || point > kDayDigits) {
        ShowCodecOverflow();
        return -1;
    }
    const QString digits = text.left(point).rightJustified(kDayDigits, QLatin1Char('0')) + text.mid(point + 1);
    for (int i = 0; i < 8; ++i)
        d[i] = static_cast<uint8_t>(digits.mid(2 * i, 2).toInt());
    return 0;
}

double dteBytesToDate(const DateBytes& d)
{
    for (const uint8_t b : d) {
        if (b > 99)
            return 0;
    }
    const int64_t days = d[0] * 10000 + d[1] * 100 + d[2];
    int64_t fraction = 0;
    for (int i = 3; i < 8; ++i)
        fraction = fraction * 100 + d[i];
    return static_cast<double>(days) + static_cast<double>(fraction) / 1e10;
}

double dteFromDateTime(const QDateTime& when)
{
    const QDateTime local = when.toLocalTime();
    const double days = static_cast<double>(epoch().date().daysTo(local.date()));
    return days + local.time().msecsSinceStartOfDay() / kMsPerDay;
}

QDateTime dateTimeFromDte(double date)
{
    const double whole = std::floor(date);
    const auto ms = static_cast<int>(std::llround((date - whole) * kMsPerDay));
    const QDate day = epoch().date().addDays(static_cast<qint64>(whole));
    return QDateTime(day, QTime(0, 0)).addMSecs(ms);
}

} // namespace basVelmar
