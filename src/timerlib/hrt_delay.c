/* Busy-wait delays: short microsecond delays count calibrated atoms of work,
 * longer ones poll an alarm. */
#include "hrt_arithmetic.h"
#include "hrt_internal.h"

/* A rotate kept out of line and opaque to the optimiser, so that each atom
 * really makes its eight calls. */
__attribute__((noinline, noipa)) static uint32_t rotate_left(uint32_t value, unsigned bits)
{
    bits &= 31u;
    return bits ? (value << bits) | (value >> (32u - bits)) : value;
}

/* One atom: eight rotates whose results are thrown away. */
static inline void delay_atom(void)
{
    for (int i = 0; i < 8; ++i) {
        uint32_t r = rotate_left(1u, 1u);
        __asm__ __volatile__("" : : "r"(r));
    }
}

/* The calibration and every counted delay run atoms through this one
 * function, so that what was measured is what runs. */
__attribute__((noinline)) void hrt_delay_atoms(uint64_t count)
{
    for (uint64_t i = 0; i < count; ++i)
        delay_atom();
}

int16_t HRT_CALL hrt_delay_alloc(uint32_t amount, int16_t resolution)
{
    if (!hrt_state.supported)
        return 0;
    /* A delay in an unknown unit could be neither counted nor timed. */
    if (!hrt_resolution_known(resolution))
        return 0;
    if (!hrt_state.delay_calibrated && !hrt_calibrate_delay())
        return 0;
    for (int16_t h = 1; h < HRT_DELAY_SLOTS; ++h) {
        hrt_delay_slot *d = &hrt_state.delays[h];
        if (d->in_use)
            continue;
        int16_t alarm = 0;
        uint64_t atoms = 0;
        if (resolution == HRT_RES_USEC && amount < hrt_state.delay_switch_us) {
            atoms = hrt_counted_atoms(amount, hrt_state.delay_min_ns, hrt_state.delay_atom_ps);
        } else {
            alarm = hrt_alarm_alloc(resolution);
            if (!alarm)
                return 0;
        }
        d->in_use = 1;
        d->resolution = resolution;
        d->amount = amount;
        d->alarm = alarm;
        d->atoms = atoms;
        ++hrt_state.delays_in_use;
        return h;
    }
    return 0;
}

void hrt_delay_run(int16_t slot)
{
    const hrt_delay_slot *d = &hrt_state.delays[slot];
    if (!d->in_use)
        return;
    if (d->alarm) {
        hrt_alarm_set(d->alarm, d->amount, HRT_MODE_DISARM);
        while (hrt_alarm_check(d->alarm) == 0) {
        }
        return;
    }
    hrt_delay_atoms(d->atoms);
}

void HRT_CALL hrt_delay_do(int16_t handle)
{
    if (hrt_delay_valid(handle))
        hrt_delay_run(handle);
}

void HRT_CALL hrt_delay_free(int16_t handle)
{
    if (!hrt_delay_valid(handle))
        return;
    hrt_delay_slot *d = &hrt_state.delays[handle];
    d->in_use = 0;
    hrt_alarm_free(d->alarm);
    d->alarm = 0;
    --hrt_state.delays_in_use;
}

uint16_t HRT_CALL hrt_delay_inuse(void)
{
    return hrt_state.delays_in_use;
}

uint16_t HRT_CALL hrt_delay_avail(void)
{
    return (uint16_t)(HRT_DELAY_SLOTS - 1 - hrt_state.delays_in_use);
}

uint32_t HRT_CALL hrt_delay_getatom(void)
{
    if (!hrt_state.delay_calibrated)
        hrt_calibrate_delay();
    if (hrt_state.delay_atom_ps == 0)
        return 0;
    uint64_t ns = (hrt_state.delay_atom_ps + 500u) / 1000u;
    return ns == 0 ? 1u : (ns > UINT32_MAX ? UINT32_MAX : (uint32_t)ns);
}

uint32_t HRT_CALL hrt_delay_getmin(void)
{
    if (!hrt_state.delay_calibrated)
        hrt_calibrate_delay();
    uint64_t us = hrt_state.delay_min_ns / 1000u;
    return us > UINT32_MAX ? UINT32_MAX : (uint32_t)us;
}

uint32_t HRT_CALL hrt_delay_getswitch(void)
{
    return hrt_state.delay_switch_us;
}

uint32_t HRT_CALL hrt_delay_setswitch(uint32_t microseconds)
{
    hrt_state.delay_switch_us = microseconds;
    return microseconds;
}
