// Reads and writes a 128-channel receiver of the emulated rack (a separate rackemu process pacing
// at 9600 baud) and prints the wall time against the protocol's floor and the processor time the
// program spent.
#include "support/TransferBench.h"

#include "radio/CLASSOrvDocument.h"
#include "rackemu/PageImage.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

constexpr uint32_t kSerial = 4660;
constexpr double kRatioTarget = 1.05;
constexpr double kCpuTargetPercent = 5;

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);

    // A receiver of the catalogue's model Vr31-05-0000 with 128 channels.
    QByteArray image = rackemu::defaultImage(rackemu::Kind::Receiver, kSerial);
    const char code[] = "31050000";
    for (int i = 0; i < 8; ++i)
        rackemu::setPageByte(image, 4, 7 - i, static_cast<uint8_t>(code[i]));
    rackemu::setPageByte(image, 2, 3, 128);
    transferbench::BenchRack rack;
    if (!rack.start(kSerial, QStringLiteral("rx"), image))
        return 1;

    CLASSOrvDocument doc;
    int16_t status = 0;
    transferbench::Timing timing =
        transferbench::timed([&] { return doc.intModule2Document(QString::number(kSerial)); }, status);
    if (status != 0) {
        std::fprintf(stderr, "bench_radio: the read failed\n");
        return 1;
    }
    transferbench::report("read", timing, rack.takeFrames(), kRatioTarget, kCpuTargetPercent);

    timing = transferbench::timed([&] { return doc.intDocument2Module(); }, status);
    if (status != 0) {
        std::fprintf(stderr, "bench_radio: the write failed\n");
        return 1;
    }
    transferbench::report("write", timing, rack.takeFrames(), kRatioTarget, kCpuTargetPercent);
    return 0;
}
