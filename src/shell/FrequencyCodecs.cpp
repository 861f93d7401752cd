#include "shell/FrequencyCodecs.h"

#include "shell/CodecFailure.h"

#include <array>
#include <cstddef>
#include <limits>

namespace basVelmar {
namespace {

constexpr int kNoFrequency = 7;
constexpr std::array<int32_t, 7> kStepOfCode{5000, 6250, 10000, 12500, 20000, 2500, 3125};

// The code a step is written with; -1 for a step that has none.
int stepCode(int32_t step)
{
    switch (step) {
    case 5000: return 0;
    case 6250: return 1;
    case 10000: return 2;
    case 12500: return 3;
    case 2500: return 5;
    case 3125: return 6;
    default: return -1;
    }
}

struct ToneRange {
    int low;
    int high;
    double tone;
};

constexpr std::array<ToneRange, 50> kToneRanges{{
    {66, 67, 67.0},    {68, 69, 69.4},    {70, 72, 71.9},    {73, 75, 74.4},    {76, 78, 77.0},
    {79, 80, 79.7},    {81, 83, 82.5},    {84, 86, 85.4},    {87, 89, 88.5},    {90, 92, 91.5},
    {93, 95, 94.8},    {96, 98, 97.4},    {99, 101, 100.0},  {102, 104, 103.5}, {106, 108, 107.2},
    {109, 111, 110.9}, {113, 115, 114.8}, {117, 119, 118.8}, {122, 124, 123.0}, {126, 128, 127.3},
    {130, 132, 131.8}, {135, 137, 136.5}, {141, 143, 141.3}, {145, 147, 146.2}, {150, 152, 151.4},
    {155, 157, 156.7}, {158, 160, 159.8}, {161, 163, 162.2}, {164, 166, 165.5}, {167, 169, 167.9},
    {170, 172, 171.3}, {173, 175, 173.8}, {176, 178, 177.3}, {179, 181, 179.9}, {182, 184, 183.5},
    {185, 187, 186.2}, {188, 190, 189.9}, {191, 193, 192.8}, {195, 197, 196.6}, {198, 201, 199.5},
    {202, 204, 203.5}, {205, 207, 206.5}, {209, 211, 210.7}, {217, 219, 218.1}, {224, 226, 225.7},
    {228, 230, 229.1}, {232, 234, 233.6}, {240, 242, 241.8}, {249, 251, 250.3}, {252, 255, 254.1},
}};

} // namespace

int16_t intBytesToFrequency(int32_t& hz, int32_t& step, uint8_t f1, uint8_t f2, uint8_t f3)
{
    const int code = (f1 >> 4) & 0x07;
    if (code == kNoFrequency) {
        hz = 0;
        return -1;
    }
    step = kStepOfCode[static_cast<std::size_t>(code)];
    const int64_t divider = (int64_t{f1 & 0x0F} << 14) | (int64_t{f2} << 6) | f3;
    const int64_t product = divider * step;
    if (product > std::numeric_limits<int32_t>::max()) {
        ShowCodecOverflow();
        return -1;
    }
    hz = static_cast<int32_t>(product);
    return 0;
}

int16_t intFrequencyToBytes(int32_t hz, int32_t stepA, int32_t stepB, uint8_t& f1, uint8_t& f2, uint8_t& f3)
{
    // The largest 32-bit frequency leaves the codec's arithmetic no room: it is an overflow, shown
    // as the other codecs show theirs, and the word is left as it was.
    if (hz == std::numeric_limits<int32_t>::max()) {
        ShowCodecOverflow();
        return -1;
    }
    int32_t step = 0;
    if (stepA > 0 && hz % stepA == 0)
        step = stepA;
    else if (stepB > 0 && hz % stepB == 0)
        step = stepB;
    if (step == 0) {
        f1 = f2 = f3 = 0;
        return -1;
    }
    const int code = stepCode(step);
    const int32_t divider = hz / step;
    if (code < 0 || divider < 0 || divider > kMaxFrequencyDivider)
        return -1;
    f1 = static_cast<uint8_t>((code << 4) | (divider >> 14));
    f2 = static_cast<uint8_t>((divider >> 6) & 0xFF);
    f3 = static_cast<uint8_t>(divider & 0x3F);
    return 0;
}

int16_t intMeasuredToCTCSS(int32_t value, double& tone)
{
    if (value == 0) {
        tone = 0.0;
        return 0;
    }
    for (const ToneRange& r : kToneRanges) {
        if (value >= r.low && value <= r.high) {
            tone = r.tone;
            break;
        }
    }
    return 0;
}

} // namespace basVelmar
