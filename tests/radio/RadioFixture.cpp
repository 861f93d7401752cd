#include "RadioFixture.h"

#include "db/CLASSOrvDB.h"
#include "platform/Progress.h"
#include "shell/Globals.h"

#include <QElapsedTimer>
#include <QThread>

using namespace radiolayout;

QByteArray imagePages(const QByteArray& image, int first, int last)
{
    return image.mid(first * kPageSize, (last - first + 1) * kPageSize);
}

QByteArray moduleImage(rackemu::Kind kind, uint32_t serial, int channels)
{
    QByteArray image = rackemu::defaultImage(kind, serial);
    const char* code = kind == rackemu::Kind::Receiver ? "31050000" : kind == rackemu::Kind::Transmitter ? "31150000" : "31250000";
    image.replace(kModelCodePage * kPageSize, kPageSize, textPage(code));
    rackemu::setPageByte(image, kIdentityPage, identity::kChannelsLow, channels & 0xFF);
    rackemu::setPageByte(image, kIdentityPage, identity::kChannelsHigh, channels >> 8);
    for (int ch = 0; ch < channels; ++ch) {
        const int divider = 12000 + ch; // 150 MHz and up in steps of 12.5 kHz
        image.replace((kPartition + ch) * kPageSize, kPageSize,
                      page7to0({0x30 | (divider >> 14), (divider >> 6) & 0xFF, divider & 0x3F, 60 + ch, 100 + ch, 0,
                                ch % 50 + 1, ch}));
    }
    return image;
}

void RadioDbTest::SetUp()
{
    CLASSOrvDB::releaseInstance();
    basVelmar::gDatabasePath = testsupport::makeDatabase(folder_.file(QStringLiteral("velmar.mdb")));
}

void RadioDbTest::TearDown()
{
    CLASSOrvDB::releaseInstance();
    basVelmar::gDatabasePath.clear();
    EXPECT_TRUE(platform::Progress::instance().atRest());
}

QSqlDatabase RadioDbTest::db() const { return CLASSOrvDB::instance().dbAccess(); }

int16_t RadioDbTest::loadStored(CLASSOrvDocument& doc, const QString& serial)
{
    int32_t id = 0;
    if (CLASSOrvDB::instance().intSerial2ModuleID(serial, id) != 0)
        return -1;
    return doc.intDB2Document(id);
}

void RadioRackTest::SetUp()
{
    RadioDbTest::SetUp();
    line_.open();
}

void RadioRackTest::TearDown()
{
    line_.close();
    RadioDbTest::TearDown();
}

std::vector<int> RadioRackTest::pagesOf(rackemu::Command c) const
{
    return testsupport::pagesSent(rack_, c);
}

std::vector<rackemu::Command> RadioRackTest::commands() const
{
    std::vector<rackemu::Command> out;
    for (const rackemu::FrameRecord& f : rack_.frames())
        if (f.valid)
            out.push_back(static_cast<rackemu::Command>(f.command));
    return out;
}

bool RadioRackTest::waitForCommand(rackemu::Command c, int count) const
{
    QElapsedTimer timer;
    timer.start();
    while (rack_.frameCount(c) < count) {
        if (timer.elapsed() > 2000)
            return false;
        QThread::msleep(5);
    }
    return true;
}
