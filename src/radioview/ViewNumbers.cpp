#include "radioview/ViewNumbers.h"

#include "platform/PlatformError.h"

#include <cmath>
#include <limits>

namespace orvview {

namespace {

constexpr int kErrOverflow = 6;
constexpr int kErrTypeMismatch = 13;

} // namespace

double toNumber(const QString& text)
{
    double value = 0;
    if (!parseNumber(text, value))
        throw platform::Error(kErrTypeMismatch, QStringLiteral("Type mismatch"));
    return value;
}

int64_t roundHalfEven(double value)
{
    const double r = std::nearbyint(value); // the default rounding mode: to nearest, halves to even
    if (!(r >= double(std::numeric_limits<int64_t>::min()) && r < double(std::numeric_limits<int64_t>::max())))
        throw platform::Error(kErrOverflow, QStringLiteral("Overflow"));
    return static_cast<int64_t>(r);
}

int32_t floorToInteger(double value, int bits)
{
    const double f = std::floor(value);
    const double low = bits == 16 ? std::numeric_limits<int16_t>::min() : std::numeric_limits<int32_t>::min();
    const double high = bits == 16 ? std::numeric_limits<int16_t>::max() : std::numeric_limits<int32_t>::max();
    if (!(f >= low && f <= high))
        throw platform::Error(kErrOverflow, QStringLiteral("Overflow"));
    return static_cast<int32_t>(f);
}

} // namespace orvview
