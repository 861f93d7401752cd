#pragma once
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <cstdint>

class QSqlError;

// Running SQL on the configuration database: every value is bound to a "?" of the statement,
// never written into its text. A failure raises platform::Error with the database's own wording.
namespace velmardb {

// Error numbers the database layer raises (the numbers the program has always shown).
enum ErrorNumber : int {
    kErrSubscript = 9,         // an array or grid without the index asked for
    kErrOverflow = 6,          // a value too large for where it goes
    kErrTypeMismatch = 13,     // a value that is no number where a number is read
    kErrInvalidNull = 94,      // an empty value where a value is read
    kErrNoColumn = 3265,       // a row without a column the program reads
    kErrDatabase = 3146,       // the database refused a statement
    kErrFileNotFound = 3024,   // the database file is not there
    kErrNotDatabase = 3343,    // the file is not a database of this program
    kErrNoDatabase = 3420,     // no database is open
};

// The database's description of a failure.
QString errorText(const QSqlError& error);

// Prepares `sql` and binds `values` to its "?" in order; raises on failure.
QSqlQuery prepare(const QSqlDatabase& db, const QString& sql);
// Runs a prepared statement with the values bound now; raises on failure.
void exec(QSqlQuery& query, const QVariantList& values = {});
// Prepares, binds and runs `sql`; for SELECTs the result is read forward only.
QSqlQuery run(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {});

// Values read from a row, converted as the columns are used; an empty value, a non-number or a
// value outside [min, max] raises. A fractional number read as an integer goes to the nearest
// whole number, a half to the even one.
int64_t toInteger(const QVariant& value, int64_t min, int64_t max);
inline int32_t toLong(const QVariant& v) { return static_cast<int32_t>(toInteger(v, INT32_MIN, INT32_MAX)); }
inline int16_t toInt16(const QVariant& v) { return static_cast<int16_t>(toInteger(v, INT16_MIN, INT16_MAX)); }
inline uint8_t toByte(const QVariant& v) { return static_cast<uint8_t>(toInteger(v, 0, 255)); }
double toDouble(const QVariant& value);
QString toText(const QVariant& value);

// One write transaction: begun at construction (taking the write lock at once), rolled back on
// destruction unless committed.
class Transaction {
public:
    explicit Transaction(const QSqlDatabase& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    QSqlDatabase db_;
    bool open_ = false;
};

} // namespace velmardb
