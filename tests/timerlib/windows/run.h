/* The Windows test program of chronox32.dll: binds every export by ordinal,
 * as the application does, and runs a table of cases against it (under wine
 * on Linux). The ordinal table comes from exports.txt as exports.inc. */
#ifndef RUN_H
#define RUN_H

#include <windows.h>

#include <stdint.h>
#include <stdio.h>

#include "chronox32.h"

/* call_<name>: the export bound by its ordinal. */
#define HRT_ORDINAL(ordinal, name, bytes) extern __typeof__(name) *call_##name;
#include "exports.inc"
#undef HRT_ORDINAL

extern int run_failures;

#define CHECK(cond)                                                                                                    \
    do {                                                                                                               \
        if (!(cond)) {                                                                                                 \
            printf("  FAILED %s:%d: %s\n", __FILE__, __LINE__, #cond);                                                 \
            ++run_failures;                                                                                            \
        }                                                                                                              \
    } while (0)

#define CHECK_EQ(actual, expected)                                                                                     \
    do {                                                                                                               \
        long long a_ = (long long)(actual), e_ = (long long)(expected);                                                \
        if (a_ != e_) {                                                                                                \
            printf("  FAILED %s:%d: %s is %lld, expected %lld\n", __FILE__, __LINE__, #actual, a_, e_);                \
            ++run_failures;                                                                                            \
        }                                                                                                              \
    } while (0)

/* Milliseconds on the performance counter since an earlier reading. */
double ms_since(LARGE_INTEGER start);
LARGE_INTEGER counter_now(void);

/* Waits (sleeping, and handling this thread's messages) until *flag reaches
 * at least `count` or limit_ms pass; 1 when it did. */
int wait_for(volatile LONG *flag, LONG count, DWORD limit_ms);

/* The cases of the event part. */
void case_event_pool(void);
void case_event_callback(void);
void case_event_seconds_and_clock(void);
void case_event_message(void);
void case_event_free_waits(void);

/* Arms events and unloads the DLL under them, then runs on a while. */
void unload_with_events_armed(HMODULE dll);

#endif
