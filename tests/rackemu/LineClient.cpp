#include "LineClient.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

LineClient::LineClient(const QString& path)
{
    fd_ = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    termios t{};
    ::tcgetattr(fd_, &t);
    ::cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    ::cfsetspeed(&t, B9600);
    ::tcsetattr(fd_, TCSANOW, &t);
    ::tcflush(fd_, TCIOFLUSH);
}

LineClient::~LineClient()
{
    close();
}

void LineClient::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool LineClient::send(const QByteArray& bytes)
{
    return ::write(fd_, bytes.constData(), static_cast<size_t>(bytes.size())) == bytes.size();
}

QByteArray LineClient::receive(int count, int ms)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    QByteArray got;
    while (got.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            break;
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0)
            continue;
        char buf[256];
        const ssize_t n = ::read(fd_, buf, sizeof buf);
        if (n > 0)
            got.append(buf, static_cast<int>(n));
    }
    return got;
}

QByteArray LineClient::receiveUntilQuiet(int quietMs)
{
    // The first byte may be late on a busy machine; after it, a quiet line ends the reply.
    constexpr int kFirstByteMs = 2000;
    QByteArray got;
    for (;;) {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, got.isEmpty() ? kFirstByteMs : quietMs) <= 0)
            return got;
        char buf[256];
        const ssize_t n = ::read(fd_, buf, sizeof buf);
        if (n <= 0)
            return got;
        got.append(buf, static_cast<int>(n));
    }
}
