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

// The RSSI voltages of the receiver band at -115 dBm and 45 dB above it.
struct RssiSpan {
    double v1;
    double v2;
};
RssiSpan rssiSpan(bool vhf);

// A frequency as the module's word holds it: Hz × 8.192, cut to a whole number.
double codedHz(double hz);

// Sets the sliding-tone fields (kRSSI, Pm, Pint, LowerFreq, UpperFreq, MuteFreq, Lu, Ll, Fl, Fu,
// m, c and the tone-on-idle marker) from the entries and the band. A refusal (NoSlope or
// DoesNotFit) changes no field. Frequencies that are both 0 give no slope and no offset.
Refusal slidingTone(const SlidingEntry& entry, bool vhf, ToneRemoteFields& fields);

} // namespace trvoting
