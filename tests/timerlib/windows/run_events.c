/* The event cases of the Windows test program: the multimedia timer notifies
 * by a call on its thread or by a message posted to a hidden window of this
 * program. */
#include "run.h"

#include <mmsystem.h>
#include <string.h>

#define TEST_MESSAGE (WM_APP + 1)

/* What the callbacks saw. */
static volatile LONG calls;
static volatile LONG last_handle, last_value;

static void HRT_CALL on_event(uint32_t handle, uint32_t value)
{
    last_handle = (LONG)handle;
    last_value = (LONG)value;
    InterlockedIncrement(&calls);
}

static void reset_calls(void)
{
    calls = 0;
    last_handle = last_value = -1;
}

void case_event_pool(void)
{
    TIMECAPS caps;
    CHECK_EQ(timeGetDevCaps(&caps, sizeof caps), TIMERR_NOERROR);
    CHECK_EQ(call_hrt_calibrate_event(), 1);
    CHECK_EQ(call_hrt_event_minperiod(), caps.wPeriodMin);
    CHECK_EQ(call_hrt_event_maxperiod(), caps.wPeriodMax > 65535 ? 65535 : caps.wPeriodMax);

    CHECK_EQ(call_hrt_event_alloc(0, 1), 0);
    int16_t handles[31];
    for (int i = 0; i < 31; ++i) {
        handles[i] = call_hrt_event_alloc(0, HRT_EVENT_MSEC);
        CHECK_EQ(handles[i], i + 1);
    }
    CHECK_EQ(call_hrt_event_alloc(0, HRT_EVENT_MSEC), 0);
    CHECK_EQ(call_hrt_event_avail(), 0);
    for (int i = 0; i < 31; ++i)
        call_hrt_event_free(handles[i]);
    CHECK_EQ(call_hrt_event_inuse(), 0);
    CHECK_EQ(call_hrt_event_avail(), 31);

    /* Handles that name no event. */
    const int16_t bad[] = {0, 5, 32, -1};
    for (size_t i = 0; i < sizeof bad / sizeof bad[0]; ++i) {
        CHECK_EQ(call_hrt_event_setcallback(bad[i], 10, on_event, 0), 0);
        CHECK_EQ(call_hrt_event_reset(bad[i]), 0);
        CHECK_EQ(call_hrt_event_pending(bad[i]), 0);
        call_hrt_event_cancel(bad[i]);
        call_hrt_event_free(bad[i]);
    }
    CHECK_EQ(call_hrt_event_inuse(), 0);
}

void case_event_callback(void)
{
    /* One-shot, 20 ms. */
    reset_calls();
    int16_t h = call_hrt_event_alloc(HRT_EVENT_ONE_SHOT, HRT_EVENT_MSEC);
    CHECK(h != 0);
    LARGE_INTEGER start = counter_now();
    CHECK_EQ(call_hrt_event_setcallback(h, 20, on_event, 77), 1);
    CHECK_EQ(call_hrt_event_pending(h), 1);
    CHECK(wait_for(&calls, 1, 2000));
    CHECK(ms_since(start) >= 19.0);
    CHECK_EQ(last_handle, h);
    CHECK_EQ(last_value, 77);
    CHECK_EQ(call_hrt_event_pending(h), 0);
    Sleep(50);
    CHECK_EQ(calls, 1);
    call_hrt_event_free(h);

    /* Repeating, 10 ms, until cancelled; a reset starts it again. */
    reset_calls();
    h = call_hrt_event_alloc(0, HRT_EVENT_MSEC);
    CHECK_EQ(call_hrt_event_setcallback(h, 10, on_event, 5), 1);
    CHECK(wait_for(&calls, 5, 2000));
    call_hrt_event_cancel(h);
    CHECK_EQ(call_hrt_event_pending(h), 0);
    LONG at_cancel = calls;
    Sleep(50);
    CHECK_EQ(calls, at_cancel);
    CHECK_EQ(call_hrt_event_reset(h), 1);
    CHECK(wait_for(&calls, at_cancel + 2, 2000));
    call_hrt_event_free(h);
    CHECK_EQ(call_hrt_event_inuse(), 0);
}

void case_event_seconds_and_clock(void)
{
    /* A one-shot seconds event after 1 s and a time-of-day event two seconds
     * from now, both on the one-second tick. */
    reset_calls();
    int16_t seconds = call_hrt_event_alloc(HRT_EVENT_ONE_SHOT, HRT_EVENT_SECONDS);
    int16_t clock = call_hrt_event_alloc(HRT_EVENT_ONE_SHOT, HRT_EVENT_TIME_OF_DAY);
    CHECK_EQ(call_hrt_event_setcallback(seconds, 0, on_event, 0), 0);
    CHECK_EQ(call_hrt_event_setcallback(clock, 1, on_event, 0), 0);
    LARGE_INTEGER start = counter_now();
    CHECK_EQ(call_hrt_event_setcallback(seconds, 1, on_event, 3), 1);
    SYSTEMTIME now;
    GetLocalTime(&now);
    int target = (now.wHour * 3600 + now.wMinute * 60 + now.wSecond + 2) % 86400;
    CHECK_EQ(call_hrt_event_clockcallback(clock, (int16_t)(target / 3600), (int16_t)(target / 60 % 60),
                                          (int16_t)(target % 60), on_event, 4),
             1);
    CHECK(wait_for(&calls, 1, 3000));
    double first = ms_since(start);
    CHECK(first >= 900 && first < 2500);
    CHECK(wait_for(&calls, 2, 4000));
    double second = ms_since(start);
    CHECK(second >= 900 && second < 3500);
    CHECK_EQ(last_value, 4);
    CHECK_EQ(call_hrt_event_pending(seconds), 0);
    CHECK_EQ(call_hrt_event_pending(clock), 0);
    call_hrt_event_free(seconds);
    call_hrt_event_free(clock);
}

/* The hidden window that receives the events' messages. */
static volatile LONG messages;
static WPARAM message_wparams[8];
static LPARAM message_lparam;

static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == TEST_MESSAGE) {
        if (messages < 8)
            message_wparams[messages] = wparam;
        message_lparam = lparam;
        ++messages;
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

static HWND hidden_window(void)
{
    WNDCLASSA c;
    memset(&c, 0, sizeof c);
    c.lpfnWndProc = window_proc;
    c.hInstance = GetModuleHandleA(NULL);
    c.lpszClassName = "chronox32_run";
    RegisterClassA(&c);
    /* A message-only window: never shown, needs no display. */
    return CreateWindowExA(0, c.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, c.hInstance, NULL);
}

/* Arms a one-shot message and waits until it has been posted or refused. */
static void post_once(int16_t h, HWND window)
{
    CHECK_EQ(call_hrt_event_setmessage(h, 5, window, TEST_MESSAGE, 9), 1);
    LARGE_INTEGER start = counter_now();
    while (call_hrt_event_pending(h) && ms_since(start) < 2000)
        Sleep(1);
    CHECK_EQ(call_hrt_event_pending(h), 0);
}

void case_event_message(void)
{
    HWND window = hidden_window();
    CHECK(window != NULL);
    messages = 0;

    int16_t h = call_hrt_event_alloc(0, HRT_EVENT_MSEC);
    CHECK_EQ(call_hrt_event_setmessage(h, 15, window, TEST_MESSAGE, 1234), 1);
    CHECK(wait_for(&messages, 3, 2000));
    call_hrt_event_cancel(h);
    CHECK_EQ(message_wparams[0], 0);
    CHECK_EQ(message_wparams[2], 0);
    CHECK_EQ(message_lparam, 1234);
    call_hrt_event_free(h);

    /* Two posts to a window that does not exist fail; the next message
     * carries their count, and the one after that 0 again. */
    wait_for(&messages, 1000, 50); /* takes what was still queued */
    messages = 0;
    h = call_hrt_event_alloc(HRT_EVENT_ONE_SHOT, HRT_EVENT_MSEC);
    HWND gone = (HWND)(UINT_PTR)0x7FFE;
    post_once(h, gone);
    post_once(h, gone);
    post_once(h, window);
    post_once(h, window);
    CHECK(wait_for(&messages, 2, 2000));
    CHECK_EQ(messages, 2);
    CHECK_EQ(message_wparams[0], 2);
    CHECK_EQ(message_wparams[1], 0);
    call_hrt_event_free(h);
    DestroyWindow(window);
}

/* A callback still running when its event is released. */
static volatile LONG slow_entered, slow_finished;

static void HRT_CALL slow_event(uint32_t handle, uint32_t value)
{
    (void)handle;
    (void)value;
    InterlockedExchange(&slow_entered, 1);
    Sleep(50);
    InterlockedExchange(&slow_finished, 1);
}

void case_event_free_waits(void)
{
    int16_t keeper = call_hrt_event_alloc(0, HRT_EVENT_MSEC);
    int16_t h = call_hrt_event_alloc(HRT_EVENT_ONE_SHOT, HRT_EVENT_MSEC);
    slow_entered = slow_finished = 0;
    CHECK_EQ(call_hrt_event_setcallback(h, 1, slow_event, 0), 1);
    CHECK(wait_for(&slow_entered, 1, 2000));
    call_hrt_event_free(h);
    CHECK_EQ(slow_finished, 1);
    call_hrt_event_free(keeper);
    CHECK_EQ(call_hrt_event_inuse(), 0);
}

/* The library unloaded with events armed: their timers stop with it, so the
 * program runs on without calls into code that is gone. */
void unload_with_events_armed(HMODULE dll)
{
    HWND window = hidden_window();
    reset_calls();
    messages = 0;
    int16_t fast = call_hrt_event_alloc(0, HRT_EVENT_MSEC);
    int16_t seconds = call_hrt_event_alloc(0, HRT_EVENT_SECONDS);
    int16_t posting = call_hrt_event_alloc(0, HRT_EVENT_MSEC);
    CHECK_EQ(call_hrt_event_setcallback(fast, 5, on_event, 1), 1);
    CHECK_EQ(call_hrt_event_setcallback(seconds, 1, on_event, 2), 1);
    CHECK_EQ(call_hrt_event_setmessage(posting, 5, window, TEST_MESSAGE, 3), 1);
    CHECK(wait_for(&calls, 3, 2000));
    CHECK(wait_for(&messages, 3, 2000));
    if (!FreeLibrary(dll)) {
        printf("  FAILED FreeLibrary: error %lu\n", (unsigned long)GetLastError());
        ++run_failures;
        return;
    }
    CHECK(GetModuleHandleA("chronox32.dll") == NULL);
    wait_for(&messages, 1000, 20); /* takes what was queued before the unload */
    LONG calls_then = calls, messages_then = messages;
    wait_for(&messages, 1000, 1500); /* past the next one-second tick */
    CHECK_EQ(calls, calls_then);
    CHECK_EQ(messages, messages_then);
    DestroyWindow(window);
}
