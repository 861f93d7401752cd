// The sliding voting tone worked out from the voting tab's entries: slope, offset and the coded
// frequencies for both receiver bands, the rounding of the entries, and the refusals that change
// no field.
#include "toneremote/SlidingTone.h"

#include <gtest/gtest.h>

using trvoting::Refusal;
using trvoting::SlidingEntry;

namespace {

// The defaults the tab puts in when the sliding tone is ticked.
constexpr SlidingEntry kDefaults{2730, 3000, 2707, -115, -90};

} // namespace

TEST(SlidingTone, EntriesGiveTheSlopeOffsetAndCodedFrequencies)
{
    struct Line {
        double m;
        int c;
    };
    struct Coded {
        int lower, upper, mute;
    };
    const struct {
        const char* name;
        SlidingEntry entry;
        bool vhf;
        Line line;
        Coded coded;
        int fl, fu; // whole Hz
    } cases[] = {
        {"VHF defaults", kDefaults, true, {35, 17731}, {22364, 24576, 22175}, 2730, 3000},
        {"UHF defaults", kDefaults, false, {25, 20851}, {22364, 24576, 22175}, 2730, 3000},
        // Frequencies go to the nearest whole Hz, a half to the even one.
        {"halves to even", {2730.5, 2999.5, 2707.4, -115, -90}, true, {35, 17731}, {22364, 24576, 22175}, 2730, 3000},
        {"half up to even", {2731.5, 3000, 2707, -115, -90}, true, {34, 17879}, {22380, 24576, 22175}, 2732, 3000},
        {"widest VHF", {2700, 3500, 2500, -150, -50}, true, {26, 20971}, {22118, 28672, 20480}, 2700, 3500},
        {"widest UHF", {2700, 3500, 2500, -150, -50}, false, {18, 23200}, {22118, 28672, 20480}, 2700, 3500},
        // No frequencies: no slope is needed, and none is refused.
        {"both frequencies 0", {0, 0, 2707, -115, -90}, true, {0, 0}, {0, 0, 22175}, 0, 0},
        // The coded mute frequency at the ends of its word.
        {"mute 7999 Hz", {2730, 3000, 7999, -115, -90}, true, {35, 17731}, {22364, 24576, 65527}, 2730, 3000},
        {"mute -4000 Hz", {2730, 3000, -4000, -115, -90}, true, {35, 17731}, {22364, 24576, -32768}, 2730, 3000},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        ToneRemoteFields f;
        ASSERT_EQ(trvoting::slidingTone(k.entry, k.vhf, f), Refusal::None);
        EXPECT_EQ(f.m, k.line.m);
        EXPECT_EQ(f.c, k.line.c);
        EXPECT_EQ(f.LowerFreq, k.coded.lower);
        EXPECT_EQ(f.UpperFreq, k.coded.upper);
        EXPECT_EQ(f.MuteFreq, k.coded.mute);
        EXPECT_EQ(f.Fl, k.fl);
        EXPECT_EQ(f.Fu, k.fu);
        EXPECT_EQ(f.Lu, static_cast<int32_t>(k.entry.upperLevel));
        EXPECT_EQ(f.Ll, k.entry.lowerLevel);
        EXPECT_EQ(f.lFreq_TOI, trvoting::kSlidingMarker);
        // The RSSI scale: 45 dB over the band's voltages, -115 dBm at the lower one.
        const double pm = k.vhf ? 45 / 3.0 : 45 / 4.1;
        EXPECT_DOUBLE_EQ(f.Pm, pm);
        EXPECT_DOUBLE_EQ(f.Pint, -115 - (k.vhf ? 3.5 : 1.6) * pm);
        EXPECT_DOUBLE_EQ(f.kRSSI, 33000.0 / 44500.0 * 255.0 / 5.0);
    }
}

TEST(SlidingTone, RefusedEntriesChangeNoField)
{
    const struct {
        const char* name;
        SlidingEntry entry;
        bool vhf;
        Refusal refusal;
    } cases[] = {
        {"same levels VHF", {2730, 3000, 2707, -100, -100}, true, Refusal::NoSlope},
        {"same levels UHF", {2730, 3000, 2707, -100, -100}, false, Refusal::NoSlope},
        {"slope below one", {2730, 2731, 2707, -115, -90}, false, Refusal::NoSlope},
        {"offset beyond its word", {2712, 3000, 2707, -100, -115}, true, Refusal::DoesNotFit},
        {"mute 8000 Hz", {2730, 3000, 8000, -115, -90}, true, Refusal::DoesNotFit},
        {"mute -4001 Hz", {2730, 3000, -4001, -115, -90}, false, Refusal::DoesNotFit},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        ToneRemoteFields f;
        f.m = 7;
        f.c = 9;
        f.LowerFreq = 11;
        f.lFreq_TOI = 13;
        f.Pm = 17;
        EXPECT_EQ(trvoting::slidingTone(k.entry, k.vhf, f), k.refusal);
        EXPECT_EQ(f.m, 7);
        EXPECT_EQ(f.c, 9);
        EXPECT_EQ(f.LowerFreq, 11);
        EXPECT_EQ(f.lFreq_TOI, 13);
        EXPECT_EQ(f.Pm, 17);
    }
}
