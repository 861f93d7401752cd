#include "support/TempDir.h"

#include "db/DatabaseFile.h"
#include "platform/ProgramFolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace testsupport {

ProgramFolder::ProgramFolder()
{
    EXPECT_TRUE(dir_.isValid());
    platform::setProgramFolder(dir_.path());
}

ProgramFolder::~ProgramFolder() { platform::setProgramFolder(QString()); }

void ProgramFolder::write(const QString& name, const QByteArray& content) const
{
    QFile f(file(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QString makeDatabase(const QString& path)
{
    // A test's own file of an earlier step makes way: the program's code never replaces one.
    QFile::remove(path);
    QString error;
    EXPECT_TRUE(velmardb::createDatabase(path, velmardb::databaseScripts(QStringLiteral(VELMAR_SOURCE_DIR)), &error))
        << error.toStdString();
    return path;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

} // namespace testsupport
