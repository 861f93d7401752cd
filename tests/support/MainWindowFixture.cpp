#include "support/MainWindowFixture.h"

#include "db/CLASSOrvDB.h"
#include "db/LookupTables.h"
#include "platform/Progress.h"
#include "shell/Globals.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace testsupport {

void MainWindowTest::SetUp()
{
    CLASSOrvDB::releaseInstance();
    basVelmar::gDatabasePath = makeDatabase(folder_.file(QStringLiteral("velmar.mdb")));
    ASSERT_EQ(basVelmar::LoadLookupTables(), 0);
    basVelmar::gOpenViewCount = 0;
    main_ = std::make_unique<frmMain>();
    main_->setToolbarVisible(true);
    main_->show();
}

void MainWindowTest::TearDown()
{
    main_.reset();
    settle();
    CLASSOrvDB::releaseInstance();
    basVelmar::gDatabasePath.clear();
    platform::Progress::instance().reset();
}

void MainWindowTest::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

bool MainWindowTest::buttonEnabled(int index) const { return main_->toolbarButton(index)->isEnabled(); }

QList<QMenu*> MainWindowTest::menuBarMenus() const
{
    QList<QMenu*> out;
    for (QAction* a : main_->menuBar()->actions())
        if (a->menu())
            out << a->menu();
    return out;
}

void MainWindowTest::activate(QWidget* window) const
{
    main_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window->parentWidget()));
    settle();
}

} // namespace testsupport
