#pragma once
// The serial line's timing in tests. The test main shortens, for every test, the quiet times and
// pauses of the link and of the emulated rack to a twentieth, and the link's reply times to a half: the
// link still waits before each frame and for each reply, only not as long, and the rack's replies
// (begun within a few milliseconds) still come in well within their time. A test about the line's
// timing (a time-out, a paced read, a wait that must have happened) holds a RealLineTiming.
namespace testsupport {

class LineTimingScale {
public:
    // The tests' shortened timing.
    static void shorten();
    // The program's own timing.
    static void real();

private:
    static void set(int pausePercent, int replyPercent);
};

// The program's own line timing while it lives; the tests' shortened timing again after it.
class RealLineTiming {
public:
    RealLineTiming() { LineTimingScale::real(); }
    ~RealLineTiming() { LineTimingScale::shorten(); }
    RealLineTiming(const RealLineTiming&) = delete;
    RealLineTiming& operator=(const RealLineTiming&) = delete;
};

} // namespace testsupport
