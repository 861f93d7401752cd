// Makes the program's database file from its SQL scripts, or brings the file that is there up to
// date in place, keeping the modules and models stored in it: mkdb <target> <script>...
#include "db/DatabaseFile.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: mkdb <database file> <script.sql>...\n");
        return 2;
    }
    QString error;
    velmardb::DatabaseUpdate done{};
    if (!velmardb::updateDatabase(args[1], args.mid(2), &error, &done)) {
        std::fprintf(stderr, "mkdb: %s\n", qPrintable(error));
        return 1;
    }
    if (done == velmardb::DatabaseUpdate::Made)
        std::printf("mkdb: made %s\n", qPrintable(args[1]));
    else if (done == velmardb::DatabaseUpdate::Upgraded)
        std::printf("mkdb: upgraded %s, keeping what it holds\n", qPrintable(args[1]));
    return 0;
}
