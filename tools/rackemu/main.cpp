// rackemu: an emulated rack of modules on a pseudo-terminal.
#include "CommandLine.h"
#include "Rack.h"

#include <csignal>
#include <cstdio>
#include <pthread.h>

using namespace rackemu;

namespace {

QString describe(const FrameRecord& r)
{
    QString text = QString::fromLatin1(r.bytes.toHex(' '));
    if (!r.valid)
        return QStringLiteral("stray  %1").arg(text);
    static const char* names[16] = {nullptr, nullptr, "READ", "WRITE", "END", "RESTART", nullptr, nullptr,
                                    nullptr, nullptr, nullptr, nullptr, nullptr, "UNLINK", "LINK", "POLL"};
    QString line = QString::fromLatin1(names[r.command & 0x0F]).leftJustified(7);
    if (r.serial >= 0)
        line += QStringLiteral(" serial %1").arg(r.serial);
    if (r.page >= 0)
        line += QStringLiteral(" page %1").arg(r.page);
    return line + QStringLiteral("  [%1]").arg(text);
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    Options options;
    QString error;
    if (!parseCommandLine(args, options, error)) {
        std::fprintf(stderr, "rackemu: %s\n\n%s", qPrintable(error), qPrintable(usage()));
        return 2;
    }
    if (options.help) {
        std::fputs(qPrintable(usage()), stdout);
        return 0;
    }

    // The line's thread inherits the blocked signals; this thread takes them with sigwait.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    Rack rack;
    for (const Module& m : options.modules)
        rack.addModule(m);
    if (options.rackFault)
        rack.setFault(*options.rackFault);
    for (const auto& [serial, fault] : options.moduleFaults)
        rack.setFault(serial, fault);
    rack.setPacing(options.pace);
    if (options.verbose)
        rack.setObserver([](const FrameRecord& r) { std::fprintf(stderr, "%s\n", qPrintable(describe(r))); });

    const QString path = rack.start();
    if (path.isEmpty()) {
        std::fprintf(stderr, "rackemu: %s\n", qPrintable(rack.errorString()));
        return 1;
    }
    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
    for (int i = 0; i < rack.moduleCount(); ++i) {
        const ModuleState m = rack.module(i);
        std::fprintf(stderr, "rackemu: module %u, %s, %lld pages\n", m.serial, qPrintable(kindName(m.kind)),
                     static_cast<long long>(m.pages.size() / kPageBytes));
    }

    int signal = 0;
    sigwait(&stopSignals, &signal);
    rack.stop();
    return 0;
}
