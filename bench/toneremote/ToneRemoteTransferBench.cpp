// Reads and writes a tone-remote module of the emulated rack (a separate rackemu process pacing at
// 9600 baud): 256 READs, then 252 WRITEs, against the protocol's floor (read 10 924 ms: 2 UNLINK,
// LINK, 256 READ; write 10 821 ms: 2 UNLINK, LINK, READ, 252 WRITE, RESTART), and the processor
// time the program spent.
#include "support/TransferBench.h"

#include "rackemu/PageImage.h"
#include "toneremote/COrvDocTR.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

constexpr uint32_t kSerial = 123456;
constexpr double kRatioTarget = 1.02;
constexpr double kCpuTargetPercent = 2;

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    transferbench::BenchRack rack;
    if (!rack.start(kSerial, QStringLiteral("tr"), rackemu::defaultImage(rackemu::Kind::ToneRemote, kSerial)))
        return 1;

    COrvDocTR doc;
    int16_t status = 0;
    transferbench::Timing timing =
        transferbench::timed([&] { return doc.intModule2Document(QString::number(kSerial)); }, status);
    if (status != 0 || doc.intInitSystemInfo() != 0) {
        std::fprintf(stderr, "bench_toneremote: the read failed\n");
        return 1;
    }
    transferbench::report("read", timing, rack.takeFrames(), kRatioTarget, kCpuTargetPercent);

    timing = transferbench::timed([&] { return doc.intDocument2Module(); }, status);
    if (status != 0) {
        std::fprintf(stderr, "bench_toneremote: the write failed\n");
        return 1;
    }
    transferbench::report("write", timing, rack.takeFrames(), kRatioTarget, kCpuTargetPercent);
    return 0;
}
