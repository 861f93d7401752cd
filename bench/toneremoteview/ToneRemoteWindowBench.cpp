// Times opening a tone-remote module in its window inside the main window, without a rack: from
// the New Module dialog's call and from the Open dialog's call (a module stored in the database)
// to the window shown with every tab filled. Runs offscreen unless a platform is named. Prints the
// median and the slowest of each; the target is under 300 ms.
#include "app/frmMain.h"
#include "db/LookupTables.h"
#include "docwindow/DocumentWindow.h"
#include "docwindow/DocumentWindowOpen.h"
#include "docwindow/WindowRegistry.h"
#include "platform/MsgBox.h"
#include "support/Measure.h"
#include "support/StoredModules.h"
#include "toneremote/COrvDocTR.h"

#include <QApplication>
#include <QMdiArea>
#include <QWidget>

#include <cstdio>

namespace {

constexpr long kStoredSerial = 4711;
const char* const kName = "bench_toneremote_window";

// Opens through `opener` and lets the main window show the window; true when it is up.
bool openShown(frmMain& main, const std::function<int16_t(IDocumentWindow&)>& opener)
{
    if (openInNewDocumentWindow(WindowRegistry::WindowKind::ToneRemote, opener) != 0)
        return false;
    QApplication::processEvents();
    const QList<IDocumentWindow*> windows = main.documentWindows();
    return windows.size() == 1 && windows.first()->widget()->isVisible();
}

void closeAll(frmMain& main)
{
    main.mdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    openNewDatabase(dir, kName);
    if (basVelmar::LoadLookupTables() != 0)
        return 1;
    platform::setMsgBoxHandler([](const platform::MsgBoxRequest& r) {
        std::fprintf(stderr, "%s: %s\n", kName, qPrintable(r.prompt));
        std::exit(1);
        return platform::vbOK;
    });
    WindowRegistry::registerWindows();

    // The stored module: a whole new document's pages.
    {
        COrvDocTR doc;
        if (doc.NewToneRemote(QStringLiteral("Vr71-05-0000"), true, kStoredSerial, QStringLiteral("0000"),
                              QDate(2024, 1, 15), 0xE0)
                != 0
            || doc.NewDocument() != 0 || doc.intDocument2DB() != 0)
            return 1;
    }

    frmMain main;
    main.show();
    QApplication::processEvents();

    NewModuleArgs args;
    args.model = QStringLiteral("Vr71-05-0000");
    args.origin = QStringLiteral("Standard");
    args.serial = 99;
    const int runs = 20;
    const Figures fromNew = measure(
        kName, runs, [&] { return openShown(main, [&](IDocumentWindow& w) { return w.intInitFromNew(args); }); },
        [&] { closeAll(main); });
    const Figures fromDatabase = measure(
        kName, runs,
        [&] {
            return openShown(main, [](IDocumentWindow& w) { return w.intInitFromDB(QString::number(kStoredSerial)); });
        },
        [&] { closeAll(main); });
    closeAll(main);

    std::printf(
        "tone-remote window shown, from New:              median %7.1f ms, slowest %7.1f ms (target < 300 ms)\n",
        fromNew.median, fromNew.slowest);
    std::printf(
        "tone-remote window shown, from Open (database):  median %7.1f ms, slowest %7.1f ms (target < 300 ms)\n",
        fromDatabase.median, fromDatabase.slowest);
    return 0;
}
