#pragma once
#include <QByteArray>
#include <QString>

namespace testsupport {

// A pseudo-terminal pair: the program opens the slave path as its serial device, the test holds the
// master end and sees what the program sends.
class Pty {
public:
    Pty();
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    bool ok() const { return master_ >= 0; }
    QString slavePath() const { return slave_; }
    // Bytes the program has sent, waiting up to `msecs` for at least `atLeast` of them.
    QByteArray read(int atLeast, int msecs);
    void write(const QByteArray& bytes);

private:
    int master_ = -1;
    int slaveKeep_ = -1;
    QString slave_;
};

} // namespace testsupport
