#include "shell/ModelCode.h"
#include "shell/ModuleProbes.h"
#include "shell/ModuleType.h"
#include "support/ScriptedMsgBox.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace basVelmar;

TEST(ModuleType, CodeOfEveryTopBitPattern)
{
    const struct {
        uint8_t byte;
        int16_t code;
    } cases[] = {
        {0x00, kTransmitter}, {0x01, kTransmitter}, {0x02, kReceiver},  {0x03, kReceiver},  {0x04, kExciter},
        {0x05, kExciter},     {0x06, kReceiver},    {0x07, kReceiver},  {0x19, kTransmitter}, {0x1F, kReceiver},
        {0x20, kLinearT1},    {0x3F, kLinearT1},    {0x40, kQuasiSync}, {0x5F, kQuasiSync}, {0x60, -1},
        {0x7F, -1},           {0x80, kToneRemote},  {0x9F, kToneRemote}, {0xA0, -1},        {0xBF, -1},
        {0xC0, -1},           {0xDF, -1},           {0xE0, -1},         {0xFF, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(intModuleTypeCode(c.byte), c.code) << std::hex << int(c.byte);
}

TEST(ModuleType, TextsOfTheFourKindsOnlyInTheirExactSpelling)
{
    const char* texts[] = {"Receiver", "Transmitter", "Exciter", "ToneRemote"};
    for (int code = 0; code < 4; ++code) {
        EXPECT_EQ(strModuleTypeText(code), QLatin1String(texts[code]));
        EXPECT_EQ(intModuleTypeFromText(QLatin1String(texts[code])), code);
    }
    for (int code : {-1, 4, 5, 6})
        EXPECT_TRUE(strModuleTypeText(code).isEmpty()) << code;
    for (const char* other : {"receiver", "Receiver ", "TONEREMOTE", ""})
        EXPECT_EQ(intModuleTypeFromText(QLatin1String(other)), -1) << other;
}

TEST(ModelCode, BothFormsOfTheModelName)
{
    EXPECT_EQ(strModelCodeName(QStringLiteral("05120000"), true), QStringLiteral("Vr05-12-0000"));
    EXPECT_EQ(strModelCodeName(QStringLiteral("0512    "), true), QStringLiteral("Vr05-12     "));
    EXPECT_EQ(strModelCodeName(QStringLiteral("05120000"), false), QStringLiteral("V051-20-000"));
}

class ArchiveProbe : public ::testing::Test {
protected:
    // A record of 8 data bytes and their exclusive-or.
    static QByteArray record(QByteArray data, bool goodCheck = true)
    {
        uint8_t x = 0;
        for (char c : data)
            x ^= static_cast<uint8_t>(c);
        data.append(static_cast<char>(goodCheck ? x : x ^ 0x01));
        return data;
    }
    // An archive whose second record carries `configuration` in byte 4.
    static QByteArray archive(uint8_t configuration, bool goodFirst = true, bool goodSecond = true)
    {
        QByteArray second("\x10\x20\x30\x40\x00\x60\x70\x80", 8);
        second[4] = static_cast<char>(configuration);
        return record(QByteArray("ABCDEFGH"), goodFirst) + record(second, goodSecond) + record(QByteArray(8, '\0'));
    }
    QString write(const QByteArray& content)
    {
        const QString path = dir.filePath(QStringLiteral("probe.mcf"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(ArchiveProbe, ValidCorruptedAndShortFiles)
{
    const struct {
        const char* what;
        QByteArray content;
        int16_t status;
        int16_t code;
    } cases[] = {
        {"tone remote", archive(0x80), 0, kToneRemote},
        {"exciter", archive(0x04), 0, kExciter},
        {"unknown kind", archive(0xE0), 0, -1},
        {"first check wrong", archive(0x80, false, true), -1, 99},
        {"second check wrong", archive(0x80, true, false), -1, 99},
        {"one record", archive(0x80).left(9), -1, 99},
        {"second record cut", archive(0x80).left(17), -1, 99},
        {"empty", QByteArray(), -1, 99},
        {"two records only", archive(0x02).left(18), 0, kReceiver},
    };
    for (const auto& c : cases) {
        int16_t code = 99;
        EXPECT_EQ(intGetFileModuleType(write(c.content), code), c.status) << c.what;
        EXPECT_EQ(code, c.code) << c.what;
    }
}

TEST_F(ArchiveProbe, UnreadableFileIsReported)
{
    testsupport::ScriptedMsgBox box;
    box.expect(QStringLiteral("missing.mcf"));
    int16_t code = 99;
    EXPECT_EQ(intGetFileModuleType(dir.filePath(QStringLiteral("missing.mcf")), code), -1);
    EXPECT_EQ(code, 99);
}

TEST(ModuleTypeProbe, SerialThatIsNoNumberSendsNothing)
{
    // No port is open here: anything sent would fail with a message, which the script would refuse.
    int16_t code = 99;
    EXPECT_EQ(intReadModuleType(QStringLiteral("12a4"), code), -1);
    EXPECT_EQ(intReadModuleType(QString(), code), -1);
    EXPECT_EQ(code, 99);
}
