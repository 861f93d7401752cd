#pragma once
#include "rackemu/Rack.h"
#include "support/TempDir.h"

#include <vector>

namespace testsupport {

// An emulated rack on a pseudo-terminal as the program's serial port 1: open() starts the rack,
// links its terminal as ttyRack in the program folder, names that in the folder's velmar.ini
// (Device1=) and opens the port at 9600,n,8,1; close() closes the port, removes the link and stops
// the rack, as destruction does.
//
//     rackemu::Rack rack_;
//     testsupport::RackOnPort line_{rack_, folder_};   // declared after both
//     ... rack_.addModule(...); line_.open(); ...
class RackOnPort {
public:
    RackOnPort(rackemu::Rack& rack, const ProgramFolder& folder) : rack_(rack), folder_(folder) {}
    ~RackOnPort();
    RackOnPort(const RackOnPort&) = delete;
    RackOnPort& operator=(const RackOnPort&) = delete;

    // A rack that does not start fails the test (fatally) and leaves the port closed.
    void open();
    void close();

private:
    rackemu::Rack& rack_;
    const ProgramFolder& folder_;
};

// The page numbers of the valid frames of one command the rack took, in order.
std::vector<int> pagesSent(const rackemu::Rack& rack, rackemu::Command c);
// The commands of the valid frames the rack took, in order.
std::vector<rackemu::Command> commandsSent(const rackemu::Rack& rack);
// Waits until the rack has taken `count` valid frames of the command (a RESTART is sent without
// waiting for the rack); false on time-out.
bool waitForFrames(const rackemu::Rack& rack, rackemu::Command c, int count = 1);

} // namespace testsupport
