// The rackemu program: its arguments, and the program serving a line.
#include "LineClient.h"
#include "rackemu/CommandLine.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

using namespace rackemu;

namespace {

struct ArgsCase {
    const char* args;
    const char* error; // part of the message; nullptr when the arguments are good
};

class CommandLineArgs : public ::testing::TestWithParam<ArgsCase> {};

TEST_P(CommandLineArgs, AcceptsOrExplains)
{
    const ArgsCase c = GetParam();
    Options o;
    QString error;
    const bool ok = parseCommandLine(QString::fromLatin1(c.args).split(QLatin1Char(' '), Qt::SkipEmptyParts), o, error);
    if (!c.error) {
        EXPECT_TRUE(ok) << error.toStdString();
        return;
    }
    EXPECT_FALSE(ok);
    EXPECT_TRUE(error.contains(QLatin1String(c.error))) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineArgs,
    ::testing::Values(ArgsCase{"--module 1:rx --module 16777215:toneremote --pace", nullptr},
                      ArgsCase{"--fault late:2000@5 --module 5:tx --fault badcheck", nullptr},
                      ArgsCase{"--module 5:ex --fault StopAfter:3@5", nullptr},
                      ArgsCase{"--module 16777216:rx", "0 to 16777215"},
                      ArgsCase{"--module 5:radio", "kind must be"},
                      ArgsCase{"--module 5", "expected <serial>:<kind>"},
                      ArgsCase{"--module 5:rx:/nonexistent/image.bin", "cannot read the image file"},
                      ArgsCase{"--module", "needs a value"},
                      ArgsCase{"--module 5:rx --fault noise", "unknown fault"},
                      ArgsCase{"--module 5:rx --fault stopafter", "needs a number"},
                      ArgsCase{"--module 5:rx --fault silence:3", "takes no argument"},
                      ArgsCase{"--module 5:rx --fault late:soon", "bad number"},
                      ArgsCase{"--module 5:rx --fault silence@6", "not in the rack"},
                      ArgsCase{"--module 5:rx --fault silence --fault garbage", "already has a fault"},
                      ArgsCase{"--baud 1200", "unknown argument"}));

TEST(CommandLine, ReadsModulesAndFaults)
{
    Options o;
    QString error;
    ASSERT_TRUE(parseCommandLine({"--pace", "--module", "12:tr", "--fault", "short:3@12", "--fault", "late"}, o, error));
    EXPECT_TRUE(o.pace);
    ASSERT_EQ(o.modules.size(), 1u);
    EXPECT_EQ(o.modules[0].serial, 12u);
    EXPECT_EQ(o.modules[0].kind, Kind::ToneRemote);
    ASSERT_TRUE(o.rackFault);
    EXPECT_EQ(o.rackFault->kind, FaultKind::LateReply);
    EXPECT_EQ(o.rackFault->arg, Fault::kDefaultLateMs);
    ASSERT_EQ(o.moduleFaults.size(), 1u);
    EXPECT_EQ(o.moduleFaults[0].first, 12u);
    EXPECT_EQ(o.moduleFaults[0].second.kind, FaultKind::ShortReply);
    EXPECT_EQ(o.moduleFaults[0].second.arg, 3);
}

// The program prints its path, serves a client, and ends cleanly on SIGTERM.
TEST(Program, ServesTheLineUntilTerminated)
{
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* argv[] = {const_cast<char*>(RACKEMU_PROGRAM), const_cast<char*>("--module"),
                    const_cast<char*>("1234:receiver"), const_cast<char*>("--fault"),
                    const_cast<char*>("badcheck@1234"), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, RACKEMU_PROGRAM, &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);

    FILE* lines = ::fdopen(out[0], "r");
    char line[256] = {};
    ASSERT_NE(std::fgets(line, sizeof line, lines), nullptr);
    const QString path = QString::fromLocal8Bit(line).trimmed();
    EXPECT_TRUE(path.startsWith(QLatin1String("/dev/pts/"))) << path.toStdString();
    {
        LineClient client(path);
        ASSERT_TRUE(client.isOpen());
        ASSERT_TRUE(client.send(QByteArray::fromHex("0E0004D2D8")));
        EXPECT_EQ(client.receive(10, 1000).toHex(), QByteArray("0e0004d2d8500004d279"));
    }
    ::kill(pid, SIGTERM);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::fclose(lines);
}

} // namespace
