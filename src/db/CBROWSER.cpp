#include "db/CBROWSER.h"

#include "db/CLASSOrvDB.h"
#include "db/RackScan.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"

namespace {

// Refills a collection from the database; a failure is shown once and gives -1.
template <class Fill>
int16_t refill(Fill&& fill)
{
    try {
        return fill(CLASSOrvDB::instance());
    } catch (const platform::Error& e) {
        platform::MsgBox(e.description(), platform::vbOKOnly);
    } catch (const std::exception& e) {
        platform::MsgBox(QString::fromLocal8Bit(e.what()), platform::vbOKOnly);
    }
    return -1;
}

} // namespace

CBROWSER& CBROWSER::instance()
{
    static CBROWSER browser;
    return browser;
}

int16_t CBROWSER::intUpdateCollectRadioDB()
{
    radioDB.clear();
    return refill([this](CLASSOrvDB& db) { return db.intGetModule(radioDB); });
}

int16_t CBROWSER::intUpdateCollectModuleDB()
{
    moduleDB.clear();
    return refill([this](CLASSOrvDB& db) { return db.intGetModuleData(moduleDB); });
}

int16_t CBROWSER::intUpdateCollectRack() { return rackscan::intScanRack(radioRack); }
