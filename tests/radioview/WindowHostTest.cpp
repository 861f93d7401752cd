// The radio-module window and its host: the shared menu entries run the host's commands, the
// window joins the host when it opens and leaves it when it closes, and without a host no window
// opens.
#include "db/CLASSOrvDB.h"
#include "db/LookupTables.h"
#include "radioview/frmOrvView.h"
#include "shell/Globals.h"
#include "support/FakeDocumentHost.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempDir.h"

#include <QAction>
#include <QCoreApplication>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QString kModel = QStringLiteral("Vr31-15-0000");

class WindowHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CLASSOrvDB::releaseInstance();
        basVelmar::gDatabasePath = testsupport::makeDatabase(folder_.file(QStringLiteral("velmar.mdb")));
        ASSERT_EQ(basVelmar::LoadLookupTables(), 0);
        basVelmar::gToolbarVisible = true;
        host_.emplace();
    }
    void TearDown() override
    {
        host_.reset();
        settle();
        CLASSOrvDB::releaseInstance();
        basVelmar::gDatabasePath.clear();
        basVelmar::gToolbarVisible = true;
    }
    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    static NewModuleArgs newModule(long serial)
    {
        NewModuleArgs args;
        args.model = kModel;
        args.origin = QStringLiteral("Standard");
        args.serial = serial;
        args.maxChannels = 8;
        return args;
    }

    testsupport::ProgramFolder folder_;
    testsupport::ScriptedMsgBox boxes_;
    std::optional<testsupport::FakeDocumentHost> host_;
};

} // namespace

TEST_F(WindowHostTest, SharedEntriesRunTheHostsCommands)
{
    frmOrvView w;
    const std::pair<const char*, HostCommand> entries[] = {
        {"MNUNEW", HostCommand::New},
        {"MNUOPEN", HostCommand::Open},
        {"MNUARCHIVEOPEN", HostCommand::OpenFile},
        {"MNUIMPORT", HostCommand::OpenEpromFile},
        {"MNUCUSTOMTYPE", HostCommand::CustomModels},
        {"MNUMODULEMANAGE", HostCommand::ModuleManagement},
        {"MNUUPDATESTANDARD", HostCommand::ImportStandardModels},
        {"MNUUPDATEUSER", HostCommand::ImportUserModels},
        {"MNUREFERENCES", HostCommand::Preferences},
        {"MNUREADRACK", HostCommand::ReadRack},
        {"MNUREADMODULE", HostCommand::ReadModule},
        {"MNUCASCADE", HostCommand::Cascade},
        {"MNUCONTENTS", HostCommand::HelpContents},
        {"MNUSEARCH", HostCommand::HelpSearch},
        {"MNUABOUT", HostCommand::About},
    };
    for (const auto& [name, command] : entries) {
        QAction* a = w.findChild<QAction*>(QLatin1String(name));
        ASSERT_NE(a, nullptr) << name;
        host_->commands.clear();
        a->trigger();
        EXPECT_EQ(host_->commands, QList<HostCommand>{command}) << name;
    }

    // The Tool bar tick works on the host's toolbar, and takes the program's state on activation.
    QAction* toolbar = w.findChild<QAction*>(QStringLiteral("MNUTOOLBAR"));
    toolbar->trigger();
    toolbar->trigger();
    EXPECT_EQ(host_->toolbarStates, (QList<bool>{false, true}));
    basVelmar::gToolbarVisible = false;
    w.documentMenus();
    EXPECT_FALSE(toolbar->isChecked());
}

TEST_F(WindowHostTest, TheWindowOpensInTheHostAndExitClosesItFirst)
{
    auto* w = new frmOrvView;
    ASSERT_EQ(w->intInitFromNew(newModule(4321)), 0);
    EXPECT_EQ(host_->documentWindows(), QList<IDocumentWindow*>{w});
    EXPECT_EQ(host_->opened, 1);
    EXPECT_GE(host_->refreshed, 1) << "the settings display re-reads the toolbar duties";
    EXPECT_TRUE(w->isVisible());

    // A window kept open (Cancel) keeps the program running; one that closes ends it.
    w->txtUserRemark->setText(QStringLiteral("changed"));
    boxes_.expect(QStringLiteral("The content has changed."), platform::vbCancel);
    w->MNUEXIT_Click();
    EXPECT_TRUE(host_->commands.isEmpty());
    EXPECT_EQ(host_->closed, 0);
    boxes_.expect(QStringLiteral("The content has changed."), platform::vbNo);
    w->MNUEXIT_Click();
    EXPECT_EQ(host_->closed, 1);
    EXPECT_EQ(host_->commands, QList<HostCommand>{HostCommand::Exit});
    settle();
    EXPECT_TRUE(host_->documentWindows().isEmpty());
}

TEST_F(WindowHostTest, WithoutAHostNoWindowOpens)
{
    host_.reset();
    auto* w = new frmOrvView;
    // The grid set-up's status is not looked at; the window says why it cannot show itself.
    boxes_.expect(QStringLiteral("There is no main window to show the module in."));
    w->intInitFromNew(newModule(4322));
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(boxes_.pending(), 0);
    delete w;
}
