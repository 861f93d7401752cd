#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// The number of a failure to create or write a file.
constexpr int kFileWriteError = 75;

// Replaces the file at `path` by `bytes` in one step: the bytes go to a temporary file beside it,
// and only once every byte is on the disk does that file take the old one's name. A failure (a full
// disk, a file-size limit, a folder that cannot be written) raises platform::Error(kFileWriteError,
// text naming the file and the system's reason) and leaves any file that was there byte for byte as
// it was; a shorter file never keeps the old file's tail. A symbolic link stays a link to the new file.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace platform
