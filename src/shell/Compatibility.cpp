#include "shell/Compatibility.h"

#include "db/CLASSOrvDB.h"

namespace basVelmar {
namespace {
constexpr double kProgramVersion = 3.0;
}

int16_t intCheckCompatible(double firmwareVersion)
{
    return CLASSOrvDB::instance().intCompatibleCheck(kProgramVersion, firmwareVersion);
}

} // namespace basVelmar
