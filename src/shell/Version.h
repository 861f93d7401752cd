#pragma once
#include <QString>

namespace basVelmar {

// The program's version: 4.30, revision 1.
constexpr int kVersionMajor = 4;
constexpr int kVersionMinor = 30;
constexpr int kVersionRevision = 1;

// "v4.30.00", and with the revision "v4.30.00.0001".
QString strVersion(bool withRevision);
// The same from given numbers.
QString strVersion(bool withRevision, int major, int minor, int revision);

} // namespace basVelmar
