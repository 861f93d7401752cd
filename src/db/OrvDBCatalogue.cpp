// The module-type catalogue (qryModData over tblMODData) and the firmware compatibility list.
#include "db/CLASSOrvDB.h"

#include "db/CatalogueTexts.h"
#include "db/CModule.h"
#include "db/DbQuery.h"
#include "db/OrvDBGuard.h"
#include "shell/ModuleType.h"

#include <QSqlQuery>

using velmardb::run;
using velmardb::toLong;
using velmardb::toText;

namespace {

// The doubler text of a model without a frequency doubler; every other text counts as fitted.
const QString kNoDoubler = QStringLiteral("NO");

QString trimEnd(QString s)
{
    while (!s.isEmpty() && s.back().isSpace())
        s.chop(1);
    return s;
}

// The kind code (0 to 3) of a catalogue type text, trailing blanks ignored; -1 for another text.
int16_t kindOf(const QVariant& typeColumn)
{
    const int16_t code = basVelmar::intModuleTypeFromText(trimEnd(toText(typeColumn)));
    return code >= basVelmar::kReceiver && code <= basVelmar::kToneRemote ? code : -1;
}

bool doubled(const QVariant& doubledColumn) { return doubledColumn.isNull() || doubledColumn.toString() != kNoDoubler; }

// The radio-frequency columns of a catalogue row: band edges, references, intermediate and TCXO
// frequencies, prescaler and doubler.
void takeRfColumns(const QSqlQuery& q, ModData& read)
{
    read.lngLowFreq = toLong(q.value(QStringLiteral("Lowerfreql")));
    read.lngUpFreq = toLong(q.value(QStringLiteral("Upperfreql")));
    read.lngRef1 = toLong(q.value(QStringLiteral("Ref1")));
    read.lngRef2 = toLong(q.value(QStringLiteral("Ref2")));
    read.lngIntFreq = toLong(q.value(QStringLiteral("IntFreq")));
    read.lngTCXOFreq = toLong(q.value(QStringLiteral("TCXOFreq")));
    read.intPrescalar = velmardb::toInt16(q.value(QStringLiteral("Prescalar")));
    read.boolDoubled = doubled(q.value(QStringLiteral("Doubled")));
}

const QString kSelectByNumber = QStringLiteral("SELECT * FROM qryModData WHERE MODULENUMB = ? COLLATE NOCASE");

} // namespace

int16_t CLASSOrvDB::readModDataRow(const QString& sql, const QVariantList& values, ModData& data)
{
    QSqlQuery q = run(dbAccess(), sql, values);
    if (!q.next())
        return -1;
    ModData read = data;
    read.lngID = toLong(q.value(QStringLiteral("ID")));
    takeRfColumns(q, read);
    const int16_t kind = kindOf(q.value(QStringLiteral("Type")));
    if (kind >= 0) {
        read.intType = kind;
        // Only a receiver has an intermediate frequency.
        if (kind != basVelmar::kReceiver)
            read.lngIntFreq = 0;
    }
    read.strInfoType = toText(q.value(QStringLiteral("InfoType")));
    read.lngBanLFreq = velmardb::toDouble(q.value(QStringLiteral("BANLF")));
    read.lngBanUFreq = velmardb::toDouble(q.value(QStringLiteral("BANHF")));
    data = read;
    return 0;
}

int16_t CLASSOrvDB::intReadModData(const QString& strModType, ModData& data)
{
    return guarded([&]() -> int16_t {
        if (readModDataRow(kSelectByNumber, {strModType}, data) == 0)
            return 0;
        // Not in the catalogue: the first model of the same series.
        const QString key = strModType.size() > 7 && strModType.startsWith(QStringLiteral("Vr"))
                                ? strModType.left(7) + QStringLiteral("-0000")
                                : strModType;
        return readModDataRow(QStringLiteral("SELECT * FROM qryModData WHERE substr(MODULENUMB, 1, length(?)) = ? "
                                             "COLLATE NOCASE ORDER BY MODULENUMB COLLATE NOCASE"),
                              {key, key}, data);
    });
}

int16_t CLASSOrvDB::ReadFactModel(const QString& strModuleType, ModData& data)
{
    return guarded([&]() -> int16_t {
        if (readModDataRow(kSelectByNumber, {strModuleType.left(8) + QStringLiteral("0000")}, data) == 0)
            return 0;
        if (strModuleType.size() == 7)
            return readModDataRow(kSelectByNumber, {strModuleType}, data);
        return -1;
    });
}

int16_t CLASSOrvDB::intBrowserModData(const QString& strModuleType, ModData& data)
{
    return guarded([&]() -> int16_t {
        QSqlQuery q = run(dbAccess(), kSelectByNumber, {strModuleType});
        if (!q.next())
            return -1;
        ModData read = data;
        takeRfColumns(q, read);
        const int16_t kind = kindOf(q.value(QStringLiteral("Type")));
        if (kind >= basVelmar::kReceiver && kind <= basVelmar::kExciter)
            read.intType = kind;
        read.boolStandard = trimEnd(toText(q.value(QStringLiteral("InfoType")))) == CModule::kStandardModel;
        data = read;
        return 0;
    });
}

int16_t CLASSOrvDB::intGetModuleData(QList<std::shared_ptr<CModule>>& ModuleS)
{
    return guarded([&]() -> int16_t {
        QSqlQuery q = run(dbAccess(), QStringLiteral("SELECT * FROM qryModData"));
        while (q.next()) {
            auto model = std::make_shared<CModule>();
            const int16_t status =
                model->intInit(toText(q.value(QStringLiteral("MODULENUMB"))).trimmed(), toLong(q.value(QStringLiteral("Lowerfreql"))),
                               toLong(q.value(QStringLiteral("Upperfreql"))), toLong(q.value(QStringLiteral("Ref1"))),
                               toLong(q.value(QStringLiteral("Ref2"))), toLong(q.value(QStringLiteral("IntFreq"))),
                               toLong(q.value(QStringLiteral("TCXOFreq"))), velmardb::toInt16(q.value(QStringLiteral("Prescalar"))),
                               toText(q.value(QStringLiteral("Doubled"))), toText(q.value(QStringLiteral("Type"))).trimmed(),
                               toText(q.value(QStringLiteral("InfoType"))).trimmed());
            if (status != 0)
                return -1;
            ModuleS.append(model);
        }
        return 0;
    });
}

int16_t CLASSOrvDB::intUpdateModData(int32_t& lngID, const QString& strModule, const ModData& data)
{
    return guarded([&]() -> int16_t {
        const QSqlDatabase db = dbAccess();
        velmardb::Transaction transaction(db);
        QSqlQuery found = run(db, QStringLiteral("SELECT ID FROM tblMODData WHERE ID = ?"), {lngID});
        const bool exists = found.next();
        found.finish();

        QStringList columns{QStringLiteral("MODULENUMB"), QStringLiteral("Lowerfreql"), QStringLiteral("Upperfreql"),
                            QStringLiteral("Ref1"),       QStringLiteral("Ref2"),       QStringLiteral("IntFreq"),
                            QStringLiteral("TCXOFreq"),   QStringLiteral("Prescalar"),  QStringLiteral("Doubled"),
                            QStringLiteral("InfoType")};
        QVariantList values{strModule,          data.lngLowFreq,  data.lngUpFreq,
                            data.lngRef1,       data.lngRef2,     data.lngIntFreq,
                            data.lngTCXOFreq,   data.intPrescalar, data.boolDoubled ? CModule::kDoublerFitted : kNoDoubler,
                            data.strInfoType};
        // A kind code outside 0 to 3 leaves the row's type as it was.
        if (data.intType >= basVelmar::kReceiver && data.intType <= basVelmar::kToneRemote) {
            columns.append(QStringLiteral("Type"));
            values.append(basVelmar::strModuleTypeText(data.intType));
        }

        catalogue::requireStorableTexts(values);

        int32_t id = lngID;
        if (exists) {
            QStringList sets;
            for (const QString& c : columns)
                sets.append(c + QStringLiteral(" = ?"));
            values.append(lngID);
            run(db, QStringLiteral("UPDATE tblMODData SET %1 WHERE ID = ?").arg(sets.join(QStringLiteral(", "))), values);
        } else {
            const QString marks = QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", "));
            QSqlQuery added =
                run(db, QStringLiteral("INSERT INTO tblMODData (%1) VALUES (%2)").arg(columns.join(QStringLiteral(", ")), marks), values);
            id = toLong(added.lastInsertId());
        }
        transaction.commit();
        lngID = id;
        return 0;
    });
}

int16_t CLASSOrvDB::intDeleteModData(int32_t lngID)
{
    return guarded([&]() -> int16_t {
        const QSqlDatabase db = dbAccess();
        QSqlQuery found = run(db, QStringLiteral("SELECT ID FROM qryModData WHERE ID = ?"), {lngID});
        if (!found.next())
            return -1;
        found.finish();
        run(db, QStringLiteral("DELETE FROM qryModData WHERE ID = ?"), {lngID});
        return 0;
    });
}

int16_t CLASSOrvDB::intCompatibleCheck(double dblOrvVer, double dblFirmVer)
{
    return guarded([&]() -> int16_t {
        QSqlQuery q = run(dbAccess(), QStringLiteral("SELECT 1 FROM qryCompatible WHERE VelmarWinVersion = ? AND FirmwareVersion = ?"),
                          {dblOrvVer, dblFirmVer});
        return q.next() ? 0 : -1;
    });
}
