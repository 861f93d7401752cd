#include "db/LookupTables.h"

#include "db/CLASSOrvDB.h"
#include "db/DbQuery.h"

#include <QSqlQuery>

namespace basVelmar {
namespace {

constexpr int kTonesPerStandard = 24;

// The 24 tones of the first row of `standard` (column positions 2 to 25) into `collection`.
void loadToneStandard(const QSqlDatabase& db, const QString& standard, KeyedCollection<cToneStd>& collection)
{
    QSqlQuery q = velmardb::run(
        db, QStringLiteral("SELECT * FROM tonestandards WHERE FiveToneStandard = ? ORDER BY ID"), {standard});
    if (!q.next())
        return;
    for (int k = 1; k <= kTonesPerStandard; ++k) {
        cToneStd tone;
        tone.iType = 0;
        tone.ID = k;
        tone.Tone = velmardb::toLong(q.value(k + 1));
        collection.Add(tone, QString::number(k));
    }
}

} // namespace

int16_t LoadLookupTables()
{
    gCTCSS.Clear();
    gFrequencySteps.Clear();
    gFirmwareVersions.Clear();
    gFnToneStandard.Clear();
    gDTMFToneStandard.Clear();

    const QSqlDatabase db = CLASSOrvDB::instance().dbAccess();

    QSqlQuery q = velmardb::run(db, QStringLiteral("SELECT ID, CTCSSTone, CTCSSFrequency FROM tblCTCSS ORDER BY ID"));
    while (q.next()) {
        cCTCSS tone;
        tone.ID = velmardb::toLong(q.value(0));
        tone.Tone = velmardb::toLong(q.value(1));
        tone.Frequency = velmardb::toDouble(q.value(2));
        gCTCSS.Add(tone, QString::number(tone.ID));
    }

    q = velmardb::run(db, QStringLiteral("SELECT ID, FirmwareVersion FROM tblFirmwareVersion ORDER BY ID"));
    while (q.next()) {
        cModuleVersionNumber version;
        version.ID = velmardb::toLong(q.value(0));
        version.Version = velmardb::toDouble(q.value(1));
        gFirmwareVersions.Add(version, QString::number(version.ID));
    }

    q = velmardb::run(db, QStringLiteral("SELECT ID, FrequencySpace FROM tblFrequencySpace ORDER BY FrequencySpace"));
    while (q.next()) {
        cFrequencyStep step;
        step.ID = velmardb::toLong(q.value(0));
        step.Step = velmardb::toDouble(q.value(1));
        gFrequencySteps.Add(step, QString::number(step.ID));
    }
    q.finish();

    loadToneStandard(db, kFnToneStandardName, gFnToneStandard);
    loadToneStandard(db, kDTMFToneStandardName, gDTMFToneStandard);
    return 0;
}

} // namespace basVelmar
