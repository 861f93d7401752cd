// The Voting / Levels tab: the voting modes worked out into the document, the refused entries that
// leave it unchanged, the controls each mode enables, and the line levels.
#include "TRTabsFixture.h"

#include "support/ScriptedMsgBox.h"

#include <QCheckBox>
#include <functional>
#include <QLocale>
#include <cmath>

using trtest::imageOf;

namespace {

// The voting fields of a document, for comparing before and after.
QVariantList votingFields(const COrvDocTR& d)
{
    return {d.bytFlag2,
            d.ToneOnIdle,
            d.lFreq_TOI,
            d.VotingLevel,
            d.RSSISignal,
            d.iSlidingSimoco,
            d.m,
            d.c,
            d.LowerFreq,
            d.UpperFreq,
            d.MuteFreq,
            d.Fl,
            d.Fu,
            d.Ll,
            d.Lu,
            d.Pm,
            d.Pint,
            d.kRSSI,
            d.intKeytoneFrequencyRT10,
            d.bytLineInAmp,
            d.bytLineOutAmp};
}

} // namespace

class VotingTab : public TRTabsFixture {
protected:
    void SetUp() override
    {
        TRTabsFixture::SetUp();
        loadDefault();
        showDocument();
    }
    // Ticks the sliding voting tone (its defaults) and sets the band.
    void sliding(bool vhf)
    {
        voting->chkSlidingVotingTone->setChecked(true);
        (vhf ? voting->optReceiverVHF : voting->optReceiverUHF)->click();
    }
};

TEST_F(VotingTab, SlidingToneDefaultsGiveTheWorkedSlopesAndOffsets)
{
    const struct {
        bool vhf;
        double m;
        int c;
        int rssi;
    } cases[] = {{true, 35, 17731, 1}, {false, 25, 20851, 0}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.vhf ? "VHF" : "UHF");
        voting->chkSlidingVotingTone->setChecked(false);
        sliding(k.vhf);
        ASSERT_EQ(voting->iEditApplyVoting(), 0);
        EXPECT_EQ(doc.m, k.m);
        EXPECT_EQ(doc.c, k.c);
        EXPECT_EQ(doc.RSSISignal, k.rssi);
        EXPECT_EQ(doc.LowerFreq, 22364);
        EXPECT_EQ(doc.UpperFreq, 24576);
        EXPECT_EQ(doc.MuteFreq, 22175);
        EXPECT_EQ(doc.lFreq_TOI, 257);
        EXPECT_EQ(doc.iSlidingSimoco, 1);
        EXPECT_EQ(doc.bytFlag2 & 0x30, 0x10);
        EXPECT_NEAR(doc.VotingLevel, 1690.19, 0.01);
    }
    // Stored and decoded again, the tab shows what was entered.
    ASSERT_EQ(doc.intEditSystem(), 0);
    ASSERT_EQ(doc.intInitSystemInfo(), 0);
    showDocument();
    EXPECT_TRUE(voting->chkSlidingVotingTone->isChecked());
    EXPECT_EQ(voting->txtLowerFrequency->text(), QStringLiteral("2730"));
    EXPECT_EQ(voting->txtUpperFrequency->text(), QStringLiteral("3000"));
    EXPECT_EQ(voting->txtLowerLevel->text(), QStringLiteral("-115"));
    EXPECT_EQ(voting->txtUpperLevel->text(), QStringLiteral("-90"));
    EXPECT_EQ(voting->txtVoteLevel->text(), QStringLiteral("-20.00"));
    EXPECT_TRUE(voting->optReceiverUHF->isChecked());
}

TEST_F(VotingTab, ToneOnIdleAndTheOtherModesLeaveTheirMarkers)
{
    voting->chkToneOnIdle->setChecked(true);
    voting->cboTOI->setCurrentText(QStringLiteral("2970"));
    ASSERT_EQ(voting->iEditApplyVoting(), 0);
    EXPECT_EQ(doc.lFreq_TOI, 24330);
    EXPECT_EQ(doc.intKeytoneFrequencyRT10, 2970);
    EXPECT_TRUE(doc.ToneOnIdle);
    EXPECT_EQ(doc.bytFlag2 & 0x30, 0x20);

    voting->chkSimocoPhilips->setChecked(true);
    EXPECT_FALSE(voting->chkToneOnIdle->isChecked());
    ASSERT_EQ(voting->iEditApplyVoting(), 0);
    EXPECT_EQ(doc.lFreq_TOI, -32768);
    EXPECT_EQ(doc.VotingLevel, 8192.0);
    EXPECT_EQ(doc.iSlidingSimoco, 0);
    EXPECT_EQ(doc.bytFlag2 & 0x30, 0x10);
    EXPECT_FALSE(doc.ToneOnIdle);

    voting->chkSimocoPhilips->setChecked(false);
    ASSERT_EQ(voting->iEditApplyVoting(), 0);
    EXPECT_EQ(doc.lFreq_TOI, -32767);
    EXPECT_EQ(doc.VotingLevel, 8193.0);
    EXPECT_EQ(doc.bytFlag2 & 0x30, 0);

    // 2-wire: no voting field written, only bits 0x01, 0x10 and 0x20 cleared.
    doc.bytFlag2 |= 0x31;
    const int32_t marker = doc.lFreq_TOI;
    opt2Wire->click();
    ASSERT_EQ(voting->iEditApplyVoting(), 0);
    EXPECT_EQ(doc.bytFlag2 & 0x31, 0);
    EXPECT_EQ(doc.lFreq_TOI, marker);
}

TEST_F(VotingTab, RefusedEntriesLeaveEveryFieldAndPageUnchanged)
{
    const struct {
        const char* name;
        const char* lower;
        const char* upper;
        const char* lowerLevel;
        const char* upperLevel;
        const char* message;
    } cases[] = {
        {"K = 0", "2730", "3000", "-100", "-100", "Invalid Voting Parameters"},
        {"m = 0", "2730", "2731", "-115", "-90", "Invalid Voting Parameters"},
        {"c = 32768", "2712", "3000", "-100", "-115", "Invalid combination of variables."},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        voting->chkSlidingVotingTone->setChecked(false);
        sliding(true);
        voting->txtLowerFrequency->setText(QString::fromLatin1(k.lower));
        voting->txtUpperFrequency->setText(QString::fromLatin1(k.upper));
        voting->txtLowerLevel->setText(QString::fromLatin1(k.lowerLevel));
        voting->txtUpperLevel->setText(QString::fromLatin1(k.upperLevel));
        const QVariantList before = votingFields(doc);
        const QByteArray pages = imageOf(doc);
        testsupport::ScriptedMsgBox boxes;
        boxes.expect(QString::fromLatin1(k.message));
        EXPECT_EQ(voting->iEditApplyVoting(), -1);
        EXPECT_EQ(votingFields(doc), before);
        EXPECT_EQ(imageOf(doc), pages);
    }
    // A tone on idle without a frequency.
    voting->chkToneOnIdle->setChecked(true);
    voting->cboTOI->setCurrentIndex(-1);
    voting->cboTOI->setEditText(QString());
    const QVariantList before = votingFields(doc);
    testsupport::ScriptedMsgBox boxes;
    boxes.expect(QStringLiteral("frequency of the tone on idle"));
    EXPECT_EQ(voting->iEditApplyVoting(), -1);
    EXPECT_EQ(votingFields(doc), before);
}

TEST_F(VotingTab, EachModeEnablesItsControls)
{
    auto enabled = [&] {
        QString s;
        for (QWidget* w : std::initializer_list<QWidget*>{
                 voting->cboTOI, voting->txtLowerFrequency, voting->txtMuteFreq, voting->txtLowerLevel,
                 voting->txtVoteLevel, voting->optReceiverVHF, voting->chkToneOnIdle})
            s += w->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    };
    voting->chkToneOnIdle->setChecked(true);
    EXPECT_EQ(enabled(), QStringLiteral("1000101"));
    voting->chkSlidingVotingTone->setChecked(true);
    EXPECT_EQ(enabled(), QStringLiteral("0111111"));
    voting->chkSimocoPhilips->setChecked(true);
    EXPECT_EQ(enabled(), QStringLiteral("0001011")); // the level boxes stay enabled, emptied
    EXPECT_TRUE(voting->txtLowerLevel->text().isEmpty());
    voting->chkSimocoPhilips->setChecked(false);
    EXPECT_EQ(enabled(), QStringLiteral("0001001"));
    EXPECT_EQ(voting->txtVoteLevel->text(), QStringLiteral("0"));
    opt2Wire->click();
    EXPECT_EQ(enabled(), QStringLiteral("0001000"));
    EXPECT_TRUE(advanced->chkNotchFiltReq->isChecked());
    EXPECT_FALSE(advanced->chkNotchFiltReq->isEnabled());

    // A 2-wire show ticks no disabled mode box, even for a document in Simoco/Philips mode.
    doc.iSlidingSimoco = 0;
    doc.VotingLevel = 8192.0;
    ASSERT_EQ(voting->intShowVoting(), 0);
    EXPECT_FALSE(voting->chkSimocoPhilips->isChecked());
    // Back to 4-wire: the document's own mode comes back.
    opt4Wire->click();
    EXPECT_TRUE(voting->chkSimocoPhilips->isChecked());
    EXPECT_TRUE(voting->chkToneOnIdle->isEnabled());
}

TEST_F(VotingTab, ShowThenApplyOfAnUntouchedDocumentChangesNoByte)
{
    for (uint8_t flags : {uint8_t{0x00}, uint8_t{0x10}, uint8_t{0x20}}) {
        SCOPED_TRACE(flags);
        loadDefault();
        doc.bytFlag2 = flags;
        doc.lFreq_TOI = 1234;
        ASSERT_EQ(doc.intEditSystem(), 0);
        ASSERT_EQ(doc.intInitSystemInfo(), 0);
        const QByteArray pages = imageOf(doc);
        const QVariantList fields = votingFields(doc);
        showDocument();
        EXPECT_EQ(imageOf(doc), pages);
        ASSERT_EQ(voting->iEditApplyVoting(), 0);
        EXPECT_EQ(votingFields(doc), fields);
        EXPECT_EQ(imageOf(doc), pages);
    }
}

TEST_F(VotingTab, EntryChecksRestoreTheKeptValue)
{
    sliding(true);
    voting->txtLowerFrequency->setText(QStringLiteral("351"));
    EXPECT_FALSE(voting->keyAccepted(voting->txtLowerFrequency, QLatin1Char('0')));
    voting->txtLowerFrequency->setText(QStringLiteral("350"));
    EXPECT_TRUE(voting->keyAccepted(voting->txtLowerFrequency, QLatin1Char('0')));
    EXPECT_FALSE(voting->keyAccepted(voting->txtUpperLevel, QLatin1Char('.')));
    EXPECT_TRUE(voting->keyAccepted(voting->txtLowerLevel, QLatin1Char('.')));
    voting->txtLowerFrequency->setText(QStringLiteral("2730"));

    const struct {
        QLineEdit* box;
        std::function<bool()> check;
        const char* kept;
        const char* typed;
        const char* message; // empty: accepted
        const char* after;
    } cases[] = {
        {voting->txtLowerLevel, [this] { return voting->txtLowerLevel_LostFocus(); }, "-115", "-49",
         "between -150 and -50", "-115"},
        {voting->txtLowerLevel, [this] { return voting->txtLowerLevel_LostFocus(); }, "-115", "-115.7", "", "-115"},
        {voting->txtVoteLevel, [this] { return voting->txtVoteLevel_LostFocus(); }, "-20", "-40.01",
         "-40 dBr and -1 dBr", "-20"},
        {voting->txtVoteLevel, [this] { return voting->txtVoteLevel_LostFocus(); }, "-20", "-1", "", "-1"},
        {voting->txtUpperFrequency, [this] { return voting->txtUpperFrequency_LostFocus(); }, "3000", "2720",
         "higher then lower frequency", "3000"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.typed);
        k.box->setText(QString::fromLatin1(k.kept));
        QFocusEvent in(QEvent::FocusIn);
        QCoreApplication::sendEvent(k.box, &in);
        k.box->setText(QString::fromLatin1(k.typed));
        testsupport::ScriptedMsgBox boxes;
        if (*k.message)
            boxes.expect(QString::fromLatin1(k.message));
        const bool accepted = k.check();
        EXPECT_EQ(accepted, *k.message == 0);
        EXPECT_EQ(k.box->text(), QString::fromLatin1(k.after));
    }
}

TEST_F(VotingTab, LineLevelsSnapToTheTableAndStoreItsSteps)
{
    const struct {
        const char* typed;
        const char* shown;
        int step;
    } cases[] = {
        {"-34.9", "-34.9", 1},  // a level of the table
        {"-34.85", "-34.9", 1}, // between two rows: the lower
        {"-40", "-35", 0},      // below every row
        {"", "-6.7", 255},      // empty reads as 0 dBm
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.typed);
        type(voting->txtLineIn, QString::fromLatin1(k.typed));
        voting->txtLineIn_LostFocus();
        EXPECT_EQ(voting->txtLineIn->text(), QString::fromLatin1(k.shown));
        type(voting->txtLineIn, QString::fromLatin1(k.typed));
        ASSERT_EQ(voting->iEditApplyVoting(), 0);
        EXPECT_EQ(doc.bytLineInAmp, k.step);
    }
    // Under a locale that writes "," the boxes read and show ",".
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    type(voting->txtLineOut, QStringLiteral("-29,75"));
    voting->txtLineOut_LostFocus();
    EXPECT_EQ(voting->txtLineOut->text(), QStringLiteral("-29,8"));
    ASSERT_EQ(voting->iEditApplyVoting(), 0);
    EXPECT_EQ(doc.bytLineOutAmp, 1);
    ASSERT_EQ(voting->intShowVoting(), 0);
    EXPECT_EQ(voting->txtLineOut->text(), QStringLiteral("-29,8"));
    QLocale::setDefault(previous);
}
