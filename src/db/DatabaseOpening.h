#pragma once
// How the program opens a database file, and why a file could not be opened in words the user
// can act on. The program never puts a file into write-ahead logging (the mode is stored in the
// file and would then need a writable folder on every later open); files that earlier versions
// left in that mode go back to the rollback journal where their folder allows it, and are opened
// read-only where it does not.
#include <QSqlDatabase>
#include <QString>

namespace velmardb {

// True for a file in write-ahead-log mode whose folder cannot take the log beside it: such a
// file can only be read.
bool needsReadOnlyOpen(const QString& path);

// Points `db` at `path`. A reader opens it with SQLite's locks, so that it never reads a change
// half saved by another program; read-only, except a write-ahead-log file with no log beside it,
// whose connection must be able to take away the log files its reading makes (the caller then
// calls keepFromWriting). Without locks only where nothing else can read the file: a
// write-ahead-log file with no log beside it in a folder that cannot take one.
void setDatabaseFile(QSqlDatabase& db, const QString& path, bool readOnly);

// Makes the connection refuse every change; false when it cannot.
bool keepFromWriting(const QSqlDatabase& db);

// Switches a file in write-ahead-log mode back to the rollback journal; a file that cannot be
// switched stays as it is.
void keepRollbackJournal(const QSqlDatabase& db);

// What went wrong on the connection's last statement: SQLite's result code and text, and the
// operating system's error number when SQLite had one (0 otherwise).
struct SqliteFailure {
    int code = 0;
    int systemError = 0;
    QString text;
};
SqliteFailure lastFailure(const QSqlDatabase& db);
// The same for a connection that did not open at all (SQLite has closed it again): the system's
// reason is asked of the file itself.
SqliteFailure openFailure(const QSqlDatabase& db, const QString& path);

// The error number and message for a file that could not be opened: a file that is no database
// says so, a full disk is named, a file that another program left in the middle of a change (its
// journal beside it, which only a writer can roll back) says so, any other cause is SQLite's with
// the operating system's reason.
struct OpenFailure {
    int number = 0;
    QString text;
};
OpenFailure describeOpenFailure(const QString& path, const SqliteFailure& failure);

} // namespace velmardb
