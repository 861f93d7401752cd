/*
 * chronox32: high-resolution timestamps, polled alarms, busy-wait delays,
 * stopwatch timers and timer events, all kept in fixed pools and named by
 * 16-bit handles (0 = none).
 *
 * On 32-bit Windows every function uses the stdcall convention and is
 * exported as _<name>@<argument bytes> at a fixed ordinal (exports.txt);
 * elsewhere the plain C names are exported.
 *
 * Resolution codes: 1 microseconds, 2 milliseconds, 3 seconds.
 */
#ifndef CHRONOX32_H
#define CHRONOX32_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define HRT_CALL __stdcall
#else
#define HRT_CALL
#endif

#if defined(CHRONOX32_BUILD) && !defined(_WIN32)
#define HRT_EXPORT __attribute__((visibility("default")))
#else
#define HRT_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Differences that are not a time. */
#define HRT_DIFF_END_BEFORE_START 0xFFFFFFFEu
#define HRT_DIFF_TOO_LARGE 0xFFFFFFFFu

/* Report flags: the low four bits dispose of the file, 0xF0 adds the resource summary. */
#define HRT_REPORT_SHOW 0x00
#define HRT_REPORT_KEEP_NAMED 0x01
#define HRT_REPORT_PRINT 0x02
#define HRT_REPORT_SUMMARY 0x10

/* Stopwatch timer states and statuses. */
#define HRT_TIMER_STOPPED 0
#define HRT_TIMER_RUNNING 1
#define HRT_TIMER_SUSPENDED 2
#define HRT_STATUS_NOT_RUNNING (-3)
#define HRT_STATUS_WRONG_STATE (-4)

/* Event types, fixed at allocation, and the allocation flag of a one-shot event. */
#define HRT_EVENT_MSEC 2
#define HRT_EVENT_SECONDS 3
#define HRT_EVENT_TIME_OF_DAY 4
#define HRT_EVENT_ONE_SHOT 0x0001

/* Called on the event thread as function(handle, value). */
typedef void(HRT_CALL *hrt_event_fn)(uint32_t handle, uint32_t value);

/* Timestamps */
HRT_EXPORT int16_t HRT_CALL hrt_timestamp_alloc(void);
HRT_EXPORT void HRT_CALL hrt_timestamp_free(int16_t handle);
HRT_EXPORT void HRT_CALL hrt_timestamp_get(int16_t handle);
HRT_EXPORT uint32_t HRT_CALL hrt_timestamp_usecdiff(int16_t start, int16_t end);
HRT_EXPORT uint32_t HRT_CALL hrt_timestamp_msecdiff(int16_t start, int16_t end);
HRT_EXPORT uint32_t HRT_CALL hrt_timestamp_secdiff(int16_t start, int16_t end);
HRT_EXPORT uint16_t HRT_CALL hrt_timestamp_inuse(void);
HRT_EXPORT uint16_t HRT_CALL hrt_timestamp_avail(void);

/* Alarms */
HRT_EXPORT int16_t HRT_CALL hrt_alarm_alloc(int16_t resolution);
HRT_EXPORT void HRT_CALL hrt_alarm_set(int16_t handle, uint32_t interval, int16_t mode);
HRT_EXPORT uint32_t HRT_CALL hrt_alarm_check(int16_t handle);
HRT_EXPORT void HRT_CALL hrt_alarm_reset(int16_t handle);
HRT_EXPORT void HRT_CALL hrt_alarm_cancel(int16_t handle);
HRT_EXPORT void HRT_CALL hrt_alarm_free(int16_t handle);
HRT_EXPORT uint16_t HRT_CALL hrt_alarm_inuse(void);
HRT_EXPORT uint16_t HRT_CALL hrt_alarm_avail(void);
HRT_EXPORT uint32_t HRT_CALL hrt_alarm_getohead(void);
HRT_EXPORT uint32_t HRT_CALL hrt_alarm_setohead(uint32_t microseconds);

/* Delays */
HRT_EXPORT int16_t HRT_CALL hrt_delay_alloc(uint32_t amount, int16_t resolution);
HRT_EXPORT void HRT_CALL hrt_delay_do(int16_t handle);
HRT_EXPORT void HRT_CALL hrt_delay_free(int16_t handle);
HRT_EXPORT uint16_t HRT_CALL hrt_delay_inuse(void);
HRT_EXPORT uint16_t HRT_CALL hrt_delay_avail(void);
HRT_EXPORT uint32_t HRT_CALL hrt_delay_getatom(void);
HRT_EXPORT uint32_t HRT_CALL hrt_delay_getmin(void);
HRT_EXPORT uint32_t HRT_CALL hrt_delay_getswitch(void);
HRT_EXPORT uint32_t HRT_CALL hrt_delay_setswitch(uint32_t microseconds);

/* Calibration and platform: 1 done, 0 failed */
HRT_EXPORT int16_t HRT_CALL hrt_calibrate_timer(void);
HRT_EXPORT int16_t HRT_CALL hrt_calibrate_delay(void);
HRT_EXPORT int16_t HRT_CALL hrt_calibrate_alarm(void);
HRT_EXPORT int16_t HRT_CALL hrt_calibrate_event(void);
HRT_EXPORT int16_t HRT_CALL hrt_supported(void);

/* Stopwatch timers */
HRT_EXPORT int16_t HRT_CALL hrt_timer_alloc(int16_t resolution, const char *name);
HRT_EXPORT void HRT_CALL hrt_timer_free(int16_t handle);
HRT_EXPORT void HRT_CALL hrt_timer_start(int16_t handle);
HRT_EXPORT void HRT_CALL hrt_timer_stop(int16_t handle);
HRT_EXPORT void HRT_CALL hrt_timer_suspend(int16_t handle);
HRT_EXPORT void HRT_CALL hrt_timer_resume(int16_t handle);
HRT_EXPORT void HRT_CALL hrt_timer_reset(int16_t handle);
HRT_EXPORT uint32_t HRT_CALL hrt_timer_current(int16_t handle);
HRT_EXPORT uint32_t HRT_CALL hrt_timer_lastelapsed(int16_t handle);
HRT_EXPORT uint32_t HRT_CALL hrt_timer_elapsed(int16_t handle);
HRT_EXPORT uint32_t HRT_CALL hrt_timer_count(int16_t handle);
HRT_EXPORT double HRT_CALL hrt_timer_currentsecs(int16_t handle);
HRT_EXPORT double HRT_CALL hrt_timer_lastelapsedsecs(int16_t handle);
HRT_EXPORT double HRT_CALL hrt_timer_elapsedsecs(int16_t handle);
HRT_EXPORT const char *HRT_CALL hrt_timer_getname(int16_t handle);
HRT_EXPORT void HRT_CALL hrt_timer_setname(int16_t handle, char *buffer);
HRT_EXPORT int16_t HRT_CALL hrt_timer_getresolution(int16_t handle);
HRT_EXPORT int16_t HRT_CALL hrt_timer_getstate(int16_t handle);
HRT_EXPORT int32_t HRT_CALL hrt_timer_getstatus(int16_t handle);
HRT_EXPORT uint16_t HRT_CALL hrt_timer_inuse(void);
HRT_EXPORT uint16_t HRT_CALL hrt_timer_avail(void);
HRT_EXPORT uint32_t HRT_CALL hrt_timer_getohead(void);
HRT_EXPORT uint32_t HRT_CALL hrt_timer_setohead(uint32_t microseconds);

/* Time text H:MM:SS.ffffff into buffer (at least 21 characters); returns buffer. */
HRT_EXPORT char *HRT_CALL hrt_timestring(double seconds, char *buffer);
/* Text report: 1 done, 0 failed. */
HRT_EXPORT int16_t HRT_CALL hrt_report(const char *title, int16_t flags, const char *filename);

/* Timer events
 *
 * Notifications (the event's function, or on POSIX the post hook) run on the
 * event thread. Every call that stops an event - hrt_event_free,
 * hrt_event_cancel, hrt_event_reset and the four arming calls on an armed
 * event - returns only when no notification of that event is running any
 * more, and none starts afterwards: once it has returned, the caller may free
 * whatever the notification uses. A notification may free, cancel or re-arm
 * its own event (it does not wait for itself).
 *
 * The one case this guarantee cannot serve: a notification that waits for the
 * thread which is stopping its event (joins it, takes a lock that thread
 * holds, or sends it a message and waits for the answer) never returns, and
 * that thread waits for it for ever. Stop an event from a thread its
 * notification never waits for, or let the notification only post or signal. */
HRT_EXPORT int16_t HRT_CALL hrt_event_alloc(int16_t flags, int16_t type);
HRT_EXPORT void HRT_CALL hrt_event_free(int16_t handle);
HRT_EXPORT int16_t HRT_CALL hrt_event_setcallback(int16_t handle, uint32_t period, hrt_event_fn function,
                                                  uint32_t value);
HRT_EXPORT int16_t HRT_CALL hrt_event_setmessage(int16_t handle, uint32_t period, void *window, uint32_t message,
                                                 uint32_t value);
HRT_EXPORT int16_t HRT_CALL hrt_event_clockcallback(int16_t handle, int16_t hour, int16_t minute, int16_t second,
                                                    hrt_event_fn function, uint32_t value);
HRT_EXPORT int16_t HRT_CALL hrt_event_clockmsg(int16_t handle, int16_t hour, int16_t minute, int16_t second,
                                               void *window, uint32_t message, uint32_t value);
HRT_EXPORT void HRT_CALL hrt_event_cancel(int16_t handle);
HRT_EXPORT int16_t HRT_CALL hrt_event_reset(int16_t handle);
HRT_EXPORT int16_t HRT_CALL hrt_event_pending(int16_t handle);
HRT_EXPORT uint16_t HRT_CALL hrt_event_inuse(void);
HRT_EXPORT uint16_t HRT_CALL hrt_event_avail(void);
HRT_EXPORT uint16_t HRT_CALL hrt_event_minperiod(void);
HRT_EXPORT uint16_t HRT_CALL hrt_event_maxperiod(void);

#if !defined(_WIN32)
/* Where Windows posts an event's window message itself, the host registers
 * the function that posts it, called on the event thread as
 * hook(window, message, wparam, lparam); non-zero when the message was
 * posted. Without a hook every post fails and is counted. NULL removes the
 * hook. Exported by the shared object only, outside the ordinal table. */
typedef int (*hrt_post_fn)(void *window, uint32_t message, uint32_t wparam, uint32_t lparam);
HRT_EXPORT void hrt_set_post_hook(hrt_post_fn hook);
#endif

#ifdef __cplusplus
}
#endif

#endif
