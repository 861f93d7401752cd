#include "support/Pty.h"

#include <QElapsedTimer>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <cstdlib>

namespace testsupport {

Pty::Pty()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        return;
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        ::close(master_);
        master_ = -1;
        return;
    }
    slave_ = QString::fromLocal8Bit(ptsname(master_));
    // Keep one slave descriptor open so the line does not hang up between the program's opens.
    slaveKeep_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
    termios t{};
    if (slaveKeep_ >= 0 && tcgetattr(slaveKeep_, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(slaveKeep_, TCSANOW, &t);
    }
}

Pty::~Pty()
{
    if (slaveKeep_ >= 0)
        ::close(slaveKeep_);
    if (master_ >= 0)
        ::close(master_);
}

QByteArray Pty::read(int atLeast, int msecs)
{
    QByteArray out;
    QElapsedTimer t;
    t.start();
    while (out.size() < atLeast) {
        const qint64 left = msecs - t.elapsed();
        if (left <= 0)
            break;
        pollfd p{master_, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0)
            break;
        char buf[512];
        const ssize_t n = ::read(master_, buf, sizeof buf);
        if (n <= 0)
            break;
        out.append(buf, n);
    }
    return out;
}

void Pty::write(const QByteArray& bytes)
{
    const ssize_t n = ::write(master_, bytes.constData(), bytes.size());
    (void)n;
}

} // namespace testsupport
