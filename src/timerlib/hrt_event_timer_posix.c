/* Event timers on POSIX systems: one worker thread runs every timer on the
 * monotonic clock, from the first event allocated to the last released, and
 * sleeps in the kernel until the next timer is due (without one, until it is
 * woken). Window messages go through the post hook the host registers. */
#define _GNU_SOURCE

#include <pthread.h>
#include <signal.h>
#include <time.h>

#include "hrt_event_clock.h"
#include "hrt_internal.h"
#include "hrt_platform.h"

/* The multimedia timer's range on Windows, kept here. */
#define MIN_PERIOD_MS 1u
#define MAX_PERIOD_MS 1000000u

#define NS_PER_MS 1000000
#define NS_PER_SEC 1000000000

/* An event runs at most one timer at a time. */
#define MAX_TIMERS HRT_EVENT_SLOTS

typedef struct {
    uint32_t id; /* 0: free */
    uint32_t user;
    int periodic;
    int64_t period_ns;
    int64_t due_ns;
} worker_timer;

static pthread_once_t worker_once = PTHREAD_ONCE_INIT;

static struct {
    pthread_mutex_t lock;
    pthread_cond_t wake;    /* for the worker: the timers or the clock changed, or it is to end */
    pthread_cond_t settled; /* from the worker: all that fell due has been run */
    pthread_t thread;
    int users;    /* begins less ends */
    unsigned run; /* number of the worker that is to run; any other ends */
    uint32_t last_id;
    worker_timer timers[MAX_TIMERS];

    /* The hand-driven clock. */
    int manual;
    int64_t manual_ns;
    int64_t manual_base_ns;
    int64_t manual_calendar;
    uint64_t moves;
    uint64_t moves_seen;
} worker = {.lock = PTHREAD_MUTEX_INITIALIZER, .settled = PTHREAD_COND_INITIALIZER};

static pthread_mutex_t event_lock = PTHREAD_MUTEX_INITIALIZER;
static pthread_cond_t event_quiet = PTHREAD_COND_INITIALIZER;

static hrt_post_fn post_hook;

static void init_worker(void)
{
    pthread_condattr_t attr;
    pthread_condattr_init(&attr);
    pthread_condattr_setclock(&attr, CLOCK_MONOTONIC);
    pthread_cond_init(&worker.wake, &attr);
    pthread_condattr_destroy(&attr);
}

static void lock_worker(void)
{
    pthread_once(&worker_once, init_worker);
    pthread_mutex_lock(&worker.lock);
}

/* Under worker.lock. */
static int64_t worker_now(void)
{
    return worker.manual ? worker.manual_ns : hrt_plat_counter();
}

static worker_timer *earliest_timer(void)
{
    worker_timer *first = NULL;
    for (int i = 0; i < MAX_TIMERS; ++i) {
        worker_timer *t = &worker.timers[i];
        if (t->id && (!first || t->due_ns < first->due_ns))
            first = t;
    }
    return first;
}

static void *worker_main(void *arg)
{
    const unsigned run = (unsigned)(uintptr_t)arg;
    pthread_mutex_lock(&worker.lock);
    while (worker.run == run) {
        worker_timer *t = earliest_timer();
        if (t && t->due_ns <= worker_now()) {
            const uint32_t user = t->user;
            /* A periodic timer that fell behind runs every period it missed,
             * so that a countdown on it stays true. */
            if (t->periodic)
                t->due_ns += t->period_ns;
            else
                t->id = 0;
            pthread_mutex_unlock(&worker.lock);
            hrt_event_timer_fired(user);
            pthread_mutex_lock(&worker.lock);
            continue;
        }
        worker.moves_seen = worker.moves;
        pthread_cond_broadcast(&worker.settled);
        if (!t || worker.manual) {
            pthread_cond_wait(&worker.wake, &worker.lock);
        } else {
            const struct timespec due = {.tv_sec = (time_t)(t->due_ns / NS_PER_SEC),
                                         .tv_nsec = (long)(t->due_ns % NS_PER_SEC)};
            pthread_cond_timedwait(&worker.wake, &worker.lock, &due);
        }
    }
    pthread_mutex_unlock(&worker.lock);
    return NULL;
}

int hrt_plat_event_caps(uint32_t *min_ms, uint32_t *max_ms)
{
    *min_ms = MIN_PERIOD_MS;
    *max_ms = MAX_PERIOD_MS;
    return 1;
}

int hrt_plat_event_begin(uint32_t min_ms)
{
    (void)min_ms;
    lock_worker();
    int ok = 1;
    if (worker.users++ == 0) {
        const unsigned run = ++worker.run;
        /* The worker takes none of the host's signals. */
        sigset_t all, old;
        sigfillset(&all);
        pthread_sigmask(SIG_SETMASK, &all, &old);
        ok = pthread_create(&worker.thread, NULL, worker_main, (void *)(uintptr_t)run) == 0;
        pthread_sigmask(SIG_SETMASK, &old, NULL);
        if (ok) {
            pthread_setname_np(worker.thread, "chronox32-event");
        } else {
            --worker.users;
            ++worker.run;
        }
    }
    pthread_mutex_unlock(&worker.lock);
    return ok;
}

void hrt_plat_event_end(uint32_t min_ms)
{
    (void)min_ms;
    lock_worker();
    if (worker.users == 0 || --worker.users > 0) {
        pthread_mutex_unlock(&worker.lock);
        return;
    }
    ++worker.run;
    const pthread_t thread = worker.thread;
    pthread_cond_broadcast(&worker.wake);
    pthread_cond_broadcast(&worker.settled);
    pthread_mutex_unlock(&worker.lock);
    /* The last event may be released by a notification on the worker itself,
     * which then ends when it returns. */
    if (pthread_equal(thread, pthread_self()))
        pthread_detach(thread);
    else
        pthread_join(thread, NULL);
}

uint32_t hrt_plat_event_timer_start(uint32_t delay_ms, uint32_t resolution_ms, uint32_t user, int periodic)
{
    (void)resolution_ms;
    if (delay_ms < MIN_PERIOD_MS || delay_ms > MAX_PERIOD_MS)
        return 0;
    lock_worker();
    worker_timer *slot = NULL;
    for (int i = 0; i < MAX_TIMERS && worker.users; ++i) {
        if (!worker.timers[i].id) {
            slot = &worker.timers[i];
            break;
        }
    }
    uint32_t id = 0;
    if (slot) {
        /* Ids run on (skipping 0), so that a stale id names no new timer. */
        if (++worker.last_id == 0)
            ++worker.last_id;
        id = worker.last_id;
        slot->id = id;
        slot->user = user;
        slot->periodic = periodic;
        slot->period_ns = (int64_t)delay_ms * NS_PER_MS;
        slot->due_ns = worker_now() + slot->period_ns;
        pthread_cond_broadcast(&worker.wake);
    }
    pthread_mutex_unlock(&worker.lock);
    return id;
}

void hrt_plat_event_timer_stop(uint32_t id)
{
    if (!id)
        return;
    lock_worker();
    for (int i = 0; i < MAX_TIMERS; ++i) {
        if (worker.timers[i].id == id)
            worker.timers[i].id = 0;
    }
    pthread_mutex_unlock(&worker.lock);
}

int hrt_plat_event_post(void *window, uint32_t message, uint32_t wparam, uint32_t lparam)
{
    const hrt_post_fn hook = __atomic_load_n(&post_hook, __ATOMIC_ACQUIRE);
    return hook && hook(window, message, wparam, lparam) != 0;
}

void HRT_CALL hrt_set_post_hook(hrt_post_fn hook)
{
    __atomic_store_n(&post_hook, hook, __ATOMIC_RELEASE);
}

int64_t hrt_plat_event_calendar_time(void)
{
    lock_worker();
    const int64_t t = worker.manual
                          ? worker.manual_calendar + (worker.manual_ns - worker.manual_base_ns) / NS_PER_SEC
                          : hrt_plat_calendar_time();
    pthread_mutex_unlock(&worker.lock);
    return t;
}

void hrt_plat_event_lock(void)
{
    pthread_mutex_lock(&event_lock);
}

void hrt_plat_event_unlock(void)
{
    pthread_mutex_unlock(&event_lock);
}

void hrt_plat_event_wait(void)
{
    pthread_cond_wait(&event_quiet, &event_lock);
}

void hrt_plat_event_wake(void)
{
    pthread_cond_broadcast(&event_quiet);
}

void hrt_event_clock_manual(int64_t calendar)
{
    lock_worker();
    worker.manual = 1;
    worker.manual_ns = worker.manual_base_ns = hrt_plat_counter();
    worker.manual_calendar = calendar;
    pthread_cond_broadcast(&worker.wake);
    pthread_mutex_unlock(&worker.lock);
}

void hrt_event_clock_advance(uint64_t ms)
{
    lock_worker();
    worker.manual_ns += (int64_t)ms * NS_PER_MS;
    const uint64_t move = ++worker.moves;
    pthread_cond_broadcast(&worker.wake);
    while (worker.users > 0 && worker.moves_seen < move)
        pthread_cond_wait(&worker.settled, &worker.lock);
    pthread_mutex_unlock(&worker.lock);
}

void hrt_event_clock_real(void)
{
    lock_worker();
    worker.manual = 0;
    pthread_cond_broadcast(&worker.wake);
    pthread_mutex_unlock(&worker.lock);
}
