// Times the Module Management dialog over a database of 1000 stored modules (half radio with 145
// pages, half tone remote with 257): from making the dialog to its grid shown, and deleting 100
// selected modules with their pages, the grid refilled after. Runs offscreen unless a platform is
// named. Prints the median and the slowest of each; the targets are under 500 ms to show the grid
// and under 1 s to delete the 100.
#include "db/CLASSOrvDB.h"
#include "modules/frmModuleManagement.h"
#include "platform/MsgBox.h"
#include "support/Measure.h"
#include "support/StoredModules.h"

#include <QApplication>
#include <QTableWidget>

#include <cstdio>
#include <memory>

namespace {

constexpr int kFirstSerial = 100000;
constexpr int kModules = 1000;
constexpr int kDeleted = 100;
constexpr int kFirstDeletedRow = 451;  // grid rows count the caption row

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    CLASSOrvDB& db = openNewDatabase(dir, "bench_module_management");
    storeModules(db, kFirstSerial, kModules);

    // The question is answered OK; any other box ends the benchmark.
    QString lastBox;
    platform::setMsgBoxHandler([&lastBox](const platform::MsgBoxRequest& r) {
        lastBox = r.prompt;
        if (!r.prompt.startsWith(QStringLiteral("Delete ")) && !r.prompt.endsWith(QStringLiteral("deleted from database"))) {
            std::fprintf(stderr, "bench_module_management: %s\n", qPrintable(r.prompt));
            std::exit(1);
        }
        return platform::vbOK;
    });

    const int runs = 10;
    std::unique_ptr<frmModuleManagement> dlg;
    const Figures show = measure(
        "bench_module_management", runs,
        [&] {
            dlg = std::make_unique<frmModuleManagement>();
            dlg->show();
            QApplication::processEvents();
            return dlg->Rows() == kModules + 1;
        },
        [&] { dlg.reset(); });

    const int deleteRuns = 5;
    const int firstDeleted = kFirstSerial + kFirstDeletedRow - 1;
    const Figures remove = measure(
        "bench_module_management", deleteRuns,
        [&] {
            const bool deleted = dlg->intDeleteSelect() == 0 && dlg->Rows() == kModules - kDeleted + 1;
            QApplication::processEvents();
            return deleted && lastBox == QStringLiteral("%1 modules deleted from database").arg(kDeleted);
        },
        [&] {
            // The 100 modules stored afresh (again after the first run).
            dlg.reset();
            for (int serial = firstDeleted; serial < firstDeleted + kDeleted; ++serial)
                db.intDeleteModule(QString::number(serial));
            storeModules(db, firstDeleted, kDeleted);
            dlg = std::make_unique<frmModuleManagement>();
            dlg->show();
            QApplication::processEvents();
            QTableWidget* grid = dlg->grdModule;
            grid->clearSelection();
            grid->setRangeSelected(QTableWidgetSelectionRange(kFirstDeletedRow - 1, 0, kFirstDeletedRow + kDeleted - 2, 5), true);
        });
    dlg.reset();

    std::printf("module management, database with %d stored modules (145 or 257 pages each)\n", kModules);
    std::printf("  grid shown (%d runs):                 median %7.2f ms, slowest %7.2f ms (target < 500 ms)\n", runs,
                show.median, show.slowest);
    std::printf("  %d selected modules deleted (%d runs): median %7.2f ms, slowest %7.2f ms (target < 1000 ms)\n",
                kDeleted, deleteRuns, remove.median, remove.slowest);
    CLASSOrvDB::releaseInstance();
    return 0;
}
