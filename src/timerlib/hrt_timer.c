/* Stopwatch timers: accumulated run time, activations and misuse status, kept
 * in a list in allocation order for the report. */
#include <string.h>

#include "hrt_internal.h"

static const char no_name[] = "";

/* One run's duration in the timer's resolution; microsecond runs lose the
 * calibrated cost of a start and a stop. */
static uint32_t run_duration(const hrt_timer_slot *t, int16_t start, int16_t end)
{
    if (!hrt_resolution_known(t->resolution))
        return 0;
    uint32_t d = hrt_stamp_diff(start, end, t->resolution);
    if (t->resolution == HRT_RES_USEC)
        d = d > hrt_state.timer_overhead_us ? d - hrt_state.timer_overhead_us : 0u;
    return d;
}

static double to_seconds(const hrt_timer_slot *t, uint32_t reading)
{
    switch (t->resolution) {
    case HRT_RES_USEC:
        return (double)reading / 1000000.0;
    case HRT_RES_MSEC:
        return (double)reading / 1000.0;
    case HRT_RES_SEC:
        return (double)reading;
    default:
        return 0.0;
    }
}

static void unlink_timer(int16_t h)
{
    hrt_timer_slot *t = &hrt_state.timers[h];
    if (t->prev)
        hrt_state.timers[t->prev].next = t->next;
    else
        hrt_state.timer_head = t->next;
    if (t->next)
        hrt_state.timers[t->next].prev = t->prev;
    else
        hrt_state.timer_tail = t->prev;
    t->prev = t->next = 0;
}

int16_t HRT_CALL hrt_timer_alloc(int16_t resolution, const char *name)
{
    if (!hrt_state.supported)
        return 0;
    if (!hrt_state.timer_calibrated)
        hrt_calibrate_timer();
    for (int16_t h = 1; h < HRT_TIMER_SLOTS; ++h) {
        hrt_timer_slot *t = &hrt_state.timers[h];
        if (t->in_use)
            continue;
        int16_t start = hrt_timestamp_alloc();
        int16_t stop = start ? hrt_timestamp_alloc() : 0;
        if (!stop) {
            hrt_timestamp_free(start);
            return 0;
        }
        memset(t, 0, sizeof *t);
        t->in_use = 1;
        t->resolution = resolution;
        t->state = HRT_TIMER_STOPPED;
        t->start_stamp = start;
        t->stop_stamp = stop;
        if (name)
            strncpy(t->name, name, HRT_TIMER_NAME_LEN);
        t->name[HRT_TIMER_NAME_LEN] = '\0';
        ++hrt_state.timers_in_use;
        t->prev = hrt_state.timer_tail;
        if (hrt_state.timer_tail)
            hrt_state.timers[hrt_state.timer_tail].next = h;
        else
            hrt_state.timer_head = h;
        hrt_state.timer_tail = h;
        return h;
    }
    return 0;
}

void HRT_CALL hrt_timer_free(int16_t handle)
{
    if (!hrt_timer_valid(handle))
        return;
    hrt_timer_slot *t = &hrt_state.timers[handle];
    --hrt_state.timers_in_use;
    t->in_use = 0;
    hrt_timestamp_free(t->start_stamp);
    hrt_timestamp_free(t->stop_stamp);
    t->start_stamp = t->stop_stamp = 0;
    unlink_timer(handle);
}

void HRT_CALL hrt_timer_start(int16_t handle)
{
    if (!hrt_timer_valid(handle))
        return;
    hrt_timer_slot *t = &hrt_state.timers[handle];
    if (t->state != HRT_TIMER_STOPPED) {
        t->status = HRT_STATUS_WRONG_STATE;
        return;
    }
    ++t->activations;
    t->state = HRT_TIMER_RUNNING;
    hrt_timestamp_get(t->start_stamp);
}

/* Ends the current run into the given state (stopped or suspended). */
static void end_run(int16_t handle, int16_t new_state)
{
    if (!hrt_timer_valid(handle))
        return;
    hrt_timer_slot *t = &hrt_state.timers[handle];
    if (t->state != HRT_TIMER_RUNNING) {
        t->status = HRT_STATUS_NOT_RUNNING;
        return;
    }
    hrt_timestamp_get(t->stop_stamp);
    t->elapsed += run_duration(t, t->start_stamp, t->stop_stamp);
    t->state = new_state;
}

void HRT_CALL hrt_timer_stop(int16_t handle)
{
    end_run(handle, HRT_TIMER_STOPPED);
}

void HRT_CALL hrt_timer_suspend(int16_t handle)
{
    end_run(handle, HRT_TIMER_SUSPENDED);
}

void HRT_CALL hrt_timer_resume(int16_t handle)
{
    if (!hrt_timer_valid(handle))
        return;
    hrt_timer_slot *t = &hrt_state.timers[handle];
    if (t->state != HRT_TIMER_SUSPENDED) {
        t->status = HRT_STATUS_WRONG_STATE;
        return;
    }
    t->state = HRT_TIMER_RUNNING;
    hrt_timestamp_get(t->start_stamp);
}

void HRT_CALL hrt_timer_reset(int16_t handle)
{
    if (!hrt_timer_valid(handle))
        return;
    hrt_timer_slot *t = &hrt_state.timers[handle];
    t->state = HRT_TIMER_STOPPED;
    t->elapsed = 0;
    t->activations = 0;
    t->status = 0;
}

uint32_t HRT_CALL hrt_timer_current(int16_t handle)
{
    if (!hrt_timer_valid(handle))
        return 0;
    hrt_timer_slot *t = &hrt_state.timers[handle];
    if (t->state != HRT_TIMER_RUNNING)
        return 0;
    int16_t now = hrt_timestamp_alloc();
    if (!now)
        return 0;
    hrt_timestamp_get(now);
    uint32_t d = run_duration(t, t->start_stamp, now);
    hrt_timestamp_free(now);
    return d;
}

uint32_t HRT_CALL hrt_timer_lastelapsed(int16_t handle)
{
    if (!hrt_timer_valid(handle))
        return 0;
    hrt_timer_slot *t = &hrt_state.timers[handle];
    if (t->state == HRT_TIMER_RUNNING)
        return 0;
    return run_duration(t, t->start_stamp, t->stop_stamp);
}

uint32_t HRT_CALL hrt_timer_elapsed(int16_t handle)
{
    return hrt_timer_valid(handle) ? hrt_state.timers[handle].elapsed : 0u;
}

uint32_t HRT_CALL hrt_timer_count(int16_t handle)
{
    return hrt_timer_valid(handle) ? hrt_state.timers[handle].activations : 0u;
}

double HRT_CALL hrt_timer_currentsecs(int16_t handle)
{
    return hrt_timer_valid(handle) ? to_seconds(&hrt_state.timers[handle], hrt_timer_current(handle)) : 0.0;
}

double HRT_CALL hrt_timer_lastelapsedsecs(int16_t handle)
{
    return hrt_timer_valid(handle) ? to_seconds(&hrt_state.timers[handle], hrt_timer_lastelapsed(handle)) : 0.0;
}

double HRT_CALL hrt_timer_elapsedsecs(int16_t handle)
{
    return hrt_timer_valid(handle) ? to_seconds(&hrt_state.timers[handle], hrt_state.timers[handle].elapsed) : 0.0;
}

const char *HRT_CALL hrt_timer_getname(int16_t handle)
{
    return hrt_timer_valid(handle) ? hrt_state.timers[handle].name : no_name;
}

void HRT_CALL hrt_timer_setname(int16_t handle, char *buffer)
{
    if (buffer)
        strncpy(buffer, hrt_timer_getname(handle), HRT_TIMER_NAME_LEN);
}

int16_t HRT_CALL hrt_timer_getresolution(int16_t handle)
{
    return hrt_timer_valid(handle) ? hrt_state.timers[handle].resolution : (int16_t)0;
}

int16_t HRT_CALL hrt_timer_getstate(int16_t handle)
{
    return hrt_timer_valid(handle) ? hrt_state.timers[handle].state : (int16_t)HRT_TIMER_STOPPED;
}

int32_t HRT_CALL hrt_timer_getstatus(int16_t handle)
{
    if (!hrt_timer_valid(handle))
        return 0;
    int32_t status = hrt_state.timers[handle].status;
    hrt_state.timers[handle].status = 0;
    return status;
}

uint16_t HRT_CALL hrt_timer_inuse(void)
{
    return hrt_state.timers_in_use;
}

uint16_t HRT_CALL hrt_timer_avail(void)
{
    return (uint16_t)(HRT_TIMER_SLOTS - 1 - hrt_state.timers_in_use);
}

uint32_t HRT_CALL hrt_timer_getohead(void)
{
    if (!hrt_state.timer_calibrated)
        hrt_calibrate_timer();
    return hrt_state.timer_overhead_us;
}

uint32_t HRT_CALL hrt_timer_setohead(uint32_t microseconds)
{
    if (!hrt_state.timer_calibrated)
        hrt_calibrate_timer();
    hrt_state.timer_overhead_us = microseconds;
    return microseconds;
}

uint64_t hrt_timer_run_ns(int16_t timer)
{
    const hrt_timer_slot *t = &hrt_state.timers[timer];
    int64_t start = hrt_state.timestamps[t->start_stamp].counter;
    int64_t stop = hrt_state.timestamps[t->stop_stamp].counter;
    if (stop <= start || hrt_state.frequency <= 0)
        return 0;
    return (uint64_t)((double)(stop - start) * 1e9 / (double)hrt_state.frequency);
}
