#pragma once
// The command line of the rackemu program.
#include "Bus.h"
#include "Fault.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace rackemu {

struct Options {
    bool help = false;
    bool pace = false;
    bool verbose = false;
    std::vector<Module> modules;
    std::optional<Fault> rackFault;
    std::vector<std::pair<uint32_t, Fault>> moduleFaults;
};

// Reads the arguments (without the program name). False with a message in `error` for an
// argument it cannot use; image files are read here.
bool parseCommandLine(const QStringList& args, Options& options, QString& error);

QString usage();

} // namespace rackemu
