#include "support/LineTimingScale.h"

#include "link/LineTiming.h"
#include "rackemu/RackTiming.h"

namespace testsupport {
namespace {

constexpr int kPausePercent = 5;
constexpr int kReplyPercent = 50;

} // namespace

void LineTimingScale::set(int pausePercent, int replyPercent)
{
    linkengine::LineTiming::pausePercent_ = pausePercent;
    linkengine::LineTiming::replyPercent_ = replyPercent;
    rackemu::RackTiming::pausePercent_ = pausePercent;
}

void LineTimingScale::shorten() { set(kPausePercent, kReplyPercent); }

void LineTimingScale::real() { set(100, 100); }

} // namespace testsupport
