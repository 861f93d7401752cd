#pragma once
// The sliding voting tone: a tone whose frequency follows the receiver's RSSI, from the lower
// frequency at the lower line level to the upper frequency at the upper one. Worked out from the
// entries of the voting tab into the slope, offset and coded frequencies the module reads.
#include "toneremote/ToneRemoteFields.h"

#include <cstdint>

namespace trvoting {

// Why the voting entries were refused.
enum class Refusal {
    None,
    NoToneOnIdleFrequency, // a tone on idle without a frequency from 1 to 65535 Hz
    NoSlope,               // the sliding tone's levels or frequencies give no slope
    DoesNotFit,            // the slope, the offset or a coded frequency does not fit its word
};

// Marker of the tone-on-idle word while the sliding tone is in use.
constexpr int32_t kSlidingMarker = 257;

// The entries of the sliding tone as numbers: frequencies in Hz (taken to the nearest whole Hz,
// a half to the even one), levels in dBm.
struct SlidingEntry {
    double lowerHz = 0;
    double upperHz = 0;
    double muteHz = 0;
    double lowerLevel = 0;
    double upperLevel = 0;
};

// The receiver's RSSI: the line level at the foot of its span (dBm), the span (dB), and the
// module's counts of one volt of it.
constexpr double kRssiFloorDbm = -115;
constexpr double kRssiSpanDb = 45;
constexpr double kRssiCountsPerVolt = 33000.0 / 44500.0 * 255.0 / 5.0;

// The RSSI voltages of the receiver band at the foot of the span and at its top.
struct RssiSpan {
    double v1;
    double v2;
};
RssiSpan rssiSpan(bool vhf);

// The line level in dBm over the band's RSSI voltage: pint + pm × volts.
struct LevelScale {
    double pm;
    double pint;
};
LevelScale levelScale(const RssiSpan& span);

// A frequency as the module's word holds it: Hz × 8.192, cut to a whole number.
double codedHz(double hz);
// The Hz a word stands for: (w + 1) × 8000 / 65536, cut to a whole number.
int32_t hzOfCode(uint16_t word);

// Sets the sliding-tone fields (kRSSI, Pm, Pint, LowerFreq, UpperFreq, MuteFreq, Lu, Ll, Fl, Fu,
// m, c and the tone-on-idle marker) from the entries and the band. A refusal (NoSlope or
// DoesNotFit) changes no field. Frequencies that are both 0 give no slope and no offset.
Refusal slidingTone(const SlidingEntry& entry, bool vhf, ToneRemoteFields& fields);

} // namespace trvoting
