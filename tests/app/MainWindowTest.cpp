#include "AppFixture.h"

#include "db/PageImage.h"
#include "platform/Help.h"
#include "platform/ui/HelpWindow.h"
#include "docwindow/DocumentWindow.h"
#include "docwindow/WindowRegistry.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolBar>

using testsupport::Pty;
using testsupport::ScriptedMsgBox;

namespace {

struct NullDocument : CPageImage {
    int16_t intWritePage(int, const QByteArray&) override { return -1; }
    int16_t intReadPage(int, QByteArray&) const override { return -1; }
    int pageCount() const override { return 0; }
    int lastStoredPage() const override { return 0; }
    bool isToneRemote() const override { return false; }
};

// A document window that counts the toolbar's calls and can refuse to close.
class TestWindow : public QWidget, public IDocumentWindow {
public:
    TestWindow()
    {
        if (frmMain::instance())
            frmMain::instance()->documentWindowOpened();
    }
    ~TestWindow() override
    {
        if (frmMain::instance())
            frmMain::instance()->documentWindowClosed();
    }
    QWidget* widget() override { return this; }
    int16_t intCommandSave() override { return ++saves, 0; }
    int16_t intCommandPrint() override { return ++prints, 0; }
    int16_t CommandWrite() override { return ++writes, 0; }
    CPageImage* getDocument() override { return &doc; }
    int16_t pagesChanged() override { return 0; }
    int16_t intInitFromNew(const NewModuleArgs&) override { return 0; }
    int16_t intInitFromDB(const QString&) override { return 0; }
    int16_t intInitFromModule(const QString&) override { return 0; }
    int16_t intInitFromArchive(const QString&) override { return 0; }
    bool canSave() const override { return saveable; }

    int saves = 0, prints = 0, writes = 0;
    bool refuseClose = false;
    bool saveable = true;
    NullDocument doc;

protected:
    void closeEvent(QCloseEvent* e) override
    {
        if (refuseClose)
            e->ignore();
        else
            e->accept();
    }
};

} // namespace

class MainWindowTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        ASSERT_TRUE(pty.ok());
        writeIni("[Comms]\r\nDevice1=" + pty.slavePath().toLocal8Bit() + "\r\n");
        loadMainWindow();
    }
    TestWindow* openWindow()
    {
        auto* w = new TestWindow;
        window->addDocumentWindow(w);
        return w;
    }
    Pty pty;
};

TEST_F(MainWindowTest, ToolBarEntryTwiceShowsItAgain)
{
    auto* entry = window->findChild<QAction*>(QStringLiteral("MNUTOOLBAR"));
    ASSERT_TRUE(entry->isChecked());
    entry->trigger();
    EXPECT_FALSE(entry->isChecked());
    EXPECT_TRUE(window->ToolbarMain()->isHidden());
    EXPECT_FALSE(basVelmar::gToolbarVisible);
    entry->trigger();
    EXPECT_TRUE(entry->isChecked());
    EXPECT_FALSE(window->ToolbarMain()->isHidden());
    EXPECT_TRUE(basVelmar::gToolbarVisible);
}

TEST_F(MainWindowTest, ToolbarDispatch)
{
    // Write Module with no document window does nothing and shows nothing.
    window->ToolbarMain_ButtonClick(QStringLiteral("Write Module"));

    ScriptedMsgBox box;
    box.expect(QStringLiteral("Error: Invalid Toolbar Selection"));
    window->ToolbarMain_ButtonClick(QStringLiteral("write module"));  // the comparison keeps case
    ASSERT_EQ(box.shown().size(), 1);
    EXPECT_EQ(box.shown()[0].title, QStringLiteral("Error"));
    EXPECT_EQ(box.shown()[0].icon(), platform::vbCritical);

    TestWindow* doc = openWindow();
    window->ToolbarMain_ButtonClick(QStringLiteral("Save"));
    window->ToolbarMain_ButtonClick(QStringLiteral("Print"));
    window->ToolbarMain_ButtonClick(QStringLiteral("Write Module"));
    EXPECT_EQ(doc->saves, 1);
    EXPECT_EQ(doc->prints, 1);
    EXPECT_EQ(doc->writes, 1);
}

// A command whose dialog the program does not have says so instead of doing nothing.
TEST_F(MainWindowTest, CommandsWithoutTheirDialogsSayThisVersionCannotYet)
{
    const struct {
        const char* entry;
        const QString& dialog;
        const char* text;
    } cases[] = {
        {"MNUNEW", WindowRegistry::kNewModule, "This version cannot create new modules yet."},
        {"MNUMODULEMANAGE", WindowRegistry::kModuleManagement, "This version cannot manage the stored modules yet."},
    };
    for (const auto& c : cases)
        WindowRegistry::registerDialog(c.dialog, {});
    ScriptedMsgBox box;
    for (const auto& c : cases) {
        box.expect(QLatin1String(c.text));
        auto* entry = window->findChild<QAction*>(QLatin1String(c.entry));
        ASSERT_TRUE(entry && entry->isEnabled()) << c.entry;
        entry->trigger();
    }
    box.expect(QStringLiteral("This version cannot create new modules yet."));
    window->ToolbarMain_ButtonClick(QStringLiteral("New"));
    EXPECT_EQ(box.shown().size(), 3);
    EXPECT_EQ(box.shown().last().icon(), platform::vbInformation);
    WindowRegistry::registerWindows();
}

TEST_F(MainWindowTest, DocumentButtonsFollowOpenWindows)
{
    TestWindow* a = openWindow();
    TestWindow* b = openWindow();
    EXPECT_EQ(basVelmar::gOpenViewCount, 2);
    for (int i : {3, 4, 8})
        EXPECT_TRUE(window->toolbarButton(i)->isEnabled()) << i;

    // A window whose document cannot be saved turns Save off while it is active.
    b->saveable = false;
    window->refreshForActiveWindow();
    EXPECT_FALSE(window->toolbarButton(3)->isEnabled());
    window->mdiArea()->setActiveSubWindow(window->mdiArea()->subWindowList().first());
    EXPECT_EQ(window->activeDocumentWindow(), a);
    EXPECT_TRUE(window->toolbarButton(3)->isEnabled());

    a->widget()->parentWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(basVelmar::gOpenViewCount, 1);
    EXPECT_TRUE(window->toolbarButton(4)->isEnabled());
    b->widget()->parentWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(basVelmar::gOpenViewCount, 0);
    for (int i : {3, 4, 8})
        EXPECT_FALSE(window->toolbarButton(i)->isEnabled()) << i;
}

TEST_F(MainWindowTest, ExitWaitsForDocumentWindowsAndCanBeCancelled)
{
    TestWindow* doc = openWindow();
    doc->refuseClose = true;
    window->show();
    QSignalSpy shutDown(window.get(), &frmMain::shutDown);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(platform::CommPort::instance().portOpen());
    EXPECT_EQ(window->documentWindows().size(), 1);
    EXPECT_EQ(shutDown.count(), 0) << "a window that stays keeps the program running";

    doc->refuseClose = false;
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(platform::CommPort::instance().portOpen());
    EXPECT_EQ(shutDown.count(), 1) << "the program ends with its main window";
}

TEST_F(MainWindowTest, HelpContentsAndSearch)
{
    {
        ScriptedMsgBox box;
        box.expect(QStringLiteral("Unable to display Help Contents. There is no Help associated with this project."));
        const QString file = window->helpFile();
        window->setHelpFile(QString());
        EXPECT_EQ(window->ShowHelpContent(), 0);
        EXPECT_EQ(box.shown()[0].icon(), platform::vbInformation);
        window->setHelpFile(file);
    }
    {
        // The page is missing from the test's program folder: the failure's text is shown.
        ScriptedMsgBox box;
        box.expect(QStringLiteral("velmar.html"));
        window->ShowHelpSearch();
    }
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELMAR_SOURCE_DIR "/help/velmar.html"), folder.file(QStringLiteral("velmar.html"))));
    window->show();
    EXPECT_EQ(window->ShowHelpContent(), 0);
    platform::HelpWindow* help = platform::HelpWindow::current();
    ASSERT_NE(help, nullptr);
    // The help window belongs to the main window and opens centred over it.
    EXPECT_EQ(help->parentWidget(), window.get());
    EXPECT_TRUE(help->isWindow());
    EXPECT_LE((help->frameGeometry().center() - window->frameGeometry().center()).manhattanLength(), 8);
    EXPECT_EQ(help->tabs->currentIndex(), 0);
    EXPECT_GT(help->lstContents->count(), 3);
    window->ShowHelpSearch();
    EXPECT_EQ(help->tabs->currentIndex(), 1);
    help->txtSearch->setText(QStringLiteral("preferences"));
    EXPECT_GE(help->lstResults->count(), 1);
    EXPECT_FALSE(help->lblNoHits->isVisible());
    // A search without hits says so.
    help->txtSearch->setText(QStringLiteral("no such word anywhere"));
    EXPECT_EQ(help->lstResults->count(), 0);
    EXPECT_TRUE(help->lblNoHits->isVisible());
    EXPECT_EQ(help->lblNoHits->text(), QStringLiteral("No topic contains \"no such word anywhere\"."));

    // Asked for by a dialog, the one help window goes over to it, and goes with it.
    {
        QDialog dialog(window.get());
        dialog.show();
        platform::HelpWindow::show(&dialog, window->helpFile(), platform::HELP_TAB);
        EXPECT_EQ(platform::HelpWindow::current(), help);
        EXPECT_EQ(help->parentWidget(), &dialog);
    }
    EXPECT_EQ(platform::HelpWindow::current(), nullptr);
}

TEST_F(MainWindowTest, MenuTreeAndShortcuts)
{
    struct Entry {
        const char* name;
        const char* caption;
        const char* shortcut;
        bool enabled;
    };
    const Entry entries[] = {
        {"MNUNEW", "&New", "Ctrl+N", true},           {"MNUOPEN", "&Open", "Ctrl+O", true},
        {"MNUARCHIVEOPEN", "Ope&n File", "", true},   {"MNUIMPORT", "O&pen EPROM File", "", true},
        {"mnuSave", "&Save", "Ctrl+S", false},        {"mnuSaveFile", "Sa&ve File", "", false},
        {"mnuSaEprFile", "Save &EPROM File", "", false}, {"MNUCUSTOM", "&Custom Models", "", true},
        {"MNUMODULEMANAGE", "&Module Management", "", true}, {"MNUUPDATESTANDARD", "Import &Standard Models", "", true},
        {"MNUUPDATEUSER", "Import &User Models", "", true}, {"MNUREFERENCES", "P&references...", "", true},
        {"mnuPrint", "&Print", "", false},            {"MNUEXIT", "E&xit", "", true},
        {"MNUTOOLBAR", "&Tool Bar", "", true},        {"MNUREADRACK", "&Read Rack", "F4", true},
        {"MNUREADMODULE", "Read &Module", "F5", true}, {"mnuWrite", "&Write Module", "", false},
        {"MNUCONTENTS", "&Contents", "", true},       {"MNUSEARCH", "&Search", "", true},
        {"MNUABOUT", "&About", "", true},
    };
    for (const Entry& e : entries) {
        auto* a = window->findChild<QAction*>(QLatin1String(e.name));
        ASSERT_NE(a, nullptr) << e.name;
        EXPECT_EQ(a->text(), QLatin1String(e.caption)) << e.name;
        EXPECT_EQ(a->shortcut().toString(), QLatin1String(e.shortcut)) << e.name;
        EXPECT_EQ(a->isEnabled(), e.enabled) << e.name;
    }
    QStringList titles;
    for (QAction* a : window->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&View", "&Communication", "&Help"}));
}
