// What each command does with a rack that does not answer as it should: how many frames it
// sends, what it returns and what it leaves in strResponse.
#include "RackFixture.h"

#include "link/LinkCommands.h"
#include "link/LinkFrames.h"

#include <QElapsedTimer>

namespace {

using rackemu::Command;
using rackemu::Fault;

const QByteArray kSerial1 = QByteArray::fromHex("000001");
const QByteArray kPage = QByteArray::fromHex("0007");
const QByteArray kData = QByteArray::fromHex("0102030405060708");
const QByteArray kBefore = "before";

enum class Leaves {
    Unchanged,      // strResponse as it was before the call
    CheckedReply,   // the reply behind the echo, which checks out
    FailedReply,    // the reply behind the echo of the last try, which does not
    FrameAndEcho,   // all 20 bytes of a try whose reply repeated the frame
    FrameAsReply,   // the frame itself, come back where the module's answer belongs
};

struct FaultCase {
    const char* name;
    Command command;
    Fault fault;
    int frames;
    int16_t result;
    Leaves leaves;
};

// Test names and failure messages show the case's name.
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class Faults : public RackFixture, public ::testing::WithParamInterface<FaultCase> {};

LinkCommand& commandOf(Command c)
{
    switch (c) {
    case Command::Link: return CLASSLINK::instance();
    case Command::Read: return CLASSREAD::instance();
    case Command::Write: return CLASSWRITE::instance();
    default: return CLASSEND::instance();
    }
}

int16_t run(Command c)
{
    switch (c) {
    case Command::Link: return CLASSLINK::instance().intExecute(kSerial1);
    case Command::Read: return CLASSREAD::instance().intExecute(kSerial1, kPage);
    case Command::Write: return CLASSWRITE::instance().intExecute(kSerial1, kPage, kData);
    default: return CLASSEND::instance().intExecute(kSerial1);
    }
}

TEST_P(Faults, FramesResultAndResponse)
{
    const FaultCase& c = GetParam();
    ASSERT_EQ(CLASSLINK::instance().intExecute(kSerial1), 0);
    rack_.setFault(c.fault.only(c.command));
    rack_.clearFrames();
    LinkCommand& command = commandOf(c.command);
    command.strResponse = kBefore;

    EXPECT_EQ(run(c.command), c.result);

    EXPECT_EQ(sentCount(), c.frames);
    for (const rackemu::FrameRecord& f : sent())
        EXPECT_EQ(pairs(f.bytes), pairs(command.strCmd)) << "every try sends the same frame";
    const QByteArray& r = command.strResponse;
    const int replyBytes = c.command == Command::Read ? 13 : 5;
    switch (c.leaves) {
    case Leaves::Unchanged: EXPECT_EQ(r, kBefore); break;
    case Leaves::CheckedReply:
        EXPECT_EQ(r.size(), replyBytes);
        EXPECT_EQ(linkengine::xorOf(r), 0);
        break;
    case Leaves::FailedReply:
        EXPECT_EQ(r.size(), replyBytes);
        EXPECT_NE(linkengine::xorOf(r), 0);
        break;
    case Leaves::FrameAsReply: EXPECT_EQ(pairs(r), pairs(command.strCmd)); break;
    case Leaves::FrameAndEcho:
        ASSERT_EQ(r.size(), 20);
        EXPECT_EQ(pairs(r.mid(7, 7)), pairs(command.strCmd));
        break;
    }
}

const FaultCase kFaultCases[] = {
    {"LinkChecksOutOnSecondTry", Command::Link, Fault::badCheck().forReplies(1), 2, 0, Leaves::CheckedReply},
    {"LinkNeverChecksOut", Command::Link, Fault::garbage(), 3, -1, Leaves::FailedReply},
    {"WriteChecksOutOnThirdTry", Command::Write, Fault::garbage().forReplies(2), 3, 0, Leaves::CheckedReply},
    {"WriteNeverChecksOut", Command::Write, Fault::garbage(), 3, -1, Leaves::FailedReply},
    {"EndNeverChecksOut", Command::End, Fault::garbage(), 3, -1, Leaves::FailedReply},
    {"ReadChecksOutOnFourthTry", Command::Read, Fault::garbage().forReplies(3), 4, 0, Leaves::CheckedReply},
    {"ReadNeverChecksOut", Command::Read, Fault::garbage(), 4, -1, Leaves::FailedReply},
    {"ReadFrameComesBack", Command::Read, Fault::echoAsReply(), 1, -1, Leaves::FrameAndEcho},
    {"LinkFrameComesBack", Command::Link, Fault::echoAsReply(), 3, -1, Leaves::FrameAsReply},
    {"EndFrameComesBack", Command::End, Fault::echoAsReply(), 3, -1, Leaves::FrameAsReply},
    {"ReadNoReply", Command::Read, Fault::silence(), 1, -1, Leaves::Unchanged},
    {"ReadShortReply", Command::Read, Fault::shortReply(), 1, -1, Leaves::Unchanged},
    {"ReadReplyTooLate", Command::Read, Fault::lateReply(), 1, -1, Leaves::Unchanged},
};

INSTANTIATE_TEST_SUITE_P(Replies, Faults, ::testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The line's real reply times: these tests see them run out.
class TimeOuts : public RackFixture {
    testsupport::RealLineTiming realTiming_;
};

TEST_F(TimeOuts, LinkWithOnlyTheEchoOnTheLine)
{
    rack_.setFault(Fault::silence());
    CLASSLINK& link = CLASSLINK::instance();
    link.strResponse = kBefore;
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(link.intExecute(kSerial1), -1);
    EXPECT_GE(t.elapsed(), 3 * 1020);
    EXPECT_EQ(sentCount(), 3);
    EXPECT_EQ(link.strResponse, kBefore);
}

TEST_F(TimeOuts, PollWhoseEntriesNeverCheckOutGivesTheResidue)
{
    rack_.setFault(Fault::badCheck());
    CLASSPOLL& poll = CLASSPOLL::instance();
    const int16_t result = poll.intExecute();
    EXPECT_EQ(rack_.frameCount(Command::Poll), 4);
    ASSERT_EQ(poll.strResponse.size(), 5) << "the entry behind the echo";
    EXPECT_NE(result, 0);
    EXPECT_EQ(result, linkengine::xorOf(poll.strResponse)) << "the check residue of the last try";
}

} // namespace
