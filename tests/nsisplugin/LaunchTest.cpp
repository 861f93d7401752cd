// LaunchAppAndWait on Linux: a program started from the installer's stack, and waited for.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "BrenlowNSIS.h"
#include "InstallerStack.h"
#include "nsis_command_line.h"
#include "nsis_platform.h"

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

// A fresh folder holding the marker program at "my app/marker" and, at "my", another program that
// leaves the file "other-ran" when it is started.
class Launch : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "nsislaunch-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        fs::create_directory(dir_ / "my app");
        fs::copy_file(NSIS_MARKER, dir_ / "my app" / "marker");
        std::ofstream(dir_ / "my") << "#!/bin/sh\n: > \"$(dirname \"$0\")/other-ran\"\n";
        fs::permissions(dir_ / "my", fs::perms::owner_all);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string &name) const { return (dir_ / name).string(); }
    static std::vector<std::string> lines(const std::string &file)
    {
        std::ifstream in(file);
        std::vector<std::string> result;
        for (std::string line; std::getline(in, line);)
            result.push_back(line);
        return result;
    }

    fs::path dir_;
};

TEST_F(Launch, WaitsUntilTheProgramHasEnded)
{
    InstallerStack stack;
    std::string marker = std::string(NSIS_MARKER) + " " + path("marker.txt") + " one";
    EXPECT_EQ(stack.call(LaunchAppAndWait, {marker}), Texts{"OK"});
    EXPECT_EQ(lines(path("marker.txt")), (Texts{NSIS_MARKER, "one"})) << "returned before the program ended";
}

TEST_F(Launch, SaysWhatItCouldNotStart)
{
    InstallerStack stack;
    EXPECT_EQ(stack.call(LaunchAppAndWait, {path("missing") + " " + path("marker.txt")}),
              Texts{"CreateProcess() Failed"});
    EXPECT_EQ(stack.call(LaunchAppAndWait, {""}), Texts{"CreateProcess() Failed"});
    EXPECT_EQ(stack.call(LaunchAppAndWait, {}), Texts{"No path specified"});
    EXPECT_FALSE(fs::exists(path("marker.txt")));
}

TEST_F(Launch, AnUnquotedPathWithBlanksStartsThatProgram)
{
    InstallerStack stack;
    EXPECT_EQ(stack.call(LaunchAppAndWait, {path("my app/marker") + " " + path("out.txt") + " two  words"}),
              Texts{"OK"});
    EXPECT_EQ(lines(path("out.txt")), (Texts{path("my app/marker"), "two", "words"}));
    EXPECT_FALSE(fs::exists(path("other-ran"))) << "the first word was started";

    EXPECT_EQ(stack.call(LaunchAppAndWait, {"\"" + path("my app/marker") + "\" " + path("quoted.txt")}),
              Texts{"OK"});
    EXPECT_TRUE(fs::exists(path("quoted.txt")));
    EXPECT_FALSE(fs::exists(path("other-ran")));
}

TEST_F(Launch, ALongCommandLineArrivesWhole)
{
    InstallerStack stack(8192);
    std::string argument(5000, 'x');
    EXPECT_EQ(stack.call(LaunchAppAndWait, {std::string(NSIS_MARKER) + " " + path("long.txt") + " " + argument}),
              Texts{"OK"});
    EXPECT_EQ(lines(path("long.txt")), (Texts{NSIS_MARKER, argument}));
}

TEST_F(Launch, ChoosesTheLongestReadingOfTheProgram)
{
    const std::string app = path("my app/marker");
    struct Case {
        std::string line;
        const char *expected; // nullptr: nothing to start
    };
    const std::string quoted = "\"" + app + "\" x";
    const std::string withArgs = "\"" + app + "\" x  y";
    const std::string trailing = "\"" + app + "\"  ";
    const std::string firstWord = path("my") + " app x";
    const std::string missingOne = path("missing");
    const Case cases[] = {
        {quoted, quoted.c_str()},
        {app + " x  y", withArgs.c_str()},
        {app + "  ", trailing.c_str()},
        {firstWord, firstWord.c_str()},
        {"  sh -c true", "  sh -c true"},
        {missingOne, missingOne.c_str()},
        {missingOne + " x", nullptr},
        {" \t", nullptr},
    };
    for (const Case &c : cases) {
        std::unique_ptr<char, void (*)(void *)> line(nsis_command_line_for(c.line.c_str()), nsis_heap_free);
        if (c.expected)
            EXPECT_STREQ(line.get(), c.expected) << c.line;
        else
            EXPECT_EQ(line.get(), nullptr) << c.line;
    }
    EXPECT_EQ(installer_heap::inUse(), 0u);
}

} // namespace
