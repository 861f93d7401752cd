#include "toneremote/VotingModes.h"

#include "toneremote/COrvDocTR.h"
#include "toneremote/ToneRemotePageLayout.h"

#include <cmath>

namespace trvoting {

namespace flag = trlayout::timers;

namespace {

// The nearest whole number, a half to the even one.
double rounded(double v) { return std::nearbyint(v); }

// The modes ticked on a 4-wire line, in order, over `o`; `flags` is flag byte 2 being built.
Refusal fourWireModes(const Choice& choice, double level, Outcome& o, uint8_t& flags)
{
    ToneRemoteFields& f = o.fields;
    f.RSSISignal = choice.vhf ? 1 : 0;
    if (choice.toneOnIdle) {
        const double hz = rounded(choice.toneOnIdleHz);
        if (hz <= 0 || hz > 65535)
            return Refusal::NoToneOnIdleFrequency;
        flags |= flag::kToneOnIdle;
        o.toneOnIdle = true;
        f.intKeytoneFrequencyRT10 = static_cast<uint16_t>(hz);
        f.lFreq_TOI = toneOnIdleWord(hz);
        f.VotingLevel = level;
        o.tables.push_back({FilterTable::Kind::ToneOnIdle, static_cast<int32_t>(hz)});
    }
    f.iSlidingSimoco = 1;
    if (choice.slidingTone) {
        flags |= flag::kSlidingTone;
        f.VotingLevel = level;
        if (const Refusal r = slidingTone(choice.sliding, choice.vhf, f); r != Refusal::None)
            return r;
        o.tables.push_back({FilterTable::Kind::SlideVoteTone, trlayout::tables::kSlideToneFrequency});
    }
    if (choice.simocoPhilips) {
        flags |= flag::kSlidingTone;
        f.iSlidingSimoco = 0;
        f.lFreq_TOI = kSimocoMarker;
        f.VotingLevel = kSimocoLevel;
        o.tables.push_back({FilterTable::Kind::SlideVoteTone, trlayout::tables::kSlideToneFrequency});
    }
    return Refusal::None;
}

} // namespace

double levelOf(double dBr, double dspRef, double offset) { return dspRef * std::pow(10.0, (dBr - offset) / 20); }

double dBrOf(double level, double dspRef, double offset) { return 20 * std::log10(level / dspRef) + offset; }

int32_t toneOnIdleWord(double hz) { return static_cast<int32_t>(rounded(hz * 65536)) / 8000; }

bool isSimocoPhilips(const ToneRemoteFields& f) { return f.iSlidingSimoco == 0 && f.VotingLevel == kSimocoLevel; }

uint8_t withoutVotingMode(uint8_t flag2) { return flag2 & ~(flag::kToneOnIdle | flag::kSlidingTone); }

Outcome workOut(const Choice& choice, const ToneRemoteFields& fields, double dspRef, double offset)
{
    Outcome o{Refusal::None, fields, false, {}};
    uint8_t flags = withoutVotingMode(fields.bytFlag2);
    if (choice.fourWire && (choice.toneOnIdle || choice.slidingTone || choice.simocoPhilips)) {
        const Refusal r = fourWireModes(choice, levelOf(choice.voteLevelDbr, dspRef, offset), o, flags);
        if (r != Refusal::None)
            return Outcome{r, {}, false, {}};
    } else if (choice.fourWire) {
        o.fields.lFreq_TOI = kNoVotingMarker;
        o.fields.VotingLevel = kNoVotingLevel;
        o.tables.push_back({FilterTable::Kind::Zero, 0});
    } else {
        o.tables.push_back({FilterTable::Kind::KeyTone, static_cast<int32_t>(rounded(choice.keytoneHz))});
        flags &= ~(flag::kModeSwitchOff | flag::kSlidingTone);
    }
    o.fields.bytFlag2 = flags;
    return o;
}

int16_t loadTable(COrvDocTR& doc, const FilterTable& table)
{
    switch (table.kind) {
    case FilterTable::Kind::ToneOnIdle: return doc.SetTOIFrequency(table.hz);
    case FilterTable::Kind::SlideVoteTone: return doc.SetSlideVoteTone(table.hz);
    case FilterTable::Kind::Zero: return doc.SetZeroRT10Table();
    case FilterTable::Kind::KeyTone: return doc.intSetKeyToneFrequency(table.hz);
    }
    return -1;
}

} // namespace trvoting
