#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {
namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString programFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    return QCoreApplication::applicationDirPath();
}

QString programFile(const QString& name) { return QDir(programFolder()).filePath(name); }

void setProgramFolder(const QString& folder) { overrideFolder() = folder; }

} // namespace platform
