#pragma once
// Reading a module document's files, and the numbers of the failures the file members report.
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace fileaccess {

constexpr int kFileNotFound = 53;
constexpr int kBadFileFormat = 321;

// Up to `maxBytes` bytes from the start of the file. Raises platform::Error(kFileNotFound) when
// the file cannot be opened or read.
QByteArray readFileStart(const QString& path, qint64 maxBytes);

// Raises platform::Error(kBadFileFormat) with "The file <name> <what>".
[[noreturn]] void refuse(const QString& path, const QString& what);

// The serial number the file's text gives; refuses the file when the text gives none.
int32_t serialOf(const QString& path, const QString& text);

} // namespace fileaccess
