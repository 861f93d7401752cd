#pragma once
// The action list of the function-tone editor: the position of each action in the list and the
// action codes it stands for. A position with a parameter stands for a run of codes, the parameter
// being the code minus the run's first code.
#include <array>
#include <cstdint>

namespace fnactions {

enum Position : int {
    kSetChannel = 0,        // channel 0-127
    kAuxOutputOn = 1,       // output 0-3
    kAuxOutputOff = 2,      // output 0-3
    kAuxOutputToggle = 3,   // output 0-3
    kTalkThroughOn = 4,
    kTalkThroughOff = 5,
    kTalkThroughToggle = 6,
    kLoopbackToggle = 7,
    kCtcssDefeatUntilKeyed = 8,
    kCtcssDefeatMomentary = 9,
    kCtcssDefeatToggle = 10,
    kClearPipTones = 11,
    kCancelAlarm = 12,
    kConfirmationMessage = 13, // message 0-5
    kDoNothing = 14,
};
constexpr int kPositionCount = 15;

struct CodeRun {
    int16_t first, last;
};
// The codes of each position, by position.
constexpr std::array<CodeRun, kPositionCount> kCodes{{
    {0, 127}, {144, 147}, {160, 163}, {176, 179}, {129, 129}, {128, 128}, {130, 130}, {194, 194},
    {136, 136}, {137, 137}, {138, 138}, {193, 193}, {192, 192}, {218, 223}, {255, 255},
}};

constexpr bool hasParameter(int position) { return kCodes[position].last > kCodes[position].first; }
// The highest parameter of a position (0 for one without).
constexpr int highestParameter(int position) { return kCodes[position].last - kCodes[position].first; }

// The position of an action code; -1 for a code of no position.
constexpr int positionOfCode(int code)
{
    for (int p = 0; p < kPositionCount; ++p)
        if (code >= kCodes[p].first && code <= kCodes[p].last)
            return p;
    return -1;
}

} // namespace fnactions
