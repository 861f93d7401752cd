// Prints what the timer library's calls cost next to a raw clock read, and how
// closely hrt_delay_do keeps to the delays asked of it.
//   Targets: timestamp and alarm check at most 1.5 times a raw
//   clock_gettime(CLOCK_MONOTONIC); median delay error under 5 us from 100 us up.
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "chronox32.h"

namespace {

int64_t nowNs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

constexpr int kRounds = 9;
constexpr int kCalls = 1000000;

volatile int64_t sink;

double rawClockNs()
{
    int64_t acc = 0, start = nowNs();
    for (int i = 0; i < kCalls; ++i) {
        timespec ts;
        clock_gettime(CLOCK_MONOTONIC, &ts);
        acc += ts.tv_nsec;
    }
    sink = acc;
    return double(nowNs() - start) / kCalls;
}

double timestampNs(int16_t stamp)
{
    int64_t start = nowNs();
    for (int i = 0; i < kCalls; ++i)
        hrt_timestamp_get(stamp);
    return double(nowNs() - start) / kCalls;
}

double alarmCheckNs(int16_t alarm)
{
    int64_t acc = 0, start = nowNs();
    for (int i = 0; i < kCalls; ++i)
        acc += hrt_alarm_check(alarm);
    sink = acc;
    return double(nowNs() - start) / kCalls;
}

void callCosts()
{
    int16_t stamp = hrt_timestamp_alloc();
    int16_t alarm = hrt_alarm_alloc(2);
    hrt_alarm_set(alarm, 3600000, 0); // an hour: every check finds it running
    std::vector<double> raw, ts, check;
    for (int r = 0; r < kRounds; ++r) { // interleaved, so drifts of the machine hit all three
        raw.push_back(rawClockNs());
        ts.push_back(timestampNs(stamp));
        check.push_back(alarmCheckNs(alarm));
    }
    hrt_alarm_free(alarm);
    hrt_timestamp_free(stamp);

    double base = median(raw);
    std::printf("Call cost (median of %d rounds of %d calls)\n", kRounds, kCalls);
    std::printf("  clock_gettime(CLOCK_MONOTONIC)  %7.2f ns\n", base);
    for (auto [name, v] : {std::pair{"hrt_timestamp_get", median(ts)}, std::pair{"hrt_alarm_check", median(check)}}) {
        double ratio = v / base;
        std::printf("  %-30s  %7.2f ns  ratio %.2f  (target <= 1.5: %s)\n", name, v, ratio,
                    ratio <= 1.5 ? "met" : "MISSED");
    }
}

void delayAccuracy()
{
    struct Amount {
        uint32_t us;
        int runs;
    } const amounts[] = {{10, 2000}, {100, 1000}, {1000, 300}, {10000, 60}};
    std::printf("hrt_delay_do accuracy (error = measured - requested; switch %u us, atom %u ns, minimum %u us)\n",
                hrt_delay_getswitch(), hrt_delay_getatom(), hrt_delay_getmin());
    for (const Amount &a : amounts) {
        uint16_t alarmsBefore = hrt_alarm_inuse();
        int16_t d = hrt_delay_alloc(a.us, 1);
        const char *kind = hrt_alarm_inuse() > alarmsBefore ? "alarm" : "counted";
        for (int i = 0; i < 5; ++i)
            hrt_delay_do(d);
        std::vector<double> errors;
        for (int i = 0; i < a.runs; ++i) {
            int64_t start = nowNs();
            hrt_delay_do(d);
            errors.push_back(double(nowNs() - start) / 1000.0 - a.us);
        }
        hrt_delay_free(d);
        double med = median(errors);
        std::printf("  %6u us  %-7s  median %+8.2f us  p10 %+8.2f  p90 %+8.2f  (%d runs)", a.us, kind, med,
                    percentile(errors, 0.1), percentile(errors, 0.9), a.runs);
        if (a.us >= 100)
            std::printf("  (target |median| < 5 us: %s)", (med < 5 && med > -5) ? "met" : "MISSED");
        std::printf("\n");
    }
}

} // namespace

int main()
{
    callCosts();
    delayAccuracy();
    return 0;
}
