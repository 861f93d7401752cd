#pragma once
// The PC's end of the line for the emulator's tests: a serial device opened with plain POSIX
// calls, raw, 9600 8N1.
#include <QByteArray>
#include <QString>
#include <chrono>

class LineClient {
public:
    explicit LineClient(const QString& path);
    ~LineClient();
    LineClient(const LineClient&) = delete;
    LineClient& operator=(const LineClient&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    void close();
    bool send(const QByteArray& bytes);
    // Reads until `count` bytes came or `ms` passed; returns what came.
    QByteArray receive(int count, int ms);
    // Everything that comes until the line has been quiet for `quietMs` (waiting up to 2 s for the
    // first byte).
    QByteArray receiveUntilQuiet(int quietMs);

private:
    int fd_ = -1;
};
