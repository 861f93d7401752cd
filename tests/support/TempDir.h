#pragma once
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A temporary folder that the program's code takes as its program folder while the object lives
// (velmar.ini, velmar.mdb and the help page are looked for there).
class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    // Writes a text file into the folder.
    void write(const QString& name, const QByteArray& content) const;

private:
    QTemporaryDir dir_;
};

// Makes a new database from data/*.sql at `path`, in place of a file the test made there before;
// fails the test when that does not work.
QString makeDatabase(const QString& path);

// The bytes of a file; a file that cannot be read fails the test.
QByteArray readFile(const QString& path);
// Replaces a file by the bytes; a file that cannot be written fails the test.
void writeFile(const QString& path, const QByteArray& bytes);

} // namespace testsupport
