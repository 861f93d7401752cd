#pragma once
// A transfer benchmark's set-up and figures: one module of the emulated rack (a separate rackemu
// process pacing at 9600 baud and listing every frame it takes) opened as the program's serial
// port, a program folder with a fresh database, and the wall and processor time of a transfer
// against the line's floor for the frames it sent.
//
// The floor of a command is its quiet wait before sending and the line time of its echo and
// reply (10 bits a byte at 9600 baud); UNLINK's fixed 220 ms wait and RESTART's quiet wait.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <map>

namespace transferbench {

// Frames the rack took, counted by command name ("READ" ...).
using Frames = std::map<QString, int>;

class BenchRack {
public:
    BenchRack() = default;
    ~BenchRack();
    BenchRack(const BenchRack&) = delete;
    BenchRack& operator=(const BenchRack&) = delete;

    // Makes the folder and its database, starts the rack with one module of `kind` ("rx", "tr" ...)
    // holding `image`, and opens it as port 1. False after a message on standard error.
    bool start(uint32_t serial, const QString& kind, const QByteArray& image);
    // The frames the rack listed since the last call.
    Frames takeFrames();

private:
    QTemporaryDir folder_;
    QProcess rack_;
};

struct Timing {
    double wallMs = 0;
    double cpuMs = 0; // processor time of the whole program
};

// Runs the transfer (which returns its status) and times it; `status` receives the status.
Timing timed(const std::function<int16_t()>& transfer, int16_t& status);

// Prints the frames, the wall time against the floor and the processor time, with the targets.
void report(const char* what, const Timing& timing, const Frames& frames, double ratioTarget, double cpuTargetPercent);

} // namespace transferbench
