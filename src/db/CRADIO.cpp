#include "db/CRADIO.h"

#include "shell/ModuleType.h"

int16_t CRADIO::intInit(const QString& strSN, int16_t intType, const QString& strModule, const QString& strCustom,
                        const QString& strUserRemarkP, double datCreatedP, double datUpdatedP)
{
    strSerial = strSN;
    intRxTxEx = intType;
    const QString typeText = basVelmar::strModuleTypeText(intType);
    if (typeText.isEmpty())
        return -1;
    strRxTxEx = typeText;
    strModuleType = strModule;
    strCustomType = strCustom;
    strUserRemark = strUserRemarkP;
    datCreated = datCreatedP;
    datUpdated = datUpdatedP;
    return 0;
}
