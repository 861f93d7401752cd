// The New dialog: the catalogue's models by kind, the proposed serial number, its checks, and OK
// opening a new document in the window of the model's kind.
#include "ModulesFixture.h"
#include "RecordingWindow.h"

#include "db/CLASSOrvDB.h"
#include "db/DbQuery.h"
#include "db/LookupTables.h"
#include "modules/frmNewModule.h"
#include "platform/PlatformError.h"
#include "radio/RadioPageLayout.h"
#include "radioview/frmOrvView.h"
#include "shell/Globals.h"
#include "support/ScriptedMsgBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using testsupport::ScriptedMsgBox;
using WindowKind = WindowRegistry::WindowKind;

namespace {

void addModel(const char* name, const char* type, const char* info, int lower, int upper, int ref1, int ref2)
{
    velmardb::run(CLASSOrvDB::instance().dbAccess(),
                  QStringLiteral("INSERT INTO tblMODData (MODULENUMB, Lowerfreql, Upperfreql, Ref1, Ref2, IntFreq, TCXOFreq, "
                                 "Prescalar, Doubled, Type, InfoType) VALUES (?, ?, ?, ?, ?, 21400000, 12800000, 64, 'NO', ?, ?)"),
                  {QString::fromLatin1(name), lower, upper, ref1, ref2, QString::fromLatin1(type), QString::fromLatin1(info)});
}

QStringList lines(const QListWidget& list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

void selectLine(QListWidget& list, int row) { list.item(row)->setSelected(true); }

} // namespace

class NewModule : public ModulesTest {
protected:
    void SetUp() override
    {
        ModulesTest::SetUp();
        // Beside the standard models of a new database.
        addModel("Site Rx", "Receiver", "User", 1500000, 2500000, 0, 0);
        // A name longer than the line's column, beginning as the one before.
        addModel("Site Rx Long Name", "Receiver", "User", 400000000, 470000000, 25000, 0);
        addModel("Line TR", "ToneRemote", "User", 0, 0, 0, 0);
    }

    std::unique_ptr<frmNewModule> shown()
    {
        auto dlg = std::make_unique<frmNewModule>(main.get());
        dlg->show();
        return dlg;
    }
};

TEST_F(NewModule, ListsTheModelsByKindAndProposesSerialOneOnAnEmptyDatabase)
{
    frmNewModule dlg(main.get());
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("New"));
    EXPECT_EQ(lines(*dlg.lstRx), (QStringList{QStringLiteral("Site Rx       Receiver      User"),
                                              QStringLiteral("Site Rx Long  Receiver      User"),
                                              QStringLiteral("Vr31-05-0000  Receiver      Standard"),
                                              QStringLiteral("Vr51-05-0000  Receiver      Standard")}));
    EXPECT_EQ(lines(*dlg.lstTx), (QStringList{QStringLiteral("Vr31-15-0000  Transmitter   Standard"),
                                              QStringLiteral("Vr51-15-0000  Transmitter   Standard")}));
    EXPECT_EQ(lines(*dlg.lstEx), (QStringList{QStringLiteral("Vr31-25-0000  Exciter       Standard"),
                                              QStringLiteral("Vr51-25-0000  Exciter       Standard")}));
    EXPECT_EQ(lines(*dlg.lstToneRemote), (QStringList{QStringLiteral("Line TR       ToneRemote    User"),
                                                      QStringLiteral("Vr71-05-0000  ToneRemote    Standard")}));
    EXPECT_EQ(dlg.txtSerial->text(), QStringLiteral("1"));
}

TEST_F(NewModule, ProposesTheNumberAfterTheHighestFreeOne)
{
    for (const char* serial : {"5", "99"}) {
        int32_t id = 0;
        ASSERT_EQ(CLASSOrvDB::instance().intInsertModule(QString::fromLatin1(serial), id), 0);
    }
    frmNewModule dlg(main.get());
    EXPECT_EQ(dlg.txtSerial->text(), QStringLiteral("100"));
}

// Unsaved new windows hold their serial numbers: the next New proposes another one.
TEST_F(NewModule, ProposesNoNumberAnOpenWindowHolds)
{
    int32_t id = 0;
    ASSERT_EQ(CLASSOrvDB::instance().intInsertModule(QStringLiteral("3004"), id), 0);
    QStringList proposed;
    for (int16_t source : {kFromNew, kFromNew, kFromModule}) {
        frmNewModule dlg(main.get());
        proposed << dlg.txtSerial->text();
        RecordingWindow::openAlready(source, proposed.last());
    }
    EXPECT_EQ(proposed, (QStringList{"3005", "3006", "3007"}));
}

TEST_F(NewModule, AnEmptyCatalogueGivesEmptyListsAndOkAsksForAModel)
{
    velmardb::run(CLASSOrvDB::instance().dbAccess(), QStringLiteral("DELETE FROM tblMODData"));
    auto dlg = shown();
    for (QListWidget* list : {dlg->lstRx, dlg->lstTx, dlg->lstEx, dlg->lstToneRemote})
        EXPECT_EQ(list->count(), 0);
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Please select module type!"));
    dlg->cmdOK->click();
    EXPECT_EQ(box.shown().last().icon(), platform::vbExclamation);
    EXPECT_EQ(box.shown().last().title, QStringLiteral("Missing Parameter"));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(RecordingWindow::calls.isEmpty());
}

TEST_F(NewModule, ClickingAModelShowsItsBandAndReferences)
{
    frmNewModule dlg(main.get());
    const struct {
        int row;
        const char* band;
        const char* ref1;
        const char* ref2;
    } cases[] = {
        {2, "148.000 - 174.000 (MHZ)", "12500", "6250"},
        {0, "1.500 - 2.500 (MHZ)", "", ""},  // references of 0 empty the boxes
        {1, "400.000 - 470.000 (MHZ)", "25000", ""},  // its own model, not the one its line's name begins
    };
    for (const auto& c : cases) {
        dlg.lstRx->setCurrentRow(c.row, QItemSelectionModel::ClearAndSelect);
        EXPECT_EQ(dlg.txtFrequencyRx->text(), QLatin1String(c.band)) << c.row;
        EXPECT_EQ(dlg.txtRef1Rx->text(), QLatin1String(c.ref1)) << c.row;
        EXPECT_EQ(dlg.txtRef2Rx->text(), QLatin1String(c.ref2)) << c.row;
    }
    dlg.lstTx->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(dlg.txtFrequencyTx->text(), QStringLiteral("148.000 - 174.000 (MHZ)"));
    EXPECT_TRUE(dlg.txtFrequencyRx->text().startsWith(QStringLiteral("400.000")));
}

// The serial number is checked on leaving its box for another control, and again by OK whatever
// the focus did; a refused number keeps the dialog and puts the focus back into the box.
TEST_F(NewModule, SerialNumberChecks)
{
    const struct {
        const char* serial;
        const char* message;  // empty: accepted
    } cases[] = {
        {"16777124", ""},
        {"0", ""},
        {"16777125", "Serial number must not exceed 16777124!"},
        {"99999999", "Serial number must not exceed 16777124!"},
        {"-1", "Serial number must be positive number!"},
        {"12a", "Serial number must be numeric!"},
        {"1.5", "Serial number must be numeric!"},
        {"", "Serial number must be numeric!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.serial);
        auto dlg = shown();
        QApplication::setActiveWindow(dlg.get());
        dlg->txtSerial->setFocus();
        dlg->txtSerial->setText(QLatin1String(c.serial));
        const bool refused = *c.message != 0;
        {
            ScriptedMsgBox box;
            if (refused)
                box.expect(QLatin1String(c.message));
            dlg->lstRx->setFocus();  // leaves the box
            QApplication::processEvents();
            if (refused) {
                EXPECT_EQ(box.shown().last().icon(), platform::vbCritical);
                EXPECT_EQ(box.shown().last().title, QStringLiteral("Wrong Serial Number"));
            }
            EXPECT_EQ(QApplication::focusWidget(), refused ? static_cast<QWidget*>(dlg->txtSerial) : dlg->lstRx);
        }
        if (!refused)
            continue;
        selectLine(*dlg->lstRx, 0);
        ScriptedMsgBox box;
        box.expect(QLatin1String(c.message));
        dlg->cmdOK->click();
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(dlg->result(), QDialog::Rejected);
        EXPECT_EQ(QApplication::focusWidget(), dlg->txtSerial);
        EXPECT_TRUE(RecordingWindow::calls.isEmpty());
    }
}

TEST_F(NewModule, ConsistencyCheckOfTheOkStep)
{
    frmNewModule dlg(main.get());
    ScriptedMsgBox box;
    const struct {
        const char* serial;
        const char* message;
    } cases[] = {
        {"12a", "Serial must be number. "},
        {"-5", "Serial Number should be between [0- 99999999]. "},
        {"12345678", nullptr},
    };
    for (const auto& c : cases) {
        dlg.txtSerial->setText(QLatin1String(c.serial));
        if (c.message)
            box.expect(QLatin1String(c.message));
        EXPECT_EQ(dlg.intConsistencyCheck(), c.message ? -1 : 0) << c.serial;
    }
}

// OK opens the first selected model of the showing tab in a new window of its kind, with the
// model, its origin, the serial number, suffix "0000", today's date, 128 channels and partition 16.
TEST_F(NewModule, OkOpensTheFirstSelectedModelInTheWindowOfItsKind)
{
    const struct {
        int tab;
        std::vector<int> selected;
        WindowKind kind;
        const char* model;
        const char* origin;
    } cases[] = {
        {0, {2}, WindowKind::Radio, "Vr31-05-0000", "Standard"},
        {0, {1, 2}, WindowKind::Radio, "Site Rx Long Name", "User"},
        {1, {0}, WindowKind::Radio, "Vr31-15-0000", "Standard"},
        {2, {1}, WindowKind::Radio, "Vr51-25-0000", "Standard"},
        {3, {1}, WindowKind::ToneRemote, "Vr71-05-0000", "Standard"},
        {3, {0, 1}, WindowKind::ToneRemote, "Line TR", "User"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        RecordingWindow::calls.clear();
        basVelmar::gUnlinkOnViewClose = true;
        auto dlg = shown();
        dlg->tabModuleType->setCurrentIndex(c.tab);
        QListWidget* list = c.tab == 3 ? dlg->lstToneRemote : dlg->tabModuleType->currentWidget()->findChild<QListWidget*>();
        for (int row : c.selected)
            selectLine(*list, row);
        dlg->txtSerial->setText(QStringLiteral("4711"));
        dlg->cmdOK->click();

        ASSERT_EQ(RecordingWindow::calls.size(), 1);
        const RecordingWindow::Call& call = RecordingWindow::calls.first();
        EXPECT_EQ(call.kind, c.kind);
        EXPECT_EQ(call.source, kFromNew);
        EXPECT_FALSE(call.unlinkOnClose);
        EXPECT_EQ(call.args.model, QLatin1String(c.model));
        EXPECT_EQ(call.args.origin, QLatin1String(c.origin));
        EXPECT_EQ(call.args.serial, 4711);
        EXPECT_EQ(call.args.suffix, QStringLiteral("0000"));
        EXPECT_EQ(call.args.productionDate, QDate::currentDate());
        EXPECT_EQ(call.args.maxChannels, 128);
        EXPECT_EQ(call.args.partition, 16);
        EXPECT_TRUE(basVelmar::gUnlinkOnViewClose);
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
        EXPECT_FALSE(dlg->isVisible());
    }
    EXPECT_EQ(windows(), 6);
}

TEST_F(NewModule, EnterInARadioListAndDoubleClickInTheToneRemoteListOpen)
{
    auto dlg = shown();
    dlg->lstEx->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    dlg->tabModuleType->setCurrentIndex(2);
    QTest::keyClick(dlg->lstEx, Qt::Key_Return);
    EXPECT_EQ(windows(), 1);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);

    dlg = shown();
    dlg->tabModuleType->setCurrentIndex(3);
    QApplication::processEvents();
    const QRect line = dlg->lstToneRemote->visualItemRect(dlg->lstToneRemote->item(0));
    QTest::mouseClick(dlg->lstToneRemote->viewport(), Qt::LeftButton, {}, line.center());
    QTest::mouseDClick(dlg->lstToneRemote->viewport(), Qt::LeftButton, {}, line.center());
    ASSERT_EQ(RecordingWindow::calls.size(), 2);
    EXPECT_EQ(RecordingWindow::calls.last().kind, WindowKind::ToneRemote);
    EXPECT_EQ(RecordingWindow::calls.last().args.model, QStringLiteral("Line TR"));
}

TEST_F(NewModule, OnlyTheShowingTabCounts)
{
    auto dlg = shown();
    selectLine(*dlg->lstRx, 0);
    dlg->tabModuleType->setCurrentIndex(1);
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Please select module type!"));
    dlg->cmdOK->click();
    EXPECT_TRUE(RecordingWindow::calls.isEmpty());
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(NewModule, AFailingWindowKeepsTheDialogAsItWasWithTheFlagPutBack)
{
    basVelmar::gUnlinkOnViewClose = true;
    RecordingWindow::duringOpen = [] { throw platform::Error(5, QStringLiteral("Invalid procedure call")); };
    auto dlg = shown();
    selectLine(*dlg->lstRx, 2);
    dlg->txtSerial->setText(QStringLiteral("77"));
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Invalid procedure call"));
    dlg->cmdOK->click();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->isEnabled());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_TRUE(dlg->lstRx->item(2)->isSelected());
    EXPECT_EQ(dlg->txtSerial->text(), QStringLiteral("77"));
    EXPECT_TRUE(basVelmar::gUnlinkOnViewClose);
    EXPECT_EQ(windows(), 0);
}

// With the program's own radio window, the new document is built from the catalogue's model and
// shown in the main window.
TEST_F(NewModule, ANewReceiverOpensInTheRadioWindow)
{
    ASSERT_EQ(basVelmar::LoadLookupTables(), 0);
    WindowRegistry::registerWindow(WindowKind::Radio, [] { return new frmOrvView; });
    auto dlg = shown();
    selectLine(*dlg->lstRx, 2);
    dlg->txtSerial->setText(QStringLiteral("660000"));  // 0x0A1220
    dlg->cmdOK->click();
    ASSERT_EQ(windows(), 1);
    auto* view = dynamic_cast<frmOrvView*>(main->documentWindows().first());
    ASSERT_NE(view, nullptr);
    const CPageImage* doc = view->getDocument();
    EXPECT_EQ(doc->intDocumentFrom, kFromNew);
    QByteArray identity;
    ASSERT_EQ(doc->intReadPage(radiolayout::kIdentityPage, identity), 0);
    EXPECT_EQ(uint8_t(identity[radiolayout::identity::kSerialHigh]), 0x0A);
    EXPECT_EQ(uint8_t(identity[radiolayout::identity::kSerialMid]), 0x12);
    EXPECT_EQ(uint8_t(identity[radiolayout::identity::kSerialLow]), 0x20);
    EXPECT_EQ(uint8_t(identity[radiolayout::identity::kPartition]), 16);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
}
