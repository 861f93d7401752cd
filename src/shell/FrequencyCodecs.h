#pragma once
#include <cstdint>

// The channel frequency word f1 f2 f3: f1 bit 7 unused, f1 bits 6-4 the step code, then an
// 18-bit divider (f1 bits 3-0, f2, f3 bits 5-0). Frequency in Hz = divider x step.
// Step codes: 0 5000, 1 6250, 2 10000, 3 12500, 4 20000, 5 2500, 6 3125 Hz; 7 no frequency.
namespace basVelmar {

constexpr int32_t kMaxFrequencyDivider = (1 << 18) - 1;

// -1 for step code 7 (hz 0, step untouched); -1 with "Overflow" when divider x step is beyond
// 32 bits (step set, hz untouched).
int16_t intBytesToFrequency(int32_t& hz, int32_t& step, uint8_t f1, uint8_t f2, uint8_t f3);

// Takes step A when it divides hz, else step B; a step of 0 or less is skipped.
// -1 and f1 = f2 = f3 = 0 when neither step divides hz. -1 with the bytes untouched when the step
// has no code (20000 Hz has none on writing), or when the frequency is negative or its divider
// does not fit 18 bits.
int16_t intFrequencyToBytes(int32_t hz, int32_t stepA, int32_t stepB, uint8_t& f1, uint8_t& f2, uint8_t& f3);

// The standard CTCSS tone of an approximate tone frequency in whole Hz (0 gives 0.0); a value
// between or outside the tones' ranges leaves `tone` as it is. Always 0.
int16_t intMeasuredToCTCSS(int32_t value, double& tone);

} // namespace basVelmar
