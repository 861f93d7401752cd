#include "RadioFixture.h"

#include "db/CLASSOrvDB.h"
#include "platform/Progress.h"
#include "shell/Globals.h"

using namespace radiolayout;

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

std::vector<rackemu::Command> RadioRackTest::commands() const { return testsupport::commandsSent(rack_); }

bool RadioRackTest::waitForCommand(rackemu::Command c, int count) const
{
    return testsupport::waitForFrames(rack_, c, count);
}
