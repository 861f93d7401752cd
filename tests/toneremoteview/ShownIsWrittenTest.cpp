// What the tone-remote window shows is what it writes: a new module's settings as its tabs show
// them, the voting controls of a module as its line interface allows them, and every typed edit
// kept when the raw page editor changes a page.
#include "TRViewFixture.h"

#include "db/CLASSOrvDB.h"
#include "docwindow/frmBits.h"
#include "support/ModalWatch.h"
#include "support/PageBytes.h"
#include "toneremote/ToneRemotePageLayout.h"
#include "toneremoteview/TRAdvancedControls.h"
#include "toneremoteview/TRAdvancedTab.h"
#include "toneremoteview/TRAlarmTab.h"
#include "toneremoteview/TRFunctionTonesTab.h"
#include "toneremoteview/TRGeneralTab.h"
#include "toneremoteview/TRVotingControls.h"
#include "toneremoteview/TRVotingTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

using namespace trlayout;

// The pages of the module stored under `serial`.
QByteArray storedPages(long serial)
{
    COrvDocTR stored;
    int32_t id = 0;
    EXPECT_EQ(CLASSOrvDB::instance().intSerial2ModuleID(QString::number(serial), id), 0);
    EXPECT_EQ(stored.intDB2Document(id), 0);
    return testsupport::documentPages(stored, 0, kPageCount - 1);
}

uint8_t byteOf(const QByteArray& pages, int page, int byte) { return static_cast<uint8_t>(pages.at(page * 8 + byte)); }

enum class Mode { None, ToneOnIdle, Sliding, SimocoPhilips };

// A new module stored with the line interface and the voting mode, its fields as the voting
// tab's apply leaves them.
void storeVotingModule(long serial, bool fourWire, Mode mode)
{
    COrvDocTR doc;
    ASSERT_EQ(doc.NewToneRemote(QStringLiteral("Vr71-05-0000"), true, static_cast<int32_t>(serial),
                                QStringLiteral("0000"), QDate(2024, 1, 15), 0xE0),
              0);
    ASSERT_EQ(doc.NewDocument(), 0);
    doc.bytFlag2 = fourWire ? (doc.bytFlag2 | timers::kFourWire) : (doc.bytFlag2 & ~timers::kFourWire);
    doc.RSSISignal = 1;
    doc.byt5TTime = 50; // the first standard's, as the window writes it
    doc.bytLET = 125;
    switch (mode) {
    case Mode::None:
        doc.lFreq_TOI = -32767;
        doc.VotingLevel = 8193;
        break;
    case Mode::ToneOnIdle:
        doc.bytFlag2 |= timers::kToneOnIdle;
        doc.intKeytoneFrequencyRT10 = 2500;
        doc.lFreq_TOI = 20480;
        doc.VotingLevel = 1690;
        break;
    case Mode::Sliding:
        doc.bytFlag2 |= timers::kSlidingTone;
        doc.iSlidingSimoco = 1;
        doc.lFreq_TOI = 257;
        doc.m = 35;
        doc.c = 17731;
        doc.LowerFreq = 22364;
        doc.UpperFreq = 24576;
        doc.MuteFreq = 22175;
        doc.Ll = -115;
        doc.Lu = -90;
        doc.VotingLevel = 1690;
        break;
    case Mode::SimocoPhilips:
        doc.bytFlag2 |= timers::kSlidingTone;
        doc.iSlidingSimoco = 0;
        doc.lFreq_TOI = -32768;
        doc.VotingLevel = 8192;
        break;
    }
    ASSERT_EQ(doc.intDocument2DB(), 0);
}

} // namespace

class TRShownIsWritten : public TRViewTest {};

TEST_F(TRShownIsWritten, ANewModuleIsSavedWithTheSettingsItsTabsShow)
{
    frmOrvViewTR* w = openNew(3300);
    ASSERT_NE(w, nullptr);
    const TRAdvancedControls& advanced = *w->advanced().controls;
    EXPECT_EQ(advanced.cboHLGTTimer->currentText(), QStringLiteral("120"));
    EXPECT_EQ(advanced.cboFTTimer->currentText(), QStringLiteral("40"));
    EXPECT_EQ(w->alarm().cboFiveToneStandard->currentIndex(), 0);
    ASSERT_EQ(w->intCommandSave(), 0);

    const QByteArray pages = storedPages(3300);
    EXPECT_EQ(byteOf(pages, kDurationPage, durations::kFunctionTone), 20); // 40 ms in 2 ms units
    EXPECT_EQ(byteOf(pages, kDurationPage, durations::kHlgt), 60);         // 120 ms
    EXPECT_EQ(byteOf(pages, kDurationPage, durations::kFiveTone), 50);     // the first standard's
    EXPECT_EQ(byteOf(pages, kDurationPage, durations::kLet), 125);
}

TEST_F(TRShownIsWritten, VotingControlsFollowTheLineInterfaceOfAStoredModule)
{
    const struct {
        const char* name;
        Mode mode;
    } modes[] = {{"no mode", Mode::None},
                 {"tone on idle", Mode::ToneOnIdle},
                 {"sliding", Mode::Sliding},
                 {"Simoco/Philips", Mode::SimocoPhilips}};
    long serial = 3400;
    for (bool fourWire : {false, true}) {
        for (const auto& k : modes) {
            SCOPED_TRACE(std::string(fourWire ? "4-wire, " : "2-wire, ") + k.name);
            ++serial;
            storeVotingModule(serial, fourWire, k.mode);
            const QByteArray before = storedPages(serial);
            frmOrvViewTR* w = nullptr;
            ASSERT_EQ(open([serial](IDocumentWindow& win) { return win.intInitFromDB(QString::number(serial)); }, &w),
                      0);
            ASSERT_NE(w, nullptr);
            const TRVotingControls& v = *w->voting().controls;
            const TRAdvancedControls& a = *w->advanced().controls;

            // As the technician sees them, each on its own tab.
            w->SSTab1->setCurrentIndex(frmOrvViewTR::kVoting);
            for (QCheckBox* box : {v.chkToneOnIdle, v.chkSlidingVotingTone, v.chkSimocoPhilips})
                EXPECT_EQ(box->isEnabled(), fourWire) << box->objectName().toStdString();
            EXPECT_EQ(v.chkToneOnIdle->isChecked(), fourWire && k.mode == Mode::ToneOnIdle);
            EXPECT_EQ(v.chkSlidingVotingTone->isChecked(), fourWire && k.mode == Mode::Sliding);
            EXPECT_EQ(v.chkSimocoPhilips->isChecked(), fourWire && k.mode == Mode::SimocoPhilips);
            EXPECT_EQ(v.cboTOI->isEnabled(), fourWire && k.mode == Mode::ToneOnIdle);
            EXPECT_EQ(v.txtLowerFrequency->isEnabled(), fourWire && k.mode == Mode::Sliding);
            EXPECT_EQ(v.txtVoteLevel->isEnabled(), fourWire && (k.mode == Mode::ToneOnIdle || k.mode == Mode::Sliding));
            w->SSTab1->setCurrentIndex(frmOrvViewTR::kAdvanced);
            EXPECT_TRUE(a.chkNotchFiltReq->isChecked());
            EXPECT_EQ(a.chkNotchFiltReq->isEnabled(), fourWire);
            EXPECT_FALSE(w->document().fModified);

            // Saved untouched: a 4-wire module as it was; a 2-wire one without the voting mode it
            // does not show.
            ASSERT_EQ(w->intCommandSave(), 0);
            QByteArray expected = before;
            if (!fourWire)
                expected[kTimerPage * 8 + timers::kFlag2] = static_cast<char>(
                    byteOf(before, kTimerPage, timers::kFlag2) & ~(timers::kToneOnIdle | timers::kSlidingTone));
            const QByteArray after = storedPages(serial);
            for (int page = 0; page < kPageCount; ++page)
                if (page != kLastWritePage) {
                    EXPECT_EQ(after.mid(page * 8, 8).toHex(' '), expected.mid(page * 8, 8).toHex(' ')) << page;
                }
            w->cmdQuit->click();
            settle();
        }
    }
}

TEST_F(TRShownIsWritten, APageAppliedInTheRawEditorKeepsEveryTypedEdit)
{
    frmOrvViewTR* w = openNew(3500);
    ASSERT_NE(w, nullptr);
    TRAdvancedControls& advanced = *w->advanced().controls;
    w->general().txtUserRemark->setText(QStringLiteral("Typed remark"));
    w->functionTones().txtMomentaryMonitor->setText(QStringLiteral("7"));
    advanced.optHLGT2->click();
    advanced.cboHLGTTimer->setCurrentText(QStringLiteral("150"));
    COrvDocTR::AlarmRecord original{};
    ASSERT_EQ(w->document().intGetAlarm(3, original), 0);
    ASSERT_EQ(w->alarm().UpdateAlarmConfirm(3, {0x20, 0x12, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), 0);
    ASSERT_EQ(w->alarm().undoDepth(), 1);

    ModalWatch<frmBits> watch([](frmBits& d) {
        d.Text2->setText(QStringLiteral("00"));
        d.Text1->setText(QStringLiteral("0102030405060708"));
        d.Command1->click();
        d.cmdClose->click();
    });
    w->MNUMEMORYMAP_Click();
    EXPECT_EQ(watch.count(), 1);
    EXPECT_EQ(testsupport::pageOf(w->document(), kBlankPage), testsupport::page7to0({1, 2, 3, 4, 5, 6, 7, 8}));

    EXPECT_EQ(w->general().txtUserRemark->text(), QStringLiteral("Typed remark"));
    EXPECT_EQ(w->document().strUserRemark, QStringLiteral("Typed remark"));
    EXPECT_EQ(w->functionTones().txtMomentaryMonitor->text(), QStringLiteral("7"));
    EXPECT_EQ(advanced.cboHLGTTimer->currentText(), QStringLiteral("150"));
    EXPECT_EQ(w->alarm().undoDepth(), 1);
    EXPECT_TRUE(w->alarm().cmdCancel->isEnabled());
    EXPECT_TRUE(w->document().fModified);

    // The undo still takes the alarm back.
    w->alarm().cmdCancel_Click();
    COrvDocTR::AlarmRecord record{};
    ASSERT_EQ(w->document().intGetAlarm(3, record), 0);
    EXPECT_EQ(record, original);
}

TEST_F(TRShownIsWritten, AnEntryATabRefusesKeepsTheRawEditorShut)
{
    frmOrvViewTR* w = openNew(3600);
    ASSERT_NE(w, nullptr);
    const QByteArray before = testsupport::documentPages(w->document(), 0, kPageCount - 1);
    w->general().txtSerialNum->setText(QStringLiteral("123456789"));
    w->general().txtUserRemark->setText(QStringLiteral("Typed remark"));
    ModalWatch<frmBits> watch([](frmBits& d) { d.cmdClose->click(); });
    boxes_.expect(QStringLiteral("Invalid Serial Number"));
    w->MNUMEMORYMAP_Click();
    EXPECT_EQ(watch.count(), 0);
    EXPECT_EQ(w->general().txtSerialNum->text(), QStringLiteral("123456789"));
    EXPECT_EQ(w->general().txtUserRemark->text(), QStringLiteral("Typed remark"));
    EXPECT_EQ(testsupport::documentPages(w->document(), 0, kPageCount - 1), before);
}
