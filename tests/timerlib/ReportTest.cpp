// The text report: its text against golden files (time pinned), what each
// flags value does with the file, and its failures.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "TimerlibFixture.h"

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const fs::path &p, const std::string &text)
{
    std::ofstream(p, std::ios::binary) << text;
}

// Sets environment variables for one test and puts the old values back.
class Environment {
public:
    void set(const char *name, const std::string &value)
    {
        remember(name);
        setenv(name, value.c_str(), 1);
    }
    ~Environment()
    {
        for (auto &[name, value] : saved_) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        tzset();
    }

private:
    void remember(const std::string &name)
    {
        if (saved_.count(name))
            return;
        const char *v = std::getenv(name.c_str());
        saved_[name] = v ? std::optional<std::string>(v) : std::nullopt;
    }
    std::map<std::string, std::optional<std::string>> saved_;
};

class Report : public TimerLib {
protected:
    void SetUp() override
    {
        TimerLib::SetUp();
        char pattern[] = "/tmp/chronox32-report-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        tmp = dir / "tmp";
        fs::create_directory(tmp);
        env.set("TMPDIR", tmp.string());
        env.set("TZ", "UTC");
        tzset();
        env.set("CHRONOX32_REPORT_TIME", "1700000000");
        // The viewer and the printer keep a copy of what they were given.
        env.set("CHRONOX32_VIEWER", script("viewer", "cp \"$1\" \"$(dirname \"$0\")/shown.txt\""));
        env.set("CHRONOX32_LP", script("lp", "cp \"$1\" \"$(dirname \"$0\")/printed.txt\""));
    }
    void TearDown() override
    {
        fs::remove_all(dir);
        TimerLib::TearDown();
    }

    std::string script(const char *name, const std::string &body)
    {
        fs::path p = dir / name;
        writeFile(p, "#!/bin/sh\n" + body + "\n");
        fs::permissions(p, fs::perms::owner_all);
        return p.string();
    }

    std::vector<fs::path> temporaryReports() const
    {
        std::vector<fs::path> found;
        for (const auto &e : fs::directory_iterator(tmp))
            if (e.path().filename().string().rfind("hrt", 0) == 0)
                found.push_back(e.path());
        return found;
    }

    // The report kept at a name, flags 3: whatever the caller wrote.
    std::string keptReport(const char *title)
    {
        fs::path p = dir / "kept.txt";
        EXPECT_EQ(hrt_report(title, 3, p.c_str()), 1);
        std::string text = readFile(p);
        fs::remove(p);
        return text;
    }

    fs::path dir, tmp;
    Environment env;
};

// The objects the golden reports describe: three named timers (one running)
// and an unnamed one, an alarm, a counted delay and an event; overheads pinned.
class GoldenObjects {
public:
    GoldenObjects()
    {
        hrt_timer_setohead(3);
        hrt_alarm_setohead(2);
        hrt_delay_setswitch(250);
        poll_ = hrt_timer_alloc(3, "Link poll");
        for (int i = 0; i < 2; ++i) {
            hrt_timer_start(poll_);
            hrt_timer_stop(poll_);
        }
        unnamed_ = hrt_timer_alloc(1, "");
        write_ = hrt_timer_alloc(2, "Page write");
        scan_ = hrt_timer_alloc(3, "Rack scan");
        hrt_timer_start(scan_);
        alarm_ = hrt_alarm_alloc(2);
        delay_ = hrt_delay_alloc(100, 1);
        event_ = hrt_event_alloc(0, HRT_EVENT_MSEC);
    }
    ~GoldenObjects()
    {
        for (int16_t t : {poll_, unnamed_, write_, scan_})
            hrt_timer_free(t);
        hrt_alarm_free(alarm_);
        hrt_delay_free(delay_);
        hrt_event_free(event_);
    }

    int16_t runningTimer() const { return scan_; }

    static std::string golden(const char *file)
    {
        std::string text = readFile(fs::path(TIMERLIB_GOLDEN_DIR) / file);
        replace(text, "@ATOM@", std::to_string(hrt_delay_getatom()));
        replace(text, "@MIN@", std::to_string(hrt_delay_getmin()));
        return text;
    }

private:
    static void replace(std::string &text, const std::string &from, const std::string &to)
    {
        if (auto at = text.find(from); at != std::string::npos)
            text.replace(at, from.size(), to);
    }
    RestoreSettings restore_;
    int16_t poll_, unnamed_, write_, scan_, alarm_, delay_, event_;
};

enum class Goes { Shown, Printed, KeptAtName, KeptTemporary };

struct FlagsCase {
    const char *name;
    int flags;
    bool named;
    Goes goes;
    const char *golden;
};

void PrintTo(const FlagsCase &c, std::ostream *os)
{
    *os << c.name;
}

class ReportFlags : public Report, public ::testing::WithParamInterface<FlagsCase> {};

TEST_P(ReportFlags, WritesTheGoldenTextAndDisposesOfTheFile)
{
    const FlagsCase &c = GetParam();
    GoldenObjects objects;
    const fs::path named = dir / "report.txt";

    ASSERT_EQ(hrt_report("Link timing", static_cast<int16_t>(c.flags), c.named ? named.c_str() : ""), 1);

    const std::string expected = GoldenObjects::golden(c.golden);
    switch (c.goes) {
    case Goes::Shown:
        EXPECT_EQ(readFile(dir / "shown.txt"), expected);
        break;
    case Goes::Printed:
        EXPECT_EQ(readFile(dir / "printed.txt"), expected);
        break;
    case Goes::KeptAtName:
        EXPECT_EQ(readFile(named), expected);
        break;
    case Goes::KeptTemporary: {
        auto kept = temporaryReports();
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_EQ(readFile(kept[0]), expected);
        break;
    }
    }
    if (c.goes != Goes::KeptTemporary) {
        EXPECT_TRUE(temporaryReports().empty());
    }
    EXPECT_EQ(fs::exists(named), c.goes == Goes::KeptAtName) << "shown or printed files are deleted";
    EXPECT_EQ(hrt_timer_getstate(objects.runningTimer()), HRT_TIMER_RUNNING) << "the running timer goes on running";
}

INSTANTIATE_TEST_SUITE_P(
    Flags, ReportFlags,
    ::testing::Values(FlagsCase{"ShowTemporary", 0x00, false, Goes::Shown, "report_plain.txt"},
                      FlagsCase{"KeepNamed", 0x01, true, Goes::KeptAtName, "report_plain.txt"},
                      FlagsCase{"PrintTemporary", 0x02, false, Goes::Printed, "report_plain.txt"},
                      FlagsCase{"KeepTemporary", 0x05, false, Goes::KeptTemporary, "report_plain.txt"},
                      FlagsCase{"SummaryShown", 0x10, false, Goes::Shown, "report_summary.txt"},
                      FlagsCase{"SummaryKeptTemporary", 0x11, false, Goes::KeptTemporary, "report_summary.txt"},
                      FlagsCase{"SummaryPrintNamed", 0x12, true, Goes::Printed, "report_summary.txt"},
                      FlagsCase{"SummaryKeepNamed", 0xF3, true, Goes::KeptAtName, "report_summary.txt"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Report, FlagsOneNeedsAName)
{
    EXPECT_EQ(hrt_report("x", 1, ""), 0);
    EXPECT_EQ(hrt_report("x", 1, nullptr), 0);
    EXPECT_TRUE(temporaryReports().empty());
}

TEST_F(Report, ViewerThatCannotRunLeavesTheFileAndSaysWhere)
{
    env.set("CHRONOX32_VIEWER", (dir / "no-such-viewer").string());
    testing::internal::CaptureStderr();
    EXPECT_EQ(hrt_report("", 0, ""), 1);
    std::string said = testing::internal::GetCapturedStderr();
    auto kept = temporaryReports();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_NE(said.find("Horvale Error"), std::string::npos) << said;
    EXPECT_NE(said.find("Unable to execute Notepad.exe.  Your timer report is in file " + kept[0].string()),
              std::string::npos)
        << said;
    EXPECT_NE(readFile(kept[0]).find("Horvale report complete"), std::string::npos);
}

TEST_F(Report, FailedPrintReportsFailureAndDeletesTheFile)
{
    env.set("CHRONOX32_LP", script("lp-fails", "echo 'lp: Error - No default destination.' >&2; exit 1"));
    testing::internal::CaptureStderr();
    EXPECT_EQ(hrt_report("", 2, ""), 0);
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(temporaryReports().empty());
}

TEST_F(Report, UnwritableFileFailsAndLeavesTheOldOneWhole)
{
    testing::internal::CaptureStderr();
    EXPECT_EQ(hrt_report("", 3, (dir / "missing" / "r.txt").c_str()), 0);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("missing/r.txt"), std::string::npos);

    // An existing report is replaced whole, keeping its permissions.
    const fs::path old = dir / "old.txt";
    writeFile(old, std::string(10000, 'o'));
    ASSERT_EQ(chmod(old.c_str(), 0640), 0);
    EXPECT_EQ(hrt_report("", 3, old.c_str()), 1);
    std::string text = readFile(old);
    EXPECT_EQ(text.rfind("                       Horvale Timer Summary\n\n", 0), 0u);
    EXPECT_EQ(text.find('o' + std::string(5, 'o')), std::string::npos);
    struct stat st {};
    ASSERT_EQ(stat(old.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 4) << "no work file left";
}

TEST_F(Report, TitleIsCentredUpToSixtyNineCharacters)
{
    const std::string header = "     Timer Name";
    const std::string t69(69, 'T'), t70(70, 'T');
    const struct {
        std::string title, start;
    } cases[] = {
        {"", "                       Horvale Timer Summary\n\n" + header},
        {"Bench", std::string(32, ' ') + "Bench\n\n" + header},
        {"ab", std::string(33, ' ') + "ab\n\n" + header},
        {t69, t69 + "\n\n" + header},
        {t70, t70 + "\n" + header},
    };
    for (const auto &c : cases)
        EXPECT_EQ(keptReport(c.title.c_str()).rfind(c.start, 0), 0u) << c.title.size();
}

TEST_F(Report, SaysWhenNoTimerOrNoNamedTimerIsActive)
{
    EXPECT_NE(keptReport("").find("-\nNo timers active\n\nHorvale report complete"), std::string::npos);
    int16_t unnamed = hrt_timer_alloc(1, "");
    EXPECT_NE(keptReport("").find("-\nNo named timers active\n\nHorvale report complete"), std::string::npos);
    hrt_timer_free(unnamed);
}

TEST_F(Report, ListsTimersInAllocationOrderAfterFrees)
{
    int16_t a = hrt_timer_alloc(3, "Alpha"), b = hrt_timer_alloc(3, "Bravo"), c = hrt_timer_alloc(3, "Charlie");
    hrt_timer_free(b);
    int16_t d = hrt_timer_alloc(3, "Delta"); // takes b's slot, listed last
    EXPECT_EQ(d, b);
    std::string text = keptReport("");
    auto at = [&](const char *n) { return text.find(std::string("\n") + n + " "); };
    ASSERT_NE(at("Alpha"), std::string::npos);
    EXPECT_LT(at("Alpha"), at("Charlie"));
    EXPECT_LT(at("Charlie"), at("Delta"));
    EXPECT_EQ(at("Bravo"), std::string::npos);
    for (int16_t t : {a, c, d})
        hrt_timer_free(t);

    int16_t only = hrt_timer_alloc(3, "Only");
    hrt_timer_free(only);
    EXPECT_NE(keptReport("").find("No timers active"), std::string::npos);
    int16_t again = hrt_timer_alloc(3, "Again");
    EXPECT_NE(keptReport("").find("\nAgain "), std::string::npos);
    hrt_timer_free(again);
}

TEST_F(Report, ReadsRunningTimersAndAverages)
{
    int16_t h = hrt_timer_alloc(2, "Sleeper");
    hrt_timer_start(h);
    sleepMs(3);
    hrt_timer_stop(h);
    hrt_timer_start(h);
    sleepMs(6);
    std::string text = keptReport("");

    EXPECT_EQ(hrt_timer_getstate(h), HRT_TIMER_RUNNING);
    EXPECT_EQ(hrt_timer_count(h), 2u);
    EXPECT_GE(hrt_timer_elapsed(h), 9u) << "the running run was added at the report";

    std::istringstream row(text.substr(text.find("\nSleeper ") + 1));
    std::string name;
    unsigned long activations = 0;
    double elapsed = 0, average = 0;
    row >> name >> activations >> elapsed >> average;
    EXPECT_EQ(activations, 2u);
    EXPECT_NEAR(elapsed, hrt_timer_elapsedsecs(h), 5e-7);
    EXPECT_NEAR(average, elapsed / 2, 1e-6);
    hrt_timer_free(h);
}

} // namespace
