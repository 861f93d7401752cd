#pragma once
#include <cstdint>

namespace testsupport {
class LineTimingScale;
}

namespace linkengine {

// The times the link runs on the line: its quiet time and pauses, and the reply times of its rule
// table. The program always runs them as given. The scales can only be set by the test support
// library (its one friend), so that tests that are not about the line's timing need not spend
// seconds in quiet times; neither the program nor a benchmark can reach them.
class LineTiming {
public:
    // A quiet time or a pause (before a frame, UNLINK's settling), in ms as it is run.
    static uint32_t pauseMs(uint32_t ms);
    // A reply time of the rule table, in ms as it is run.
    static uint32_t replyMs(uint32_t ms);

private:
    friend class testsupport::LineTimingScale;
    // Hundredths of the real time.
    static int pausePercent_;
    static int replyPercent_;
};

} // namespace linkengine
