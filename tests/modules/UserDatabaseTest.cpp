// The model editor: browsing the catalogue, new user models, their check, deletion.
#include "app/frmMain.h"
#include "db/CBROWSER.h"
#include "db/CLASSOrvDB.h"
#include "db/DbQuery.h"
#include "modules/ModelEntryCheck.h"
#include "modules/frmUserDatabase.h"
#include "platform/Help.h"
#include "radioview/frmOrvView.h"
#include "shell/Globals.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using modeleditor::checkModelEntry;
using modeleditor::ModelEntry;
using testsupport::ScriptedMsgBox;

namespace {

QSqlQuery sql(const QString& text, const QVariantList& values = {})
{
    return velmardb::run(CLASSOrvDB::instance().dbAccess(), text, values);
}

QVariant column(const QString& number, const QString& name)
{
    QSqlQuery q = sql(QStringLiteral("SELECT %1 FROM tblMODData WHERE MODULENUMB = ?").arg(name), {number});
    return q.next() ? q.value(0) : QVariant();
}

int rows()
{
    QSqlQuery q = sql(QStringLiteral("SELECT count(*) FROM tblMODData"));
    return q.next() ? q.value(0).toInt() : -1;
}

QStringList lines(const QListWidget& list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

} // namespace

class UserDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        CLASSOrvDB::releaseInstance();
        basVelmar::gDatabasePath = testsupport::makeDatabase(folder.file(QStringLiteral("velmar.mdb")));
        // User models beside the standard catalogue: a receiver and a transmitter.
        for (const auto& [number, type, info] : {std::tuple{"Vr31-05-0100", "Receiver", "Vr31-05-0000"},
                                                 std::tuple{"Vr31-15-0100", "Transmitter", "Vr31-15-0000"}})
            sql(QStringLiteral("INSERT INTO tblMODData (MODULENUMB, Lowerfreql, Upperfreql, Ref1, Ref2, IntFreq, TCXOFreq, "
                               "Prescalar, Doubled, Type, InfoType, BANLF, BANHF) VALUES (?, 150000000, 160000000, 12500, 6250, "
                               "21400000, 12800000, 64, 'NO', ?, ?, 155000000, 156000000)"),
                {QLatin1String(number), QLatin1String(type), QLatin1String(info)});
        dlg = std::make_unique<frmUserDatabase>();
        dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    }
    void TearDown() override
    {
        dlg.reset();
        CBROWSER::instance().moduleDB.clear();
        CLASSOrvDB::releaseInstance();
        basVelmar::gDatabasePath.clear();
    }

    // Clicks the line of that model (the first line that begins with it) on the tab of its kind.
    void click(int tab, const QString& number)
    {
        dlg->tabModule->setCurrentIndex(tab);
        QListWidget* list = std::array{dlg->lstModuleRx, dlg->lstModuleTx, dlg->lstModuleEx}[tab];
        for (int row = 0; row < list->count(); ++row)
            if (list->item(row)->text().startsWith(number + QLatin1Char(' '))) {
                clickRow(*list, row);
                return;
            }
        ADD_FAILURE() << "no line for " << number.toStdString();
    }
    void clickRow(QListWidget& list, int row)
    {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
    }
    void apply() { QTest::mouseClick(dlg->CommandApply, Qt::LeftButton); }

    testsupport::ProgramFolder folder;
    ScriptedMsgBox boxes;  // a box no test expects fails it
    std::unique_ptr<frmUserDatabase> dlg;
};

TEST_F(UserDatabase, ListsModelsByKindAndShowsTheFirstReceiver)
{
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("User Database"));
    EXPECT_EQ(lines(*dlg->lstModuleRx),
              (QStringList{QStringLiteral("Vr31-05-0000  Receiver      Standard"), QStringLiteral("Vr31-05-0100  Receiver      User"),
                           QStringLiteral("Vr51-05-0000  Receiver      Standard")}));
    EXPECT_EQ(dlg->lstModuleTx->count(), 3);
    EXPECT_EQ(dlg->lstModuleEx->count(), 2);  // the tone-remote model is listed nowhere

    // In view: the standard receiver, nothing editable but New, Delete, Help and Close.
    EXPECT_EQ(dlg->txtModuleNumb->text(), QStringLiteral("Vr31-05-0000"));
    EXPECT_EQ(dlg->txtLowerFreql->text(), QStringLiteral("148.000000"));
    EXPECT_EQ(dlg->txtUpperFreql->text(), QStringLiteral("174.000000"));
    EXPECT_EQ(dlg->txtIntFreq->text(), QStringLiteral("21.400000"));
    EXPECT_TRUE(dlg->optHigh->isChecked());
    EXPECT_EQ(dlg->txtTCXOFreq->text(), QStringLiteral("12.800000"));
    EXPECT_EQ(dlg->txtRef1->text(), QStringLiteral("12.500"));
    EXPECT_EQ(dlg->txtRef2->text(), QStringLiteral("6.250"));
    EXPECT_EQ(dlg->txtPreScalar->text(), QStringLiteral("64"));
    EXPECT_EQ(dlg->cboType->currentText(), QStringLiteral("Receiver"));
    EXPECT_FALSE(dlg->cboType->isEnabled());
    EXPECT_FALSE(dlg->txtLowerFreql->isEnabled());
    EXPECT_FALSE(dlg->CommandApply->isEnabled());
    EXPECT_TRUE(dlg->CommandDelete->isEnabled());
    EXPECT_TRUE(dlg->record().boolStandard);

    click(0, QStringLiteral("Vr51-05-0000"));
    EXPECT_EQ(dlg->txtIntFreq->text(), QStringLiteral("21.400000"));
    EXPECT_TRUE(dlg->optLow->isChecked());
    // A transmitter has no intermediate frequency to show.
    click(1, QStringLiteral("Vr51-15-0000"));
    EXPECT_EQ(dlg->cboType->currentText(), QStringLiteral("Transmitter"));
    EXPECT_TRUE(dlg->chkDoubled->isChecked());
    EXPECT_TRUE(dlg->txtIntFreq->isHidden());
    EXPECT_TRUE(dlg->optHigh->isHidden());
    EXPECT_FALSE(dlg->txtRef1->isHidden());
}

TEST_F(UserDatabase, ALineShowsItsOwnModelWhateverTheLengthOfItsName)
{
    // An imported model whose name is longer than the list's column, beginning like a standard one.
    sql(QStringLiteral("INSERT INTO tblMODData (MODULENUMB, Lowerfreql, Upperfreql, Ref1, TCXOFreq, Type, InfoType) "
                       "VALUES ('Vr31-05-0000-Site', 440000000, 450000000, 5000, 12800000, 'Receiver', 'User')"));
    dlg->Form_Load();
    ASSERT_EQ(dlg->lstModuleRx->item(1)->text(), QStringLiteral("Vr31-05-0000  Receiver      User"));
    clickRow(*dlg->lstModuleRx, 1);
    EXPECT_EQ(dlg->txtModuleNumb->text(), QStringLiteral("Vr31-05-0000-Site"));
    EXPECT_EQ(dlg->txtLowerFreql->text(), QStringLiteral("440.000000"));
    EXPECT_FALSE(dlg->record().boolStandard);
}

TEST_F(UserDatabase, NewAndApplyCreateAUserModel)
{
    click(1, QStringLiteral("Vr31-15-0000"));
    QTest::mouseClick(dlg->CommandNew, Qt::LeftButton);
    EXPECT_TRUE(dlg->editMode());
    EXPECT_EQ(dlg->txtModuleNumb->text(), QStringLiteral("<New>"));
    EXPECT_TRUE(dlg->txtRef1->isEnabled());
    EXPECT_TRUE(dlg->CommandApply->isEnabled());
    EXPECT_FALSE(dlg->CommandDelete->isEnabled());
    // The hidden intermediate frequency still holds its number and is checked.
    EXPECT_TRUE(dlg->txtIntFreq->isHidden());
    EXPECT_EQ(dlg->txtIntFreq->text(), QStringLiteral("0.000000"));

    dlg->txtModuleNumb->setText(QStringLiteral("  Site-Tx  "));
    dlg->txtRef1->setText(QStringLiteral("6.25"));
    dlg->chkDoubled->setChecked(true);
    apply();
    EXPECT_FALSE(dlg->editMode());
    EXPECT_EQ(dlg->txtModuleNumb->text(), QStringLiteral("Site-Tx"));
    EXPECT_EQ(column(QStringLiteral("Site-Tx"), QStringLiteral("ID")).toInt(), dlg->record().lngID);
    EXPECT_EQ(column(QStringLiteral("Site-Tx"), QStringLiteral("Type")).toString(), QStringLiteral("Transmitter"));
    EXPECT_EQ(column(QStringLiteral("Site-Tx"), QStringLiteral("InfoType")).toString(), QStringLiteral("Vr31-15-0000"));
    EXPECT_EQ(column(QStringLiteral("Site-Tx"), QStringLiteral("Ref1")).toInt(), 6250);
    EXPECT_EQ(column(QStringLiteral("Site-Tx"), QStringLiteral("Lowerfreql")).toInt(), 148000000);
    EXPECT_EQ(column(QStringLiteral("Site-Tx"), QStringLiteral("Doubled")).toString(), QStringLiteral("YES"));
    EXPECT_TRUE(lines(*dlg->lstModuleTx).contains(QStringLiteral("Site-Tx       Transmitter   User")));
    // The standard model it was copied from is as it was.
    EXPECT_EQ(column(QStringLiteral("Vr31-15-0000"), QStringLiteral("InfoType")).toString(), QStringLiteral("Standard"));
}

TEST_F(UserDatabase, EntryCheckTable)
{
    ModelEntry valid;
    valid.name = QStringLiteral("Site-1");
    valid.lowerLimit = QStringLiteral("148");
    valid.upperLimit = QStringLiteral("174");
    valid.ref1 = QStringLiteral("12.5");
    valid.ref2 = QStringLiteral("6.25");
    valid.prescaler = QStringLiteral("64");
    valid.intermediate = QStringLiteral("21.4");
    valid.tcxo = QStringLiteral("12.8");
    const QStringList catalogue = {QStringLiteral("Vr31-05-0000 "), QStringLiteral("Site-2")};

    struct Case {
        const char* what;
        std::function<void(ModelEntry&)> change;
        QString messages;
        bool newModel = true;
    };
    const QString wrong = QStringLiteral("Incorect frequency.");
    const QList<Case> cases = {
        {"valid", [](ModelEntry&) {}, QString()},
        {"top of the band", [](ModelEntry& e) { e.lowerLimit = "999.999999"; e.upperLimit = "999.9999999"; }, QString()},
        {"1000 MHz", [](ModelEntry& e) { e.lowerLimit = "1000"; }, wrong},
        {"upper 1000 MHz", [](ModelEntry& e) { e.upperLimit = "1000"; }, wrong},
        {"negative limit", [](ModelEntry& e) { e.lowerLimit = "-5"; }, wrong},
        {"equal limits", [](ModelEntry& e) { e.upperLimit = "148.000"; }, "The upper frequency <= lower frequency. "},
        {"lower no number", [](ModelEntry& e) { e.lowerLimit = "abc"; e.name = ""; }, "The Module is null.Lower frequency should be number."},
        {"upper no number", [](ModelEntry& e) { e.upperLimit = ""; },
         "Upper frequency should be number.The upper frequency <= lower frequency. "},
        {"reference 10", [](ModelEntry& e) { e.ref1 = "10"; e.prescaler = "0"; }, wrong},
        {"references as typed", [](ModelEntry& e) { e.ref1 = " 12.50 "; e.ref2 = "3.125"; }, QString()},
        {"references 2.5 and 5.000", [](ModelEntry& e) { e.ref1 = "2.5"; e.ref2 = "5.000"; }, QString()},
        {"reference 2 no number", [](ModelEntry& e) { e.ref2 = "x"; }, "Ref Frequency2 should be number."},
        {"prescaler 0.5", [](ModelEntry& e) { e.prescaler = "0.5"; }, "Pre Scalar must >=1."},
        {"prescaler 1.9", [](ModelEntry& e) { e.prescaler = "1.9"; }, QString()},
        {"prescaler too large", [](ModelEntry& e) { e.prescaler = "40000"; }, "Pre Scalar should be number."},
        {"empty name, prescaler 0", [](ModelEntry& e) { e.name = " "; e.prescaler = "0"; }, "The Module is null.Pre Scalar must >=1."},
        {"name too long", [](ModelEntry& e) { e.name = "Vr31-05-00001"; }, "The Module name is too long (>12)."},
        {"duplicate", [](ModelEntry& e) { e.name = "vr31-05-0000"; }, "Duplicated module name [Vr31-05-0000] found in database."},
        {"own name of a stored model", [](ModelEntry& e) { e.name = "Site-2"; }, QString(), false},
        {"intermediate too large", [](ModelEntry& e) { e.intermediate = "3000"; }, wrong},
        {"intermediate no number", [](ModelEntry& e) { e.intermediate = "-"; }, "Intermediate frequency should be number."},
        {"reference oscillator negative", [](ModelEntry& e) { e.tcxo = "-12.8"; }, wrong},
        {"reference oscillator no number", [](ModelEntry& e) { e.tcxo = "x"; e.ref1 = "y"; },
         "Ref Frequency1 should be number.Referency frequency should be number."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ModelEntry entry = valid;
        c.change(entry);
        QString name;
        ModData record;
        EXPECT_EQ(checkModelEntry(entry, c.newModel, catalogue, name, record), c.messages);
    }

    // What a valid entry gives, in Hz.
    ModelEntry entry = valid;
    entry.name = QStringLiteral(" Site-1 ");
    entry.highSide = false;
    entry.prescaler = QStringLiteral("1.9");
    entry.kind = 2;
    QString name;
    ModData record;
    ASSERT_EQ(checkModelEntry(entry, true, catalogue, name, record), QString());
    EXPECT_EQ(name, QStringLiteral("Site-1"));
    EXPECT_EQ(record.lngLowFreq, 148000000);
    EXPECT_EQ(record.lngUpFreq, 174000000);
    EXPECT_EQ(record.lngRef1, 12500);
    EXPECT_EQ(record.lngRef2, 6250);
    EXPECT_EQ(record.intPrescalar, 1);
    EXPECT_EQ(record.lngIntFreq, -21400000);
    EXPECT_EQ(record.lngTCXOFreq, 12800000);
    EXPECT_EQ(record.intType, 2);
    entry.lowerLimit = QStringLiteral("999.999999");
    entry.upperLimit = QStringLiteral("999.9999999");
    ASSERT_EQ(checkModelEntry(entry, true, catalogue, name, record), QString());
    EXPECT_EQ(record.lngLowFreq, 999999999);
}

TEST_F(UserDatabase, RefusedEntryShowsItsMessagesTogetherAndStaysEditable)
{
    QTest::mouseClick(dlg->CommandNew, Qt::LeftButton);
    dlg->txtModuleNumb->clear();
    dlg->txtPreScalar->setText(QStringLiteral("0"));
    const int before = rows();
    boxes.expect(QStringLiteral("The Module is null.Pre Scalar must >=1."));
    apply();
    EXPECT_EQ(boxes.shown().at(0).prompt, QStringLiteral("The Module is null.Pre Scalar must >=1."));
    EXPECT_EQ(boxes.shown().at(0).style, platform::vbOKOnly);
    EXPECT_TRUE(dlg->editMode());
    EXPECT_EQ(dlg->txtPreScalar->text(), QStringLiteral("0"));
    EXPECT_EQ(rows(), before);
}

TEST_F(UserDatabase, ANameOutsideWindows1252IsRefusedAndNothingStored)
{
    const int before = rows();
    // A new model, and a user model renamed.
    for (const bool renamed : {false, true}) {
        SCOPED_TRACE(renamed);
        QTest::mouseClick(dlg->CommandNew, Qt::LeftButton);
        if (renamed)
            click(1, QStringLiteral("Vr31-15-0100"));
        dlg->txtModuleNumb->setText(QStringLiteral("ΩRX日本"));
        boxes.expect(QStringLiteral("The character \"Ω\" (U+03A9) in \"ΩRX日本\" cannot be stored"));
        apply();
        EXPECT_TRUE(dlg->editMode());
        EXPECT_EQ(rows(), before);
        EXPECT_FALSE(column(QStringLiteral("ΩRX日本"), QStringLiteral("ID")).isValid());
    }
    EXPECT_TRUE(column(QStringLiteral("Vr31-15-0100"), QStringLiteral("ID")).isValid());

    // Beyond ASCII but within Windows-1252: stored as typed.
    dlg->txtModuleNumb->setText(QStringLiteral("Ü-€uro"));
    apply();
    EXPECT_FALSE(dlg->editMode());
    EXPECT_EQ(column(QStringLiteral("Ü-€uro"), QStringLiteral("ID")).toInt(), dlg->record().lngID);
}

TEST_F(UserDatabase, DeleteRemovesAUserModelAndRefusesAStandardOne)
{
    click(1, QStringLiteral("Vr31-15-0100"));
    QTest::mouseClick(dlg->CommandDelete, Qt::LeftButton);
    EXPECT_FALSE(column(QStringLiteral("Vr31-15-0100"), QStringLiteral("ID")).isValid());
    EXPECT_EQ(dlg->lstModuleTx->count(), 2);
    EXPECT_EQ(dlg->txtModuleNumb->text(), QStringLiteral("Vr31-05-0000"));  // the first receiver

    const int before = rows();
    boxes.expect(QStringLiteral("You can not delete standard module data from database."));
    QTest::mouseClick(dlg->CommandDelete, Qt::LeftButton);
    EXPECT_EQ(rows(), before);
}

TEST_F(UserDatabase, AFailedLookUpLeavesNothingToDelete)
{
    click(0, QStringLiteral("Vr31-05-0100"));
    ASSERT_EQ(dlg->record().lngID, column(QStringLiteral("Vr31-05-0100"), QStringLiteral("ID")).toInt());
    EXPECT_EQ(dlg->intReadModData(QStringLiteral("Zz-gone")), -1);
    EXPECT_EQ(dlg->record().lngID, -1);
    EXPECT_EQ(dlg->txtModuleNumb->text(), QString());
    EXPECT_EQ(dlg->txtLowerFreql->text(), QString());

    boxes.expect(QStringLiteral("could not be deleted"));
    QTest::mouseClick(dlg->CommandDelete, Qt::LeftButton);
    EXPECT_TRUE(column(QStringLiteral("Vr31-05-0100"), QStringLiteral("ID")).isValid());
}

TEST_F(UserDatabase, NewThenAUserLineRewritesThatRowNeverAStandardOne)
{
    const QVariant id = column(QStringLiteral("Vr31-05-0100"), QStringLiteral("ID"));
    const int before = rows();
    QTest::mouseClick(dlg->CommandNew, Qt::LeftButton);
    click(0, QStringLiteral("Vr31-05-0100"));
    ASSERT_TRUE(dlg->editMode());
    EXPECT_TRUE(dlg->CommandDelete->isEnabled());
    dlg->txtRef1->setText(QStringLiteral("5"));
    apply();
    EXPECT_FALSE(dlg->editMode());
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(column(QStringLiteral("Vr31-05-0100"), QStringLiteral("ID")), id);
    EXPECT_EQ(column(QStringLiteral("Vr31-05-0100"), QStringLiteral("Ref1")).toInt(), 5000);
    EXPECT_EQ(column(QStringLiteral("Vr31-05-0100"), QStringLiteral("InfoType")).toString(), QStringLiteral("Vr31-05-0000"));
    EXPECT_DOUBLE_EQ(column(QStringLiteral("Vr31-05-0100"), QStringLiteral("BANLF")).toDouble(), 155000000.0);

    // A standard line ends the entry: Apply has nothing to save.
    QTest::mouseClick(dlg->CommandNew, Qt::LeftButton);
    click(0, QStringLiteral("Vr51-05-0000"));
    EXPECT_FALSE(dlg->editMode());
    EXPECT_FALSE(dlg->CommandApply->isEnabled());
    dlg->CommandApply_Click();
    EXPECT_EQ(column(QStringLiteral("Vr51-05-0000"), QStringLiteral("InfoType")).toString(), QStringLiteral("Standard"));
    EXPECT_EQ(rows(), before);
}

TEST_F(UserDatabase, ARefusedSaveKeepsTheEntry)
{
    // A user model renamed to a name another model has: the catalogue refuses it.
    QTest::mouseClick(dlg->CommandNew, Qt::LeftButton);
    click(1, QStringLiteral("Vr31-15-0100"));
    dlg->txtModuleNumb->setText(QStringLiteral("Vr31-15-0000"));
    boxes.expect(QStringLiteral("UNIQUE"));
    apply();
    EXPECT_TRUE(dlg->editMode());
    EXPECT_EQ(dlg->txtModuleNumb->text(), QStringLiteral("Vr31-15-0000"));
    EXPECT_TRUE(column(QStringLiteral("Vr31-15-0100"), QStringLiteral("ID")).isValid());
}

TEST_F(UserDatabase, HelpWithoutAHelpFileSaysSo)
{
    const QString saved = basVelmar::gHelpFile;
    basVelmar::gHelpFile.clear();
    boxes.expect(QStringLiteral("Unable to display Help Contents. There is no Help associated with this project."));
    QTest::mouseClick(dlg->cmdHelp, Qt::LeftButton);
    EXPECT_EQ(boxes.shown().at(0).title, QStringLiteral("User Database"));
    EXPECT_EQ(boxes.shown().at(0).icon(), platform::vbInformation);

    QList<unsigned> shown;
    QWidget* owner = nullptr;
    const platform::HelpHandler previous = platform::setHelpHandler([&](QWidget* w, const QString&, unsigned command) {
        owner = w;
        shown.append(command);
    });
    basVelmar::gHelpFile = folder.file(QStringLiteral("velmar.hlp"));
    QTest::mouseClick(dlg->cmdHelp, Qt::LeftButton);
    EXPECT_EQ(shown, QList<unsigned>{platform::HELP_TAB});
    EXPECT_EQ(owner, dlg.get()) << "the help window belongs to the dialog, so the dialog's modality leaves it usable";
    platform::setHelpHandler(previous);
    basVelmar::gHelpFile = saved;
}

TEST_F(UserDatabase, CustomModelsMenuEntriesOpenIt)
{
    dlg.reset();
    frmMain main;
    frmOrvView view;
    int opened = 0;
    const std::function<void()> closeWhenShown = [&] {
        QTimer::singleShot(20, [&] {
            if (auto* shown = qobject_cast<frmUserDatabase*>(QApplication::activeModalWidget())) {
                ++opened;
                QTest::keyClick(shown, Qt::Key_Escape);  // Esc presses Close
            } else {
                closeWhenShown();
            }
        });
    };
    closeWhenShown();
    main.findChild<QAction*>(QStringLiteral("MNUCUSTOM"))->trigger();
    closeWhenShown();
    view.findChild<QAction*>(QStringLiteral("MNUCUSTOMTYPE"))->trigger();
    EXPECT_EQ(opened, 2);
}
