// The radio-module document in the database, and saving a document back to where it came from.
#include "radio/CLASSOrvDocument.h"

#include "db/CLASSOrvDB.h"
#include "db/SavingText.h"

int16_t CLASSOrvDocument::intDB2Document(int32_t lngModuleIDP)
{
    // The stored copy is loaded beside the document and taken over only when all of it loaded and
    // decoded, so a load that fails leaves the document as it was.
    CLASSOrvDocument loaded(*this);
    loaded.intDocumentFrom = kFromDatabase;
    if (CLASSOrvDB::instance().intOpenOrvDocument(lngModuleIDP, loaded) != 0 || loaded.intInitSystemInfo() != 0
        || loaded.readModDataOfLoad() != 0)
        return -1;
    *this = loaded;
    return 0;
}

int16_t CLASSOrvDocument::intDocument2DB()
{
    if (intEditSystem() != 0)
        return -1;
    const int16_t status = CLASSOrvDB::instance().intSaveOrvDocument(*this);
    if (status == 0) {
        fModified = false;
        strSourceSerial = strSerial;
    }
    return status;
}

bool CLASSOrvDocument::savesToDatabase() const
{
    return intDocumentFrom == kFromDatabase || intDocumentFrom == kFromNew || intDocumentFrom == kFromMCF;
}

int16_t CLASSOrvDocument::intDocument2Default(QString& strWhere)
{
    int16_t status = 0;
    if (savesToDatabase()) {
        status = intDocument2DB();
    } else {
        switch (intDocumentFrom) {
        case kFromModule: status = intDocument2Module(); break;
        case kFromBIN: status = intDocument2BIN(strDocumentFileName); break;
        case kFromHEX: status = intDocument2HEX(strDocumentFileName); break;
        case kFromArchive: status = intDocument2Archive(strDocumentFileName); break;
        default: return 0;
        }
    }
    strWhere = strSavingTo(intDocumentFrom);
    return status;
}
