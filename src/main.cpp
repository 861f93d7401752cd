#include "platform/ui/QtPlatform.h"
#include "shell/ui/Startup.h"
#include "shell/ui/WindowRegistry.h"
#include "shell/ui/frmMain.h"

#include <QApplication>
#include <QTimer>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmar"));
    platform::installWidgetServices();
    WindowRegistry::registerWindows();
    std::unique_ptr<frmMain> window(basVelmar::Main());
    // Start-up checks (smoke test, start-up benchmark) ask the program to close once it is shown.
    if (qEnvironmentVariableIsSet("VELMAR_EXIT_WHEN_SHOWN"))
        QTimer::singleShot(0, window.get(), &QWidget::close);
    return app.exec();
}
