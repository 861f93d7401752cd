// The low-voltage alarm threshold in volts: page 5 byte 0 read against the module's calibration
// byte (page 2 byte 0, the byte that reads 10.7 V), in exact decimal arithmetic.
#include "toneremote/COrvDocTR.h"

#include "db/DbQuery.h"
#include "platform/PlatformError.h"
#include "shell/FailureTrap.h"

using namespace trlayout;

namespace {

constexpr ExactDecimal kVoltsPerStep = ExactDecimal::fromDigits(238, 4);  // 0.0238 V
constexpr ExactDecimal kVoltsAtZero = ExactDecimal::fromDigits(99159, 4); // 9.9159 V
constexpr ExactDecimal kCalibratedVolts = ExactDecimal::fromDigits(107, 1); // 10.7 V

ExactDecimal ByteToVoltage(uint8_t b) { return kVoltsAtZero + kVoltsPerStep * b; }

} // namespace

ExactDecimal COrvDocTR::voltageOffset() const
{
    return kCalibratedVolts - ByteToVoltage(at(kIdentityPage, identity::kCalibration));
}

ExactDecimal COrvDocTR::LowVoltAlarmThreshold()
{
    if (at(kTimerPage, timers::kThreshold) == 0)
        at(kTimerPage, timers::kThreshold) = at(kIdentityPage, identity::kCalibration);
    // 10.7 V + 0.0238 V × (threshold byte - calibration byte).
    return ByteToVoltage(at(kTimerPage, timers::kThreshold)) + voltageOffset();
}

int16_t COrvDocTR::LowVoltAlarmThreshold(ExactDecimal volts)
{
    return basVelmar::trapped([&]() -> int16_t {
        const ExactDecimal offset = voltageOffset();
        const int64_t b = (volts - offset - kVoltsAtZero).dividedRounded(kVoltsPerStep);
        if (b < 0 || b > 255)
            throw platform::Error(velmardb::kErrOverflow,
                                  QStringLiteral("The low-voltage alarm threshold of %1 V is outside what this module can "
                                                 "hold (%2 V to %3 V).")
                                      .arg(volts.toString(), (ByteToVoltage(0) + offset).toString(),
                                           (ByteToVoltage(255) + offset).toString()));
        at(kTimerPage, timers::kThreshold) = static_cast<uint8_t>(b);
        return 0;
    });
}
