// Times the import of module models from another database file of this program: 1000 standard
// models into a catalogue that lacks them (all added), the same again (all refreshed), and 1000 user
// models appended. Prints the median and the slowest of each; the target is under 1 s for each.
#include "db/CLASSOrvDB.h"
#include "db/DatabaseFile.h"
#include "db/DbQuery.h"
#include "platform/MsgBox.h"
#include "shell/Globals.h"
#include "support/Measure.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kModels = 1000;

void fail(const QString& why)
{
    std::fprintf(stderr, "bench_import: %s\n", qPrintable(why));
    std::exit(1);
}

QString makeDatabase(const QTemporaryDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    QString error;
    if (!velmardb::createDatabase(path, velmardb::databaseScripts(QStringLiteral(VELMAR_SOURCE_DIR)), &error))
        fail(error);
    return path;
}

// A source file holding 1000 standard and 1000 user models.
QString makeSource(const QTemporaryDir& dir)
{
    const QString path = makeDatabase(dir, QStringLiteral("source.mdb"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-source"));
        db.setDatabaseName(path);
        if (!db.open())
            fail(QStringLiteral("cannot open the source"));
        velmardb::Transaction t(db);
        QSqlQuery add = velmardb::prepare(db, QStringLiteral("INSERT INTO tblMODData (MODULENUMB, Lowerfreql, Upperfreql, Ref1, Ref2, "
                                                             "IntFreq, TCXOFreq, Prescalar, Doubled, Type, InfoType) VALUES "
                                                             "(?, 148000000, 174000000, 12500, 6250, ?, 12800000, 64, 'NO', ?, ?)"));
        const QString kinds[] = {QStringLiteral("Receiver"), QStringLiteral("Transmitter"), QStringLiteral("Exciter")};
        for (int m = 0; m < kModels; ++m) {
            velmardb::exec(add, {QStringLiteral("Std-%1").arg(m, 4, 10, QLatin1Char('0')), m % 3 ? 0 : 21400000, kinds[m % 3],
                                 QStringLiteral("Standard")});
            velmardb::exec(add, {QStringLiteral("Usr-%1").arg(m, 4, 10, QLatin1Char('0')), m % 3 ? 0 : -21400000, kinds[m % 3],
                                 QStringLiteral("User")});
        }
        add.finish();
        t.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-source"));
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString source = makeSource(dir);
    const QString destination = makeDatabase(dir, QStringLiteral("velmar.mdb"));
    basVelmar::gDatabasePath = destination;
    // The imports' summaries are answered without a screen.
    platform::setMsgBoxHandler([](const platform::MsgBoxRequest&) { return platform::vbOK; });
    CLASSOrvDB& db = CLASSOrvDB::instance();
    const auto removeModels = [&db](const char* like) {
        return [&db, like] { velmardb::run(db.dbAccess(), QStringLiteral("DELETE FROM tblMODData WHERE MODULENUMB LIKE ?"), {QLatin1String(like)}); };
    };

    const int runs = 9;
    const auto standard = [&] { return db.intImportStandardDB(source) == 0; };
    const Figures added = measure("bench_import", runs, standard, removeModels("Std-%"));
    const Figures updated = measure("bench_import", runs, standard);
    const Figures appended = measure("bench_import", runs, [&] { return db.intImportUserDB(source) == 0; }, removeModels("Usr-%"));

    std::printf("model import, %d runs each, %d models from another database file (target < 1 s each)\n", runs, kModels);
    std::printf("  standard models, all added:     median %7.2f ms, slowest %7.2f ms\n", added.median, added.slowest);
    std::printf("  standard models, all refreshed: median %7.2f ms, slowest %7.2f ms\n", updated.median, updated.slowest);
    std::printf("  user models, all appended:      median %7.2f ms, slowest %7.2f ms\n", appended.median, appended.slowest);
    CLASSOrvDB::releaseInstance();
    return 0;
}
