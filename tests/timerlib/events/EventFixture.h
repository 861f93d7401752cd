// Shared fixture of the event tests: every notification recorded (calls and
// posts through the post hook), the event timers' clock driven by hand, the
// local time zone pinned, and the worker thread found by its name.
#pragma once

#include <ctime>
#include <dirent.h>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "../TimerlibFixture.h"
#include "hrt_event_clock.h"

enum class Kind { Call, Post };

struct Notice {
    Kind kind;
    uint32_t handle; // calls
    void *window;    // posts
    uint32_t message;
    uint32_t wparam;
    uint32_t value; // the function's value, or the message's lParam
};

// What the event thread delivered, in order. The post hook's answers can be
// scripted; without a script every post succeeds.
class Notices {
public:
    static Notices &get()
    {
        static Notices n;
        return n;
    }
    void clear()
    {
        std::lock_guard<std::mutex> l(m_);
        list_.clear();
        answers_.clear();
        onCall_ = nullptr;
    }
    void add(const Notice &n)
    {
        std::lock_guard<std::mutex> l(m_);
        list_.push_back(n);
    }
    std::vector<Notice> all() const
    {
        std::lock_guard<std::mutex> l(m_);
        return list_;
    }
    size_t count() const
    {
        std::lock_guard<std::mutex> l(m_);
        return list_.size();
    }
    // The next posts succeed or fail in this order.
    void answerPosts(std::vector<int> answers)
    {
        std::lock_guard<std::mutex> l(m_);
        answers_ = std::move(answers);
    }
    int nextAnswer()
    {
        std::lock_guard<std::mutex> l(m_);
        if (answers_.empty())
            return 1;
        int a = answers_.front();
        answers_.erase(answers_.begin());
        return a;
    }
    // Something a call notification does besides being recorded (set before
    // arming, cleared after the event is released).
    void onCall(std::function<void(uint32_t handle, uint32_t value)> f)
    {
        std::lock_guard<std::mutex> l(m_);
        onCall_ = std::move(f);
    }
    std::function<void(uint32_t, uint32_t)> callAction() const
    {
        std::lock_guard<std::mutex> l(m_);
        return onCall_;
    }

private:
    mutable std::mutex m_;
    std::vector<Notice> list_;
    std::vector<int> answers_;
    std::function<void(uint32_t, uint32_t)> onCall_;
};

extern "C" inline void HRT_CALL recordCall(uint32_t handle, uint32_t value)
{
    Notices::get().add({Kind::Call, handle, nullptr, 0, 0, value});
    if (auto action = Notices::get().callAction())
        action(handle, value);
}

extern "C" inline int recordPost(void *window, uint32_t message, uint32_t wparam, uint32_t lparam)
{
    int ok = Notices::get().nextAnswer();
    Notices::get().add({Kind::Post, 0, window, message, wparam, lparam});
    return ok;
}

class EventTest : public TimerLib {
protected:
    void SetUp() override
    {
        TimerLib::SetUp();
        Notices::get().clear();
        hrt_set_post_hook(recordPost);
    }
    void TearDown() override
    {
        hrt_set_post_hook(nullptr);
        Notices::get().clear();
        TimerLib::TearDown();
    }
};

// The event timers' time stands still but when moved; ms since it was taken.
class ManualClock {
public:
    explicit ManualClock(int64_t calendar) { hrt_event_clock_manual(calendar); }
    ~ManualClock() { hrt_event_clock_real(); }
    ManualClock(const ManualClock &) = delete;
    ManualClock &operator=(const ManualClock &) = delete;

    void advanceTo(uint64_t ms)
    {
        ASSERT_GE(ms, now_);
        hrt_event_clock_advance(ms - now_);
        now_ = ms;
    }
    void advance(uint64_t ms) { advanceTo(now_ + ms); }
    uint64_t now() const { return now_; }

private:
    uint64_t now_ = 0;
};

// Central European time: daylight-saving time from the last Sunday of March
// (02:00 -> 03:00) to the last Sunday of October (03:00 -> 02:00).
inline constexpr const char *kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";

class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char *tz)
    {
        const char *old = std::getenv("TZ");
        had_ = old != nullptr;
        if (had_)
            old_ = old;
        setenv("TZ", tz, 1);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (had_)
            setenv("TZ", old_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    bool had_ = false;
    std::string old_;
};

struct LocalTime {
    int year, month, day, hour, minute, second;
};

inline int64_t calendarOf(const LocalTime &t)
{
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    tm.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&tm));
}

inline std::tm localOf(int64_t calendar)
{
    std::time_t t = static_cast<std::time_t>(calendar);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

// Waits (sleeping) until pred holds or the time is up.
template <class Pred>
bool waitFor(Pred pred, std::chrono::milliseconds limit = std::chrono::milliseconds(5000))
{
    const auto end = SteadyClock::now() + limit;
    while (!pred()) {
        if (SteadyClock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Threads of this process named as the library names its event worker.
inline int eventWorkers()
{
    int n = 0;
    DIR *tasks = opendir("/proc/self/task");
    if (!tasks)
        return -1;
    while (dirent *e = readdir(tasks)) {
        if (e->d_name[0] == '.')
            continue;
        std::ifstream comm(std::string("/proc/self/task/") + e->d_name + "/comm");
        std::string name;
        std::getline(comm, name);
        n += name == "chronox32-event";
    }
    closedir(tasks);
    return n;
}
