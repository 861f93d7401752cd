#include "db/CModule.h"

#include "shell/ModuleType.h"

int16_t CModule::intInit(const QString& strModuleP, int32_t lngLFreqP, int32_t lngUFreqP, int32_t lngRef1P,
                         int32_t lngRef2P, int32_t lngIntFreqP, int32_t lngTCXOFreqP, int16_t intPrescalarP,
                         const QString& strDoubledP, const QString& strTypeP, const QString& strinfoTypeP)
{
    strModule = strModuleP;
    lngLowerFreql = lngLFreqP;
    lngUpperFreql = lngUFreqP;
    lngRef1 = lngRef1P;
    lngRef2 = lngRef2P;
    lngIntFreq = lngIntFreqP;
    lngTCXOFreq = lngTCXOFreqP;
    intPrescalar = intPrescalarP;
    fDoubled = strDoubledP.toUpper() == kDoublerFitted;
    strRxTxEx = strTypeP;
    intRxTxEx = basVelmar::intModuleTypeFromText(strTypeP);
    boolStandard = strinfoTypeP == kStandardModel;
    return 0;
}
