// 100 READs of one page from an emulated module that answers at the pace of 9600 baud.
//
// The line's floor for one READ is the 20 ms quiet time plus 20 bytes (7 echoed, 13 answered) of
// 10 bits each at 9600 baud: 40.8 ms. Printed: the wall time per READ and its ratio to the floor
// (target at most 1.05), and the processor time of the program's thread as a share of the wall
// time (target under 5 %; a busy wait would be 100 %).
#include "link/LinkAddress.h"
#include "link/LinkCommands.h"
#include "platform/CommPort.h"
#include "rackemu/Rack.h"
#include "support/RackLine.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

constexpr int kReads = 100;
constexpr double kFloorMs = 20.0 + 20 * 10 * 1000.0 / 9600.0;

double nowMs(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    rackemu::Rack rack;
    rack.addModule({4242, rackemu::Kind::Receiver});
    if (!bench::openRackLine(rack, folder.path()))
        return 1;
    platform::CommPort& port = platform::CommPort::instance();

    const QByteArray serial = basVelmar::strLongTo3Bytes(4242);
    // The first command binds the timer library and pays for its calibrations.
    if (CLASSLINK::instance().intExecute(serial) != 0) {
        std::fprintf(stderr, "the module does not answer LINK\n");
        return 1;
    }

    int failures = 0;
    const double wall0 = nowMs(CLOCK_MONOTONIC);
    const double cpu0 = nowMs(CLOCK_THREAD_CPUTIME_ID);
    for (int i = 0; i < kReads; ++i) {
        if (CLASSREAD::instance().intExecute(serial, basVelmar::strLongTo2Bytes(i % 149)) != 0)
            ++failures;
    }
    const double cpu = nowMs(CLOCK_THREAD_CPUTIME_ID) - cpu0;
    const double wall = nowMs(CLOCK_MONOTONIC) - wall0;
    port.setPortOpen(false);
    rack.stop();

    const double perRead = wall / kReads;
    std::printf("link READ at 9600 baud: %d READs, %d failed\n", kReads, failures);
    std::printf("  wall time per READ      %.2f ms (floor %.1f ms)\n", perRead, kFloorMs);
    std::printf("  ratio to the floor      %.3f (target <= 1.05)\n", perRead / kFloorMs);
    std::printf("  processor time          %.1f ms = %.2f %% of wall time (target < 5 %%)\n", cpu, 100.0 * cpu / wall);
    return failures == 0 ? 0 : 1;
}
