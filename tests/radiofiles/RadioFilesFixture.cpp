#include "RadioFilesFixture.h"

#include "db/CLASSOrvDB.h"
#include "shell/Globals.h"

#include <QDate>
#include <QFile>

std::array<uint8_t, 3> frequencyWord(int64_t hz)
{
    if (hz == 0)
        return {0, 0, 0};
    const bool coarse = hz % 12500 == 0;
    const int64_t n = hz / (coarse ? 12500 : 6250);
    const int code = coarse ? 3 : 1;
    return {static_cast<uint8_t>(code << 4 | n >> 14), static_cast<uint8_t>((n >> 6) & 0xFF), static_cast<uint8_t>(n & 0x3F)};
}

QByteArray channelPage(int64_t storedHz, int toneCode, int deviation, int reference, int pins)
{
    const auto w = frequencyWord(storedHz);
    return page7to0({w[0], w[1], w[2], deviation, reference, toneCode >> 8, toneCode & 0xFF, pins});
}

void RadioFilesTest::SetUp()
{
    CLASSOrvDB::releaseInstance();
    basVelmar::gDatabasePath = testsupport::makeDatabase(folder_.file(QStringLiteral("velmar.mdb")));
}

void RadioFilesTest::TearDown()
{
    CLASSOrvDB::releaseInstance();
    basVelmar::gDatabasePath.clear();
}

CLASSOrvDocument RadioFilesTest::newDocument(const QString& model, int channels, int partition)
{
    CLASSOrvDocument doc;
    doc.strModuleType = model;
    EXPECT_EQ(doc.intReadModData(), 0);
    const QString standard = QStringLiteral("Standard");
    EXPECT_EQ(doc.NewRadio(model, standard, kSerial, QString(), QDate(2024, 3, 7), channels, partition), 0);
    EXPECT_EQ(doc.intNew2Document(model, standard, kSerial, QString(), QDate(2024, 3, 7), channels, partition), 0);
    return doc;
}
