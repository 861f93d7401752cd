#pragma once
// Timing of database operations for the benchmarks: the median and the slowest of several runs.
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

struct Figures {
    double median;
    double slowest;
};

// Runs `prepare` (untimed, when given) and then `op` (timed), `runs` times; a failing `op` ends the
// benchmark `name`.
inline Figures measure(const char* name, int runs, const std::function<bool()>& op,
                       const std::function<void()>& prepare = {})
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        if (!op()) {
            std::fprintf(stderr, "%s: an operation failed\n", name);
            std::exit(1);
        }
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}
