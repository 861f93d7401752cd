// Test programs run the program's code without a screen: the widgets are offscreen, every message box
// and file dialog is answered by the test's script, and one nobody expected fails the test. The serial
// line runs on the tests' shortened timing (see LineTimingScale.h).
#include "support/LineTimingScale.h"
#include "support/ScriptedMsgBox.h"

#include "docwindow/WindowRegistry.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmar"));
    testsupport::installUnexpectedDialogGuards();
    testsupport::LineTimingScale::shorten();
    WindowRegistry::registerWindows();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
