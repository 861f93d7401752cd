#include "LocaleParam.h"

#include "shell/FrequencyCodecs.h"
#include "support/ScriptedMsgBox.h"

#include <array>

using namespace basVelmar;

namespace {

using Word = std::array<uint8_t, 3>;

class FrequencyCodecs : public UnderLocale {};

TEST_P(FrequencyCodecs, FrequenciesToWordsAndBack)
{
    struct Case {
        int32_t hz, stepA, stepB;
        Word word;
        int32_t step;
    };
    const Case cases[] = {
        {450012500, 12500, 6250, {0x32, 0x32, 0x21}, 12500},  // step A divides: divider 36001
        {450006250, 12500, 6250, {0x14, 0x65, 0x01}, 6250},   // only step B divides: divider 72001
        {150000000, 5000, 0, {0x01, 0xD4, 0x30}, 5000},       // divider 30000
        {0, 2500, 6250, {0x50, 0x00, 0x00}, 2500},            // 0 Hz takes step A
        {819196875, 3125, 0, {0x6F, 0xFF, 0x3F}, 3125},       // the largest divider, 262143
        {170000000, -5, 10000, {0x21, 0x09, 0x28}, 10000},    // a step of 0 or less is skipped
    };
    for (const Case& c : cases) {
        Word w{0xEE, 0xEE, 0xEE};
        EXPECT_EQ(intFrequencyToBytes(c.hz, c.stepA, c.stepB, w[0], w[1], w[2]), 0) << c.hz;
        EXPECT_EQ(w, c.word) << c.hz;
        int32_t hz = -1, step = -1;
        EXPECT_EQ(intBytesToFrequency(hz, step, c.word[0], c.word[1], c.word[2]), 0) << c.hz;
        EXPECT_EQ(hz, c.hz);
        EXPECT_EQ(step, c.step);
    }
}

TEST_P(FrequencyCodecs, RefusedFrequencies)
{
    Word w{0xEE, 0xEE, 0xEE};
    EXPECT_EQ(intFrequencyToBytes(450001000, 12500, 6250, w[0], w[1], w[2]), -1) << "no step divides";
    EXPECT_EQ(w, (Word{0, 0, 0}));

    struct Case {
        const char* why;
        int32_t hz, stepA, stepB;
    };
    const Case untouched[] = {
        {"20000 Hz has no code on writing", 400000000, 20000, 12500},
        {"a step the word has no code for", 450000000, 7500, 0},
        {"divider 262144 does not fit 18 bits", 819200000, 3125, 0},
        {"divider far too large", 2000000000, 2500, 0},
        {"a negative frequency", -450012500, 12500, 0},
    };
    for (const Case& c : untouched) {
        Word out{0xAB, 0xCD, 0xEF};
        EXPECT_EQ(intFrequencyToBytes(c.hz, c.stepA, c.stepB, out[0], out[1], out[2]), -1) << c.why;
        EXPECT_EQ(out, (Word{0xAB, 0xCD, 0xEF})) << c.why;
    }

    // The largest 32-bit frequency overflows: reported as the codecs report an overflow.
    testsupport::ScriptedMsgBox box;
    for (const int32_t stepA : {12500, 1}) {
        box.expect(QStringLiteral("Overflow"));
        Word out{0xAB, 0xCD, 0xEF};
        EXPECT_EQ(intFrequencyToBytes(2147483647, stepA, 6250, out[0], out[1], out[2]), -1);
        EXPECT_EQ(out, (Word{0xAB, 0xCD, 0xEF}));
    }
    EXPECT_EQ(box.shown().size(), 2);
}

TEST_P(FrequencyCodecs, WordsThatHoldNoFrequency)
{
    int32_t hz = 123, step = 456;
    EXPECT_EQ(intBytesToFrequency(hz, step, 0x70, 0x12, 0x34), -1) << "step code 7";
    EXPECT_EQ(hz, 0);
    EXPECT_EQ(step, 456);

    EXPECT_EQ(intBytesToFrequency(hz, step, 0xC0, 0x00, 0x01), 0) << "bit 7 of f1 is not part of the word";
    EXPECT_EQ(hz, 20000);
    EXPECT_EQ(step, 20000) << "code 4 reads as 20000 Hz";

    testsupport::ScriptedMsgBox box;
    box.expect(QStringLiteral("Overflow"));
    hz = 77;
    EXPECT_EQ(intBytesToFrequency(hz, step, 0x4F, 0xFF, 0xFF), -1) << "262143 x 20000 Hz is beyond 32 bits";
    EXPECT_EQ(hz, 77);
}

TEST_P(FrequencyCodecs, MeasuredTonesToCtcss)
{
    struct Case {
        int32_t value;
        double tone;  // -1: left as it was
    };
    const Case cases[] = {
        {0, 0.0},     {66, 67.0},   {67, 67.0},   {68, 69.4},   {80, 79.7},  {105, -1},   {112, -1},
        {136, 136.5}, {198, 199.5}, {201, 199.5}, {216, -1},    {218, 218.1}, {252, 254.1}, {255, 254.1},
        {256, -1},    {65, -1},     {1, -1},      {-67, -1},
    };
    for (const Case& c : cases) {
        double tone = -1;
        EXPECT_EQ(intMeasuredToCTCSS(c.value, tone), 0);
        EXPECT_EQ(tone, c.tone) << c.value;
    }
}

VELMAR_UNDER_BOTH_LOCALES(FrequencyCodecs);

} // namespace
