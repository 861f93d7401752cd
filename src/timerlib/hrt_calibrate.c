/* Calibrations: the measured cost of the library's own calls, taken off short
 * readings, intervals and delays. Each keeps the minimum of five trials,
 * measured with an unnamed microsecond stopwatch timer. */
#include "hrt_internal.h"
#include "hrt_platform.h"

#define TRIALS 5

/* A timer reading in microseconds as the calibrations take it: the run less
 * the timer overhead, at least 0. */
static uint32_t reading_us(int16_t timer)
{
    return hrt_timer_elapsed(timer);
}

int16_t HRT_CALL hrt_calibrate_timer(void)
{
    hrt_state.timer_calibrated = 1;
    hrt_state.timer_overhead_us = 0;
    int16_t timer = hrt_timer_alloc(HRT_RES_USEC, "");
    if (!timer) {
        hrt_state.timer_calibrated = 0;
        return 0;
    }
    uint32_t minimum = 0x0FFF0000u;
    for (int i = 0; i < TRIALS; ++i) {
        hrt_timer_start(timer);
        hrt_timer_stop(timer);
        uint32_t r = reading_us(timer);
        if (r < minimum)
            minimum = r;
        hrt_timer_reset(timer);
    }
    hrt_state.timer_overhead_us = (uint32_t)((uint64_t)minimum * 110u / 100u);
    hrt_timer_free(timer);
    return 1;
}

int16_t HRT_CALL hrt_calibrate_delay(void)
{
    hrt_state.delay_calibrated = 1;
    int16_t timer = hrt_timer_alloc(HRT_RES_USEC, "");
    if (!timer) {
        hrt_state.delay_calibrated = 0;
        return 0;
    }
    /* The nanoseconds of 1000 atoms are the picoseconds of one. */
    uint64_t atom_ps = 0x0FFFFFFFu;
    for (int i = 0; i < TRIALS; ++i) {
        hrt_timer_reset(timer);
        hrt_timer_start(timer);
        hrt_delay_atoms(1000);
        hrt_timer_stop(timer);
        uint64_t r = hrt_timer_run_ns(timer);
        if (r < atom_ps)
            atom_ps = r;
    }
    hrt_state.delay_atom_ps = atom_ps ? atom_ps : 1u;

    hrt_delay_slot *calibration = &hrt_state.delays[0];
    calibration->in_use = 1;
    calibration->resolution = HRT_RES_USEC;
    calibration->amount = 1;
    calibration->atoms = 1;
    calibration->alarm = 0;
    uint64_t min_ns = 0x0FFFFFFFu;
    for (int i = 0; i < TRIALS; ++i) {
        hrt_timer_reset(timer);
        hrt_timer_start(timer);
        hrt_delay_run(0);
        hrt_timer_stop(timer);
        uint64_t r = hrt_timer_run_ns(timer);
        if (r < min_ns)
            min_ns = r;
    }
    hrt_state.delay_min_ns = min_ns;
    hrt_timer_free(timer);
    return 1;
}

int16_t HRT_CALL hrt_calibrate_alarm(void)
{
    hrt_state.alarm_calibrated = 1;
    int16_t timer = hrt_timer_alloc(HRT_RES_USEC, "");
    if (!timer) {
        hrt_state.alarm_calibrated = 0;
        return 0;
    }
    hrt_state.alarm_overhead_us = 0;
    int16_t alarm = hrt_alarm_alloc(HRT_RES_USEC);
    if (!alarm) {
        hrt_timer_free(timer);
        hrt_state.alarm_calibrated = 0;
        return 0;
    }
    uint32_t minimum = 0x0FFFFFFFu;
    for (int i = 0; i < TRIALS; ++i) {
        hrt_timer_reset(timer);
        hrt_timer_start(timer);
        hrt_alarm_set(alarm, 1, HRT_MODE_DISARM);
        hrt_alarm_check(alarm);
        hrt_timer_stop(timer);
        uint32_t r = reading_us(timer);
        if (r < minimum)
            minimum = r;
    }
    hrt_state.alarm_overhead_us = minimum;
    hrt_timer_free(timer);
    hrt_alarm_free(alarm);
    return 1;
}

int16_t HRT_CALL hrt_calibrate_event(void)
{
    uint32_t min_ms = 0, max_ms = 0;
    if (!hrt_plat_event_caps(&min_ms, &max_ms))
        return 0;
    hrt_plat_event_lock();
    hrt_state.event_min_period = min_ms;
    hrt_state.event_max_period = max_ms;
    hrt_state.event_calibrated = 1;
    hrt_plat_event_unlock();
    return 1;
}
