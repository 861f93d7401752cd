// The radio-frequency data of the module's model: from the module-type catalogue, or from the
// pages that carry them in images of the current layout.
#include "radio/CLASSOrvDocument.h"

#include "link/TransferGuard.h"
#include "db/CLASSOrvDB.h"
#include "radio/RadioFailure.h"
#include "shell/ByteCodecs.h"

#include <algorithm>

using namespace radiolayout;

namespace {

void warnCustomTypeMissing(const QString& customType)
{
    TransferGuard::message(QStringLiteral("Warning: The custom type [") + customType
                           + QStringLiteral("] is not in database. "));
}

} // namespace

void CLASSOrvDocument::takeModData(const ModData& data)
{
    modelID_ = data.lngID;
    lngLowerFreql = data.lngLowFreq;
    lngUpperFreql = data.lngUpFreq;
    lngRef1 = data.lngRef1;
    lngRef2 = data.lngRef2;
    lngIntFreq = data.lngIntFreq;
    lngTCXOFreq = data.lngTCXOFreq;
    intPrescalar = data.intPrescalar;
    boolDoubled = data.boolDoubled;
    intRxTxEx = data.intType;
    strModelAsMade = data.strInfoType;
    lngBanLFreq = data.lngBanLFreq;
    lngBanUFreq = data.lngBanUFreq;
}

bool CLASSOrvDocument::lookUpModel(const QString& model)
{
    ModData data;
    if (!findModel(model, data))
        return false;
    takeModData(data);
    return true;
}

bool CLASSOrvDocument::findModel(const QString& model, ModData& data)
{
    return CLASSOrvDB::instance().intReadModData(model, data) == 0;
}

bool CLASSOrvDocument::findCustomModel(ModData& data) const
{
    if (strCustomType == strModuleType.left(7))
        return findModel(strModuleType, data);
    return !strCustomType.isEmpty() && findModel(strCustomType, data);
}

bool CLASSOrvDocument::carriesModData() const
{
    return intPartition == kPartition && at(kSynthPage, rf::kMarkHigh) != 0;
}

void CLASSOrvDocument::takeModelNotInArchive()
{
    ModData data;
    bool found = findCustomModel(data);
    strModuleUsed = strCustomType;
    if (!found) {
        found = findModel(strModuleType, data);
        strModuleUsed = strModuleType;
    }
    if (carriesModData())
        boolDoubled = at(kSynthPage, rf::kDoubled) == 1;
    else if (found)
        boolDoubled = data.boolDoubled;
    if (found) {
        lngBanLFreq = data.lngBanLFreq;
        lngBanUFreq = data.lngBanUFreq;
    }
}

bool CLASSOrvDocument::readModDataFromPages()
{
    const int synth = intPartition - 1;
    const int oscillator = intPartition - 2;
    const int reference = intPartition - 3;
    const int band = intPartition - 4;
    if (band < 0 || synth > kLastPage || at(synth, rf::kMarkHigh) == 0)
        return false;
    auto longAt = [&](int page, int hi) {
        int32_t v = 0;
        basVelmar::intBytesToLong(v, at(page, hi), at(page, hi - 1), at(page, hi - 2), at(page, hi - 3));
        return v;
    };
    lngUpperFreql = longAt(band, rf::kHighGroup);
    lngLowerFreql = longAt(band, rf::kLowGroup);
    lngRef2 = longAt(reference, rf::kHighGroup);
    lngRef1 = longAt(reference, rf::kLowGroup);
    lngIntFreq = longAt(oscillator, rf::kHighGroup);
    lngTCXOFreq = longAt(oscillator, rf::kLowGroup);
    basVelmar::intBytesToInteger(intPrescalar, at(synth, rf::kPrescalerHigh), at(synth, rf::kPrescalerLow));
    boolDoubled = at(synth, rf::kDoubled) == 1;
    at(synth, rf::kMarkHigh) = rf::kMark;
    at(synth, rf::kMarkLow) = 0;
    return true;
}

void CLASSOrvDocument::sayModelNotInCatalogue(const QString& model)
{
    TransferGuard::message(QStringLiteral("Custom model ") + model + QStringLiteral(" is not found in database."),
                           platform::vbOKOnly | platform::vbExclamation, QStringLiteral("Invalid module type"));
}

QString CLASSOrvDocument::missingModelName() const
{
    const QString code = pageText(kModelCodePage, modelcode::kLength);
    const bool noCode = std::all_of(code.begin(), code.end(), [](QChar c) { return c == QLatin1Char(' ') || c.isNull(); });
    return noCode && !strCustomType.isEmpty() ? strCustomType : strModuleType;
}

int16_t CLASSOrvDocument::intReadModData() { return readModData(false); }

int16_t CLASSOrvDocument::readModDataOfLoad() { return readModData(true); }

int16_t CLASSOrvDocument::readModData(bool sayWhenMissing)
{
    return radiodoc::trapped([&]() -> int16_t {
        strModuleUsed = strCustomType;
        strModelAsMade.clear();

        ModData custom;
        if (findCustomModel(custom)) {
            takeModData(custom);
            return 0;
        }

        if (lookUpModel(strModuleType)) {
            if (!strCustomType.isEmpty() && !customTypeWarned_) {
                warnCustomTypeMissing(strCustomType);
                customTypeWarned_ = true;
            }
            strModuleUsed = strModuleType;
            strModelAsMade = strModuleType;
            return 0;
        }

        if (intPartition == kPartition) {
            if (!readModDataFromPages()) {
                if (sayWhenMissing)
                    sayModelNotInCatalogue(missingModelName());
                return -1;
            }
        } else if (!lookUpModel(strModuleType)) {
            TransferGuard::message(QStringLiteral("The  custome type:[") + strCustomType
                                   + QStringLiteral("] and module type [") + strModuleType
                                   + QStringLiteral("] are not in database. The data displayed may be incorrect!"));
        }
        if (!strCustomType.isEmpty())
            warnCustomTypeMissing(strCustomType);
        strModuleUsed = strModuleType;
        strModelAsMade = strModuleType;
        return 0;
    });
}
