#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// The number of a failure to create or write a file.
constexpr int kFileWriteError = 75;

// Replaces the file at `path` by `bytes` in one step: the bytes go to a temporary file beside it,
// which then takes the file's name. A failure raises platform::Error(kFileWriteError, reason) and
// leaves any file that was there as it was; a shorter file never keeps the old file's tail.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace platform
