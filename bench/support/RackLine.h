#pragma once
// The emulated rack, pacing its replies at 9600 baud, as the program's serial port 1, for the
// benchmarks: the rack starts, the program folder's velmar.ini names its device, the port opens.
#include "platform/CommPort.h"
#include "platform/ProgramFolder.h"
#include "rackemu/Rack.h"

#include <QFile>
#include <QString>
#include <cstdio>

namespace bench {

// False (with the reason on standard error) when the rack or the port cannot be opened.
inline bool openRackLine(rackemu::Rack& rack, const QString& programFolder)
{
    rack.setPacing(true);
    const QString path = rack.start();
    if (path.isEmpty()) {
        std::fprintf(stderr, "cannot start the emulated rack: %s\n", qPrintable(rack.errorString()));
        return false;
    }
    QFile ini(programFolder + QStringLiteral("/velmar.ini"));
    if (!ini.open(QIODevice::WriteOnly) || ini.write("[Comms]\r\nDevice1=" + path.toLocal8Bit() + "\r\n") < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(ini.fileName()));
        return false;
    }
    ini.close();
    platform::setProgramFolder(programFolder);
    platform::CommPort& port = platform::CommPort::instance();
    port.setCommPort(1);
    port.setPortOpen(true);
    return true;
}

} // namespace bench
