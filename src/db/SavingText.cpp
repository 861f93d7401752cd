#include "db/SavingText.h"

#include "db/PageImage.h"

QString strSavingTo(int16_t intDocumentFrom)
{
    switch (intDocumentFrom) {
    case kFromModule: return QStringLiteral("Saving to Radio");
    case kFromBIN: return QStringLiteral("Saving to file (BIN)");
    case kFromHEX: return QStringLiteral("Saving to file (HEX)");
    case kFromArchive: return QStringLiteral("Saving to file (MCF)");
    case kFromDatabase:
    case kFromNew:
    case kFromMCF: return QStringLiteral("Saving to Database");
    default: return {};
    }
}
