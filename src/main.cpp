#include "platform/ui/QtPlatform.h"
#include "app/Startup.h"
#include "docwindow/WindowRegistry.h"
#include "app/frmMain.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmar"));
    platform::installWidgetServices();
    WindowRegistry::registerWindows();
    std::unique_ptr<frmMain> window(basVelmar::Main());
    // Once the main window has closed, the program ends: a help window or a dialog still up does
    // not keep it running, and every event loop (a modal dialog's too) returns.
    QObject::connect(window.get(), &frmMain::shutDown, &app, [] { QCoreApplication::exit(0); });
    // Start-up checks (smoke test, start-up benchmark) ask the program to say when its window is
    // shown and to close then.
    if (qEnvironmentVariableIsSet("VELMAR_EXIT_WHEN_SHOWN")) {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        QTimer::singleShot(0, window.get(), &QWidget::close);
    }
    return app.exec();
}
