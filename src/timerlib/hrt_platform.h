/* What chronox32 asks of the operating system; one implementation a platform
 * (hrt_platform_posix.c, hrt_platform_win32.c). */
#ifndef HRT_PLATFORM_H
#define HRT_PLATFORM_H

#include <stdint.h>
#include <stdio.h>

/* 1 when the platform offers what the library needs. */
int hrt_plat_supported(void);
/* The monotonic counter: ticks per second (constant while loaded) and its value. */
int64_t hrt_plat_frequency(void);
int64_t hrt_plat_counter(void);

#include <time.h>

/* Calendar time in seconds since 1970 UTC, and its broken-down local time
 * (1 done, 0 when the time cannot be converted). */
int64_t hrt_plat_calendar_time(void);
int hrt_plat_localtime(int64_t calendar_time, struct tm *local);

#define HRT_PATH_MAX 4096

/* A report file being written. With an empty name it is a new temporary file
 * whose name starts with "hrt"; a named file is written beside its target and
 * moved over it only when complete, so a failed report leaves the old file. */
typedef struct {
    FILE *fp;
    int temporary;
    char path[HRT_PATH_MAX];
    char work[HRT_PATH_MAX];
} hrt_outfile;

/* 1 when open for writing (out->fp), 0 on failure (reason on stderr). */
int hrt_plat_out_open(hrt_outfile *out, const char *name);
/* Completes the file: 1 when it is stored at out->path, 0 when writing failed
 * (nothing is left behind but an older file of that name). */
int hrt_plat_out_close(hrt_outfile *out);

/* Removes a file. */
void hrt_plat_remove(const char *path);

/* Shows a text file in the desktop's viewer and waits until the viewer has
 * taken it; 1 done, 0 when the viewer cannot be run. */
int hrt_plat_show(const char *path);
/* Prints a text file on the default printer; 1 done, 0 failed (no default
 * printer, printing refused). */
int hrt_plat_print(const char *path);
/* A message for the user: title and text. */
void hrt_plat_message(const char *title, const char *text);

/* Event timers: the platform's multimedia timer, or what stands in for it
 * (hrt_event_timer_posix.c, hrt_event_timer_win32.c). */

/* The shortest and longest timer period in milliseconds; 1 done, 0 when
 * there is no event timer. */
int hrt_plat_event_caps(uint32_t *min_ms, uint32_t *max_ms);
/* Called at the first event allocated and after the last one released:
 * raise the timer resolution to min_ms (and end it), start (and stop) what
 * runs the timers. begin: 1 done, 0 when no timer can run. Counted: every
 * begin is matched by one end. end is never called under the event lock. */
int hrt_plat_event_begin(uint32_t min_ms);
void hrt_plat_event_end(uint32_t min_ms);
/* Starts a timer that calls hrt_event_timer_fired(user) on the timer thread
 * after delay_ms and, when periodic, every delay_ms after that; resolution_ms
 * is the accuracy asked for (0 the finest). Returns its id, 0 when no timer
 * can be had. */
uint32_t hrt_plat_event_timer_start(uint32_t delay_ms, uint32_t resolution_ms, uint32_t user, int periodic);
/* Stops a timer. It starts no new call; a call already under way may still
 * arrive (the event code tells it by its user value). */
void hrt_plat_event_timer_stop(uint32_t id);
/* Posts a window message; 1 posted, 0 failed. */
int hrt_plat_event_post(void *window, uint32_t message, uint32_t wparam, uint32_t lparam);
/* Calendar time as the event timers keep it (seconds since 1970 UTC). */
int64_t hrt_plat_event_calendar_time(void);
/* The event lock, shared by the caller's thread and the timer thread, and a
 * wait under it (the lock is released while waiting) until the next wake. */
void hrt_plat_event_lock(void);
void hrt_plat_event_unlock(void);
void hrt_plat_event_wait(void);
void hrt_plat_event_wake(void);

/* Formats numbers with a full stop whatever the host's locale, between begin and end. */
void *hrt_plat_c_numbers_begin(void);
void hrt_plat_c_numbers_end(void *saved);

#endif
