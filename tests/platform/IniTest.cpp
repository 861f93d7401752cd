#include "platform/Ini.h"
#include "support/TempDir.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace platform;

namespace {
QByteArray read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(Ini, IntegerValues)
{
    testsupport::ProgramFolder dir;
    dir.write(QStringLiteral("a.ini"), "[Comms]\r\nPortNumber=3\r\nText=abc\r\nLead=12ab\r\nEmpty=\r\n"
                                       "[Other]\r\nPortNumber=9\r\n");
    const QString path = dir.file(QStringLiteral("a.ini"));
    struct Case {
        const char* section;
        const char* key;
        long expected;
    };
    const Case cases[] = {
        {"Comms", "PortNumber", 3}, {"COMMS", "portnumber", 3}, {"Comms", "Text", 0}, {"Comms", "Lead", 12},
        {"Comms", "Empty", 0},      {"Comms", "Missing", 42},   {"Nope", "PortNumber", 42}, {"Other", "PortNumber", 9},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Ini::GetPrivateProfileInt(QLatin1String(c.section), QLatin1String(c.key), 42, path), c.expected)
            << c.section << "/" << c.key;
    EXPECT_EQ(Ini::GetPrivateProfileInt(QStringLiteral("Comms"), QStringLiteral("PortNumber"), 1,
                                        dir.file(QStringLiteral("missing.ini"))),
              1);
}

TEST(Ini, WriteCreatesReplacesAndKeepsTheRest)
{
    testsupport::ProgramFolder dir;
    const QString path = dir.file(QStringLiteral("velmar.ini"));
    ASSERT_TRUE(Ini::WritePrivateProfileString(QStringLiteral("Comms"), QStringLiteral("PortNumber"), QStringLiteral("2"), path));
    EXPECT_EQ(read(path), QByteArray("[Comms]\r\nPortNumber=2\r\n"));

    dir.write(QStringLiteral("velmar.ini"), "; kept\r\n[comms]\r\nDevice1=/dev/pts/3\r\nportnumber=1\r\n\r\n[Other]\r\nX=1\r\n");
    ASSERT_TRUE(Ini::WritePrivateProfileString(QStringLiteral("Comms"), QStringLiteral("PortNumber"), QStringLiteral("4"), path));
    EXPECT_EQ(read(path), QByteArray("; kept\r\n[comms]\r\nDevice1=/dev/pts/3\r\nPortNumber=4\r\n\r\n[Other]\r\nX=1\r\n"));
    ASSERT_TRUE(Ini::WritePrivateProfileString(QStringLiteral("other"), QStringLiteral("Y"), QStringLiteral("z"), path));
    EXPECT_EQ(Ini::GetPrivateProfileString(QStringLiteral("Other"), QStringLiteral("y"), QString(), path), QStringLiteral("z"));
    EXPECT_EQ(Ini::GetPrivateProfileInt(QStringLiteral("Other"), QStringLiteral("X"), 0, path), 1);

    // A folder that cannot be written reports failure.
    EXPECT_FALSE(Ini::WritePrivateProfileString(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                                QStringLiteral("/proc/velmar-no/velmar.ini")));
}
