#pragma once
// What the rack puts on the line towards the PC (echo and replies), each piece at its time,
// optionally paced to 9600 baud (10 bits a byte).
#include <QByteArray>
#include <chrono>
#include <deque>

namespace rackemu {

class OutputQueue {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::nanoseconds kByteTime{1041667};

    void setPacing(bool on) { pacing_ = on; }
    // Queues bytes to leave at `due` (after everything queued for the same time or earlier).
    void push(Clock::time_point due, const QByteArray& bytes);
    bool empty() const { return queue_.empty(); }

    // Writes to `fd` what is due by `now`. When the PC's side holds so many unread bytes that
    // nothing more fits, those are thrown away (`staleFd`: the side whose input is flushed), as
    // a receiver overrun would. Returns when the next byte is due; time_point::max() when none.
    Clock::time_point flush(int fd, int staleFd, Clock::time_point now);

private:
    struct Chunk {
        Clock::time_point due;
        QByteArray bytes;
        int sent = 0;
    };
    std::deque<Chunk> queue_;
    Clock::time_point nextByte_{};
    bool pacing_ = false;
};

} // namespace rackemu
