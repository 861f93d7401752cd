/* Library-wide state of chronox32: the pools and the calibration values. */
#ifndef HRT_INTERNAL_H
#define HRT_INTERNAL_H

#include <stdint.h>

#include "chronox32.h"

#define HRT_TIMESTAMP_SLOTS 512
#define HRT_TIMER_SLOTS 128
#define HRT_ALARM_SLOTS 128
#define HRT_DELAY_SLOTS 128
#define HRT_EVENT_SLOTS 32

#define HRT_RES_USEC 1
#define HRT_RES_MSEC 2
#define HRT_RES_SEC 3

/* What an alarm's check does on expiry (the mode of hrt_alarm_set). */
#define HRT_MODE_DISARM 0
#define HRT_MODE_REARM 1

#define HRT_TIMER_NAME_LEN 20

typedef struct {
    int16_t in_use;
    int64_t counter;
} hrt_timestamp_slot;

typedef struct {
    char name[HRT_TIMER_NAME_LEN + 1];
    int16_t in_use;
    int16_t resolution;
    int16_t state;
    int16_t start_stamp;
    int16_t stop_stamp;
    int16_t prev;
    int16_t next;
    int32_t status;
    uint32_t activations;
    uint32_t elapsed;
} hrt_timer_slot;

typedef struct {
    int16_t in_use;
    int16_t armed;
    int16_t resolution;
    int16_t mode;
    int16_t start_stamp;
    int16_t now_stamp;
    uint32_t interval;
    /* The interval in counter ticks, rounded up: a check that finds fewer
     * ticks since the start knows the alarm is running without converting. */
    int64_t interval_ticks;
} hrt_alarm_slot;

typedef struct {
    int16_t in_use;
    int16_t resolution;
    int16_t alarm;
    uint32_t amount;
    uint64_t atoms;
} hrt_delay_slot;

/* Every field is read and written under the event lock (hrt_plat_event_lock):
 * the event timer's thread shares them with the caller. */
typedef struct {
    int16_t in_use;
    int16_t pending;
    int16_t type;
    int16_t notify;
    int16_t repeat;
    uint16_t failed_posts;
    uint32_t timer_id;
    uint32_t period;
    uint32_t countdown;
    /* A time-of-day event's time, seconds after local midnight; -1 before one is set. */
    int32_t time_of_day;
    /* The local time of day its countdown ends at: time_of_day, or a second later when
     * it was armed or reset in that very second. Its repeats keep to it. */
    int32_t fires_at;
    hrt_event_fn function;
    void *window;
    uint32_t message;
    uint32_t value;
    /* Changes at every allocation: tells a slot freed and taken again from the same event. */
    uint16_t serial;
    /* Changes whenever the slot's timer is stopped: a timer call that
     * carries an older number has nothing left to do. */
    uint16_t generation;
    /* Notifications of this slot running now, outside the lock. */
    uint16_t notifying;
} hrt_event_slot;

typedef struct {
    int16_t supported;

    /* Counter ticks per second and per unit of each resolution code. */
    int64_t frequency;
    double ticks_per_usec;
    double ticks_per_msec;
    double ticks_per_sec;

    int16_t timer_calibrated;
    int16_t delay_calibrated;
    int16_t alarm_calibrated;
    int16_t event_calibrated;

    uint32_t timer_overhead_us;
    /* Calibrated in finer units than the exported values so that counted
     * delays come out right when one atom takes a few nanoseconds. */
    uint64_t delay_atom_ps;
    uint64_t delay_min_ns;
    uint32_t delay_switch_us;
    uint32_t alarm_overhead_us;
    uint32_t event_min_period;
    uint32_t event_max_period;
    /* The timer resolution raised for the events in use, ended with the last. */
    uint32_t event_begun_period;

    uint16_t timestamps_in_use;
    uint16_t timers_in_use;
    uint16_t alarms_in_use;
    uint16_t delays_in_use;
    uint16_t events_in_use;
    int16_t timer_head;
    int16_t timer_tail;

    int64_t load_time;

    hrt_timestamp_slot timestamps[HRT_TIMESTAMP_SLOTS];
    hrt_timer_slot timers[HRT_TIMER_SLOTS];
    hrt_alarm_slot alarms[HRT_ALARM_SLOTS];
    hrt_delay_slot delays[HRT_DELAY_SLOTS];
    hrt_event_slot events[HRT_EVENT_SLOTS];
} hrt_state_t;

extern hrt_state_t hrt_state;

void hrt_init(void);

/* Handle checks: a handle names a slot handed out (1 .. slots-1) and in use. */
static inline int hrt_timestamp_valid(int16_t h)
{
    return h > 0 && h < HRT_TIMESTAMP_SLOTS && hrt_state.timestamps[h].in_use;
}
static inline int hrt_timer_valid(int16_t h)
{
    return h > 0 && h < HRT_TIMER_SLOTS && hrt_state.timers[h].in_use;
}
static inline int hrt_alarm_valid(int16_t h)
{
    return h > 0 && h < HRT_ALARM_SLOTS && hrt_state.alarms[h].in_use;
}
static inline int hrt_delay_valid(int16_t h)
{
    return h > 0 && h < HRT_DELAY_SLOTS && hrt_state.delays[h].in_use;
}
static inline int hrt_resolution_known(int16_t resolution)
{
    return resolution >= HRT_RES_USEC && resolution <= HRT_RES_SEC;
}

/* Counter ticks per unit of a resolution code; 0 for an unknown code. */
double hrt_ticks_per_unit(int16_t resolution);

/* Time between two stamps of the pool in the given resolution (difference rules). */
uint32_t hrt_stamp_diff(int16_t start, int16_t end, int16_t resolution);

/* Nanoseconds between the start and stop stamps of a timer (calibration readings). */
uint64_t hrt_timer_run_ns(int16_t timer);

/* Runs count atoms of calibrated busy work. */
void hrt_delay_atoms(uint64_t count);
/* Runs a delay slot without checking the handle (slot 0 is the calibration delay). */
void hrt_delay_run(int16_t slot);

/* An event timer has fired: user is the value the timer was started with. */
void hrt_event_timer_fired(uint32_t user);
/* The library is being unloaded while the process runs on: stops the timer
 * of every armed event and ends the raised timer resolution, without waiting
 * for a notification under way (the system's loader lock is held). */
void hrt_event_unload(void);

#endif
