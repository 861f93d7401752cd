// The tone-remote window among the main window's windows: the question on closing for each answer
// and origin, the count, the toolbar and the menus of the active window, the hot keys, the tab
// enabling, and the grids' layout and selection.
#include "TRViewFixture.h"

#include "db/CLASSOrvDB.h"
#include "docwindow/DocumentWindowOpen.h"
#include "platform/ui/FlexGrid.h"
#include "radioview/frmOrvView.h"
#include "shell/Globals.h"
#include "support/ModalWatch.h"
#include "support/PageBytes.h"
#include "toneremoteview/TRAdvancedTab.h"
#include "toneremoteview/TRAlarmTab.h"
#include "toneremoteview/TRFunctionTonesTab.h"
#include "toneremoteview/TRGeneralTab.h"
#include "toneremoteview/TRGridLayout.h"
#include "toneremoteview/TRVotingTab.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

using platform::vbCancel;
using platform::vbNo;
using platform::vbYes;

namespace {

const QString kChanged = QStringLiteral("The content has changed. Do you want to save the changes?");

bool stored(const QString& serial)
{
    int32_t id = 0;
    return CLASSOrvDB::instance().intSerial2ModuleID(serial, id) == 0;
}

// The remark of the module stored under the serial number; empty when none is stored.
QString storedRemark(const QString& serial)
{
    COrvDocTR doc;
    int32_t id = 0;
    return CLASSOrvDB::instance().intSerial2ModuleID(serial, id) == 0 && doc.intDB2Document(id) == 0 ? doc.strUserRemark
                                                                                                     : QString();
}

// The remark the window's apply takes into the document.
void changeRemark(frmOrvViewTR& w, const QString& text)
{
    w.general().txtUserRemark->setText(text);
    ASSERT_TRUE(w.document().fModified);
}

} // namespace

class TRWindow : public TRViewRackTest {};

TEST_F(TRWindow, TheCloseQuestionSavesWhereTheModuleCameFromOrKeepsTheWindow)
{
    addModule(factoryImage());
    line_.open();
    storeModule(1234);
    const QString archive = folder_.file(QStringLiteral("Line.mcf"));
    const auto fromArchive = [&] {
        frmOrvViewTR* w = openNew(5678);
        EXPECT_EQ(w->document().intDocument2Archive(archive), 0);
        w->cmdQuit_Click();
        settle();
        EXPECT_EQ(open([&](IDocumentWindow& win) { return win.intInitFromArchive(archive); }, &w), 0);
        return w;
    };
    const struct {
        const char* origin;
        std::function<frmOrvViewTR*()> open;
        // The remark as it is stored where the module came from.
        std::function<QString()> storedRemark;
    } origins[] = {
        {"new", [&] { return openNew(99); }, [] { return storedRemark(QStringLiteral("99")); }},
        {"database",
         [&] {
             frmOrvViewTR* w = nullptr;
             EXPECT_EQ(open([](IDocumentWindow& win) { return win.intInitFromDB(QStringLiteral("1234")); }, &w), 0);
             return w;
         },
         [] { return storedRemark(QStringLiteral("1234")); }},
        {"module", [&] { return openModule(); },
         [&] {
             COrvDocTR doc;
             const QByteArray pages = rack_.pages(kSerial);
             for (int p = 0; p < doc.pageCount(); ++p)
                 doc.intWritePage(p, testsupport::imagePages(pages, p, p));
             return doc.intInitSystemInfo() == 0 ? doc.strUserRemark : QString();
         }},
        {"archive", fromArchive,
         [&] {
             COrvDocTR doc;
             return doc.intArchive2Document(archive) == 0 ? doc.strUserRemark : QString();
         }},
    };
    for (const auto& o : origins) {
        SCOPED_TRACE(o.origin);
        // No closes without saving.
        frmOrvViewTR* w = o.open();
        ASSERT_NE(w, nullptr);
        const QString before = o.storedRemark();
        changeRemark(*w, QStringLiteral("Not kept"));
        boxes_.expect(kChanged, vbNo);
        w->cmdQuit_Click();
        settle();
        EXPECT_TRUE(windows().isEmpty());
        EXPECT_EQ(o.storedRemark(), before);

        // Cancel keeps the window, also when the whole program is asked to end; Yes saves it.
        w = o.open();
        changeRemark(*w, QStringLiteral("Kept"));
        boxes_.expect(kChanged, vbCancel).expect(kChanged, vbCancel);
        w->MNUCLOSE_Click();
        EXPECT_FALSE(main_->close());
        settle();
        ASSERT_EQ(windows().size(), 1);
        EXPECT_EQ(basVelmar::gOpenViewCount, 1);
        EXPECT_TRUE(buttonEnabled(3) && buttonEnabled(4) && buttonEnabled(8));
        boxes_.expect(kChanged, vbYes);
        w->cmdQuit_Click();
        settle();
        EXPECT_TRUE(windows().isEmpty());
        EXPECT_TRUE(o.storedRemark().startsWith(QStringLiteral("Kept")));
        EXPECT_EQ(basVelmar::gOpenViewCount, 0);
        EXPECT_FALSE(buttonEnabled(3) || buttonEnabled(4) || buttonEnabled(8));
    }
    EXPECT_FALSE(stored(QStringLiteral("5678"))) << "an archive's module goes back to its file";
}

TEST_F(TRWindow, AYesWhoseSaveFailsKeepsTheWindow)
{
    addModule(factoryImage());
    line_.open();
    frmOrvViewTR* w = openModule();
    ASSERT_NE(w, nullptr);
    changeRemark(*w, QStringLiteral("Kept"));
    rack_.setFault(kSerial, rackemu::Fault::silence());
    boxes_.expect(kChanged, vbYes).expect(QStringLiteral("Error: "));
    w->cmdQuit_Click();
    settle();
    EXPECT_EQ(windows().size(), 1);
    EXPECT_TRUE(w->document().fModified);
    EXPECT_EQ(basVelmar::gOpenViewCount, 1);

    // Write says so too.
    boxes_.expect(QStringLiteral("Can't find the module in the rack!"));
    EXPECT_EQ(w->CommandWrite(), -1);
    EXPECT_EQ(boxes_.shown().last().icon(), platform::vbCritical);
}

TEST_F(TRWindow, CountToolbarAndMenusFollowTheActiveWindow)
{
    auto* radio = new frmOrvView;
    NewModuleArgs args;
    args.model = QStringLiteral("Vr31-15-0000");
    args.origin = QStringLiteral("Standard");
    args.serial = 1000;
    args.maxChannels = 8;
    ASSERT_EQ(radio->intInitFromNew(args), 0);
    settle();
    frmOrvViewTR* tr = openNew(2000);
    frmOrvViewTR* second = openNew(2001);
    EXPECT_EQ(basVelmar::gOpenViewCount, 3);
    EXPECT_TRUE(buttonEnabled(3) && buttonEnabled(4) && buttonEnabled(8));
    EXPECT_EQ(menuBarMenus(), second->documentMenus());

    activate(radio);
    EXPECT_EQ(menuBarMenus(), radio->documentMenus());
    activate(tr);
    EXPECT_EQ(menuBarMenus(), tr->documentMenus());
    QStringList captions;
    for (QMenu* m : menuBarMenus())
        captions << m->title();
    EXPECT_EQ(captions, (QStringList{"&File", "&View", "&Communication", "Window", "Help"}));
    EXPECT_FALSE(tr->findChild<QAction*>("MNUMEMORYMAP")->isVisible());
    EXPECT_FALSE(tr->findChild<QAction*>("MNUFACTORYWRITE")->isVisible());

    // The toolbar's Save runs on the active window.
    changeRemark(*tr, QStringLiteral("Saved"));
    main_->ToolbarMain_ButtonClick(QStringLiteral("Save"));
    EXPECT_TRUE(stored(QStringLiteral("2000")));
    EXPECT_FALSE(tr->document().fModified);

    // The Tool Bar entry of one window hides the toolbar; another window shows it unticked.
    tr->findChild<QAction*>("MNUTOOLBAR")->trigger();
    EXPECT_FALSE(basVelmar::gToolbarVisible);
    EXPECT_TRUE(main_->ToolbarMain()->isHidden());
    activate(second);
    EXPECT_FALSE(second->findChild<QAction*>("MNUTOOLBAR")->isChecked());
    main_->setToolbarVisible(true);

    second->cmdQuit_Click();
    tr->cmdQuit_Click();
    settle();
    EXPECT_EQ(basVelmar::gOpenViewCount, 1);
    EXPECT_TRUE(buttonEnabled(3) && buttonEnabled(4) && buttonEnabled(8));
    radio->cmdQuit_Click();
    settle();
    EXPECT_EQ(basVelmar::gOpenViewCount, 0);
    EXPECT_FALSE(buttonEnabled(3) || buttonEnabled(4) || buttonEnabled(8));
}

TEST_F(TRWindow, ChordsOpenTheFactoryWriteAndTheRawPagesWhereverTheFocusIs)
{
    frmOrvViewTR* w = openNew(3000);
    const QString factory = QStringLiteral("frmFactoryWrite");
    const QString raw = QStringLiteral("frmBits");
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString opened; // the dialog's object name; empty: none
    } cases[] = {
        {Qt::Key_F, Qt::ShiftModifier | Qt::AltModifier, factory},
        {Qt::Key_M, Qt::ShiftModifier | Qt::AltModifier, raw},
        {Qt::Key_F, Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier, factory},
        {Qt::Key_M, Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier, raw},
        {Qt::Key_F, Qt::AltModifier, {}},
        {Qt::Key_F, Qt::ShiftModifier, {}},
        {Qt::Key_M, Qt::ControlModifier, {}},
        {Qt::Key_F, Qt::ControlModifier, {}},
    };
    QApplication::setActiveWindow(main_.get());
    QLineEdit* remark = w->general().txtUserRemark;
    for (QWidget* control : {static_cast<QWidget*>(remark), static_cast<QWidget*>(w->functionTones().grdFnTone)}) {
        w->SSTab1->setCurrentWidget(control == remark ? static_cast<QWidget*>(&w->general())
                                                      : static_cast<QWidget*>(&w->functionTones()));
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << control->objectName().toStdString() << " key " << c.key << " modifiers "
                                            << c.modifiers.toInt());
            control->setFocus();
            QStringList opened;
            ModalWatch<QDialog> watch([&](QDialog& d) {
                opened << d.objectName();
                d.reject();
            });
            QTest::keyClick(control, c.key, c.modifiers);
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            EXPECT_EQ(opened, c.opened.isEmpty() ? QStringList() : QStringList{c.opened});
        }
    }
}

TEST_F(TRWindow, ARawPageChangedInTheMemoryMapIsShownAndMarksTheModuleChanged)
{
    frmOrvViewTR* w = openNew(3100);
    ASSERT_FALSE(w->document().fModified);
    const QByteArray remark = testsupport::textPage("Raw page");
    QByteArray hex;
    for (int b = 7; b >= 0; --b)
        hex += QByteArray::number(static_cast<uint8_t>(remark[b]), 16).rightJustified(2, '0');
    ModalWatch<QDialog> watch([&](QDialog& d) {
        d.findChild<QLineEdit*>("Text2")->setText(QString::number(trlayout::kRemarkPage, 16).rightJustified(2, u'0'));
        d.findChild<QLineEdit*>("Text1")->setText(QString::fromLatin1(hex));
        d.findChild<QPushButton*>("Command1")->click();
        d.reject();
    });
    w->MNUMEMORYMAP_Click();
    EXPECT_EQ(watch.count(), 1);
    EXPECT_EQ(testsupport::pageOf(w->document(), trlayout::kRemarkPage), remark);
    EXPECT_TRUE(w->document().strUserRemark.startsWith(QStringLiteral("Raw page")));
    EXPECT_TRUE(w->general().txtUserRemark->text().startsWith(QStringLiteral("Raw page")));
    EXPECT_TRUE(w->document().fModified);
}

TEST_F(TRWindow, EachTabEnablesItsOwnFrames)
{
    frmOrvViewTR* w = openNew(3200);
    const TRGeneralTab& g = w->general();
    const TRFunctionTonesTab& f = w->functionTones();
    const TRAlarmTab& a = w->alarm();
    const TRVotingTab& v = w->voting();
    const TRAdvancedTab& d = w->advanced();
    const QList<QList<QWidget*>> byTab = {
        {g.fraGen1, g.frmPowerOnMode, g.fraGen2},
        {f.grdFnTone, f.Frame1, f.fraKeytoneFrequency, f.cmdEditFTones, f.chkGridView},
        {a.fraAla2, a.cmdAlarmEdit},
        {v.fraAdv1, v.fraAdv2},
        {d.fraAdvanced1, d.fraAdvanced2, d.fraAdvanced3, d.Frame2},
    };
    for (int tab : {4, 0, 2, 1, 3, 4}) {
        w->SSTab1->setCurrentIndex(tab);
        for (int t = 0; t < byTab.size(); ++t)
            for (QWidget* control : byTab[t])
                EXPECT_EQ(control->isEnabled(), t == tab)
                    << "tab " << tab << ": " << control->objectName().toStdString();
    }
    // Controls outside the table keep their own state: the two Undo buttons start disabled.
    EXPECT_FALSE(f.cmdUndoFunctionTones->isEnabled());
    EXPECT_FALSE(a.cmdCancel->isEnabled());
    EXPECT_TRUE(g.chkLatchChannel->isEnabled());
    QStringList captions;
    for (int t = 0; t < w->SSTab1->count(); ++t)
        captions << w->SSTab1->tabText(t);
    EXPECT_EQ(captions, (QStringList{"General", "Function Tones", "Alarm / Confirm", "Voting / Levels", "Advanced"}));
}

TEST_F(TRWindow, TheGridsAreLaidOutFromTheDatabaseAndGiveTheirSelectionBounds)
{
    frmOrvViewTR* w = openNew(3300);
    platform::FlexGrid& tones = *w->functionTones().grdFnTone;
    platform::FlexGrid& alarms = *w->alarm().grdAlarm;
    EXPECT_EQ(tones.Rows(), 227);
    EXPECT_EQ(tones.Cols(), 4);
    EXPECT_EQ(tones.TextMatrix(0, 1), "Tone1");
    EXPECT_EQ(tones.TextMatrix(0, 2), "Tone2");
    EXPECT_EQ(tones.TextMatrix(0, 3), " Action ");
    EXPECT_EQ(alarms.Rows(), 17);
    EXPECT_EQ(alarms.TextMatrix(0, 1), " Alarm / Confirmation");
    EXPECT_EQ(alarms.TextMatrix(0, 2), " Action");
    EXPECT_EQ(alarms.TextMatrix(1, 0), "1");
    EXPECT_EQ(alarms.TextMatrix(16, 0), "16");
    EXPECT_FALSE(alarms.TextMatrix(16, 1).isEmpty());
    EXPECT_FALSE(w->alarm().cboFiveToneStandard->currentText().isEmpty());
    // The new module's keytone frequency is the one selected.
    EXPECT_EQ(w->functionTones().cboKeytoneFrequency->currentText(),
              QString::number(w->document().intKeytoneFrequencyLT5));
    EXPECT_EQ(w->voting().cboTOI->count(), w->functionTones().cboKeytoneFrequency->count());

    // Rows 9 up to 4 of the function-tone grid, a single row of the alarm grid.
    tones.select(9, 1, 4, 3);
    EXPECT_EQ(w->intFnToneSelRow(1), 4);
    EXPECT_EQ(w->intFnToneSelRow(2), 9);
    EXPECT_EQ(w->intFnToneSelRow(3), 0);
    alarms.select(5, 1, 5, 2);
    EXPECT_EQ(w->intAlarmSelRow(1), 5);
    EXPECT_EQ(w->intAlarmSelRow(2), 5);

    // Shown, each grid's columns take their shares of its width, without a horizontal scroll bar.
    const struct {
        int tab;
        platform::FlexGrid* grid;
        QList<int> (*widths)(int);
    } grids[] = {{frmOrvViewTR::kFunctionTones, &tones, trview::fnToneColumnWidths},
                 {frmOrvViewTR::kAlarm, &alarms, trview::alarmColumnWidths}};
    for (const auto& g : grids) {
        w->SSTab1->setCurrentIndex(g.tab);
        settle();
        const QList<int> widths = g.widths(g.grid->innerWidth());
        int total = 0;
        for (int c = 0; c < g.grid->Cols(); ++c) {
            EXPECT_NEAR(g.grid->ColWidth(c), widths[c], 15) << g.grid->objectName().toStdString() << " column " << c;
            total += g.grid->columnWidth(c);
        }
        EXPECT_LE(total, g.grid->viewport()->width()) << g.grid->objectName().toStdString();
    }
}

TEST(TRGridLayout, ColumnWidthsFromTheGridWidth)
{
    EXPECT_EQ(trview::fnToneColumnWidths(6000), (QList<int>{600, 1000, 1000, 3400}));
    // A narrow grid keeps 3000 twips for its columns and at least 1000 for the action.
    EXPECT_EQ(trview::fnToneColumnWidths(1200), (QList<int>{120, 200, 200, 2480}));
    EXPECT_EQ(trview::fnToneColumnWidths(600), (QList<int>{60, 100, 100, 2740}));
    EXPECT_EQ(trview::alarmColumnWidths(7000), (QList<int>{500, 2800, 3700}));
    EXPECT_EQ(trview::alarmColumnWidths(1001), (QList<int>{71, 400, 530}));
}
