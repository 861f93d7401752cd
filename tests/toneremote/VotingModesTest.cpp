// The voting signal worked out from the mode the voting tab shows: the flag bits, markers, levels
// and filter tables of each mode on a 4-wire line and of the keytone on a 2-wire line, the
// refusals, and the voting level's scale.
#include "toneremote/VotingModes.h"

#include <gtest/gtest.h>

using trvoting::Choice;
using trvoting::FilterTable;
using trvoting::Refusal;
using Kind = trvoting::FilterTable::Kind;

namespace {

constexpr double kDspRef = 32767;
constexpr double kOffset = 5.75;
constexpr double kLevelAt20dBr = 1690.1944882924236; // -20 dBr on the scale above

// Fields before the apply: every flag bit but the notch and repeater bits set, and markers that
// show whether a mode wrote them.
ToneRemoteFields before()
{
    ToneRemoteFields f;
    f.bytFlag2 = 0xF1;
    f.lFreq_TOI = 1234;
    f.VotingLevel = 55;
    f.RSSISignal = 7;
    f.iSlidingSimoco = 5;
    f.intKeytoneFrequencyRT10 = 999;
    return f;
}

Choice fourWire(bool toneOnIdle, bool sliding, bool simoco, bool vhf)
{
    Choice c;
    c.toneOnIdle = toneOnIdle;
    c.slidingTone = sliding;
    c.simocoPhilips = simoco;
    c.vhf = vhf;
    c.toneOnIdleHz = 2970;
    c.voteLevelDbr = -20;
    c.sliding = {2730, 3000, 2707, -115, -90};
    c.keytoneHz = 2280;
    return c;
}

} // namespace

TEST(VotingModes, EachModeWritesItsBitsMarkersAndTables)
{
    const Choice none = fourWire(false, false, false, true);
    const Choice toneOnIdle = fourWire(true, false, false, false);
    const Choice sliding = fourWire(false, true, false, true);
    const Choice simoco = fourWire(false, false, true, false);
    const Choice toneOnIdleAndSliding = fourWire(true, true, false, true);
    Choice twoWire = fourWire(true, false, false, true);
    twoWire.fourWire = false;
    twoWire.keytoneHz = 2280.4;
    struct Written {
        uint8_t flags;
        int32_t toi;
        double level;
        int32_t rssi;
        int16_t slidingSimoco;
    };
    const double at20 = kLevelAt20dBr;
    const struct {
        const char* name;
        Choice choice;
        Written written;
        bool toneOnIdle;
        uint16_t rt10;
        std::vector<FilterTable> tables;
    } cases[] = {
        {"no mode", none, {0xC1, -32767, 8193, 7, 5}, false, 999, {{Kind::Zero, 0}}},
        {"tone on idle", toneOnIdle, {0xE1, 24330, at20, 0, 1}, true, 2970, {{Kind::ToneOnIdle, 2970}}},
        {"sliding tone", sliding, {0xD1, 257, at20, 1, 1}, false, 999, {{Kind::SlideVoteTone, 2500}}},
        {"Simoco/Philips", simoco, {0xD1, -32768, 8192, 0, 0}, false, 999, {{Kind::SlideVoteTone, 2500}}},
        // Ticked together, the modes are worked out one after the other.
        {"tone on idle, then sliding",
         toneOnIdleAndSliding,
         {0xF1, 257, at20, 1, 1},
         true,
         2970,
         {{Kind::ToneOnIdle, 2970}, {Kind::SlideVoteTone, 2500}}},
        // On a 2-wire line the ticked modes count for nothing; the mode switch bit is cleared too.
        {"2-wire", twoWire, {0xC0, 1234, 55, 7, 5}, false, 999, {{Kind::KeyTone, 2280}}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        const trvoting::Outcome o = trvoting::workOut(k.choice, before(), kDspRef, kOffset);
        ASSERT_EQ(o.refusal, Refusal::None);
        EXPECT_EQ(o.fields.bytFlag2, k.written.flags);
        EXPECT_EQ(o.fields.lFreq_TOI, k.written.toi);
        EXPECT_NEAR(o.fields.VotingLevel, k.written.level, 1e-9);
        EXPECT_EQ(o.fields.RSSISignal, k.written.rssi);
        EXPECT_EQ(o.fields.iSlidingSimoco, k.written.slidingSimoco);
        EXPECT_EQ(o.toneOnIdle, k.toneOnIdle);
        EXPECT_EQ(o.fields.intKeytoneFrequencyRT10, k.rt10);
        EXPECT_EQ(o.tables, k.tables);
    }
}

TEST(VotingModes, SlidingToneFieldsComeFromItsEntries)
{
    const trvoting::Outcome o = trvoting::workOut(fourWire(false, true, false, false), before(), kDspRef, kOffset);
    ASSERT_EQ(o.refusal, Refusal::None);
    EXPECT_EQ(o.fields.m, 25);
    EXPECT_EQ(o.fields.c, 20851);
    EXPECT_EQ(o.fields.MuteFreq, 22175);
}

TEST(VotingModes, RefusalsCarryNoFieldsAndNoTables)
{
    auto toneOnIdleAt = [](double hz) {
        Choice c = fourWire(true, false, false, true);
        c.toneOnIdleHz = hz;
        return c;
    };
    Choice noSlope = fourWire(false, true, false, true);
    noSlope.sliding.lowerLevel = noSlope.sliding.upperLevel;
    Choice tooWide = fourWire(false, true, false, true);
    tooWide.sliding.muteHz = 8000;
    // A refused tone on idle is found before the sliding tone is worked out.
    Choice both = toneOnIdleAt(0);
    both.slidingTone = true;
    both.sliding = noSlope.sliding;
    const struct {
        const char* name;
        Choice choice;
        Refusal refusal;
    } cases[] = {
        {"tone on idle without frequency", toneOnIdleAt(0), Refusal::NoToneOnIdleFrequency},
        {"tone on idle rounding to 0 Hz", toneOnIdleAt(0.4), Refusal::NoToneOnIdleFrequency},
        {"tone on idle below 0 Hz", toneOnIdleAt(-5), Refusal::NoToneOnIdleFrequency},
        {"tone on idle above 65535 Hz", toneOnIdleAt(65536), Refusal::NoToneOnIdleFrequency},
        {"sliding tone without slope", noSlope, Refusal::NoSlope},
        {"sliding tone beyond its words", tooWide, Refusal::DoesNotFit},
        {"tone on idle first", both, Refusal::NoToneOnIdleFrequency},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        const trvoting::Outcome o = trvoting::workOut(k.choice, before(), kDspRef, kOffset);
        EXPECT_EQ(o.refusal, k.refusal);
        EXPECT_TRUE(o.tables.empty());
        EXPECT_FALSE(o.toneOnIdle);
    }
    // A tone on idle from 1 Hz is taken; 0.5 Hz goes to the even 0 and is refused.
    EXPECT_EQ(trvoting::workOut(toneOnIdleAt(1), before(), kDspRef, kOffset).refusal, Refusal::None);
    EXPECT_EQ(trvoting::workOut(toneOnIdleAt(0.5), before(), kDspRef, kOffset).refusal, Refusal::NoToneOnIdleFrequency);
}

TEST(VotingModes, LevelScaleWordAndMarkers)
{
    EXPECT_NEAR(trvoting::levelOf(-20, kDspRef, kOffset), kLevelAt20dBr, 1e-9);
    EXPECT_NEAR(trvoting::levelOf(kOffset, kDspRef, kOffset), kDspRef, 1e-9);
    for (double dBr : {-40.0, -20.0, -1.0, 0.0})
        EXPECT_NEAR(trvoting::dBrOf(trvoting::levelOf(dBr, kDspRef, kOffset), kDspRef, kOffset), dBr, 1e-9) << dBr;

    // Hz × 65536 / 8000, the quotient cut to a whole number.
    const struct {
        double hz;
        int32_t word;
    } words[] = {{2970, 24330}, {1000, 8192}, {1, 8}, {2100, 17203}};
    for (const auto& w : words)
        EXPECT_EQ(trvoting::toneOnIdleWord(w.hz), w.word) << w.hz;

    ToneRemoteFields f;
    f.iSlidingSimoco = 0;
    f.VotingLevel = 8192;
    EXPECT_TRUE(trvoting::isSimocoPhilips(f));
    f.VotingLevel = 8193;
    EXPECT_FALSE(trvoting::isSimocoPhilips(f));
    f.VotingLevel = 8192;
    f.iSlidingSimoco = 1;
    EXPECT_FALSE(trvoting::isSimocoPhilips(f));

    EXPECT_EQ(trvoting::withoutVotingMode(0xFF), 0xCF);
    EXPECT_EQ(trvoting::withoutVotingMode(0x30), 0x00);
}
