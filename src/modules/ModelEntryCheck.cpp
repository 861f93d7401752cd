#include "modules/ModelEntryCheck.h"

#include "platform/PlatformError.h"
#include "shell/LocaleNumbers.h"
#include "shell/Windows1252.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

namespace modeleditor {
namespace {

const QString kIncorrectFrequency = QStringLiteral("Incorect frequency.");
constexpr int kLongestName = 12;
constexpr double kBandCeilingMHz = 1000.0;
// The channel steps a synthesizer reference may have, kHz.
constexpr std::array<double, 5> kReferenceSteps = {2.5, 3.125, 5.0, 6.25, 12.5};

std::optional<double> number(const QString& text)
{
    double value = 0;
    if (!basVelmar::parseNumber(text, value))
        return std::nullopt;
    return value;
}

// `value` times `scale`, to the nearest whole number (halves to the even one), when the record's
// 32-bit field holds it and it is not negative.
std::optional<int32_t> frequencyHz(double value, double scale)
{
    const double hz = std::nearbyint(value * scale);
    if (!(hz >= 0 && hz <= INT32_MAX))
        return std::nullopt;
    return static_cast<int32_t>(hz);
}

bool isReferenceStep(double kHz)
{
    for (double step : kReferenceSteps)
        if (kHz == step)
            return true;
    return false;
}

// The messages of one check; a stop ends the check after its message.
class Messages {
public:
    void record(const QString& message) { text_ += message; }
    QString stop(const QString& message)
    {
        text_ += message;
        return text_;
    }
    const QString& text() const { return text_; }

private:
    QString text_;
};

} // namespace

QString checkModelEntry(const ModelEntry& entry, bool newModel, const QStringList& catalogueNames, QString& name,
                        ModData& record)
{
    Messages messages;

    name = entry.name.trimmed();
    if (name.isEmpty())
        messages.record(QStringLiteral("The Module is null."));
    if (name.size() > kLongestName)
        messages.record(QStringLiteral("The Module name is too long (>12)."));
    // The name becomes a module's custom type, which the pages hold in Windows-1252.
    try {
        windows1252::encode(name);
    } catch (const platform::Error& e) {
        messages.record(e.description());
    }
    if (newModel) {
        for (const QString& existing : catalogueNames) {
            if (existing.trimmed().compare(name, Qt::CaseInsensitive) == 0)
                return messages.stop(QStringLiteral("Duplicated module name [") + existing.trimmed() +
                                     QStringLiteral("] found in database."));
        }
    }

    // The band: each limit below 1000 MHz; a limit the record cannot hold (negative) is no frequency either.
    const std::optional<double> lower = number(entry.lowerLimit);
    if (!lower)
        return messages.stop(QStringLiteral("Lower frequency should be number."));
    const std::optional<int32_t> lowerHz = frequencyHz(*lower, 1e6);
    if (*lower >= kBandCeilingMHz || !lowerHz)
        return messages.stop(kIncorrectFrequency);
    record.lngLowFreq = *lowerHz;

    if (const std::optional<double> upper = number(entry.upperLimit)) {
        const std::optional<int32_t> upperHz = frequencyHz(*upper, 1e6);
        if (*upper >= kBandCeilingMHz || !upperHz)
            return messages.stop(kIncorrectFrequency);
        record.lngUpFreq = *upperHz;
    } else {
        messages.record(QStringLiteral("Upper frequency should be number."));
    }
    if (record.lngLowFreq >= record.lngUpFreq)
        messages.record(QStringLiteral("The upper frequency <= lower frequency. "));

    const auto reference = [&](const QString& text, const QString& notNumber, int32_t& hz) -> bool {
        const std::optional<double> kHz = number(text);
        if (!kHz) {
            messages.record(notNumber);
            return true;
        }
        if (!isReferenceStep(*kHz))
            return false;
        hz = static_cast<int32_t>(*kHz * 1000);
        return true;
    };
    if (!reference(entry.ref1, QStringLiteral("Ref Frequency1 should be number."), record.lngRef1) ||
        !reference(entry.ref2, QStringLiteral("Ref Frequency2 should be number."), record.lngRef2))
        return messages.stop(kIncorrectFrequency);

    // The prescaler divides by a whole number from 1 up to what the record's 16-bit field holds.
    const QString prescalerNotNumber = QStringLiteral("Pre Scalar should be number.");
    if (const std::optional<double> prescaler = number(entry.prescaler)) {
        const double whole = std::floor(*prescaler);
        if (whole > INT16_MAX) {
            messages.record(prescalerNotNumber);
        } else {
            record.intPrescalar = static_cast<int16_t>(std::max(whole, double(INT16_MIN)));
            if (whole < 1)
                messages.record(QStringLiteral("Pre Scalar must >=1."));
        }
    } else {
        messages.record(prescalerNotNumber);
    }

    record.boolDoubled = entry.doubled;

    if (const std::optional<double> intermediate = number(entry.intermediate)) {
        if (const std::optional<int32_t> hz = frequencyHz(std::fabs(*intermediate), 1e6))
            record.lngIntFreq = entry.highSide ? *hz : -*hz;
        else
            messages.record(kIncorrectFrequency);
    } else {
        messages.record(QStringLiteral("Intermediate frequency should be number."));
    }

    if (const std::optional<double> tcxo = number(entry.tcxo)) {
        if (const std::optional<int32_t> hz = frequencyHz(*tcxo, 1e6))
            record.lngTCXOFreq = *hz;
        else
            messages.record(kIncorrectFrequency);
    } else {
        messages.record(QStringLiteral("Referency frequency should be number."));
    }

    record.intType = static_cast<int16_t>(entry.kind);
    return messages.text();
}

} // namespace modeleditor
