#include "toneremote/SlidingTone.h"

#include <cmath>

namespace trvoting {

namespace {

constexpr double kCodePerHz = 8.192;

// The nearest whole number, a half to the even one.
double rounded(double v) { return std::nearbyint(v); }

bool fitsSignedWord(double v) { return v >= -32767 && v <= 32767; }

// The slope and offset of the tone over the RSSI counts.
struct Line {
    double m = 0;
    double c = 0;
};

} // namespace

RssiSpan rssiSpan(bool vhf) { return vhf ? RssiSpan{3.5, 6.5} : RssiSpan{1.6, 5.7}; }

LevelScale levelScale(const RssiSpan& span)
{
    const double pm = kRssiSpanDb / (span.v2 - span.v1);
    return {pm, kRssiFloorDbm - pm * span.v1};
}

double codedHz(double hz) { return std::trunc(hz * 8192 / 1000); }

int32_t hzOfCode(uint16_t word) { return static_cast<int32_t>((int64_t(word) + 1) * 1000 / 8192); }

Refusal slidingTone(const SlidingEntry& entry, bool vhf, ToneRemoteFields& f)
{
    const RssiSpan span = rssiSpan(vhf);
    const double lu = entry.upperLevel;
    const double ll = entry.lowerLevel;
    const double lf = rounded(entry.lowerHz);
    const double uf = rounded(entry.upperHz);
    const double mf = rounded(entry.muteHz);
    const auto [pm, pint] = levelScale(span);
    const double vu = (lu - pint) / pm;
    const double vl = (ll - pint) / pm;
    Line line;
    if (lf != 0 || uf != 0) {
        const double n = rounded((lf - uf) * kCodePerHz);
        const double k = rounded((vl - vu) * kRssiCountsPerVolt);
        line.m = k == 0 ? 0 : std::trunc(n / k);
        if (line.m == 0)
            return Refusal::NoSlope;
        line.c = std::trunc(lf * kCodePerHz - vl * kRssiCountsPerVolt * line.m);
    }
    // Slope and offset go into signed 16-bit words of the module, the frequencies into words.
    if (!fitsSignedWord(line.m) || !fitsSignedWord(line.c))
        return Refusal::DoesNotFit;
    for (double hz : {lf, uf, mf})
        if (codedHz(hz) < INT16_MIN || codedHz(hz) > UINT16_MAX)
            return Refusal::DoesNotFit;
    f.kRSSI = kRssiCountsPerVolt;
    f.Pm = pm;
    f.Pint = pint;
    f.LowerFreq = static_cast<int32_t>(codedHz(lf));
    f.UpperFreq = static_cast<int32_t>(codedHz(uf));
    f.MuteFreq = static_cast<int32_t>(codedHz(mf));
    f.Lu = static_cast<int32_t>(rounded(lu));
    f.Ll = ll;
    f.Fl = static_cast<int32_t>(lf);
    f.Fu = static_cast<int32_t>(uf);
    f.m = line.m;
    f.c = static_cast<int16_t>(line.c);
    f.lFreq_TOI = kSlidingMarker;
    return Refusal::None;
}

} // namespace trvoting
