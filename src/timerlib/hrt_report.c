/* The text report: named timers with their totals and averages, optionally
 * the library's calibration values and pool use; shown, printed or kept. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "hrt_internal.h"
#include "hrt_platform.h"

#define DISPOSAL_MASK 0x0F
#define DISPOSAL_SHOW 0
#define DISPOSAL_PRINT 2
#define FLAGS_NAME_REQUIRED 1
#define SUMMARY_MASK 0xF0
#define TITLE_WIDTH 69

#define LIBRARY_VERSION "1.00B-32"

static const char not_calibrated[] = "Not calibrated\n";
static const char microseconds[] = "%ld microseconds\n";

/* Calendar time for the report's date lines. CHRONOX32_REPORT_TIME (seconds
 * since 1970) pins both, so that a report can be compared with a fixed text. */
static int64_t report_time(int64_t actual)
{
    const char *pinned = getenv("CHRONOX32_REPORT_TIME");
    if (!pinned || !*pinned)
        return actual;
    char *end = NULL;
    long long value = strtoll(pinned, &end, 10);
    return (end && *end == '\0') ? (int64_t)value : actual;
}

/* Local time in the layout of C's asctime: "Thu Jan  1 00:00:00 1970\n". */
#define TIME_TEXT_SIZE 64

static void asctime_layout(int64_t calendar_time, char out[TIME_TEXT_SIZE])
{
    static const char days[7][4] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char months[12][4] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    struct tm t;
    if (!hrt_plat_localtime(calendar_time, &t) || t.tm_wday < 0 || t.tm_wday > 6 || t.tm_mon < 0 ||
        t.tm_mon > 11) {
        snprintf(out, TIME_TEXT_SIZE, "%s", "--- --- -- --:--:-- ----\n");
        return;
    }
    snprintf(out, TIME_TEXT_SIZE, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n", days[t.tm_wday], months[t.tm_mon], t.tm_mday, t.tm_hour,
             t.tm_min, t.tm_sec, 1900 + t.tm_year);
}

static void write_title(FILE *fp, const char *title)
{
    size_t len = strlen(title);
    if (len == 0) {
        fputs("                       Horvale Timer Summary\n\n", fp);
    } else if (len <= TITLE_WIDTH) {
        fprintf(fp, "%*s%s\n\n", (int)((TITLE_WIDTH - len) / 2), "", title);
    } else {
        fprintf(fp, "%s\n", title);
    }
}

static void write_timers(FILE *fp)
{
    fputs("     Timer Name       Activations   Elapsed (secs)    Average (secs)\n", fp);
    fputs("--------------------  -----------  ----------------  ----------------\n", fp);
    if (hrt_state.timers_in_use == 0) {
        fputs("No timers active\n\n", fp);
        return;
    }
    int named = 0;
    for (int16_t h = hrt_state.timer_head; h; h = hrt_state.timers[h].next) {
        const hrt_timer_slot *t = &hrt_state.timers[h];
        if (t->name[0] == '\0')
            continue;
        /* A running timer is read as if suspended now: its current run counts. */
        if (t->state == HRT_TIMER_RUNNING) {
            hrt_timer_suspend(h);
            hrt_timer_resume(h);
        }
        double secs = hrt_timer_elapsedsecs(h);
        double average = t->activations ? secs / (double)t->activations : 0.0;
        fprintf(fp, "%-20s  %11lu  %16.6f  %16.6f\n", t->name, (unsigned long)t->activations, secs, average);
        ++named;
    }
    fputs(named ? "\n" : "No named timers active\n\n", fp);
}

static void write_calibrated(FILE *fp, const char *label, int16_t calibrated, const char *format, uint32_t value)
{
    fputs(label, fp);
    if (calibrated)
        fprintf(fp, format, (long)value);
    else
        fputs(not_calibrated, fp);
}

static void write_summary(FILE *fp)
{
    fputs("                    CHRONOX32 DLL Resource Summary\n\n", fp);
    if (!hrt_state.supported) {
        fputs("Horvale is not supported in this operating system environment\n\n", fp);
        return;
    }
    char loaded[TIME_TEXT_SIZE];
    asctime_layout(report_time(hrt_state.load_time), loaded);
    fprintf(fp, "DLL version %s loaded %s", LIBRARY_VERSION, loaded);
    fprintf(fp, "Timer frequency : %.2f Hz\n", (double)hrt_state.frequency);
    write_calibrated(fp, "Timer overhead  : ", hrt_state.timer_calibrated, microseconds,
                     hrt_state.timer_overhead_us);
    write_calibrated(fp, "Delay atom      : ", hrt_state.delay_calibrated, "%ld nanoseconds\n",
                     hrt_state.delay_calibrated ? hrt_delay_getatom() : 0u);
    write_calibrated(fp, "Delay minimum   : ", hrt_state.delay_calibrated, microseconds,
                     hrt_state.delay_calibrated ? hrt_delay_getmin() : 0u);
    fprintf(fp, "Delay switch    : %ld microseconds\n", (long)hrt_state.delay_switch_us);
    write_calibrated(fp, "Alarm overhead  : ", hrt_state.alarm_calibrated, microseconds,
                     hrt_state.alarm_overhead_us);
    fputs("Event resolution: ", fp);
    if (hrt_state.event_calibrated)
        fprintf(fp, "%u milliseconds\n", (unsigned)hrt_event_minperiod());
    else
        fputs(not_calibrated, fp);
    fprintf(fp, "Timestamps used : %u  available: %u\n", (unsigned)hrt_timestamp_inuse(),
            (unsigned)hrt_timestamp_avail());
    fprintf(fp, "Timers used     : %u  available: %u\n", (unsigned)hrt_timer_inuse(), (unsigned)hrt_timer_avail());
    fprintf(fp, "Alarms used     : %u  available: %u\n", (unsigned)hrt_alarm_inuse(), (unsigned)hrt_alarm_avail());
    fprintf(fp, "Delays used     : %u  available: %u\n", (unsigned)hrt_delay_inuse(), (unsigned)hrt_delay_avail());
    fprintf(fp, "Events used     : %u  available: %u\n\n", (unsigned)hrt_event_inuse(), (unsigned)hrt_event_avail());
}

/* Shows the report; when no viewer can be run the file stays and the user is told where. */
static void show(const char *path)
{
    if (hrt_plat_show(path)) {
        hrt_plat_remove(path);
        return;
    }
    char text[HRT_PATH_MAX + 96];
    snprintf(text, sizeof text, "Unable to execute Notepad.exe.  Your timer report is in file %s", path);
    hrt_plat_message("Horvale Error", text);
}

int16_t HRT_CALL hrt_report(const char *title, int16_t flags, const char *filename)
{
    if (!title)
        title = "";
    if (!filename)
        filename = "";
    if (flags == FLAGS_NAME_REQUIRED && filename[0] == '\0')
        return 0;

    hrt_outfile out;
    if (!hrt_plat_out_open(&out, filename))
        return 0;
    void *numbers = hrt_plat_c_numbers_begin();
    write_title(out.fp, title);
    write_timers(out.fp);
    if (flags & SUMMARY_MASK)
        write_summary(out.fp);
    char now[TIME_TEXT_SIZE];
    asctime_layout(report_time(hrt_plat_calendar_time()), now);
    fprintf(out.fp, "Horvale report complete %s", now);
    hrt_plat_c_numbers_end(numbers);
    if (!hrt_plat_out_close(&out))
        return 0;

    switch (flags & DISPOSAL_MASK) {
    case DISPOSAL_SHOW:
        show(out.path);
        return 1;
    case DISPOSAL_PRINT: {
        int printed = hrt_plat_print(out.path);
        hrt_plat_remove(out.path);
        return (int16_t)(printed ? 1 : 0);
    }
    default:
        return 1;
    }
}
