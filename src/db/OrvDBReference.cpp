// Reference look-ups: CTCSS tones, the tone-remote lists and grids, FLEX stations and the mute table.
#include "db/CLASSOrvDB.h"

#include "db/DbQuery.h"
#include "db/OrvDBGuard.h"
#include "shell/LocaleNumbers.h"

#include <QSqlQuery>

#include <cmath>

using velmardb::prepare;
using velmardb::run;
using velmardb::toText;

namespace {

// Two CTCSS frequencies closer than this are the same tone (the table holds tenths of a hertz).
constexpr double kCTCSSTolerance = 0.005;

// A frequency space in kHz with three decimals and no 0 before the separator below 1 (12.500, .500).
QString thousandsText(double value) { return basVelmar::formatFixed(value / 1000.0, 3, false); }

[[noreturn]] void noSuchCell(int row, int col)
{
    throw platform::Error(velmardb::kErrSubscript, QStringLiteral("Subscript out of range (row %1, column %2)").arg(row).arg(col));
}

void setCell(IGridControl& grid, int row, int col, const QString& text)
{
    if (row < 0 || row >= grid.Rows() || col < 0 || col >= grid.Cols())
        noSuchCell(row, col);
    grid.setText(row, col, text);
}

QString cellText(const IGridControl& grid, int row, int col)
{
    if (row < 0 || row >= grid.Rows() || col < 0 || col >= grid.Cols())
        noSuchCell(row, col);
    return grid.text(row, col);
}

// A whole number typed into a grid cell; an empty cell reads as `empty` when that is given.
int16_t cellNumber(const IGridControl& grid, int row, int col, std::optional<int16_t> empty)
{
    const QString text = cellText(grid, row, col).trimmed();
    if (text.isEmpty() && empty)
        return *empty;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        throw platform::Error(velmardb::kErrTypeMismatch,
                              QStringLiteral("Type mismatch: '%1' in row %2, column %3 is not a whole number.").arg(text).arg(row).arg(col));
    if (value < INT16_MIN || value > INT16_MAX)
        throw platform::Error(velmardb::kErrOverflow, QStringLiteral("Overflow: %1 in row %2, column %3.").arg(text).arg(row).arg(col));
    return static_cast<int16_t>(value);
}

// Sizes the grid to a header row and one row per row of `table`.
void sizeGrid(const QSqlDatabase& db, const QString& table, IGridControl& grid)
{
    QSqlQuery count = run(db, QStringLiteral("SELECT count(*) FROM %1").arg(table));
    const int rows = count.next() ? velmardb::toLong(count.value(0)) : 0;
    grid.setRows(rows + 1);
    if (grid.Rows() != rows + 1)
        noSuchCell(rows, 0);
}

} // namespace

int16_t CLASSOrvDB::intCTCSSFrequency2CTCSSTone(double dblCTCSSFrequency, int32_t& lngCTCSSTone)
{
    // No tone is tone 0, whatever was looked up before.
    if (dblCTCSSFrequency == 0.0) {
        lngCTCSSTone = 0;
        return 0;
    }
    if (rememberedCTCSS_ && rememberedCTCSS_->first == dblCTCSSFrequency) {
        lngCTCSSTone = rememberedCTCSS_->second;
        return 0;
    }
    return guarded([&]() -> int16_t {
        QSqlQuery q = run(dbAccess(),
                          QStringLiteral("SELECT CTCSSTone FROM tblCTCSS WHERE abs(CTCSSFrequency - ?) < ? "
                                         "ORDER BY abs(CTCSSFrequency - ?)"),
                          {dblCTCSSFrequency, kCTCSSTolerance, dblCTCSSFrequency});
        if (!q.next())
            return -1;
        const int32_t tone = velmardb::toLong(q.value(0));
        lngCTCSSTone = tone;
        rememberedCTCSS_ = std::make_pair(dblCTCSSFrequency, tone);
        return 0;
    });
}

int16_t CLASSOrvDB::intCTCSSTone2CTCSSFrequency(double& dblFrequency, int32_t lngCTCSSTone)
{
    if (lngCTCSSTone == 0) {
        dblFrequency = 0.0;
        return 0;
    }
    return guarded([&]() -> int16_t {
        QSqlQuery q = run(dbAccess(), QStringLiteral("SELECT CTCSSFrequency FROM tblCTCSS WHERE CTCSSTone = ?"), {lngCTCSSTone});
        if (!q.next())
            return -1;
        dblFrequency = velmardb::toDouble(q.value(0));
        return 0;
    });
}

int16_t CLASSOrvDB::fillList(const QString& sql, const QString& column, IListControl& list, bool thousands)
{
    return guarded([&]() -> int16_t {
        QSqlQuery q = run(dbAccess(), sql);
        while (q.next()) {
            const QVariant value = q.value(column);
            if (thousands)
                list.AddItem(thousandsText(velmardb::toDouble(value)));
            else if (value.typeId() == QMetaType::Double)
                list.AddItem(basVelmar::plainNumber(value.toDouble()));
            else
                list.AddItem(toText(value));
        }
        return 0;
    });
}

int16_t CLASSOrvDB::intGetFiveToneStandard(IListControl& cboStandard)
{
    return fillList(QStringLiteral("SELECT FIVETONESTANDARD FROM qryTRFiveToneStandard"), QStringLiteral("FIVETONESTANDARD"),
                    cboStandard, false);
}

int16_t CLASSOrvDB::intGetFunctionToneAction(IListControl& cboAction)
{
    return fillList(QStringLiteral("SELECT FnTAction FROM qryTRFunctionToneAction"), QStringLiteral("FnTAction"), cboAction, false);
}

int16_t CLASSOrvDB::intGetKeytoneFrequency(IListControl& cboKeytoneFrequency)
{
    return fillList(QStringLiteral("SELECT Frequency FROM qryTRKeytoneFrequency"), QStringLiteral("Frequency"),
                    cboKeytoneFrequency, false);
}

int16_t CLASSOrvDB::intFillComboCTCSS(IListControl& comboCTCSSP)
{
    return fillList(QStringLiteral("SELECT CTCSSFrequency FROM qryCTCSS"), QStringLiteral("CTCSSFrequency"), comboCTCSSP, false);
}

int16_t CLASSOrvDB::intFillComboFrequencySpace(IListControl& comboFrequencySpace)
{
    return fillList(QStringLiteral("SELECT FrequencySpace FROM qryFrequencySpace"), QStringLiteral("FrequencySpace"),
                    comboFrequencySpace, true);
}

int16_t CLASSOrvDB::intGetAlarm(IGridControl& grdAlarm)
{
    return guarded([&]() -> int16_t {
        const QSqlDatabase db = dbAccess();
        sizeGrid(db, QStringLiteral("qryTRAlarm"), grdAlarm);
        QSqlQuery q = run(db, QStringLiteral("SELECT alarm FROM qryTRAlarm"));
        for (int row = 1; q.next(); ++row) {
            setCell(grdAlarm, row, 0, QString::number(row));
            setCell(grdAlarm, row, 1, toText(q.value(0)));
        }
        return 0;
    });
}

int16_t CLASSOrvDB::intGetFnTone(IGridControl& grdFnTone)
{
    return guarded([&]() -> int16_t {
        const QSqlDatabase db = dbAccess();
        sizeGrid(db, QStringLiteral("qryTRFnTone"), grdFnTone);
        QSqlQuery q = run(db, QStringLiteral("SELECT ID, FnTone1, FnTone2 FROM qryTRFnTone"));
        for (int row = 1; q.next(); ++row) {
            for (int col = 0; col < 3; ++col)
                setCell(grdFnTone, row, col, toText(q.value(col)));
        }
        return 0;
    });
}

int16_t CLASSOrvDB::intGetAlarmByID(int32_t lngID, QString& strAlarm)
{
    return guarded([&]() -> int16_t {
        QSqlQuery q = run(dbAccess(), QStringLiteral("SELECT alarm FROM qryTRAlarm WHERE id = ?"), {lngID});
        if (!q.next())
            return -1;
        strAlarm = toText(q.value(0));
        return 0;
    });
}

int16_t CLASSOrvDB::intGetFLEXNetworkStation(int16_t intStationNumber, QString& strStationName, int16_t& intPOCSAG,
                                             int16_t& intFLEX1600, int16_t& intFLEX3200, int16_t& intFLEX6400)
{
    return guarded([&]() -> int16_t {
        QSqlQuery q = run(dbAccess(),
                          QStringLiteral("SELECT STATIONNAME, POCSAG, FLEX1600, FLEX3200, FLEX6400 FROM tblFLEXNetwork "
                                         "WHERE StationNumber = ?"),
                          {intStationNumber});
        if (!q.next())
            return -1;
        const QString name = toText(q.value(0));
        const int16_t pocsag = velmardb::toInt16(q.value(1));
        const int16_t flex1600 = velmardb::toInt16(q.value(2));
        const int16_t flex3200 = velmardb::toInt16(q.value(3));
        const int16_t flex6400 = velmardb::toInt16(q.value(4));
        strStationName = name;
        intPOCSAG = pocsag;
        intFLEX1600 = flex1600;
        intFLEX3200 = flex3200;
        intFLEX6400 = flex6400;
        return 0;
    });
}

int16_t CLASSOrvDB::intOpenFlexNetwork(IGridControl& grdTable)
{
    return guarded([&]() -> int16_t {
        QSqlQuery q = run(dbAccess(), QStringLiteral("SELECT StationNumber, STATIONNAME, POCSAG, FLEX1600, FLEX3200, FLEX6400 "
                                                     "FROM tblFLEXNetwork ORDER BY StationNumber"));
        while (q.next()) {
            if (q.value(0).isNull())
                continue;
            const int64_t station = velmardb::toInteger(q.value(0), INT64_MIN, INT64_MAX);
            if (station < 0 || station > 255)
                continue;
            for (int col = 0; col < 6; ++col)
                setCell(grdTable, static_cast<int>(station) + 1, col, toText(q.value(col)));
        }
        return 0;
    });
}

int16_t CLASSOrvDB::intSaveFlexNetwork(const IGridControl& grdTable)
{
    return guarded([&]() -> int16_t {
        // Every row is checked before the table changes; the replacement is one transaction, so a
        // failure keeps the stations stored before.
        QList<QVariantList> rows;
        for (int row = 1; row < grdTable.Rows(); ++row) {
            rows.append({cellNumber(grdTable, row, 0, std::nullopt), cellText(grdTable, row, 1),
                         cellNumber(grdTable, row, 2, int16_t(0)), cellNumber(grdTable, row, 3, int16_t(0)),
                         cellNumber(grdTable, row, 4, int16_t(0)), cellNumber(grdTable, row, 5, int16_t(0))});
        }
        const QSqlDatabase db = dbAccess();
        velmardb::Transaction transaction(db);
        run(db, QStringLiteral("DELETE FROM tblFLEXNetwork"));
        QSqlQuery insert = prepare(db, QStringLiteral("INSERT INTO tblFLEXNetwork (StationNumber, STATIONNAME, POCSAG, FLEX1600, "
                                                      "FLEX3200, FLEX6400) VALUES (?, ?, ?, ?, ?, ?)"));
        for (const QVariantList& values : rows)
            velmardb::exec(insert, values);
        insert.finish();
        transaction.commit();
        return 0;
    });
}

void CLASSOrvDB::ReadMuteTable(QList<int32_t>& MuteArray)
{
    MuteArray.clear();
    QSqlQuery q = run(dbAccess(), QStringLiteral("SELECT Mute_Value FROM tblMute ORDER BY ID"));
    QList<int32_t> values;
    while (q.next())
        values.append(velmardb::toLong(q.value(0)));
    MuteArray = values;
}

void CLASSOrvDB::WriteMuteTable(const QList<int32_t>& MuteArray)
{
    const QSqlDatabase db = dbAccess();
    velmardb::Transaction transaction(db);
    QSqlQuery update = prepare(db, QStringLiteral("UPDATE tblMute SET Mute_Value = ? WHERE ID = ?"));
    for (int i = 0; i < MuteArray.size(); ++i) {
        velmardb::exec(update, {MuteArray[i], i});
        if (update.numRowsAffected() == 0) {
            // Nothing of the table changes: the updates before this one are rolled back.
            platform::MsgBox(QStringLiteral("Update failed on record ") + QString::number(i), platform::vbOKCancel,
                             QStringLiteral("write"));
            return;
        }
    }
    update.finish();
    transaction.commit();
}
