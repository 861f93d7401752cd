#include "db/FileAccess.h"

#include "db/PageFields.h"
#include "platform/PlatformError.h"

#include <QDir>
#include <QFile>

namespace fileaccess {

QByteArray readFileStart(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::Error(
            kFileNotFound,
            QStringLiteral("Cannot open the file %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    const QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        throw platform::Error(
            kFileNotFound,
            QStringLiteral("Cannot read the file %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return bytes;
}

void refuse(const QString& path, const QString& what)
{
    throw platform::Error(kBadFileFormat, QStringLiteral("The file %1 %2").arg(QDir::toNativeSeparators(path), what));
}

int32_t serialOf(const QString& path, const QString& text)
{
    const std::optional<int32_t> serial = pagefields::serialNumber(text);
    if (!serial)
        refuse(path,
               QStringLiteral("holds the serial number \"%1\", which is no number from 0 to %2.")
                   .arg(text)
                   .arg(pagefields::kMaxSerial));
    return *serial;
}

} // namespace fileaccess
