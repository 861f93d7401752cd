// The emulated rack seen from the PC's end of the pseudo-terminal.
#include "LineClient.h"
#include "rackemu/Rack.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

using namespace rackemu;

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

const QByteArray kLink = hex("0E0004D2D8");               // LINK 1234
const QByteArray kLinkReply = hex("500004D286");
const QByteArray kRead2 = hex("020004D20002D6");          // READ 1234, page 2
const QByteArray kRead2Reply = hex("500004D2" "0004D2000413 10FF" "A8");
const QByteArray kEntry5678 = hex("5000162E68");

// A rack of a receiver 1234 and an exciter 5678, with a client on its line.
class RackLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(rack.addModule({1234, Kind::Receiver}), 0);
        ASSERT_EQ(rack.addModule({5678, Kind::Exciter}), 1);
        path = rack.start();
        ASSERT_FALSE(path.isEmpty()) << rack.errorString().toStdString();
        client = std::make_unique<LineClient>(path);
        ASSERT_TRUE(client->isOpen());
    }

    // Sends a frame; returns all that comes back until the line is quiet (echo first).
    QByteArray exchange(const QByteArray& frame, int quietMs = 60)
    {
        EXPECT_TRUE(client->send(frame));
        return client->receiveUntilQuiet(quietMs);
    }

    Rack rack;
    QString path;
    std::unique_ptr<LineClient> client;
};

struct LineCase {
    const char* name;
    Fault fault;       // of module 1234
    bool linkFirst;    // LINK 1234 (answered) before the frame
    QByteArray frame;
    QByteArray reply;  // expected behind the echo; empty for none
    uint8_t endStatus = kAccepted;
    bool garbage = false; // the reply is that many bytes that fail the check
};

void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << c.name;
}

class RackReplies : public RackLine, public ::testing::WithParamInterface<LineCase> {};

TEST_P(RackReplies, EchoThenReply)
{
    const LineCase& c = GetParam();
    if (c.linkFirst) {
        ASSERT_EQ(exchange(kLink), kLink + kLinkReply);
    }
    rack.setFault(1234, c.fault);
    rack.setEndStatus(1234, c.endStatus);

    const QByteArray got = exchange(c.frame);
    ASSERT_TRUE(got.startsWith(c.frame)) << got.toHex(' ').toStdString();
    const QByteArray reply = got.mid(c.frame.size());
    if (c.garbage) {
        EXPECT_EQ(reply.size(), c.reply.size());
        EXPECT_NE(xorOf(reply), 0);
    } else {
        EXPECT_EQ(reply.toHex(' '), c.reply.toHex(' '));
    }
}

const LineCase kLineCases[] = {
    {"Link", {}, false, kLink, kLinkReply},
    {"LinkOfAbsentModule", {}, false, hex("0E0003E7EA"), {}},
    {"ReadPage2", {}, true, kRead2, kRead2Reply},
    {"ReadWithoutLink", {}, false, kRead2, {}},
    {"ReadPastImage", {}, true, hex("020004D2009541"), {}},
    {"Write", {}, true, hex("030004D20014" "1122334455667788" "49"), kLinkReply},
    {"EndStatus", {}, true, hex("040004D2D2"), hex("200004D2F6"), 0x20},
    {"PollEntriesInOrder", {}, false, pollFrame(), kLinkReply + kEntry5678},
    {"FrameWithWrongCheckIgnored", {}, false, hex("0E0004D2D9"), {}},
    {"Silence", Fault::silence(), false, kLink, {}},
    {"BadCheck", Fault::badCheck(), false, kLink, hex("500004D279")},
    {"ShortReply", Fault::shortReply(), false, kLink, hex("500004D2")},
    {"ShortReplyOfTwo", Fault::shortReply(2), true, kRead2, hex("5000")},
    {"Garbage", Fault::garbage(), false, kLink, kLinkReply, kAccepted, true},
    {"EchoAsReplyOfRead", Fault::echoAsReply(), true, kRead2, kRead2 + kRead2},
    {"EchoAsReplyOfLink", Fault::echoAsReply(), false, kLink, kLink},
    {"FaultOfAnotherCommand", Fault::silence().only(Command::Read), false, kLink, kLinkReply},
    {"PollWithSilentModule", Fault::silence(), false, pollFrame(), kEntry5678},
};

INSTANTIATE_TEST_SUITE_P(Table, RackReplies, ::testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RackLine, RackWideFaultAndItsCountOfReplies)
{
    rack.setFault(Fault::silence().forReplies(1));
    EXPECT_EQ(exchange(kLink), kLink);
    EXPECT_EQ(exchange(kLink), kLink + kLinkReply);
}

TEST_F(RackLine, StopAfterDropsTheModuleOut)
{
    rack.setFault(1234, Fault::stopAfter(2));
    EXPECT_EQ(exchange(kLink), kLink + kLinkReply);
    EXPECT_EQ(exchange(kRead2), kRead2 + kRead2Reply);
    EXPECT_EQ(exchange(kRead2), kRead2);
    EXPECT_EQ(exchange(kLink), kLink);
    EXPECT_EQ(exchange(pollFrame()), pollFrame() + kEntry5678);
    EXPECT_TRUE(rack.module(0).droppedOut);
    EXPECT_EQ(rack.module(0).commands, 2);
}

TEST_F(RackLine, LinkMovesAndUnlinkReleases)
{
    exchange(kLink);
    EXPECT_EQ(rack.linkedSerial(), 1234);
    EXPECT_EQ(exchange(linkFrame(5678)), linkFrame(5678) + kEntry5678);
    EXPECT_EQ(rack.linkedSerial(), 5678);
    EXPECT_EQ(exchange(kRead2), kRead2) << "1234 lost its link to 5678";
    EXPECT_EQ(exchange(unlinkFrame()), unlinkFrame());
    EXPECT_EQ(rack.linkedSerial(), -1);
    EXPECT_EQ(exchange(readFrame(5678, 2)), readFrame(5678, 2));
}

TEST_F(RackLine, WritesLandInMemoryAndRestartTakesTheNewSerial)
{
    // A factory write: new serial 200 into page 2, the rest addressed to the old serial.
    exchange(kLink);
    QByteArray page2 = rack.pages(1234).mid(16, 8);
    page2[5] = char(200);
    page2[6] = 0;
    page2[7] = 0;
    EXPECT_EQ(exchange(writeFrame(1234, 2, page2)), writeFrame(1234, 2, page2) + kLinkReply);
    EXPECT_EQ(exchange(kRead2).mid(7 + 4, 8), hex("0000C800 041310FF")) << "page bytes 7..0 as written";
    EXPECT_EQ(exchange(restartFrame(1234)), restartFrame(1234));

    EXPECT_EQ(exchange(kLink), kLink) << "after the restart the module answers to its new serial only";
    EXPECT_EQ(exchange(linkFrame(200)), linkFrame(200) + hex("500000C898"));
    const ModuleState m = rack.module(0);
    EXPECT_EQ(m.serial, 200u);
    EXPECT_EQ(m.restarts, 1);
    EXPECT_EQ(rack.pages(200).mid(16, 8), page2);

    const std::vector<FrameRecord> log = rack.frames();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[1].command, 0x03);
    EXPECT_EQ(log[1].serial, 1234);
    EXPECT_EQ(log[1].page, 2);
    EXPECT_TRUE(log[1].valid);
    EXPECT_EQ(rack.frameCount(Command::Link), 3);
}

TEST_F(RackLine, SlaveCanBeClosedAndReopened)
{
    EXPECT_EQ(exchange(kLink), kLink + kLinkReply);
    for (int i = 0; i < 3; ++i) {
        client = std::make_unique<LineClient>(path);
        ASSERT_TRUE(client->isOpen());
        EXPECT_EQ(exchange(kRead2), kRead2 + kRead2Reply);
    }
}

TEST_F(RackLine, UnfinishedFrameIsDroppedAfterAPause)
{
    EXPECT_EQ(exchange(hex("0E00")), hex("0E00"));
    EXPECT_EQ(exchange(kLink), kLink + kLinkReply);
    const std::vector<FrameRecord> log = rack.frames();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_FALSE(log[0].valid);
    EXPECT_EQ(log[0].bytes, hex("0E00"));
    EXPECT_TRUE(log[1].valid);
}

TEST_F(RackLine, StrayBytesAreLoggedAndSkipped)
{
    EXPECT_EQ(exchange(hex("FF0D41") + kLink), hex("FF0D41") + kLink + kLinkReply);
    const std::vector<FrameRecord> log = rack.frames();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_FALSE(log[0].valid);
    EXPECT_EQ(log[0].bytes, hex("FF0D41"));
    EXPECT_EQ(log[1].command, 0x0E);
}

TEST_F(RackLine, PacedLineTakesTheTimeOf9600Baud)
{
    rack.setPacing(true);
    const auto t0 = std::chrono::steady_clock::now();
    ASSERT_TRUE(client->send(kRead2));
    EXPECT_EQ(client->receive(7, 1000), kRead2) << "not linked: echo only";
    const auto took = std::chrono::steady_clock::now() - t0;
    exchange(kLink);
    const auto t1 = std::chrono::steady_clock::now();
    ASSERT_TRUE(client->send(kRead2));
    EXPECT_EQ(client->receive(20, 1000), kRead2 + kRead2Reply);
    // 20 bytes of 10 bits: at least 19 byte times between the first and the last.
    EXPECT_GE(std::chrono::steady_clock::now() - t1, std::chrono::microseconds(19 * 1041));
    EXPECT_GE(took, std::chrono::microseconds(6 * 1041));
}

TEST_F(RackLine, LateReplyComesAfterItsDelay)
{
    rack.setFault(Fault::lateReply(300));
    ASSERT_TRUE(client->send(kLink));
    EXPECT_EQ(client->receive(10, 200), kLink);
    EXPECT_EQ(client->receive(5, 1000), kLinkReply);
}

TEST_F(RackLine, WaitForFramesSeesWhatTheLineGot)
{
    ASSERT_TRUE(client->send(unlinkFrame() + unlinkFrame()));
    EXPECT_TRUE(rack.waitForFrames(2, 1000));
    EXPECT_EQ(rack.frameCount(Command::Unlink), 2);
    EXPECT_FALSE(rack.waitForFrames(3, 50));
}

TEST(RackSetup, RefusesBadModules)
{
    Rack rack;
    EXPECT_EQ(rack.addModule({16777216, Kind::Receiver}), -1);
    EXPECT_EQ(rack.addModule({1, Kind::Receiver, QByteArray(20, '\0')}), -1);
    EXPECT_EQ(rack.addModule({1, Kind::Receiver, QByteArray(23, '\0')}), -1);
    EXPECT_EQ(rack.addModule({1, Kind::Receiver, QByteArray(24, '\0')}), 0);
    EXPECT_EQ(rack.pages(1).size(), 24) << "the image given is kept, only its serial is set";
    EXPECT_FALSE(rack.setFault(99, Fault::silence()));
}

} // namespace
