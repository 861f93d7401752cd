// Module Management: the grid of stored modules, Show and Delete.
#include "ModulesFixture.h"
#include "RecordingWindow.h"

#include "db/CLASSOrvDB.h"
#include "db/DbQuery.h"
#include "modules/frmModuleManagement.h"
#include "shell/Globals.h"
#include "support/PageBytes.h"
#include "support/ScriptedMsgBox.h"

#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using testsupport::ScriptedMsgBox;
using testsupport::page7to0;
using testsupport::textPage;
using WindowKind = WindowRegistry::WindowKind;

namespace {

// Stores page 2 (configuration byte), page 4 (model code) and pages 6-7 (custom model) of a module.
void store(int serial, uint8_t configuration, const char* modelCode = "", const char* custom = "")
{
    CLASSOrvDB& db = CLASSOrvDB::instance();
    const QString sn = QString::number(serial);
    const QByteArray customText = QByteArray(custom).leftJustified(16, ' ');
    ASSERT_EQ(db.intInsertPage(sn, 2, page7to0({0, 0, 0, 0, 0, configuration, 0, 0})), 0);
    ASSERT_EQ(db.intInsertPage(sn, 4, textPage(modelCode)), 0);
    ASSERT_EQ(db.intInsertPage(sn, 6, textPage(customText.left(8))), 0);
    ASSERT_EQ(db.intInsertPage(sn, 7, textPage(customText.mid(8))), 0);
}

void setDates(int serial, const char* created, const char* updated)
{
    velmardb::run(CLASSOrvDB::instance().dbAccess(),
                  QStringLiteral("UPDATE tblModule SET DATECREATE = ?, DATEUPDATE = ? WHERE SERIALNUMBER = ?"),
                  {QString::fromLatin1(created), QString::fromLatin1(updated), serial});
}

bool stored(int serial)
{
    int32_t id = 0;
    return CLASSOrvDB::instance().intSerial2ModuleID(QString::number(serial), id) == 0;
}

} // namespace

class ModuleManagement : public ModulesTest {
protected:
    void SetUp() override
    {
        ModulesTest::SetUp();
        store(100, kReceiverByte, "31050000", "Site Rx");
        store(200, kToneRemoteByte, "91010000");
        store(300, kTransmitterByte, "31150000");
        store(400, 0x45);  // a kind without a name
        store(500, 0x14, "51250000");
        setDates(100, "2024-03-05 00:00:00", "2024-03-06 14:07:09");
    }

    std::unique_ptr<frmModuleManagement> shown()
    {
        auto dlg = std::make_unique<frmModuleManagement>(main.get());
        dlg->show();
        return dlg;
    }

    // Clicks grid row `row` (1 = first data row), with Shift to extend the selection from the last click.
    static void click(frmModuleManagement& dlg, int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTableWidget* grid = dlg.grdModule;
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, cell.center());
    }

    static QStringList serials(const frmModuleManagement& dlg)
    {
        QStringList out;
        for (int row = 1; row < dlg.Rows(); ++row)
            out << dlg.cellText(row, 0);
        return out;
    }
};

TEST_F(ModuleManagement, TheGridListsTheStoredModules)
{
    auto dlg = shown();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Module Management"));
    const QStringList captions{"Serial Number", "Type", "Custom", "Factory", "Date Created", "Date Updated"};
    for (int col = 0; col < 6; ++col)
        EXPECT_EQ(dlg->cellText(0, col), captions[col]);
    ASSERT_EQ(dlg->Rows(), 6);
    const QStringList rows[] = {
        {"100", "Receiver", "Site Rx", "Vr31-05-0000"},
        {"200", "ToneRemote", "", "Vr91-01-0000"},
        {"300", "Transmitter", "", "Vr31-15-0000"},
        {"400", "", "", ""},
        {"500", "Exciter", "", "Vr51-25-0000"},
    };
    for (int row = 1; row <= 5; ++row)
        for (int col = 0; col < 4; ++col)
            EXPECT_EQ(dlg->cellText(row, col), rows[row - 1][col]) << row << "," << col;
    // The date alone at midnight, with the time otherwise.
    const QString created = QLocale().toString(QDate(2024, 3, 5), QLocale::ShortFormat);
    const QString updated = QLocale().toString(QDate(2024, 3, 6), QLocale::ShortFormat);
    EXPECT_EQ(dlg->cellText(1, 4), created);
    EXPECT_TRUE(dlg->cellText(1, 5).startsWith(updated + QLatin1Char(' '))) << dlg->cellText(1, 5).toStdString();
    EXPECT_TRUE(dlg->cellText(1, 5).contains(QStringLiteral("07:09"))) << dlg->cellText(1, 5).toStdString();
}

TEST_F(ModuleManagement, AnEmptyDatabaseGivesTheCaptionRowOnlyAndShowAndDeleteDoNothing)
{
    velmardb::run(CLASSOrvDB::instance().dbAccess(), QStringLiteral("DELETE FROM tblModule"));
    auto dlg = shown();
    EXPECT_EQ(dlg->Rows(), 1);
    ScriptedMsgBox noBoxes;
    QTest::keyClick(dlg->grdModule, Qt::Key_Delete);
    dlg->cmdDelete->click();
    dlg->cmdShow->click();
    EXPECT_TRUE(RecordingWindow::calls.isEmpty());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
}

// Show opens the top row of the selection, loaded from the database, in the window of its type
// (the radio window for a type without a name), and closes the dialog.
TEST_F(ModuleManagement, ShowOpensTheTopSelectedModuleInTheWindowOfItsType)
{
    const struct {
        int first, last;
        const char* serial;
        WindowKind kind;
    } cases[] = {
        {3, 2, "200", WindowKind::ToneRemote},  // selected upwards
        {1, 1, "100", WindowKind::Radio},
        {4, 5, "400", WindowKind::Radio},
    };
    for (const auto& c : cases) {
        RecordingWindow::calls.clear();
        basVelmar::gUnlinkOnViewClose = true;
        auto dlg = shown();
        click(*dlg, c.first);
        click(*dlg, c.last, Qt::ShiftModifier);
        dlg->cmdShow->click();
        ASSERT_EQ(RecordingWindow::calls.size(), 1) << c.serial;
        EXPECT_EQ(RecordingWindow::calls[0].serial, QLatin1String(c.serial));
        EXPECT_EQ(RecordingWindow::calls[0].kind, c.kind);
        EXPECT_EQ(RecordingWindow::calls[0].source, kFromDatabase);
        EXPECT_FALSE(RecordingWindow::calls[0].unlinkOnClose);
        EXPECT_TRUE(basVelmar::gUnlinkOnViewClose);
        EXPECT_FALSE(dlg->isVisible());
    }
}

TEST_F(ModuleManagement, ShowOfAModuleOpenFromTheDatabaseBringsItsWindowForward)
{
    RecordingWindow::openAlready(kFromDatabase, QStringLiteral("300"));
    IDocumentWindow* open = main->documentWindows().first();
    RecordingWindow::openAlready(kFromModule, QStringLiteral("100"));  // read from the rack: another document
    ASSERT_NE(main->activeDocumentWindow(), open);
    main->mdiArea()->subWindowList().first()->showMinimized();

    auto dlg = shown();
    click(*dlg, 3);
    dlg->cmdShow->click();
    EXPECT_TRUE(RecordingWindow::calls.isEmpty());
    EXPECT_EQ(windows(), 2);
    EXPECT_EQ(main->activeDocumentWindow(), open);
    EXPECT_FALSE(open->widget()->parentWidget()->isMinimized());

    dlg = shown();
    click(*dlg, 1);
    dlg->cmdShow->click();
    ASSERT_EQ(RecordingWindow::calls.size(), 1);
    EXPECT_EQ(RecordingWindow::calls[0].serial, QStringLiteral("100"));
}

// Delete asks first, deletes the modules of every selected row, tells how many were deleted with
// their pages, and refills the grid after any delete.
TEST_F(ModuleManagement, DeleteAsksDeletesTheSelectedRowsAndRefillsTheGrid)
{
    auto dlg = shown();
    click(*dlg, 5);
    click(*dlg, 3, Qt::ShiftModifier);  // rows 3 to 5, selected upwards
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Delete 3 modules from the database?"));
    box.expect(QStringLiteral("3 modules deleted from database"));
    dlg->cmdDelete->click();
    EXPECT_EQ(box.shown().first().buttons(), platform::vbOKCancel);
    EXPECT_EQ(box.shown().first().icon(), platform::vbQuestion);
    EXPECT_EQ(serials(*dlg), (QStringList{"100", "200"}));
    EXPECT_TRUE(stored(100) && stored(200));
    EXPECT_FALSE(stored(300) || stored(400) || stored(500));
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(ModuleManagement, CancelAtTheQuestionDeletesNothing)
{
    auto dlg = shown();
    click(*dlg, 2);
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Delete module 200 from the database?"), platform::vbCancel);
    QTest::keyClick(dlg->grdModule, Qt::Key_Delete);
    EXPECT_EQ(serials(*dlg), (QStringList{"100", "200", "300", "400", "500"}));
    EXPECT_TRUE(stored(200));
}

// A module stored without pages is removed but not counted; the grid loses its row all the same.
TEST_F(ModuleManagement, AModuleWithoutPagesIsRemovedButNotCounted)
{
    int32_t id = 0;
    ASSERT_EQ(CLASSOrvDB::instance().intInsertModule(QStringLiteral("600"), id), 0);
    auto dlg = shown();
    ASSERT_EQ(serials(*dlg).last(), QStringLiteral("600"));

    click(*dlg, 6);
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Delete module 600 from the database?"));
    QTest::keyClick(dlg->grdModule, Qt::Key_Delete);
    EXPECT_FALSE(stored(600));
    EXPECT_EQ(serials(*dlg), (QStringList{"100", "200", "300", "400", "500"}));

    ASSERT_EQ(CLASSOrvDB::instance().intInsertModule(QStringLiteral("600"), id), 0);
    ASSERT_EQ(dlg->intShow(), 0);
    click(*dlg, 5);
    click(*dlg, 6, Qt::ShiftModifier);
    box.expect(QStringLiteral("Delete 2 modules from the database?"));
    box.expect(QStringLiteral("1 modules deleted from database"));
    dlg->cmdDelete->click();
    EXPECT_EQ(serials(*dlg), (QStringList{"100", "200", "300", "400"}));
}
