#include "Rack.h"
#include "FrameSplitter.h"
#include "OutputQueue.h"
#include "Pty.h"
#include "RackTiming.h"

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace rackemu {

namespace {
using Clock = OutputQueue::Clock;
// A pause this long inside a frame makes the modules give up on it (shorter than the PC's
// 20 ms quiet time before each frame, far longer than a byte at 9600 baud).
constexpr auto kFrameGap = std::chrono::milliseconds(15);

Clock::duration frameGap() { return RackTiming::pause(kFrameGap); }
} // namespace

struct Rack::Impl {
    mutable std::mutex mutex;
    mutable std::condition_variable logGrew;
    Bus bus;
    std::vector<FrameRecord> log;
    std::function<void(const FrameRecord&)> observer;
    QString error;

    Pty pty;
    int wakeRead = -1;
    int wakeWrite = -1;
    std::thread thread;
    std::atomic<bool> running{false};
    std::atomic<bool> stopping{false};
    std::atomic<bool> pacing{false};

    void wake()
    {
        const char b = 1;
        while (::write(wakeWrite, &b, 1) < 0 && errno == EINTR) {
        }
    }
    void serve();
    void received(const QByteArray& bytes, Clock::time_point now, FrameSplitter& splitter, OutputQueue& out);
};

void Rack::Impl::received(const QByteArray& bytes, Clock::time_point now, FrameSplitter& splitter,
                          OutputQueue& out)
{
    out.push(now, bytes); // the line echoes every byte at once
    for (const FrameSplitter::Piece& piece : splitter.feed(bytes)) {
        FrameRecord rec;
        std::vector<Outgoing> replies;
        std::function<void(const FrameRecord&)> notify;
        {
            std::lock_guard lock(mutex);
            if (piece.whole)
                replies = bus.handle(piece.bytes, rec);
            else
                rec = Bus::describe(piece.bytes, false);
            log.push_back(rec);
            notify = observer;
        }
        logGrew.notify_all();
        for (const Outgoing& o : replies)
            out.push(now + o.delay, o.bytes);
        if (notify)
            notify(rec);
    }
}

void Rack::Impl::serve()
{
    FrameSplitter splitter;
    OutputQueue out;
    Clock::time_point lastByte{};
    char buf[4096];

    for (;;) {
        const Clock::time_point now = Clock::now();
        out.setPacing(pacing.load());
        Clock::time_point wakeAt = out.flush(pty.master(), pty.slave(), now);
        if (splitter.hasPartial()) {
            if (now - lastByte >= frameGap()) {
                const QByteArray partial = splitter.takePartial();
                FrameRecord rec = Bus::describe(partial, false);
                std::function<void(const FrameRecord&)> notify;
                {
                    std::lock_guard lock(mutex);
                    log.push_back(rec);
                    notify = observer;
                }
                logGrew.notify_all();
                if (notify)
            notify(rec);
            } else {
                wakeAt = std::min(wakeAt, lastByte + frameGap());
            }
        }

        timespec timeout{};
        timespec* tp = nullptr;
        if (wakeAt != Clock::time_point::max()) {
            const auto ns = std::max<int64_t>(0, std::chrono::duration_cast<std::chrono::nanoseconds>(wakeAt - now).count());
            timeout.tv_sec = static_cast<time_t>(ns / 1000000000);
            timeout.tv_nsec = static_cast<long>(ns % 1000000000);
            tp = &timeout;
        }
        pollfd fds[2] = {{pty.master(), POLLIN, 0}, {wakeRead, POLLIN, 0}};
        if (::ppoll(fds, 2, tp, nullptr) < 0) {
            if (errno == EINTR)
                continue;
            std::lock_guard lock(mutex);
            error = QStringLiteral("the line failed: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            break;
        }
        if (fds[1].revents & POLLIN) {
            char drain[64];
            while (::read(wakeRead, drain, sizeof drain) > 0) {
            }
            if (stopping.load())
                break;
        }
        if (fds[0].revents & POLLIN) {
            const Clock::time_point at = Clock::now();
            QByteArray bytes;
            ssize_t n;
            while ((n = ::read(pty.master(), buf, sizeof buf)) > 0)
                bytes.append(buf, static_cast<int>(n));
            if (!bytes.isEmpty()) {
                lastByte = at;
                received(bytes, at, splitter, out);
            }
        } else if (fds[0].revents & (POLLHUP | POLLERR)) {
            // Nobody holds the line (cannot last while our own slave stays open): wait for
            // the stop request without turning round on the hang-up.
            pollfd w{wakeRead, POLLIN, 0};
            ::poll(&w, 1, 100);
        }
    }
}

Rack::Rack() : d(std::make_unique<Impl>()) {}

Rack::~Rack()
{
    stop();
}

int Rack::addModule(const Module& m)
{
    if (m.serial > kMaxSerial)
        return -1;
    if (!m.pages.isEmpty() && (m.pages.size() % kPageBytes != 0 || m.pages.size() < 3 * kPageBytes))
        return -1;
    std::lock_guard lock(d->mutex);
    return d->bus.add(m);
}

QString Rack::start()
{
    if (d->running.load())
        return d->pty.slavePath();
    QString error;
    int pipeFds[2];
    if (!d->pty.open(error)) {
        std::lock_guard lock(d->mutex);
        d->error = error;
        return {};
    }
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        d->pty.close();
        std::lock_guard lock(d->mutex);
        d->error = QStringLiteral("cannot make a pipe: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return {};
    }
    d->wakeRead = pipeFds[0];
    d->wakeWrite = pipeFds[1];
    d->stopping = false;
    d->running = true;
    d->thread = std::thread([this] { d->serve(); });
    return d->pty.slavePath();
}

void Rack::stop()
{
    if (!d->running.load())
        return;
    d->stopping = true;
    d->wake();
    d->thread.join();
    ::close(d->wakeRead);
    ::close(d->wakeWrite);
    d->wakeRead = d->wakeWrite = -1;
    d->pty.close();
    d->running = false;
}

bool Rack::isRunning() const
{
    return d->running.load();
}

QString Rack::path() const
{
    return d->running.load() ? d->pty.slavePath() : QString();
}

QString Rack::errorString() const
{
    std::lock_guard lock(d->mutex);
    return d->error;
}

void Rack::setPacing(bool on)
{
    d->pacing = on;
    if (d->running.load())
        d->wake();
}

void Rack::setFault(const Fault& f)
{
    std::lock_guard lock(d->mutex);
    d->bus.setFault(f);
}

bool Rack::setFault(uint32_t serial, const Fault& f)
{
    std::lock_guard lock(d->mutex);
    return d->bus.setFault(serial, f);
}

void Rack::clearFaults()
{
    std::lock_guard lock(d->mutex);
    d->bus.clearFaults();
}

bool Rack::setEndStatus(uint32_t serial, uint8_t status)
{
    std::lock_guard lock(d->mutex);
    return d->bus.setEndStatus(serial, status);
}

void Rack::setObserver(std::function<void(const FrameRecord&)> observer)
{
    std::lock_guard lock(d->mutex);
    d->observer = std::move(observer);
}

std::vector<FrameRecord> Rack::frames() const
{
    std::lock_guard lock(d->mutex);
    return d->log;
}

int Rack::frameCount(std::optional<Command> c) const
{
    std::lock_guard lock(d->mutex);
    int n = 0;
    for (const FrameRecord& r : d->log)
        if (r.valid && (!c || r.command == static_cast<uint8_t>(*c)))
            ++n;
    return n;
}

bool Rack::waitForFrames(int count, int timeoutMs) const
{
    std::unique_lock lock(d->mutex);
    return d->logGrew.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                               [&] { return static_cast<int>(d->log.size()) >= count; });
}

void Rack::clearFrames()
{
    std::lock_guard lock(d->mutex);
    d->log.clear();
}

int Rack::moduleCount() const
{
    std::lock_guard lock(d->mutex);
    return d->bus.size();
}

// A copy of its own: the line's thread goes on writing into the module's memory.
static QByteArray detached(const QByteArray& bytes)
{
    return QByteArray(bytes.constData(), bytes.size());
}

ModuleState Rack::module(int index) const
{
    std::lock_guard lock(d->mutex);
    if (index < 0 || index >= d->bus.size())
        return {};
    ModuleState m = d->bus.state(index);
    m.pages = detached(m.pages);
    return m;
}

int Rack::indexOf(uint32_t serial) const
{
    std::lock_guard lock(d->mutex);
    return d->bus.indexOf(serial);
}

QByteArray Rack::pages(uint32_t serial) const
{
    std::lock_guard lock(d->mutex);
    const int i = d->bus.indexOf(serial);
    return i < 0 ? QByteArray() : detached(d->bus.state(i).pages);
}

int64_t Rack::linkedSerial() const
{
    std::lock_guard lock(d->mutex);
    return d->bus.linkedSerial();
}

} // namespace rackemu
