/* The library's arithmetic on counter values, kept free of state. */
#ifndef HRT_ARITHMETIC_H
#define HRT_ARITHMETIC_H

#include <stdint.h>

/* Values at and above this are never a time: see the two flags. */
#define HRT_DIFF_LIMIT 4294967292.0

/* Time from start to end in units of ticks_per_unit counter ticks, truncated.
 * End before start gives 0xFFFFFFFE; 0xFFFFFFFC or more gives 0xFFFFFFFF. */
static inline uint32_t hrt_diff_units(int64_t start, int64_t end, double ticks_per_unit)
{
    if (start > end)
        return 0xFFFFFFFEu;
    if (!(ticks_per_unit > 0.0))
        return 0;
    /* Dividing by the exact ticks per unit keeps whole units whole. */
    double value = (double)((uint64_t)end - (uint64_t)start) / ticks_per_unit;
    if (value >= HRT_DIFF_LIMIT)
        return 0xFFFFFFFFu;
    return (uint32_t)value;
}

/* Number of delay atoms for a counted delay of amount_us microseconds, given
 * the cost of a one-atom delay (min_ns) and of one atom (atom_ps); 0 when the
 * amount is below the minimum. 64-bit throughout: a raised delay switch must
 * not wrap the count. */
static inline uint64_t hrt_counted_atoms(uint32_t amount_us, uint64_t min_ns, uint64_t atom_ps)
{
    uint64_t amount_ns = (uint64_t)amount_us * 1000u;
    if (amount_ns < min_ns || atom_ps == 0)
        return 0;
    return (amount_ns - min_ns) * 1000u / atom_ps;
}

#endif
