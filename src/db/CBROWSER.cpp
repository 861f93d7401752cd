#include "db/CBROWSER.h"

#include "db/CLASSOrvDB.h"
#include "db/RackScan.h"
#include "shell/FailureTrap.h"

CBROWSER& CBROWSER::instance()
{
    static CBROWSER browser;
    return browser;
}

int16_t CBROWSER::intUpdateCollectRadioDB()
{
    radioDB.clear();
    return basVelmar::trapped([this] { return CLASSOrvDB::instance().intGetModule(radioDB); });
}

int16_t CBROWSER::intUpdateCollectModuleDB()
{
    moduleDB.clear();
    return basVelmar::trapped([this] { return CLASSOrvDB::instance().intGetModuleData(moduleDB); });
}

int16_t CBROWSER::intUpdateCollectRack() { return rackscan::intScanRack(radioRack); }
