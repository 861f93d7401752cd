/* The Windows test program of chronox32.dll: binding by ordinal, the runner,
 * and the cases of timestamps, alarms, delays, timers and the report.
 *   usage: chronox32_run.exe   (chronox32.dll beside it) */
#include <string.h>

#include "run.h"

#define HRT_ORDINAL(ordinal, name, bytes) __typeof__(name) *call_##name;
#include "exports.inc"
#undef HRT_ORDINAL

int run_failures;

/* The name each export has in the DLL: decorated in the 32-bit one, plain in
 * the 64-bit one, whose calling convention decorates nothing. */
#ifdef _WIN64
#define EXPORTED_NAME(name, bytes) #name
#else
#define EXPORTED_NAME(name, bytes) "_" #name "@" #bytes
#endif

static const struct {
    WORD ordinal;
    const char* exported;
    void *slot; /* the call_<name> pointer */
} bindings[] = {
#define HRT_ORDINAL(ordinal, name, bytes) {ordinal, EXPORTED_NAME(name, bytes), &call_##name},
#include "exports.inc"
#undef HRT_ORDINAL
};

#define BINDINGS (sizeof bindings / sizeof bindings[0])

LARGE_INTEGER counter_now(void)
{
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    return c;
}

double ms_since(LARGE_INTEGER start)
{
    LARGE_INTEGER f, now = counter_now();
    QueryPerformanceFrequency(&f);
    return (double)(now.QuadPart - start.QuadPart) * 1000.0 / (double)f.QuadPart;
}

int wait_for(volatile LONG *flag, LONG count, DWORD limit_ms)
{
    LARGE_INTEGER start = counter_now();
    while (*flag < count) {
        if (ms_since(start) > limit_ms)
            return 0;
        MsgWaitForMultipleObjects(0, NULL, FALSE, 1, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    return 1;
}

/* Every export at its ordinal is the function of its exported name. */
static int bind_by_ordinal(HMODULE dll)
{
    int bound = 0;
    for (size_t i = 0; i < BINDINGS; ++i) {
        FARPROC by_ordinal = GetProcAddress(dll, MAKEINTRESOURCEA(bindings[i].ordinal));
        FARPROC by_name = GetProcAddress(dll, bindings[i].exported);
        if (!by_ordinal || by_ordinal != by_name) {
            printf("  FAILED ordinal %u is not %s\n", (unsigned)bindings[i].ordinal, bindings[i].exported);
            ++run_failures;
            continue;
        }
        memcpy(bindings[i].slot, &by_ordinal, sizeof by_ordinal);
        ++bound;
    }
    CHECK_EQ(bound, 70);
    CHECK(GetProcAddress(dll, MAKEINTRESOURCEA(71)) == NULL);
    return bound == 70;
}

static void case_timestamps(void)
{
    CHECK_EQ(call_hrt_supported(), 1);
    int16_t a = call_hrt_timestamp_alloc(), b = call_hrt_timestamp_alloc();
    CHECK(a != 0 && b != 0);
    call_hrt_timestamp_get(a);
    Sleep(2);
    call_hrt_timestamp_get(b);
    CHECK_EQ(call_hrt_timestamp_usecdiff(a, a), 0);
    CHECK_EQ(call_hrt_timestamp_usecdiff(b, a), HRT_DIFF_END_BEFORE_START);
    CHECK(call_hrt_timestamp_usecdiff(a, b) >= 1000);
    call_hrt_timestamp_free(a);
    call_hrt_timestamp_free(b);
    CHECK_EQ(call_hrt_timestamp_inuse(), 0);

    /* The one export with a double on the stack. */
    char text[32];
    CHECK(strcmp(call_hrt_timestring(3725.5, text), "1:02:05.500000") == 0);
    CHECK(strcmp(call_hrt_timestring(59.25, text), "0:00:59.250000") == 0);
}

static void case_alarm(void)
{
    /* The application's road: allocate in milliseconds, set with mode 1, poll, free. */
    int16_t h = call_hrt_alarm_alloc(2);
    CHECK_EQ(h, 1);
    LARGE_INTEGER start = counter_now();
    call_hrt_alarm_set(h, 20, 1);
    uint32_t r = 0;
    while (r == 0)
        r = call_hrt_alarm_check(h);
    double waited = ms_since(start);
    CHECK(r >= 20 && r < 1000);
    CHECK(waited >= 19.9);
    call_hrt_alarm_free(h);
    CHECK_EQ(call_hrt_alarm_inuse(), 0);
    CHECK_EQ(call_hrt_timestamp_inuse(), 0);
    CHECK_EQ(call_hrt_alarm_check(0), 1);
    CHECK(call_hrt_alarm_getohead() < 1000);
}

static void case_delay(void)
{
    uint16_t alarms = call_hrt_alarm_inuse();
    int16_t counted = call_hrt_delay_alloc(100, 1);
    CHECK(counted != 0);
    CHECK_EQ(call_hrt_alarm_inuse(), alarms);
    int16_t timed = call_hrt_delay_alloc(2000, 1);
    CHECK(timed != 0);
    CHECK_EQ(call_hrt_alarm_inuse(), alarms + 1);
    LARGE_INTEGER start = counter_now();
    call_hrt_delay_do(timed);
    CHECK(ms_since(start) >= 1.9);
    call_hrt_delay_free(timed);
    call_hrt_delay_free(counted);
    CHECK_EQ(call_hrt_delay_inuse(), 0);
    CHECK(call_hrt_delay_getatom() >= 1);
}

static void case_timer(void)
{
    int16_t t = call_hrt_timer_alloc(1, "Wine run");
    CHECK(t != 0);
    call_hrt_timer_start(t);
    Sleep(5);
    call_hrt_timer_stop(t);
    CHECK(call_hrt_timer_elapsed(t) >= 4000);
    CHECK_EQ(call_hrt_timer_count(t), 1);
    call_hrt_timer_stop(t);
    CHECK_EQ(call_hrt_timer_getstatus(t), HRT_STATUS_NOT_RUNNING);
    CHECK_EQ(call_hrt_timer_getstatus(t), 0);
    CHECK(strcmp(call_hrt_timer_getname(t), "Wine run") == 0);
    call_hrt_timer_free(t);
    CHECK_EQ(call_hrt_timer_inuse(), 0);
}

static int read_text(const char *path, char *text, size_t size)
{
    FILE *fp = fopen(path, "r"); /* text: the report has Windows line ends */
    if (!fp)
        return 0;
    size_t n = fread(text, 1, size - 1, fp);
    text[n] = '\0';
    fclose(fp);
    return 1;
}

/* The names of the temporary reports (hrt*.tmp) in the temporary folder. */
static int temporary_reports(const char *dir, char *newest, size_t size)
{
    char pattern[MAX_PATH + 16];
    snprintf(pattern, sizeof pattern, "%shrt*.tmp", dir);
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA(pattern, &found);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    int n = 0;
    do {
        snprintf(newest, size, "%s%s", dir, found.cFileName);
        ++n;
    } while (FindNextFileA(h, &found));
    FindClose(h);
    return n;
}

static void case_report(void)
{
    char dir[MAX_PATH + 1], path[MAX_PATH + 32], text[8192], line[128];
    CHECK(GetTempPathA(sizeof dir, dir) > 0);
    snprintf(path, sizeof path, "%schronox32-run.txt", dir);

    int16_t timer = call_hrt_timer_alloc(3, "Wine run");
    call_hrt_timer_start(timer);
    call_hrt_timer_stop(timer);
    int16_t event = call_hrt_event_alloc(0, HRT_EVENT_MSEC);
    CHECK(event != 0);

    /* Kept at its name, with the resource summary. */
    CHECK_EQ(call_hrt_report("Wine run", 0x11, path), 1);
    CHECK(read_text(path, text, sizeof text));
    CHECK(strstr(text, "                              Wine run\n\n") == text);
    CHECK(strstr(text, "\nWine run                        1  ") != NULL);
    CHECK(strstr(text, "CHRONOX32 DLL Resource Summary") != NULL);
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    snprintf(line, sizeof line, "\nTimer frequency : %.2f Hz\n", (double)f.QuadPart);
    CHECK(strstr(text, line) != NULL);
    snprintf(line, sizeof line, "\nEvent resolution: %u milliseconds\n", (unsigned)call_hrt_event_minperiod());
    CHECK(strstr(text, line) != NULL);
    CHECK(strstr(text, "\nEvents used     : 1  available: 30\n") != NULL);
    CHECK(strstr(text, "\nHorvale report complete ") != NULL);
    DeleteFileA(path);

    /* Flags 1 needs a name; with others an empty name makes a temporary file that is kept. */
    CHECK_EQ(call_hrt_report("", 1, ""), 0);
    char kept[MAX_PATH + 32];
    int before = temporary_reports(dir, kept, sizeof kept);
    CHECK_EQ(call_hrt_report("", 0x15, ""), 1);
    CHECK_EQ(temporary_reports(dir, kept, sizeof kept), before + 1);
    CHECK(read_text(kept, text, sizeof text) && strstr(text, "Horvale Timer Summary") != NULL);
    DeleteFileA(kept);

    call_hrt_event_free(event);
    call_hrt_timer_free(timer);
}

static const struct {
    const char *name;
    void (*run)(void);
} cases[] = {
    {"timestamps", case_timestamps},
    {"alarm", case_alarm},
    {"delay", case_delay},
    {"timer", case_timer},
    {"report", case_report},
    {"event pool", case_event_pool},
    {"event callback", case_event_callback},
    {"event seconds and clock", case_event_seconds_and_clock},
    {"event message", case_event_message},
    {"event free waits", case_event_free_waits},
};

/* A fault on any thread (a timer calling into the unloaded DLL, say) ends the
 * run as failed rather than in the system's debugger. */
static LONG WINAPI on_crash(EXCEPTION_POINTERS* info)
{
    printf("FAILED: exception %08lx at %p\n", (unsigned long)info->ExceptionRecord->ExceptionCode,
           info->ExceptionRecord->ExceptionAddress);
    ExitProcess(3);
}

int main(void)
{
    setvbuf(stdout, NULL, _IONBF, 0);
    SetUnhandledExceptionFilter(on_crash);
    HMODULE dll = LoadLibraryA("chronox32.dll");
    if (!dll) {
        printf("FAILED: chronox32.dll cannot be loaded (error %lu)\n", (unsigned long)GetLastError());
        return 1;
    }
    if (!bind_by_ordinal(dll)) {
        printf("FAILED: binding by ordinal\n");
        return 1;
    }
    printf("ok   binding: 70 exports by ordinal\n");
    int failed_cases = 0;
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        int before = run_failures;
        cases[i].run();
        int failed = run_failures != before;
        failed_cases += failed;
        printf("%s %s\n", failed ? "FAIL" : "ok  ", cases[i].name);
    }
    /* The last case: it unloads the DLL. */
    int before = run_failures;
    unload_with_events_armed(dll);
    int failed = run_failures != before;
    failed_cases += failed;
    printf("%s unload with events armed\n", failed ? "FAIL" : "ok  ");
    printf("%d of %d cases failed\n", failed_cases, (int)(sizeof cases / sizeof cases[0]) + 1);
    return failed_cases ? 1 : 0;
}
