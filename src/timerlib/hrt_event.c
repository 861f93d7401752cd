/* Timer events: a notification after a number of milliseconds or seconds, or
 * at a local time of day, once or repeatedly, by a call of the caller's
 * function or a posted window message.
 *
 * The timers run on the platform's event timer thread. Every slot field is
 * read and written under the event lock; notifications run outside it, and
 * whatever stops a slot's timer (arming, cancel, reset, free) waits until no
 * notification of the slot runs on another thread, so none reaches a slot
 * that has been armed again or handed out anew. */
#include <time.h>

#include "hrt_internal.h"
#include "hrt_platform.h"

#define TYPE_REFUSED 1

#define NOTIFY_CALL 4
#define NOTIFY_POST 8

/* Seconds and time-of-day events count down on a one-second tick. */
#define TICK_MS 1000u
#define TICK_RESOLUTION_MS 50u
#define FINEST_RESOLUTION_MS 0u

#define SECONDS_PER_DAY 86400
#define HALF_DAY 43200

/* A timer's user value: the handle, whether it is the tick, and the slot's
 * generation when it was started. */
#define USER_HANDLE_MASK 0xFFu
#define USER_TICK 0x100u
#define USER_GENERATION_SHIFT 16

/* The slot whose notification this thread is running (0 none): a function
 * that frees or re-arms its own event must not wait for itself. */
static _Thread_local int16_t notifying_here;

/* The slot a handle names when it is in use; NULL for anything else. */
static hrt_event_slot *slot_of(int16_t handle)
{
    if (handle <= 0 || handle >= HRT_EVENT_SLOTS || !hrt_state.events[handle].in_use)
        return NULL;
    return &hrt_state.events[handle];
}

/* Stops the slot's timer; a call of it still on its way finds the generation
 * moved on and does nothing. */
static void stop_timer(hrt_event_slot* e)
{
    if (e->timer_id)
        hrt_plat_event_timer_stop(e->timer_id);
    e->timer_id = 0;
    e->pending = 0;
    ++e->generation;
}

/* Stops the slot's timer and waits until no notification of the slot runs on
 * another thread. 1 when the slot still holds the same event afterwards. */
static int stop_and_quiet(int16_t handle, hrt_event_slot* e)
{
    uint16_t serial = e->serial;
    stop_timer(e);
    uint16_t own = notifying_here == handle ? 1 : 0;
    while (e->notifying > own)
        hrt_plat_event_wait();
    return e->in_use && e->serial == serial;
}

static int start_timer(int16_t handle, hrt_event_slot *e, int tick)
{
    uint32_t user = (uint32_t)handle | (tick ? USER_TICK : 0u) | ((uint32_t)e->generation << USER_GENERATION_SHIFT);
    e->timer_id = tick ? hrt_plat_event_timer_start(TICK_MS, TICK_RESOLUTION_MS, user, 1)
                       : hrt_plat_event_timer_start(e->period, FINEST_RESOLUTION_MS, user, e->repeat);
    e->pending = e->timer_id != 0;
    return e->pending;
}

static int period_in_range(uint32_t period)
{
    return period >= hrt_state.event_min_period && period <= hrt_state.event_max_period;
}

/* Calendar time of the first moment after `after` whose local time of day is
 * time_of_day; -1 when the local time cannot be had. Counted on the calendar,
 * so a change to or from daylight-saving time in between is taken into account. */
static int64_t next_local(int32_t time_of_day, int64_t after)
{
    struct tm local;
    if (!hrt_plat_localtime(after, &local))
        return -1;
    for (int day = 0; day < 3; ++day) {
        struct tm t = local;
        t.tm_mday += day;
        t.tm_hour = time_of_day / 3600;
        t.tm_min = time_of_day / 60 % 60;
        t.tm_sec = time_of_day % 60;
        t.tm_isdst = -1;
        time_t when = mktime(&t);
        if (when == (time_t)-1)
            return -1;
        if ((int64_t)when > after)
            return (int64_t)when;
    }
    return -1;
}

static int32_t local_time_of_day(int64_t calendar_time)
{
    struct tm local;
    if (!hrt_plat_localtime(calendar_time, &local))
        return -1;
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

/* The start countdown of a time-of-day event: 1 when the time is now, the
 * seconds until it today, or until it tomorrow when it has passed today. 0
 * when the local time cannot be had. `fires_at` receives the local time of
 * day the countdown ends at: the time itself, or a second after it when the
 * time is now. */
static uint32_t hrt_secs_until(int32_t time_of_day, int32_t* fires_at)
{
    int64_t now = hrt_plat_event_calendar_time();
    *fires_at = time_of_day;
    if (local_time_of_day(now) == time_of_day) {
        *fires_at = (time_of_day + 1) % SECONDS_PER_DAY;
        return 1;
    }
    int64_t next = next_local(time_of_day, now);
    return next < 0 ? 0u : (uint32_t)(next - now);
}

/* The countdown of a repeating time-of-day event that has just fired: until
 * the local time it fired at on the next day, a whole day on (a day of 23 or
 * 25 hours when the clocks change in between). */
static uint32_t secs_until_next_day(int32_t fires_at)
{
    int64_t now = hrt_plat_event_calendar_time();
    int64_t next = next_local(fires_at, now + HALF_DAY);
    return next < 0 ? (uint32_t)SECONDS_PER_DAY : (uint32_t)(next - now);
}

static void store_notification(hrt_event_slot *e, int16_t kind, hrt_event_fn function, void *window,
                               uint32_t message, uint32_t value)
{
    e->notify = kind;
    e->function = function;
    e->window = window;
    e->message = message;
    e->value = value;
}

/* Notifies as the slot says, outside the lock (held on entry and on return). */
static void notify(int16_t handle, hrt_event_slot *e)
{
    const int16_t kind = e->notify;
    if (kind != NOTIFY_CALL && kind != NOTIFY_POST)
        return;
    const hrt_event_fn function = e->function;
    void *const window = e->window;
    const uint32_t message = e->message, value = e->value, failed = e->failed_posts;
    const uint16_t serial = e->serial;
    ++e->notifying;
    const int16_t outer = notifying_here;
    notifying_here = handle;
    hrt_plat_event_unlock();

    int posted = 0;
    if (kind == NOTIFY_CALL)
        function((uint32_t)handle, value);
    else
        posted = hrt_plat_event_post(window, message, failed, value);

    hrt_plat_event_lock();
    notifying_here = outer;
    --e->notifying;
    /* A failed post is not retried; the next one carries the count of those
     * that failed before it (held at its top rather than wrapping to 0). */
    if (kind == NOTIFY_POST && e->in_use && e->serial == serial) {
        if (posted)
            e->failed_posts = 0;
        else if (e->failed_posts < UINT16_MAX)
            ++e->failed_posts;
    }
    hrt_plat_event_wake();
}

/* Millisecond timer fired. */
static void hrt_event_proc(int16_t handle, hrt_event_slot *e)
{
    if (!e->repeat) {
        /* A one-shot timer ends by itself; its id is not to be stopped again. */
        e->pending = 0;
        e->timer_id = 0;
        ++e->generation;
    }
    notify(handle, e);
}

/* One-second tick of a seconds or time-of-day event. */
static void hrt_event_tick(int16_t handle, hrt_event_slot *e)
{
    if (--e->countdown != 0)
        return;
    if (e->repeat) {
        e->countdown = e->type == HRT_EVENT_TIME_OF_DAY ? secs_until_next_day(e->fires_at) : e->period;
    } else {
        stop_timer(e);
    }
    notify(handle, e);
}

void hrt_event_timer_fired(uint32_t user)
{
    const int16_t handle = (int16_t)(user & USER_HANDLE_MASK);
    hrt_plat_event_lock();
    hrt_event_slot *e = slot_of(handle);
    /* A call of a timer stopped meanwhile finds the slot's generation moved on. */
    if (e && e->pending && e->generation == (uint16_t)(user >> USER_GENERATION_SHIFT)) {
        if (user & USER_TICK)
            hrt_event_tick(handle, e);
        else
            hrt_event_proc(handle, e);
    }
    hrt_plat_event_unlock();
}

int16_t HRT_CALL hrt_event_alloc(int16_t flags, int16_t type)
{
    if (!hrt_state.supported || type == TYPE_REFUSED)
        return 0;
    if (!hrt_state.event_calibrated && !hrt_calibrate_event())
        return 0;
    hrt_plat_event_lock();
    for (int16_t h = 1; h < HRT_EVENT_SLOTS; ++h) {
        hrt_event_slot *e = &hrt_state.events[h];
        if (e->in_use)
            continue;
        if (hrt_state.events_in_use == 0) {
            if (!hrt_plat_event_begin(hrt_state.event_min_period))
                break;
            hrt_state.event_begun_period = hrt_state.event_min_period;
        }
        e->in_use = 1;
        e->pending = 0;
        e->type = type;
        e->timer_id = 0;
        e->notify = 0;
        e->period = 0;
        e->countdown = 0;
        e->time_of_day = -1;
        e->fires_at = -1;
        store_notification(e, 0, NULL, NULL, 0, 0);
        e->failed_posts = 0;
        e->repeat = (flags & HRT_EVENT_ONE_SHOT) ? 0 : 1;
        ++e->serial;
        ++hrt_state.events_in_use;
        hrt_plat_event_unlock();
        return h;
    }
    hrt_plat_event_unlock();
    return 0;
}

void HRT_CALL hrt_event_free(int16_t handle)
{
    hrt_plat_event_lock();
    hrt_event_slot *e = slot_of(handle);
    if (!e || !stop_and_quiet(handle, e)) {
        hrt_plat_event_unlock();
        return;
    }
    e->in_use = 0;
    const int last = --hrt_state.events_in_use == 0;
    const uint32_t period = hrt_state.event_begun_period;
    hrt_plat_event_unlock();
    if (last)
        hrt_plat_event_end(period);
}

void hrt_event_unload(void)
{
    hrt_plat_event_lock();
    for (int16_t h = 1; h < HRT_EVENT_SLOTS; ++h) {
        hrt_event_slot* e = &hrt_state.events[h];
        if (!e->in_use)
            continue;
        stop_timer(e);
        e->in_use = 0;
    }
    const int begun = hrt_state.events_in_use != 0;
    hrt_state.events_in_use = 0;
    const uint32_t period = hrt_state.event_begun_period;
    hrt_plat_event_unlock();
    if (begun)
        hrt_plat_event_end(period);
}

/* Arming by period (types 2 and 3). */
static int16_t arm_period(int16_t handle, uint32_t period, int16_t kind, hrt_event_fn function, void *window,
                          uint32_t message, uint32_t value)
{
    hrt_plat_event_lock();
    hrt_event_slot *e = slot_of(handle);
    int ok = 0;
    /* A call notification without a function to call is refused. */
    if (e && stop_and_quiet(handle, e) && !(kind == NOTIFY_CALL && !function)) {
        store_notification(e, kind, function, window, message, value);
        if (e->type == HRT_EVENT_MSEC && period_in_range(period)) {
            e->period = period;
            ok = start_timer(handle, e, 0);
        } else if (e->type == HRT_EVENT_SECONDS && period != 0) {
            e->period = e->countdown = period;
            ok = start_timer(handle, e, 1);
        }
    }
    hrt_plat_event_unlock();
    return (int16_t)ok;
}

/* Arming at a local time of day (type 4). */
static int16_t arm_clock(int16_t handle, int16_t hour, int16_t minute, int16_t second, int16_t kind,
                         hrt_event_fn function, void *window, uint32_t message, uint32_t value)
{
    hrt_plat_event_lock();
    hrt_event_slot *e = slot_of(handle);
    int ok = 0;
    if (e && stop_and_quiet(handle, e) && !(kind == NOTIFY_CALL && !function)) {
        store_notification(e, kind, function, window, message, value);
        /* Only a time that exists on a clock: anything else would count down
         * for a wrong or wrapped number of seconds. */
        if (e->type == HRT_EVENT_TIME_OF_DAY && hour >= 0 && hour < 24 && minute >= 0 && minute < 60 &&
            second >= 0 && second < 60) {
            e->time_of_day = hour * 3600 + minute * 60 + second;
            e->period = e->countdown = hrt_secs_until(e->time_of_day, &e->fires_at);
            ok = e->countdown != 0 && start_timer(handle, e, 1);
        }
    }
    hrt_plat_event_unlock();
    return (int16_t)ok;
}

int16_t HRT_CALL hrt_event_setcallback(int16_t handle, uint32_t period, hrt_event_fn function, uint32_t value)
{
    return arm_period(handle, period, NOTIFY_CALL, function, NULL, 0, value);
}

int16_t HRT_CALL hrt_event_setmessage(int16_t handle, uint32_t period, void *window, uint32_t message,
                                      uint32_t value)
{
    return arm_period(handle, period, NOTIFY_POST, NULL, window, message, value);
}

int16_t HRT_CALL hrt_event_clockcallback(int16_t handle, int16_t hour, int16_t minute, int16_t second,
                                         hrt_event_fn function, uint32_t value)
{
    return arm_clock(handle, hour, minute, second, NOTIFY_CALL, function, NULL, 0, value);
}

int16_t HRT_CALL hrt_event_clockmsg(int16_t handle, int16_t hour, int16_t minute, int16_t second, void *window,
                                    uint32_t message, uint32_t value)
{
    return arm_clock(handle, hour, minute, second, NOTIFY_POST, NULL, window, message, value);
}

void HRT_CALL hrt_event_cancel(int16_t handle)
{
    hrt_plat_event_lock();
    hrt_event_slot *e = slot_of(handle);
    if (e)
        stop_and_quiet(handle, e);
    hrt_plat_event_unlock();
}

int16_t HRT_CALL hrt_event_reset(int16_t handle)
{
    hrt_plat_event_lock();
    hrt_event_slot *e = slot_of(handle);
    int ok = 0;
    if (e && stop_and_quiet(handle, e)) {
        switch (e->type) {
        case HRT_EVENT_MSEC:
            ok = period_in_range(e->period) && start_timer(handle, e, 0);
            break;
        case HRT_EVENT_SECONDS:
            e->countdown = e->period;
            ok = e->period != 0 && start_timer(handle, e, 1);
            break;
        case HRT_EVENT_TIME_OF_DAY:
            /* From the local time of day now, as when it was armed. */
            if (e->time_of_day >= 0) {
                e->countdown = hrt_secs_until(e->time_of_day, &e->fires_at);
                ok = e->countdown != 0 && start_timer(handle, e, 1);
            }
            break;
        default:
            break;
        }
    }
    hrt_plat_event_unlock();
    return (int16_t)ok;
}

int16_t HRT_CALL hrt_event_pending(int16_t handle)
{
    hrt_plat_event_lock();
    const hrt_event_slot *e = slot_of(handle);
    const int16_t pending = e ? e->pending : 0;
    hrt_plat_event_unlock();
    return pending;
}

uint16_t HRT_CALL hrt_event_inuse(void)
{
    hrt_plat_event_lock();
    const uint16_t n = hrt_state.events_in_use;
    hrt_plat_event_unlock();
    return n;
}

uint16_t HRT_CALL hrt_event_avail(void)
{
    return (uint16_t)(HRT_EVENT_SLOTS - 1 - hrt_event_inuse());
}

static uint16_t saturated16(uint32_t value)
{
    return value > UINT16_MAX ? (uint16_t)UINT16_MAX : (uint16_t)value;
}

uint16_t HRT_CALL hrt_event_minperiod(void)
{
    return saturated16(hrt_state.event_min_period);
}

uint16_t HRT_CALL hrt_event_maxperiod(void)
{
    return saturated16(hrt_state.event_max_period);
}
