// The Advanced tab: delays, durations and the repeat time through the document's pages and back,
// the low-volt threshold rule, and the Morse station ident stored in and read from pages 220-223.
#include "TRTabsFixture.h"

#include "platform/ui/UpDown.h"
#include "support/ScriptedMsgBox.h"

#include <QCheckBox>
#include <QToolButton>

using trtest::byteAt;
using trtest::imageOf;

namespace {

QVariantList advancedFields(const COrvDocTR& d)
{
    return {d.intRxDelay, d.intTxDelay, d.bytHLGTDuration, d.bytFTTime, d.bytFlag2, d.iMorseTimer};
}

} // namespace

class AdvancedTab : public TRTabsFixture {
protected:
    void SetUp() override
    {
        TRTabsFixture::SetUp();
        loadDefault();
        showDocument();
    }
    // Applies, stores in the pages, decodes them again and shows the result.
    void roundTrip()
    {
        ASSERT_EQ(advanced->iEditApplyAdvanced(), 0);
        ASSERT_EQ(doc.intEditSystem(), 0);
        ASSERT_EQ(doc.intInitSystemInfo(), 0);
        showDocument();
    }
};

TEST_F(AdvancedTab, DelaysAreStoredInEighthsOfAMillisecond)
{
    const struct {
        bool ticked;
        const char* typed;
        bool leaveBox;     // the box loses the focus before the apply
        const char* after; // the box's text after leaving it
        int stored;
        bool shownTicked;
        const char* shown;
    } cases[] = {
        {false, "100", false, "75", 1, false, "75"}, // off: the box takes no typing
        {true, "100", false, "100", 800, true, "100"}, {true, "37.5", false, "37.5", 300, true, "37"},
        {true, "abc", true, "0", 0, false, "75"}, // 0 shows as off
        {true, "600", true, "500", 4000, true, "500"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.typed);
        advanced->chkRxPathDelay->setChecked(k.ticked);
        type(advanced->txtRxPathDelay, QString::fromLatin1(k.typed));
        if (k.leaveBox)
            advanced->txtRxPathDelay_LostFocus();
        EXPECT_EQ(advanced->txtRxPathDelay->text(), QString::fromLatin1(k.after));
        ASSERT_EQ(advanced->iEditApplyAdvanced(), 0);
        EXPECT_EQ(doc.intRxDelay, k.stored);
        roundTrip();
        EXPECT_EQ(advanced->chkRxPathDelay->isChecked(), k.shownTicked);
        EXPECT_EQ(advanced->txtRxPathDelay->text(), QString::fromLatin1(k.shown));
        EXPECT_EQ(advanced->txtRxPathDelay->isEnabled(), k.shownTicked);
    }
}

TEST_F(AdvancedTab, DurationsGoThroughThePagesAndComeBack)
{
    const struct {
        QComboBox* list;
        QRadioButton* recommended;
        const char* item;
        int page15Byte;
        int stored;
        bool shownRecommended;
    } cases[] = {
        {advanced->cboHLGTTimer, advanced->optHLGT1, "130", 4, 65, false},
        {advanced->cboHLGTTimer, advanced->optHLGT1, "200", 4, 100, false},
        {advanced->cboHLGTTimer, advanced->optHLGT1, "120", 4, 60, true},
        {advanced->cboFTTimer, advanced->optFT1, "20", 7, 10, false},
        {advanced->cboFTTimer, advanced->optFT1, "100", 7, 50, false},
        {advanced->cboFTTimer, advanced->optFT1, "40", 7, 20, true},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.item);
        k.list->setEnabled(true);
        k.list->setCurrentText(QString::fromLatin1(k.item));
        roundTrip();
        EXPECT_EQ(byteAt(doc, 15, k.page15Byte), k.stored);
        EXPECT_EQ(k.list->currentText(), QString::fromLatin1(k.item));
        EXPECT_EQ(k.recommended->isChecked(), k.shownRecommended);
        EXPECT_EQ(k.list->isEnabled(), !k.shownRecommended);
        EXPECT_EQ(k.list->count(), k.list == advanced->cboFTTimer ? 9 : 15); // filled once per show
    }
}

TEST_F(AdvancedTab, AStoredValueTheListsCannotShowIsWrittenAsShown)
{
    // Duration bytes (2 ms units) as the module may hold them: shown as the nearest entry (one
    // the load rule passes over as the recommended value) and written as shown.
    const struct {
        const char* name;
        QComboBox* list;
        int byte;
        int stored;
        const char* shown;
        int written;
    } durations[] = {
        {"HLGT 0 of a new module", advanced->cboHLGTTimer, 4, 0, "120", 60},
        {"HLGT 20 (40 ms)", advanced->cboHLGTTimer, 4, 20, "120", 60},
        {"HLGT 31 (62 ms)", advanced->cboHLGTTimer, 4, 31, "60", 30},
        {"HLGT 33 (66 ms)", advanced->cboHLGTTimer, 4, 33, "70", 35},
        {"HLGT 59 (118 ms)", advanced->cboHLGTTimer, 4, 59, "120", 60},
        {"HLGT 35 (70 ms) exactly", advanced->cboHLGTTimer, 4, 35, "70", 35},
        {"FT 0 of a new module", advanced->cboFTTimer, 7, 0, "40", 20},
        {"FT 11 (22 ms)", advanced->cboFTTimer, 7, 11, "20", 10},
        {"FT 13 (26 ms)", advanced->cboFTTimer, 7, 13, "30", 15},
        {"FT 25 (50 ms) exactly", advanced->cboFTTimer, 7, 25, "50", 25},
    };
    for (const auto& k : durations) {
        SCOPED_TRACE(k.name);
        loadDefault();
        trtest::setByte(doc, 15, k.byte, static_cast<uint8_t>(k.stored));
        ASSERT_EQ(doc.intInitSystemInfo(), 0);
        showDocument();
        EXPECT_EQ(k.list->currentText(), QString::fromLatin1(k.shown));
        ASSERT_EQ(advanced->iEditApplyAdvanced(), 0);
        ASSERT_EQ(doc.intEditSystem(), 0);
        EXPECT_EQ(byteAt(doc, 15, k.byte), k.written);
    }

    // Repeat times in quarter seconds: whole minutes up to 60, anything else as shown.
    const struct {
        int16_t stored;
        int shownMinutes;
        int16_t written;
    } timers[] = {{14401, 0, 0}, {-1, 0, 0}, {3601, 15, 3600}, {3600, 15, 3600}, {14400, 60, 14400}};
    for (const auto& k : timers) {
        SCOPED_TRACE(k.stored);
        doc.iMorseTimer = k.stored;
        showDocument();
        EXPECT_EQ(advanced->cboMorseTimer->currentIndex(), k.shownMinutes);
        ASSERT_EQ(advanced->iEditApplyAdvanced(), 0);
        EXPECT_EQ(doc.iMorseTimer, k.written);
    }
    advanced->cboMorseTimer->setCurrentIndex(2);
    ASSERT_EQ(advanced->iEditApplyAdvanced(), 0);
    EXPECT_EQ(doc.iMorseTimer, 480);
}

TEST_F(AdvancedTab, TheThresholdShowsOddTenthsFrom107To141)
{
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"12", "11.9"}, {"14.2", "14.1"}, {"9", "10.7"}, {"12.3", "12.3"}, {"", "10.7"}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.typed);
        type(advanced->txtLowVoltThreshold, QString::fromLatin1(k.typed));
        advanced->txtLowVoltThreshold_Validate();
        EXPECT_EQ(advanced->txtLowVoltThreshold->text(), QString::fromLatin1(k.shown));
    }
    advanced->showThreshold(10.7);
    advanced->udpLowVoltThresholdChange->upButton()->click();
    EXPECT_EQ(advanced->txtLowVoltThreshold->text(), QStringLiteral("10.9"));
    EXPECT_TRUE(doc.fModified);

    type(advanced->txtLowVoltThreshold, QStringLiteral("12.3"));
    ASSERT_EQ(advanced->iEditApplyAdvanced(), 0);
    EXPECT_NEAR(doc.LowVoltAlarmThreshold().toDouble(), 12.3, 0.012); // the nearest step of the module's byte
}

TEST_F(AdvancedTab, TheStationIdentIsStoredInItsPagesAndShownAgain)
{
    type(advanced->txtMorseID, QStringLiteral("ab"));
    roundTrip();
    EXPECT_EQ(byteAt(doc, 223, 0), 0xD5);
    EXPECT_EQ(byteAt(doc, 223, 1), 0x71);
    EXPECT_EQ(byteAt(doc, 223, 2), 0x01);
    EXPECT_EQ(advanced->txtMorseID->text(), QStringLiteral("AB"));
    EXPECT_EQ(advanced->Text1->text(), QStringLiteral(".- -..."));

    // SOS through the hidden buttons.
    advanced->txtMorseID->setText(QStringLiteral("SOS"));
    advanced->Command4_Click();
    EXPECT_EQ(byteAt(doc, 223, 3), 0x05);
    advanced->Command5_Click();
    EXPECT_EQ(advanced->Text2->text(), QStringLiteral("SOS"));

    // Emptied: four pages of zeros.
    type(advanced->txtMorseID, QString());
    ASSERT_EQ(advanced->iEditApplyAdvanced(), 0);
    for (int p = 220; p <= 223; ++p)
        for (int b = 0; b < 8; ++b)
            EXPECT_EQ(byteAt(doc, p, b), 0);
}

TEST_F(AdvancedTab, AnIdentThatDoesNotFitChangesNothing)
{
    type(advanced->txtMorseID, QStringLiteral("EEE"));
    ASSERT_EQ(advanced->iEditApplyAdvanced(), 0);
    const QByteArray pages = imageOf(doc);
    const QVariantList fields = advancedFields(doc);

    const struct {
        QString ident;
        const char* why; // the message's second sentence
    } cases[] = {
        {QString(63, QLatin1Char('E')) + QLatin1Char('S'), "It is too long: at most 63 characters of it fit."},
        {QString(140, QLatin1Char('A')), "It is too long: at most 32 characters of it fit."},
        {QStringLiteral("AB#"), "The character \"#\" has no Morse code."},
    };
    for (const auto& c : cases) {
        const QString& ident = c.ident;
        SCOPED_TRACE(ident.toStdString());
        advanced->chkRxPathDelay->setChecked(true);
        type(advanced->txtRxPathDelay, QStringLiteral("120"));
        advanced->cboMorseTimer->setCurrentIndex(5);
        advanced->chkFPModeSwitch->setChecked(!advanced->chkFPModeSwitch->isChecked());
        type(advanced->txtLowVoltThreshold, QStringLiteral("13.1"));
        type(advanced->txtMorseID, ident);
        testsupport::ScriptedMsgBox boxes;
        boxes.expect(QStringLiteral("Invalid Station ID"));
        EXPECT_EQ(advanced->iEditApplyAdvanced(), 1);
        EXPECT_EQ(boxes.shown().at(0).title, QStringLiteral("Morse Code Error"));
        EXPECT_EQ(boxes.texts().at(0), QStringLiteral("Invalid Station ID\n\n") + QString::fromUtf8(c.why));
        EXPECT_EQ(advancedFields(doc), fields);
        EXPECT_EQ(imageOf(doc), pages);
    }
    // 63 E and an I fill the 256 bits exactly.
    type(advanced->txtMorseID, QString(63, QLatin1Char('E')) + QLatin1Char('I'));
    ASSERT_EQ(advanced->iEditApplyAdvanced(), 0);
    EXPECT_EQ(byteAt(doc, 220, 7), 0x44);
}

TEST_F(AdvancedTab, ShowThenApplyOfAnUntouchedDocumentChangesNoByte)
{
    doc.intRxDelay = 803;      // not a whole millisecond
    doc.bytHLGTDuration = 170; // a list item other than the recommended one
    doc.iMorseTimer = 3600;
    ASSERT_EQ(doc.intEditSystem(), 0);
    ASSERT_EQ(doc.intInitSystemInfo(), 0);
    for (int p = 220; p <= 223; ++p)
        doc.SetPage(p, 0, 0, 0, 0, 0, 0, 0x0F, 0); // a stream this program would not write
    const QByteArray pages = imageOf(doc);
    showDocument();
    ASSERT_EQ(voting->iEditApplyVoting(), 0);
    ASSERT_EQ(advanced->iEditApplyAdvanced(), 0);
    EXPECT_EQ(doc.intRxDelay, 803);
    EXPECT_EQ(doc.iMorseTimer, 3600);
    EXPECT_EQ(trtest::differingPages(imageOf(doc), pages), QList<int>{});
}
