// The tone-remote document in the database, and saving a document back to where it came from.
#include "toneremote/COrvDocTR.h"

#include "db/CLASSOrvDB.h"
#include "db/SavingText.h"

int16_t COrvDocTR::intDocument2DB()
{
    if (intEditSystem() != 0)
        return -1;
    const int16_t status = CLASSOrvDB::instance().intSaveOrvDocumentTR(*this);
    if (status == 0) {
        fModified = false;
        strSourceSerial = strSerial;
    }
    return status;
}

int16_t COrvDocTR::intDB2Document(int32_t lngModuleID)
{
    // Loaded beside the document, which takes it over only when all of it loaded and decoded.
    COrvDocTR loaded(*this);
    loaded.intDocumentFrom = kFromDatabase;
    const int16_t status = CLASSOrvDB::instance().intOpenOrvDocumentTR(lngModuleID, loaded);
    if (status != 0 || loaded.intInitSystemInfo() != 0)
        return -1;
    *this = loaded;
    return 0;
}

bool COrvDocTR::savesToDatabase() const { return intDocumentFrom == kFromDatabase || intDocumentFrom == kFromNew; }

int16_t COrvDocTR::intDocument2Default(QString& strWhere)
{
    int16_t status = 0;
    if (savesToDatabase()) {
        status = intDocument2DB();
    } else {
        switch (intDocumentFrom) {
        case kFromModule: status = intDocument2Module(); break;
        case kFromArchive: status = intDocument2Archive(strDocumentFileName); break;
        default: return 0;
        }
    }
    strWhere = strSavingTo(intDocumentFrom);
    return status;
}
