#pragma once
// A decimal number held exactly: a whole number of billionths. Sums, differences and multiples
// are exact; a quotient is rounded only when it is turned into a whole number.
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

class ExactDecimal {
public:
    static constexpr int kPlaces = 9;
    static constexpr int64_t kScale = 1'000'000'000;

    constexpr ExactDecimal() = default;
    // `digits` × 10^-places: (238, 4) is 0.0238. `places` is 0..9.
    static constexpr ExactDecimal fromDigits(int64_t digits, int places)
    {
        int64_t units = digits;
        for (int i = places; i < kPlaces; ++i)
            units *= 10;
        return ExactDecimal(units);
    }
    // A decimal text with "." as the point ("10.7", " -0.0238 "); places beyond the ninth round to
    // the nearest, halves to even. Nothing for a text that is no such number or is too large.
    static std::optional<ExactDecimal> fromText(const QString& text);

    double toDouble() const { return static_cast<double>(units_) / kScale; }
    // The value with the places it needs: "10.7", "-0.0238", "12".
    QString toString() const;

    constexpr ExactDecimal operator+(ExactDecimal o) const { return ExactDecimal(units_ + o.units_); }
    constexpr ExactDecimal operator-(ExactDecimal o) const { return ExactDecimal(units_ - o.units_); }
    constexpr ExactDecimal operator*(int64_t n) const { return ExactDecimal(units_ * n); }
    constexpr auto operator<=>(const ExactDecimal&) const = default;

    // This value divided by `divisor` (not 0), rounded to the nearest whole number, halves to even.
    int64_t dividedRounded(ExactDecimal divisor) const;

private:
    constexpr explicit ExactDecimal(int64_t units) : units_(units) {}
    int64_t units_ = 0;
};
