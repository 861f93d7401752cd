#include "OutputQueue.h"

#include <cerrno>
#include <termios.h>
#include <unistd.h>

namespace rackemu {

void OutputQueue::push(Clock::time_point due, const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return;
    auto it = queue_.end();
    while (it != queue_.begin() && std::prev(it)->due > due)
        --it;
    queue_.insert(it, Chunk{due, bytes});
}

OutputQueue::Clock::time_point OutputQueue::flush(int fd, int staleFd, Clock::time_point now)
{
    bool flushedStale = false;
    while (!queue_.empty()) {
        Chunk& c = queue_.front();
        Clock::time_point at = c.due;
        if (pacing_ && nextByte_ > at)
            at = nextByte_;
        if (at > now)
            return at;
        const int count = pacing_ ? 1 : static_cast<int>(c.bytes.size()) - c.sent;
        const ssize_t n = ::write(fd, c.bytes.constData() + c.sent, static_cast<size_t>(count));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN && !flushedStale) {
                ::tcflush(staleFd, TCIFLUSH);
                flushedStale = true;
                continue;
            }
            queue_.pop_front(); // the line lost these bytes
            continue;
        }
        c.sent += static_cast<int>(n);
        if (pacing_)
            nextByte_ = (now - at > kByteTime ? now : at) + kByteTime;
        if (c.sent >= c.bytes.size())
            queue_.pop_front();
    }
    return Clock::time_point::max();
}

} // namespace rackemu
