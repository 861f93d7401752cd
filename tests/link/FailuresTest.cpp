// Failures inside a command: bad addresses, a closed port, a timer library out of alarms, a second
// transfer started while one runs. Each ends in -1 with at most one message, never in a hang.
#include "RackFixture.h"

#include "link/LinkAddress.h"
#include "link/LinkCommands.h"
#include "link/TransferGuard.h"
#include "link/basChronox.h"
#include "platform/CommPort.h"

#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <vector>

using namespace basVelmar;

namespace {

const QByteArray kSerial1 = QByteArray::fromHex("000001");
const QByteArray kPage2 = QByteArray::fromHex("0002");
const QByteArray kData = QByteArray::fromHex("0102030405060708");

// The line's real timing: a failure must end the command before a reply time could run out.
class Failures : public RackFixture {
    testsupport::RealLineTiming realTiming_;
};

TEST_F(Failures, AddressesOutOfRangeSendNothing)
{
    struct Case {
        const char* name;
        std::function<int16_t()> run;
    };
    const Case cases[] = {
        {"serial above 24 bits", [] { return CLASSLINK::instance().intExecute(strLongTo3Bytes(16777216)); }},
        {"negative serial", [] { return CLASSEND::instance().intExecute(strLongTo3Bytes(-1)); }},
        {"page above 16 bits", [] { return CLASSREAD::instance().intExecute(kSerial1, strLongTo2Bytes(65536)); }},
        {"short page data", [] { return CLASSWRITE::instance().intExecute(kSerial1, kPage2, kData.left(7)); }},
        {"long serial", [] { return CLASSRESTART::instance().intExecute(QByteArray::fromHex("00000001")); }},
        {"empty serial", [] { return CEnd::instance().intExecute(QByteArray()); }},
    };
    const QByteArray before = CLASSLINK::instance().strCmd;
    for (const Case& c : cases)
        EXPECT_EQ(c.run(), -1) << c.name;
    EXPECT_FALSE(rack_.waitForFrames(1, 100)) << "nothing may reach the line";
    EXPECT_EQ(CLASSLINK::instance().strCmd, before);
}

TEST_F(Failures, ClosedPortIsOneMessagePerCommand)
{
    CLASSLINK::instance();  // made while the port was open: making one opens a closed port
    CLASSUNLINK::instance();
    platform::CommPort::instance().setPortOpen(false);
    testsupport::ScriptedMsgBox box;
    box.expect(QStringLiteral("port is open")).expect(QStringLiteral("port is open"));
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(CLASSLINK::instance().intExecute(kSerial1), -1);
    EXPECT_EQ(CLASSUNLINK::instance().intExecute(), -1);
    EXPECT_LT(t.elapsed(), 1000) << "no reply is waited for on a closed port";
    EXPECT_FALSE(platform::CommPort::instance().portOpen()) << "a command never reopens the port";
}

TEST_F(Failures, LineThatCannotBeWrittenIsOneMessagePerCommand)
{
    rack_.stop();  // the other end of the line is gone: writing fails
    testsupport::ScriptedMsgBox box;
    box.expect(QStringLiteral("CommOutput Error"));
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(CLASSLINK::instance().intExecute(kSerial1), -1);
    EXPECT_EQ(box.shown().at(0).prompt, QStringLiteral("CommOutput Error"));
    EXPECT_EQ(box.shown().at(0).icon(), platform::vbCritical);
    EXPECT_LT(t.elapsed(), 1000) << "a frame that was never sent is not waited for";
}

TEST_F(Failures, NoAlarmFreeEndsTheCommand)
{
    QString why;
    const basChronox::AlarmFunctions* f = basChronox::alarmFunctions(&why);
    ASSERT_NE(f, nullptr) << why.toStdString();
    std::vector<int16_t> taken;
    for (int16_t h; (h = f->alloc(2)) != 0;)
        taken.push_back(h);
    {
        testsupport::ScriptedMsgBox box;
        box.expect(QStringLiteral("no alarm free")).expect(QStringLiteral("no alarm free"));
        EXPECT_EQ(CLASSLINK::instance().intExecute(kSerial1), -1);
        EXPECT_EQ(CLASSUNLINK::instance().intExecute(), -1);
        EXPECT_FALSE(rack_.waitForFrames(1, 100));
    }
    for (const int16_t h : taken)
        f->free(h);
    EXPECT_EQ(CLASSLINK::instance().intExecute(kSerial1), 0) << "the command gave back what it took";
}

TEST_F(Failures, CommandFromAnEventDuringATransferIsRefused)
{
    TransferGuard transfer;
    ASSERT_TRUE(transfer.acquired());
    EXPECT_EQ(CLASSLINK::instance().intExecute(kSerial1), 0) << "the transfer's own commands run";

    int16_t nested = 0;
    bool nestedGuard = true;
    QTimer::singleShot(0, [&] {
        nested = CLASSLINK::instance().intExecute(kSerial1);
        TransferGuard second;
        nestedGuard = second.acquired();
    });
    rack_.clearFrames();
    TransferGuard::doEvents();
    EXPECT_EQ(nested, -1);
    EXPECT_FALSE(nestedGuard);
    EXPECT_FALSE(rack_.waitForFrames(1, 100)) << "the refused command did not touch the line";
    EXPECT_EQ(CLASSUNLINK::instance().intExecute(), 0) << "the transfer goes on";
}

TEST(TransferGuardAlone, EventsOutsideATransferMayStartOne)
{
    bool acquired = false;
    {
        TransferGuard::EventsOpen box;  // a message box shown while nothing runs
        TransferGuard transfer;
        acquired = transfer.acquired();
        TransferGuard own;
        EXPECT_TRUE(own.acquired()) << "inside that transfer its own commands run";
    }
    EXPECT_TRUE(acquired);
    EXPECT_FALSE(TransferGuard::busy());
}

TEST(Addresses, SerialAndPageAddresses)
{
    struct Case {
        int64_t value;
        const char* serial;  // nullptr: empty
        const char* page;
    };
    const Case cases[] = {
        {0, "000000", "0000"},          {2, "000002", "0002"},     {255, "0000ff", "00ff"},
        {256, "000100", "0100"},        {65535, "00ffff", "ffff"}, {65536, "010000", nullptr},
        {16777215, "ffffff", nullptr},  {16777216, nullptr, nullptr}, {-1, nullptr, nullptr},
        {int64_t{1} << 40, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(strLongTo3Bytes(c.value), c.serial ? QByteArray::fromHex(c.serial) : QByteArray()) << c.value;
        EXPECT_EQ(strLongTo2Bytes(c.value), c.page ? QByteArray::fromHex(c.page) : QByteArray()) << c.value;
    }
}

TEST(Addresses, BytesToDecimal)
{
    struct Case {
        const char* bytes;
        const char* text;
    };
    for (const Case& c : {Case{"010203", "66051"}, Case{"000000", "0"}, Case{"ffffff", "16777215"},
                          Case{"123456", "1193046"}, Case{"0102", "66050"}})
        EXPECT_EQ(strBytesToDecimal(QByteArray::fromHex(c.bytes)), QString::fromLatin1(c.text)) << c.bytes;

    testsupport::ScriptedMsgBox box;
    box.expect(QStringLiteral("address")).expect(QStringLiteral("address"));
    EXPECT_EQ(strBytesToDecimal(QByteArray::fromHex("01")), QString());
    EXPECT_EQ(strBytesToDecimal(QByteArray()), QString());
}

} // namespace
