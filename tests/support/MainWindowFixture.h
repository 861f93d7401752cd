#pragma once
// The document windows' test bed: a main window shown over a database in a temporary program
// folder, every message box scripted, and what the tests read of the main window.
#include "app/frmMain.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempDir.h"

#include <QList>
#include <gtest/gtest.h>
#include <memory>

class QMenu;
class QWidget;

namespace testsupport {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Lets deleted windows go and pending events run.
    static void settle();
    // Whether the toolbar's button (1-based) is enabled.
    bool buttonEnabled(int index) const;
    // The menus the menu bar shows now.
    QList<QMenu*> menuBarMenus() const;
    // Makes the document window the active one.
    void activate(QWidget* window) const;

    ProgramFolder folder_;
    ScriptedMsgBox boxes_;
    std::unique_ptr<frmMain> main_;
};

} // namespace testsupport
