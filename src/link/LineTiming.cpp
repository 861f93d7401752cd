#include "link/LineTiming.h"

namespace linkengine {
namespace {

// At least 1 ms: a scaled wait is still a wait.
uint32_t scaled(uint32_t ms, int percent)
{
    if (percent == 100 || ms == 0)
        return ms;
    const uint32_t out = ms * static_cast<uint32_t>(percent) / 100;
    return out > 0 ? out : 1;
}

} // namespace

int LineTiming::pausePercent_ = 100;
int LineTiming::replyPercent_ = 100;

uint32_t LineTiming::pauseMs(uint32_t ms) { return scaled(ms, pausePercent_); }

uint32_t LineTiming::replyMs(uint32_t ms) { return scaled(ms, replyPercent_); }

} // namespace linkengine
