#pragma once
// A pseudo-terminal pair in raw mode. The emulator keeps the slave side open itself, so the
// line stays up while the program closes and reopens the slave path.
#include <QString>

namespace rackemu {

class Pty {
public:
    Pty() = default;
    ~Pty() { close(); }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    // False with a message when the pair cannot be made.
    bool open(QString& error);
    void close();

    int master() const { return master_; }
    int slave() const { return slave_; }
    QString slavePath() const { return path_; }

private:
    int master_ = -1;
    int slave_ = -1;
    QString path_;
};

// Raw bytes, 9600 baud, 8 data bits, no parity, 1 stop bit, no flow control.
bool makeRaw(int fd);

} // namespace rackemu
