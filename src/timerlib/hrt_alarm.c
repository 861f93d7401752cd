/* Polled alarms: an interval armed from a start stamp and tested by checks. */
#include "hrt_arithmetic.h"
#include "hrt_internal.h"
#include "hrt_platform.h"

/* Check results. */
#define HRT_ALARM_NOT_ARMED 1u
#define HRT_ALARM_RUNNING 0u

static void arm_from_now(hrt_alarm_slot *a)
{
    double ticks = (double)a->interval * hrt_ticks_per_unit(a->resolution);
    int64_t whole = (int64_t)ticks;
    a->interval_ticks = (double)whole < ticks ? whole + 1 : whole;
    a->armed = 1;
    hrt_timestamp_get(a->start_stamp);
}

int16_t HRT_CALL hrt_alarm_alloc(int16_t resolution)
{
    if (!hrt_state.supported)
        return 0;
    /* An alarm in an unknown unit could never be timed. */
    if (!hrt_resolution_known(resolution))
        return 0;
    if (!hrt_state.alarm_calibrated && !hrt_calibrate_alarm())
        return 0;
    for (int16_t h = 1; h < HRT_ALARM_SLOTS; ++h) {
        hrt_alarm_slot *a = &hrt_state.alarms[h];
        if (a->in_use)
            continue;
        int16_t start = hrt_timestamp_alloc();
        int16_t now = start ? hrt_timestamp_alloc() : 0;
        if (!now) {
            hrt_timestamp_free(start);
            return 0;
        }
        a->in_use = 1;
        a->armed = 0;
        a->resolution = resolution;
        a->mode = HRT_MODE_DISARM;
        a->start_stamp = start;
        a->now_stamp = now;
        a->interval = 0;
        ++hrt_state.alarms_in_use;
        return h;
    }
    return 0;
}

void HRT_CALL hrt_alarm_free(int16_t handle)
{
    if (!hrt_alarm_valid(handle))
        return;
    hrt_alarm_slot *a = &hrt_state.alarms[handle];
    a->in_use = 0;
    a->armed = 0;
    hrt_timestamp_free(a->start_stamp);
    hrt_timestamp_free(a->now_stamp);
    a->start_stamp = a->now_stamp = 0;
    --hrt_state.alarms_in_use;
}

void HRT_CALL hrt_alarm_set(int16_t handle, uint32_t interval, int16_t mode)
{
    if (!hrt_alarm_valid(handle))
        return;
    hrt_alarm_slot *a = &hrt_state.alarms[handle];
    a->mode = mode;
    if (a->resolution == HRT_RES_USEC)
        interval = interval > hrt_state.alarm_overhead_us ? interval - hrt_state.alarm_overhead_us : 1u;
    if (interval == 0) {
        a->armed = 0;
        return;
    }
    a->interval = interval;
    arm_from_now(a);
}

uint32_t HRT_CALL hrt_alarm_check(int16_t handle)
{
    /* A handle that names no alarm reads as expired, so a caller polling
     * until non-zero is never held. */
    if (!hrt_alarm_valid(handle))
        return HRT_ALARM_NOT_ARMED;
    hrt_alarm_slot *a = &hrt_state.alarms[handle];
    if (!a->armed)
        return HRT_ALARM_NOT_ARMED;
    /* The alarm's own stamps are valid while it is: read the counter straight in. */
    int64_t start = hrt_state.timestamps[a->start_stamp].counter;
    int64_t now = hrt_plat_counter();
    hrt_state.timestamps[a->now_stamp].counter = now;
    if (now >= start && now - start < a->interval_ticks)
        return HRT_ALARM_RUNNING;
    uint32_t elapsed = hrt_diff_units(start, now, hrt_ticks_per_unit(a->resolution));
    if (elapsed < a->interval && elapsed < HRT_DIFF_END_BEFORE_START)
        return HRT_ALARM_RUNNING;
    if (a->mode == HRT_MODE_DISARM)
        a->armed = 0;
    else if (a->mode == HRT_MODE_REARM)
        arm_from_now(a);
    return elapsed;
}

void HRT_CALL hrt_alarm_reset(int16_t handle)
{
    if (!hrt_alarm_valid(handle))
        return;
    hrt_alarm_slot *a = &hrt_state.alarms[handle];
    if (a->interval != 0)
        arm_from_now(a);
}

void HRT_CALL hrt_alarm_cancel(int16_t handle)
{
    if (hrt_alarm_valid(handle))
        hrt_state.alarms[handle].armed = 0;
}

uint16_t HRT_CALL hrt_alarm_inuse(void)
{
    return hrt_state.alarms_in_use;
}

uint16_t HRT_CALL hrt_alarm_avail(void)
{
    return (uint16_t)(HRT_ALARM_SLOTS - 1 - hrt_state.alarms_in_use);
}

uint32_t HRT_CALL hrt_alarm_getohead(void)
{
    if (!hrt_state.alarm_calibrated)
        hrt_calibrate_alarm();
    return hrt_state.alarm_overhead_us;
}

uint32_t HRT_CALL hrt_alarm_setohead(uint32_t microseconds)
{
    if (!hrt_state.alarm_calibrated)
        hrt_calibrate_alarm();
    hrt_state.alarm_overhead_us = microseconds;
    return microseconds;
}
