#pragma once
#include <QString>

namespace testsupport {

// The number of pages the program's database keeps of the module with this serial number.
int storedPageCount(const QString& serial);

} // namespace testsupport
