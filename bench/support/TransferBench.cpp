#include "support/TransferBench.h"

#include "platform/CommPort.h"
#include "platform/ProgramFolder.h"
#include "support/StoredModules.h"

#include <QFile>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace transferbench {
namespace {

constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;
constexpr double kQuietMs = 20.0;

// Echo plus reply bytes of each command; UNLINK and RESTART are counted by their fixed waits.
double floorMs(const Frames& frames)
{
    const std::map<QString, double> each{
        {"LINK", kQuietMs + 10 * kByteMs},
        {"READ", kQuietMs + 20 * kByteMs},
        {"WRITE", kQuietMs + 20 * kByteMs},
        {"END", kQuietMs + 10 * kByteMs},
        {"RESTART", kQuietMs},
        {"UNLINK", 220.0},
    };
    double total = 0;
    for (const auto& [name, count] : frames)
        total += each.count(name) ? each.at(name) * count : 0;
    return total;
}

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

BenchRack::~BenchRack()
{
    platform::CommPort::instance().setPortOpen(false);
    rack_.terminate();
    rack_.waitForFinished(3000);
}

bool BenchRack::start(uint32_t serial, const QString& kind, const QByteArray& image)
{
    platform::setProgramFolder(folder_.path());
    openNewDatabase(folder_, "benchmark");
    QFile imageFile(folder_.filePath("module.img"));
    if (!imageFile.open(QIODevice::WriteOnly) || imageFile.write(image) != image.size())
        return false;
    imageFile.close();

    rack_.start(
        RACKEMU_PROGRAM,
        {"--pace", "--verbose", "--module", QStringLiteral("%1:%2:%3").arg(serial).arg(kind, imageFile.fileName())});
    if (!rack_.waitForReadyRead(5000)) {
        std::fprintf(stderr, "benchmark: the emulated rack did not start\n");
        return false;
    }
    const QString device = QString::fromLocal8Bit(rack_.readLine()).trimmed();
    rack_.setReadChannel(QProcess::StandardError);
    QFile ini(folder_.filePath("velmar.ini"));
    if (!ini.open(QIODevice::WriteOnly))
        return false;
    ini.write("[Comms]\r\nDevice1=" + device.toLocal8Bit() + "\r\n");
    ini.close();
    platform::CommPort& port = platform::CommPort::instance();
    port.setCommPort(1);
    port.setPortOpen(true);
    takeFrames();
    return true;
}

Frames BenchRack::takeFrames()
{
    while (rack_.waitForReadyRead(300)) {
    }
    Frames counts;
    const QList<QByteArray> lines = rack_.readAllStandardError().split('\n');
    for (const QByteArray& line : lines) {
        const QString name = QString::fromLatin1(line.left(7)).trimmed();
        if (!name.isEmpty() && name != QLatin1String("stray") && !line.startsWith("rackemu"))
            ++counts[name];
    }
    return counts;
}

Timing timed(const std::function<int16_t()>& transfer, int16_t& status)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const double cpu = cpuMs();
    status = transfer();
    return {std::chrono::duration<double, std::milli>(Clock::now() - start).count(), cpuMs() - cpu};
}

void report(const char* what, const Timing& timing, const Frames& frames, double ratioTarget, double cpuTargetPercent)
{
    const double floor = floorMs(frames);
    QString list;
    for (const auto& [name, count] : frames)
        list += QStringLiteral(" %1x%2").arg(name).arg(count);
    std::printf("%-6s commands:%s\n", what, qPrintable(list));
    std::printf("%-6s wall %.0f ms, protocol floor %.0f ms, ratio %.3f (target <= %.2f); "
                "processor %.0f ms = %.1f%% of wall (target < %.0f%%)\n",
                what, timing.wallMs, floor, timing.wallMs / floor, ratioTarget, timing.cpuMs,
                100.0 * timing.cpuMs / timing.wallMs, cpuTargetPercent);
}

} // namespace transferbench
