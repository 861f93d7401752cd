/* Event timers on Windows: the multimedia timer, whose callbacks run on its
 * own thread, and PostMessageA for window messages. */
#include <windows.h>
#include <mmsystem.h>

#include <time.h>

#include "hrt_internal.h"
#include "hrt_platform.h"

static SRWLOCK event_lock = SRWLOCK_INIT;
static CONDITION_VARIABLE event_quiet = CONDITION_VARIABLE_INIT;

int hrt_plat_event_caps(uint32_t *min_ms, uint32_t *max_ms)
{
    TIMECAPS caps;
    if (timeGetDevCaps(&caps, sizeof caps) != TIMERR_NOERROR)
        return 0;
    *min_ms = caps.wPeriodMin;
    *max_ms = caps.wPeriodMax;
    return 1;
}

int hrt_plat_event_begin(uint32_t min_ms)
{
    timeBeginPeriod(min_ms);
    return 1;
}

void hrt_plat_event_end(uint32_t min_ms)
{
    timeEndPeriod(min_ms);
}

static void CALLBACK timer_proc(UINT id, UINT message, DWORD_PTR user, DWORD_PTR reserved1, DWORD_PTR reserved2)
{
    (void)id;
    (void)message;
    (void)reserved1;
    (void)reserved2;
    hrt_event_timer_fired((uint32_t)user);
}

uint32_t hrt_plat_event_timer_start(uint32_t delay_ms, uint32_t resolution_ms, uint32_t user, int periodic)
{
    /* Stopped without TIME_KILL_SYNCHRONOUS: that would wait for a callback
     * while the event lock it waits for is held. The event code tells a late
     * call by its user value instead. */
    return timeSetEvent(delay_ms, resolution_ms, timer_proc, (DWORD_PTR)user,
                        (periodic ? TIME_PERIODIC : TIME_ONESHOT) | TIME_CALLBACK_FUNCTION);
}

void hrt_plat_event_timer_stop(uint32_t id)
{
    if (id)
        timeKillEvent(id);
}

int hrt_plat_event_post(void *window, uint32_t message, uint32_t wparam, uint32_t lparam)
{
    return PostMessageA((HWND)window, message, (WPARAM)wparam, (LPARAM)lparam) != 0;
}

int64_t hrt_plat_event_calendar_time(void)
{
    return (int64_t)time(NULL);
}

void hrt_plat_event_lock(void)
{
    AcquireSRWLockExclusive(&event_lock);
}

void hrt_plat_event_unlock(void)
{
    ReleaseSRWLockExclusive(&event_lock);
}

void hrt_plat_event_wait(void)
{
    SleepConditionVariableSRW(&event_quiet, &event_lock, INFINITE, 0);
}

void hrt_plat_event_wake(void)
{
    WakeAllConditionVariable(&event_quiet);
}
