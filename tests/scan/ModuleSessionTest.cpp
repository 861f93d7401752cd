// A transfer with one module over the real serial port against the emulated rack: the frames a
// session sends, what it reads back, and where it stops.
#include "db/ModuleSession.h"
#include "platform/Progress.h"
#include "rackemu/Rack.h"
#include "support/PlainPageImage.h"
#include "support/RackOnPort.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using rackemu::Command;
using rackemu::Kind;

namespace {

constexpr uint32_t kSerial = 0x0A0B0C;

class ModuleSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        rackemu::Module m{kSerial, Kind::Transmitter, rackemu::defaultImage(Kind::Transmitter, kSerial)};
        ASSERT_GE(rack_.addModule(m), 0);
        line_.open();
    }
    std::vector<Command> commands() const { return testsupport::commandsSent(rack_); }
    QByteArray modulePage(int page) const { return rack_.pages(kSerial).mid(page * 8, 8); }

    testsupport::ProgramFolder folder_;
    rackemu::Rack rack_;
    testsupport::RackOnPort line_{rack_, folder_};
    testsupport::ScriptedMsgBox boxes_;
};

} // namespace

TEST_F(ModuleSessionTest, OpensReadsWritesAndFinishes)
{
    ModuleSession session;
    ASSERT_TRUE(session.acquired());
    ASSERT_EQ(session.open(QStringLiteral(" 658188 ")), 0);
    EXPECT_EQ(commands(), (std::vector<Command>{Command::Unlink, Command::Unlink, Command::Link}));
    EXPECT_EQ(session.address(), QByteArray("\x0A\x0B\x0C", 3));

    const std::optional<ModulePage> identity = session.readPage(2);
    ASSERT_TRUE(identity);
    EXPECT_EQ(identity->bytes, modulePage(2)) << "byte i at index i";
    EXPECT_EQ(identity->module, session.address());
    EXPECT_NE(identity->lead, 0);

    // Pages 5 to 7 of an image go out in order, each growing the progress bar by its step.
    QByteArray bytes(20 * 8, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i);
    const testsupport::PlainPageImage image(20, bytes);
    platform::ProgressScope progress(QStringLiteral("Writing"));
    rack_.clearFrames();
    ASSERT_TRUE(session.writePageRun(image, 5, 7, 100));
    ASSERT_TRUE(session.writePages(image, {12, 9}));
    EXPECT_EQ(testsupport::pagesSent(rack_, Command::Write), (std::vector<int>{5, 6, 7, 12, 9}));
    for (int p : {5, 6, 7, 9, 12})
        EXPECT_EQ(modulePage(p), bytes.mid(p * 8, 8)) << p;
    EXPECT_EQ(platform::Progress::instance().width(), 301);

    rack_.clearFrames();
    ASSERT_EQ(session.finish(), 0);
    ASSERT_TRUE(testsupport::waitForFrames(rack_, Command::Restart)) << "RESTART returns once the frame is handed over";
    session.release();
    EXPECT_EQ(commands(), (std::vector<Command>{Command::End, Command::Restart, Command::Unlink}));
}

TEST_F(ModuleSessionTest, StopsWhereTheModuleOrTheImageDoes)
{
    ModuleSession session;
    // A text that is no serial number links nothing.
    EXPECT_EQ(session.open(QStringLiteral("12ab")), -1);
    EXPECT_EQ(commands(), (std::vector<Command>{Command::Unlink, Command::Unlink}));
    EXPECT_FALSE(session.readPage(2));

    ASSERT_EQ(session.attach(QByteArray("\x0A\x0B\x0C", 3)), 0);
    const testsupport::PlainPageImage image(10);
    rack_.clearFrames();
    // A page the image does not have is never sent; nor is anything after it.
    EXPECT_FALSE(session.writePages(image, {1, 10, 2}));
    EXPECT_EQ(testsupport::pagesSent(rack_, Command::Write), (std::vector<int>{1}));

    // A module that has dropped out: its page is tried three times, and nothing after it.
    rack_.setFault(kSerial, rackemu::Fault::stopAfter(0));
    rack_.clearFrames();
    EXPECT_FALSE(session.writePageRun(image, 3, 9));
    EXPECT_EQ(testsupport::pagesSent(rack_, Command::Write), (std::vector<int>{3, 3, 3}));
}

TEST_F(ModuleSessionTest, RefusedWhileAnotherTransferLetsEventsRun)
{
    TransferGuard running;
    TransferGuard::EventsOpen duringEvents;
    ModuleSession session;
    EXPECT_FALSE(session.acquired());
}
