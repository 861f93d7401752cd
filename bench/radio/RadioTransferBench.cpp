// Reads and writes a 128-channel receiver of the emulated rack (a separate rackemu process pacing
// at 9600 baud) and prints the wall time against the protocol's floor and the processor time the
// program spent.
//
// The floor of a command is its quiet wait before sending and the line time of its echo and
// reply (10 bits a byte at 9600 baud); UNLINK's fixed 220 ms wait and RESTART's quiet wait.
#include "db/DatabaseFile.h"
#include "platform/CommPort.h"
#include "platform/MsgBox.h"
#include "platform/ProgramFolder.h"
#include "radio/CLASSOrvDocument.h"
#include "rackemu/PageImage.h"
#include "shell/Globals.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>

namespace {

constexpr uint32_t kSerial = 4660;
constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;
constexpr double kQuietMs = 20.0;

// Echo plus reply bytes of each command; UNLINK and RESTART are counted by their fixed waits.
double floorMs(const std::map<QString, int>& commands)
{
    const std::map<QString, double> each{
        {"LINK", kQuietMs + 10 * kByteMs}, {"READ", kQuietMs + 20 * kByteMs}, {"WRITE", kQuietMs + 20 * kByteMs},
        {"END", kQuietMs + 10 * kByteMs},  {"RESTART", kQuietMs},             {"UNLINK", 220.0},
    };
    double total = 0;
    for (const auto& [name, count] : commands)
        total += each.count(name) ? each.at(name) * count : 0;
    return total;
}

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The frames the rack listed on its standard error since the last call, counted by command.
std::map<QString, int> takeFrames(QProcess& rack)
{
    while (rack.waitForReadyRead(300)) {
    }
    std::map<QString, int> counts;
    const QList<QByteArray> lines = rack.readAllStandardError().split('\n');
    for (const QByteArray& line : lines) {
        const QString name = QString::fromLatin1(line.left(7)).trimmed();
        if (!name.isEmpty() && name != QLatin1String("stray") && !line.startsWith("rackemu"))
            ++counts[name];
    }
    return counts;
}

void report(const char* what, double wallMs, double cpu, const std::map<QString, int>& commands)
{
    const double floor = floorMs(commands);
    QString list;
    for (const auto& [name, count] : commands)
        list += QStringLiteral(" %1x%2").arg(name).arg(count);
    std::printf("%-6s commands:%s\n", what, qPrintable(list));
    std::printf("%-6s wall %.0f ms, protocol floor %.0f ms, ratio %.3f (target <= 1.05); "
                "processor %.0f ms = %.1f%% of wall (target < 5%%)\n",
                what, wallMs, floor, wallMs / floor, cpu, 100.0 * cpu / wallMs);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    platform::setProgramFolder(folder.path());
    QString error;
    basVelmar::gDatabasePath = folder.filePath("velmar.mdb");
    if (!velmardb::createDatabase(basVelmar::gDatabasePath, velmardb::databaseScripts(VELMAR_SOURCE_DIR), &error)) {
        std::fprintf(stderr, "bench_radio: %s\n", qPrintable(error));
        return 1;
    }

    // A receiver of the catalogue's model Vr31-05-0000 with 128 channels.
    QByteArray image = rackemu::defaultImage(rackemu::Kind::Receiver, kSerial);
    const char code[] = "31050000";
    for (int i = 0; i < 8; ++i)
        rackemu::setPageByte(image, 4, 7 - i, static_cast<uint8_t>(code[i]));
    rackemu::setPageByte(image, 2, 3, 128);
    QFile imageFile(folder.filePath("module.img"));
    if (!imageFile.open(QIODevice::WriteOnly) || imageFile.write(image) != image.size())
        return 1;
    imageFile.close();

    QProcess rack;
    rack.start(RACKEMU_PROGRAM, {"--pace", "--verbose", "--module", QStringLiteral("%1:rx:%2").arg(kSerial).arg(imageFile.fileName())});
    if (!rack.waitForReadyRead(5000)) {
        std::fprintf(stderr, "bench_radio: the emulated rack did not start\n");
        return 1;
    }
    const QString device = QString::fromLocal8Bit(rack.readLine()).trimmed();
    rack.setReadChannel(QProcess::StandardError);
    QFile ini(folder.filePath("velmar.ini"));
    if (!ini.open(QIODevice::WriteOnly))
        return 1;
    ini.write("[Comms]\r\nDevice1=" + device.toLocal8Bit() + "\r\n");
    ini.close();
    platform::CommPort& port = platform::CommPort::instance();
    port.setCommPort(1);
    port.setPortOpen(true);
    takeFrames(rack);

    using Clock = std::chrono::steady_clock;
    CLASSOrvDocument doc;
    auto start = Clock::now();
    double cpu = cpuMs();
    const int16_t readStatus = doc.intModule2Document(QString::number(kSerial));
    double wall = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    cpu = cpuMs() - cpu;
    if (readStatus != 0) {
        std::fprintf(stderr, "bench_radio: the read failed\n");
        return 1;
    }
    report("read", wall, cpu, takeFrames(rack));

    start = Clock::now();
    cpu = cpuMs();
    const int16_t writeStatus = doc.intDocument2Module();
    wall = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    cpu = cpuMs() - cpu;
    if (writeStatus != 0) {
        std::fprintf(stderr, "bench_radio: the write failed\n");
        return 1;
    }
    report("write", wall, cpu, takeFrames(rack));

    port.setPortOpen(false);
    rack.terminate();
    rack.waitForFinished(3000);
    return 0;
}
