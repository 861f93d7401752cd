// Makes the program's database file from its SQL scripts: mkdb <target> <script>...
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
    if (!velmardb::createDatabase(args[1], args.mid(2), &error)) {
        std::fprintf(stderr, "mkdb: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
