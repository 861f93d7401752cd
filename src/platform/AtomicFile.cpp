#include "platform/AtomicFile.h"

#include "platform/PlatformError.h"

#include <QDir>
#include <QSaveFile>

namespace platform {

void writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    const auto fail = [&](const QString& reason) {
        throw Error(kFileWriteError, QStringLiteral("Cannot write the file %1: %2").arg(QDir::toNativeSeparators(path), reason));
    };
    if (path.isEmpty())
        fail(QStringLiteral("no file name was given."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(reason);
    }
    if (!file.commit())
        fail(file.errorString());
}

} // namespace platform
