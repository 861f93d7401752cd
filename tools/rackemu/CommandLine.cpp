#include "CommandLine.h"
#include "PageImage.h"

namespace rackemu {

namespace {

bool parseSerial(const QString& text, uint32_t& serial)
{
    bool ok = false;
    const qulonglong v = text.trimmed().toULongLong(&ok);
    if (!ok || v > kMaxSerial)
        return false;
    serial = static_cast<uint32_t>(v);
    return true;
}

// <serial>:<kind>[:<image file>]
bool parseModule(const QString& text, Module& m, QString& error)
{
    const int first = text.indexOf(QLatin1Char(':'));
    if (first < 0) {
        error = QStringLiteral("--module %1: expected <serial>:<kind>[:<image file>]").arg(text);
        return false;
    }
    const int second = text.indexOf(QLatin1Char(':'), first + 1);
    const QString serialText = text.left(first);
    const QString kindText = second < 0 ? text.mid(first + 1) : text.mid(first + 1, second - first - 1);
    if (!parseSerial(serialText, m.serial)) {
        error = QStringLiteral("--module %1: the serial number must be a number from 0 to 16777215").arg(text);
        return false;
    }
    if (!parseKind(kindText, m.kind)) {
        error = QStringLiteral("--module %1: the kind must be receiver, transmitter, exciter or toneremote").arg(text);
        return false;
    }
    if (second >= 0) {
        const QString file = text.mid(second + 1);
        if (file.isEmpty()) {
            error = QStringLiteral("--module %1: the image file name is missing").arg(text);
            return false;
        }
        return loadImageFile(file, m.pages, error);
    }
    return true;
}

} // namespace

bool parseCommandLine(const QStringList& args, Options& o, QString& error)
{
    o = Options{};
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        auto value = [&](QString& v) {
            if (i + 1 >= args.size()) {
                error = QStringLiteral("%1 needs a value").arg(a);
                return false;
            }
            v = args.at(++i);
            return true;
        };
        QString v;
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.help = true;
        } else if (a == QLatin1String("--pace")) {
            o.pace = true;
        } else if (a == QLatin1String("--verbose") || a == QLatin1String("-v")) {
            o.verbose = true;
        } else if (a == QLatin1String("--module")) {
            Module m;
            if (!value(v) || !parseModule(v, m, error))
                return false;
            o.modules.push_back(m);
        } else if (a == QLatin1String("--fault")) {
            if (!value(v))
                return false;
            const int at = v.lastIndexOf(QLatin1Char('@'));
            Fault f;
            if (!parseFault(at < 0 ? v : v.left(at), f, error)) {
                error = QStringLiteral("--fault %1: %2").arg(v, error);
                return false;
            }
            if (at < 0) {
                if (o.rackFault) {
                    error = QStringLiteral("--fault %1: the rack already has a fault").arg(v);
                    return false;
                }
                o.rackFault = f;
                continue;
            }
            uint32_t serial = 0;
            if (!parseSerial(v.mid(at + 1), serial)) {
                error = QStringLiteral("--fault %1: bad serial number after @").arg(v);
                return false;
            }
            for (const auto& mf : o.moduleFaults)
                if (mf.first == serial) {
                    error = QStringLiteral("--fault %1: module %2 already has a fault").arg(v).arg(serial);
                    return false;
                }
            o.moduleFaults.emplace_back(serial, f);
        } else {
            error = QStringLiteral("unknown argument \"%1\"").arg(a);
            return false;
        }
    }
    for (const auto& mf : o.moduleFaults) {
        bool known = false;
        for (const Module& m : o.modules)
            known = known || m.serial == mf.first;
        if (!known) {
            error = QStringLiteral("--fault for module %1, which is not in the rack (give it with --module)").arg(mf.first);
            return false;
        }
    }
    return true;
}

QString usage()
{
    return QStringLiteral(
        "usage: rackemu [--pace] [--verbose] [--fault <kind>[:<arg>][@serial]] ...\n"
        "               --module <serial>:<kind>[:<image file>] ...\n"
        "\n"
        "Emulates a rack of modules on a pseudo-terminal and prints its path on the first line.\n"
        "Serves until interrupted (SIGINT or SIGTERM).\n"
        "\n"
        "  --module   a module: serial number 0-16777215; kind receiver (rx), transmitter (tx),\n"
        "             exciter (ex) or toneremote (tr); image file of 8 bytes a page, raw, pages in\n"
        "             order (a default image of the kind when none is given)\n"
        "  --pace     send at the pace of 9600 baud\n"
        "  --verbose  list the frames received on standard error\n"
        "  --fault    spoil the replies of every module, or of the module @serial:\n"
        "             silence          no reply\n"
        "             badcheck         a reply whose check byte is wrong\n"
        "             short[:n]        only the first n bytes of the reply (all but the last)\n"
        "             garbage          bytes that fail the check in place of the reply\n"
        "             late[:ms]        the reply after ms milliseconds (1500)\n"
        "             echo             the frame sent back in place of the reply\n"
        "             stopafter:n      the module answers n commands, then drops out\n"
        "\n"
        "Point the program at the path with velmar.ini:  [Comms]  Device1=<path>\n");
}

} // namespace rackemu
