#include "ModulesFixture.h"

#include "RecordingWindow.h"
#include "db/CBROWSER.h"
#include "db/CLASSOrvDB.h"
#include "shell/Globals.h"

QByteArray moduleImage(rackemu::Kind kind, uint32_t serial, uint8_t configuration, const char* remark)
{
    QByteArray image = rackemu::defaultImage(kind, serial);
    rackemu::setPageByte(image, 2, 2, configuration);
    const QByteArray text = QByteArray(remark).leftJustified(16, ' ', true);
    for (int i = 0; i < 16; ++i)
        rackemu::setPageByte(image, 8 + i / 8, 7 - i % 8, static_cast<uint8_t>(text[i]));
    return image;
}

void ModulesTest::SetUp()
{
    CLASSOrvDB::releaseInstance();
    basVelmar::gDatabasePath = testsupport::makeDatabase(folder.file(QStringLiteral("velmar.mdb")));
    basVelmar::gOpenViewCount = 0;
    basVelmar::gUnlinkOnViewClose = false;
    RecordingWindow::install();
    main = std::make_unique<frmMain>();
}

void ModulesTest::TearDown()
{
    main.reset();
    line.close();
    CBROWSER::instance().radioRack.clear();
    CBROWSER::instance().radioDB.clear();
    CLASSOrvDB::releaseInstance();
    basVelmar::gDatabasePath.clear();
    basVelmar::gUnlinkOnViewClose = false;
    RecordingWindow::duringOpen = nullptr;
}

void ModulesTest::startRack() { line.open(); }

std::vector<std::pair<rackemu::Command, int32_t>> ModulesTest::sent() const
{
    std::vector<std::pair<rackemu::Command, int32_t>> out;
    for (const rackemu::FrameRecord& f : rack.frames())
        if (f.valid)
            out.emplace_back(static_cast<rackemu::Command>(f.command), f.serial);
    return out;
}
