// Tone-remote coefficient look-ups: one reference row's numbered columns C0..Cn into the caller's array.
#include "db/CLASSOrvDB.h"

#include "db/DbQuery.h"
#include "db/OrvDBGuard.h"

#include <QSqlQuery>

#include <limits>

namespace {

const QString kFilterRow = QStringLiteral("SELECT * FROM qryTRFilter WHERE Frequency = ? AND Prefix = ?");
const QString kSlideTable = QStringLiteral("l");
const QString kFirstKeytoneTable = QStringLiteral("p");
const QString kSecondKeytoneTable = QStringLiteral("n");

} // namespace

template <class T>
bool CLASSOrvDB::fetchCoefficients(const QString& sql, const QVariantList& values, std::span<T> out, int lastColumn)
{
    QSqlQuery q = velmardb::run(dbAccess(), sql, values);
    if (!q.next())
        return false;
    for (int i = 0; i <= lastColumn; ++i) {
        if (static_cast<size_t>(i) >= out.size())
            throw platform::Error(velmardb::kErrSubscript, QStringLiteral("Subscript out of range (index %1)").arg(i));
        out[i] = static_cast<T>(velmardb::toInteger(q.value(QStringLiteral("C%1").arg(i)), std::numeric_limits<T>::min(),
                                                    std::numeric_limits<T>::max()));
    }
    return true;
}

template <class T>
int16_t CLASSOrvDB::copyCoefficients(const QString& sql, const QVariantList& values, std::span<T> out, int lastColumn)
{
    return guarded([&]() -> int16_t { return fetchCoefficients(sql, values, out, lastColumn) ? 0 : -1; });
}

int16_t CLASSOrvDB::intGetFiveToneStandardCoef(const QString& strToneStandard, std::span<int16_t> intCoef)
{
    return copyCoefficients(QStringLiteral("SELECT * FROM tblTRFiveToneStandard WHERE FiveToneStandard = ?"), {strToneStandard},
                            intCoef, 23);
}

int16_t CLASSOrvDB::intGetCalculatedCoef(const QString& strSelectCoeff, std::span<int32_t> intCoef)
{
    return copyCoefficients(QStringLiteral("SELECT * FROM tblCoeff WHERE CoeffSelector = ?"), {strSelectCoeff}, intCoef, 32);
}

int16_t CLASSOrvDB::intGetSlideCoef(int32_t lngFrequency, std::span<int16_t> intCoefRT)
{
    return copyCoefficients(kFilterRow, {lngFrequency, kSlideTable}, intCoefRT, 24);
}

int16_t CLASSOrvDB::GetSelcallCodeAdded(const QString& strStandard, std::span<int32_t> ToneCodeArray)
{
    return copyCoefficients(QStringLiteral("SELECT * FROM tblSelcallCode WHERE Tone_Standard = ?"), {strStandard}, ToneCodeArray,
                            23);
}

int16_t CLASSOrvDB::intGetKeyToneFrequencyCoef(int32_t lngFrequency, std::span<int16_t> intCoefLT, std::span<int16_t> intCoefRT)
{
    return guarded([&]() -> int16_t {
        int16_t status = 0;
        // A missing first table still lets the second one be read; a failure ends the look-up.
        if (!fetchCoefficients(kFilterRow, {lngFrequency, kFirstKeytoneTable}, intCoefLT, 24))
            status = -1;
        if (!fetchCoefficients(kFilterRow, {lngFrequency, kSecondKeytoneTable}, intCoefRT, 24))
            status = -1;
        return status;
    });
}
