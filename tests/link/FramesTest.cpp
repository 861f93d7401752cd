// Every frame of the protocol, byte for byte, as it reaches the rack, and each command's
// success path.
#include "RackFixture.h"

#include "link/CommOutput.h"
#include "link/LinkAddress.h"
#include "link/LinkCommands.h"
#include "link/ReadReply.h"
#include "platform/MsgBox.h"

#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <optional>
#include <set>

using namespace basVelmar;

namespace {

const QByteArray kSerial1 = hex("00 00 01");
const QByteArray kPage2 = hex("00 02");

class Frames : public RackFixture {};

TEST_F(Frames, EveryCommandSendsItsFrameByteForByte)
{
    struct Case {
        const char* name;
        std::function<int16_t()> run;
        LinkCommand& command;
        const char* frame;
    };
    // In this order the module is linked before it is addressed.
    const Case cases[] = {
        {"LINK", [] { return CLASSLINK::instance().intExecute(kSerial1); }, CLASSLINK::instance(), "0E 00 00 01 0F"},
        {"READ page 2", [] { return CLASSREAD::instance().intExecute(kSerial1, kPage2); }, CLASSREAD::instance(),
         "02 00 00 01 00 02 01"},
        {"WRITE page 5",
         [] { return CLASSWRITE::instance().intExecute(kSerial1, strLongTo2Bytes(5), hex("88 77 66 55 44 33 22 11")); },
         CLASSWRITE::instance(), "03 00 00 01 00 05 88 77 66 55 44 33 22 11 8F"},
        {"END", [] { return CLASSEND::instance().intExecute(kSerial1); }, CLASSEND::instance(), "04 00 00 01 05"},
        {"RESTART", [] { return CLASSRESTART::instance().intExecute(kSerial1); }, CLASSRESTART::instance(),
         "05 00 00 01 04"},
        {"POLL", [] { return CLASSPOLL::instance().intExecute(); }, CLASSPOLL::instance(),
         "0F FD FC FB FA F9 F8 F7 F6 F5 F4 F3 F2 F1 FE"},
        {"UNLINK", [] { return CLASSUNLINK::instance().intExecute(); }, CLASSUNLINK::instance(), "0D 0D"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        rack_.clearFrames();
        EXPECT_EQ(c.run(), 0);
        ASSERT_TRUE(rack_.waitForFrames(1, 2000));
        const auto frames = sent();
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(pairs(frames[0].bytes), pairs(hex(c.frame)));
        EXPECT_TRUE(frames[0].valid);
        EXPECT_EQ(pairs(c.command.strCmd), pairs(hex(c.frame)));
    }
}

TEST_F(Frames, LinkAddressesTheModuleByAllThreeBytes)
{
    rack_.addModule({kSecondSerial, rackemu::Kind::Transmitter});
    ASSERT_EQ(CLASSLINK::instance().intExecute(strLongTo3Bytes(kSecondSerial)), 0);
    EXPECT_EQ(pairs(sent().at(0).bytes), "0E 12 34 56 7E");
    EXPECT_EQ(rack_.linkedSerial(), kSecondSerial);
    const QByteArray reply = CLASSLINK::instance().strResponse;
    ASSERT_EQ(reply.size(), 5);
    EXPECT_EQ(pairs(reply.mid(1, 3)), "12 34 56") << "the reply names the module";
}

TEST_F(Frames, ReadGivesThePageByteSevenFirst)
{
    ASSERT_EQ(CLASSLINK::instance().intExecute(kSerial1), 0);
    CLASSREAD& read = CLASSREAD::instance();
    ASSERT_EQ(read.intExecute(kSerial1, kPage2), 0);
    ASSERT_EQ(read.strResponse.size(), 13);
    EXPECT_EQ(pairs(read.strResponse.mid(1, 3)), "00 00 01") << "bytes 2 to 4: the answering module";
    const QByteArray page = rack_.pages(kSerial).mid(2 * 8, 8);  // byte 0 first
    QByteArray byteSevenFirst = page;
    std::reverse(byteSevenFirst.begin(), byteSevenFirst.end());
    EXPECT_EQ(pairs(read.strResponse.mid(4, 8)), pairs(byteSevenFirst)) << "bytes 5 to 12: the page";
    EXPECT_EQ(read.strResponse.at(9), page.at(2)) << "position 10 is page byte 2";

    // The decoded page: byte i at index i, or as the line carries it; nothing from a short reply.
    EXPECT_EQ(linkengine::readReplyPage(read.strResponse), std::optional<QByteArray>(page));
    EXPECT_EQ(linkengine::readReplyLine(read.strResponse), std::optional<QByteArray>(byteSevenFirst));
    EXPECT_EQ(linkengine::readReplyPage(read.strResponse.left(12)), std::optional<QByteArray>(page)) << "no check byte";
    EXPECT_FALSE(linkengine::readReplyPage(read.strResponse.left(11)));
    EXPECT_FALSE(linkengine::readReplyLine(QByteArray()));
}

TEST_F(Frames, WrittenPageReadsBackInTheSameOrder)
{
    ASSERT_EQ(CLASSLINK::instance().intExecute(kSerial1), 0);
    const QByteArray data = hex("88 77 66 55 44 33 22 11");  // byte 7 first
    ASSERT_EQ(CLASSWRITE::instance().intExecute(kSerial1, strLongTo2Bytes(40), data), 0);
    EXPECT_EQ(CLASSWRITE::instance().strResponse.size(), 5);
    EXPECT_EQ(pairs(rack_.pages(kSerial).mid(40 * 8, 8)), "11 22 33 44 55 66 77 88") << "module memory, byte 0 first";
    ASSERT_EQ(CLASSREAD::instance().intExecute(kSerial1, strLongTo2Bytes(40)), 0);
    EXPECT_EQ(pairs(CLASSREAD::instance().strResponse.mid(4, 8)), pairs(data));
}

TEST_F(Frames, PollCollectsTheEntriesOfEveryModule)
{
    rack_.addModule({kSecondSerial, rackemu::Kind::ToneRemote});
    CLASSPOLL& poll = CLASSPOLL::instance();
    ASSERT_EQ(poll.intExecute(), 0);
    ASSERT_EQ(poll.strResponse.size(), 10) << "two 5-byte entries behind the echo";
    std::set<QString> found;
    for (int entry = 0; entry < 2; ++entry)
        found.insert(strBytesToDecimal(poll.strResponse.mid(entry * 5 + 1, 3)));
    EXPECT_EQ(found, (std::set<QString>{QStringLiteral("1"), QString::number(kSecondSerial)}));
}

TEST_F(Frames, UnlinkSettlesRestartDoesNot)
{
    testsupport::RealLineTiming realTiming;
    ASSERT_EQ(CLASSLINK::instance().intExecute(kSerial1), 0);
    CLASSUNLINK& unlink = CLASSUNLINK::instance();
    unlink.strResponse = "old";
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(unlink.intExecute(), 0);
    EXPECT_GE(t.elapsed(), 220);
    EXPECT_TRUE(unlink.strResponse.isEmpty());
    EXPECT_EQ(rack_.linkedSerial(), -1);

    ASSERT_EQ(CLASSLINK::instance().intExecute(kSerial1), 0);
    rack_.clearFrames();
    CLASSRESTART& restart = CLASSRESTART::instance();
    restart.strResponse = "old";
    t.restart();
    EXPECT_EQ(restart.intExecute(kSerial1), 0);
    EXPECT_LT(t.elapsed(), 200) << "RESTART waits only its quiet time";
    EXPECT_TRUE(restart.strResponse.isEmpty());
    EXPECT_TRUE(rack_.waitForFrames(1, 1000));
}

TEST_F(Frames, EndThatWaitsItsFullTime)
{
    testsupport::RealLineTiming realTiming;
    ASSERT_EQ(CLASSLINK::instance().intExecute(kSerial1), 0);
    QElapsedTimer t;
    t.start();
    CEnd& end = CEnd::instance();
    EXPECT_EQ(end.intExecute(kSerial1), 0);
    EXPECT_GE(t.elapsed(), 1500);
    EXPECT_EQ(end.strResponse.size(), 5);
    EXPECT_EQ(end.strResponse.at(0), 'P');
}

TEST_F(Frames, CommOutputOfNothingSendsNothing)
{
    testsupport::ScriptedMsgBox box;
    EXPECT_EQ(CommOutput(QByteArray()), 0);
    EXPECT_FALSE(rack_.waitForFrames(1, 100));
}

} // namespace
