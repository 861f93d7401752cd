#include "Pty.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace rackemu {

bool makeRaw(int fd)
{
    termios t{};
    if (::tcgetattr(fd, &t) != 0)
        return false;
    ::cfmakeraw(&t);
    t.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS);
    t.c_cflag |= CLOCAL | CREAD | CS8;
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    ::cfsetispeed(&t, B9600);
    ::cfsetospeed(&t, B9600);
    return ::tcsetattr(fd, TCSANOW, &t) == 0;
}

bool Pty::open(QString& error)
{
    close();
    auto fail = [&](const char* step) {
        error = QStringLiteral("cannot make a pseudo-terminal (%1): %2")
                    .arg(QLatin1String(step), QString::fromLocal8Bit(std::strerror(errno)));
        close();
        return false;
    };
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0)
        return fail("posix_openpt");
    if (::grantpt(master_) != 0)
        return fail("grantpt");
    if (::unlockpt(master_) != 0)
        return fail("unlockpt");
    char name[128];
    if (::ptsname_r(master_, name, sizeof name) != 0)
        return fail("ptsname");
    path_ = QString::fromLocal8Bit(name);
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0)
        return fail("open slave");
    if (!makeRaw(slave_) || !makeRaw(master_))
        return fail("raw mode");
    const int flags = ::fcntl(master_, F_GETFL);
    if (flags < 0 || ::fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0)
        return fail("non-blocking");
    return true;
}

void Pty::close()
{
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
    path_.clear();
}

} // namespace rackemu
