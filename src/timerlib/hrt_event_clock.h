/* A hand-driven clock for the event timers of the POSIX build, so that tests
 * can run days of events in moments. Not exported from the shared object. */
#ifndef HRT_EVENT_CLOCK_H
#define HRT_EVENT_CLOCK_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* From now on the event timers' time stands still but for
 * hrt_event_clock_advance, and the calendar time the events see starts at
 * `calendar` (seconds since 1970 UTC) and moves with it. */
void hrt_event_clock_manual(int64_t calendar);
/* Moves the hand-driven clock on and returns when every timer that fell due
 * meanwhile has been run. */
void hrt_event_clock_advance(uint64_t ms);
/* Back to the monotonic clock and the real calendar. */
void hrt_event_clock_real(void);

#ifdef __cplusplus
}
#endif

#endif
