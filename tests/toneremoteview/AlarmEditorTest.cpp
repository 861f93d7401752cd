// The alarm editor: records built from the controls, records shown again unchanged, the messages,
// the shared auxiliary output question, and how the dialog closes.
#include "support/ScriptedMsgBox.h"
#include "toneremote/basVelmarTR.h"
#include "toneremoteview/frmEditAlarm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using Record = COrvDocTR::AlarmRecord;
using platform::vbNo;
using platform::vbOK;
using platform::vbYes;

namespace {

constexpr uint8_t F = 0xFF;
const Record kDisabled{0, F, F, F, F, F, F, F};

QString hex(const Record& r)
{
    QStringList bytes;
    for (uint8_t b : r)
        bytes << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0'));
    return bytes.join(QLatin1Char(' '));
}

Record dataOf(const frmEditAlarm& d)
{
    Record r{};
    d.GetData(r);
    return r;
}

// The dialog on alarm `first`..`last` of `doc`.
std::unique_ptr<frmEditAlarm> editing(const COrvDocTR& doc, int16_t first, int16_t last = 0)
{
    auto d = std::make_unique<frmEditAlarm>();
    d->SetData(doc, first, last ? last : first);
    return d;
}

// Master switch on, the encoding's box ticked and the message typed.
void message(frmEditAlarm& d, QCheckBox* encoding, const QString& text)
{
    d.chkEnableAlarms->setChecked(true);
    encoding->setChecked(true);
    d.txtAlarmMessage->setText(text);
}

void auxOutput(frmEditAlarm& d, const QString& text)
{
    d.chkEnableAlarms->setChecked(true);
    d.chkEnableAux->setChecked(true);
    d.txtAuxNum->setText(text);
}

void ft(frmEditAlarm& d, int hlgt, int ft1Item, int ft2Item)
{
    d.chkEnableAlarms->setChecked(true);
    d.chkFt->setChecked(true);
    d.cboHlgt->setCurrentIndex(hlgt);
    d.cboFT1->setCurrentIndex(ft1Item);
    d.cboFT2->setCurrentIndex(ft2Item);
}

struct BuildCase {
    const char* name;
    std::function<void(frmEditAlarm&)> set;
    int16_t status = 0;
    Record record{};             // when the status is 0
    QStringList messages{};      // shown, in order
    QString auxText{};           // txtAuxNum afterwards, when given
    QString description{};       // the record's description, when given
    bool keepsEncoding = false;  // refused with the encoding still ticked, so OK refuses again
};

// A sequence refused for a character its encoding has no code for, or for its length.
BuildCase refused(const char* name, std::function<void(frmEditAlarm&)> set, const QString& why)
{
    return {name, std::move(set), 1, {}, {why}, {}, {}, true};
}

const std::vector<BuildCase>& buildCases()
{
    static const std::vector<BuildCase> cases = {
        {"master off", [](frmEditAlarm& d) { d.chkEnableAlarms->setChecked(false); }, 0, kDisabled, {}, {}, "Disabled"},
        {"aux 7 held to 3",
         [](frmEditAlarm& d) { auxOutput(d, "7"); },
         0,
         {0x2E, F, F, F, F, F, F, F},
         {},
         "3",
         "Activate Aux 3"},
        {"aux -2 held to 0", [](frmEditAlarm& d) { auxOutput(d, "-2"); }, 0, {0x28, F, F, F, F, F, F, F}, {}, "0"},
        {"aux 1.5 is output 1", [](frmEditAlarm& d) { auxOutput(d, "1.5"); }, 0, {0x2A, F, F, F, F, F, F, F}, {}, "1"},
        {"selcall 12R4 with pip tone",
         [](frmEditAlarm& d) {
             message(d, d.chkSelcall, "12R4");
             d.chkPipTone->setChecked(true);
         },
         0,
         {0xB0, 0x12, 0xB4, F, F, F, F, F},
         {},
         {},
         "PipTone. Selcall  12R4 to Line. "},
        refused(
            "selcall 12ab3 has no b", [](frmEditAlarm& d) { message(d, d.chkSelcall, "12ab3"); },
            "Error encountered, the character \"b\" at position 4 of the Selcall Alarm message is not a Selcall "
            "digit"),
        refused(
            "DTMF 12P3 to both has no P, and is not sent anywhere",
            [](frmEditAlarm& d) {
                message(d, d.chkDtmf, "12P3");
                d.chkAlarmToRadio->setChecked(true);
            },
            "Error encountered, the character \"P\" at position 3 of the DTMF Alarm message is not a DTMF digit"),
        refused(
            "selcall 1%2: the character is named as typed", [](frmEditAlarm& d) { message(d, d.chkSelcall, "1%2"); },
            "the character \"%\" at position 2 of the Selcall Alarm message"),
        {"DTMF *#A to both goes to the line only",
         [](frmEditAlarm& d) {
             message(d, d.chkDtmf, "*#a");
             d.chkAlarmToRadio->setChecked(true);
         },
         0,
         {0xA1, 0xAB, 0xCF, F, F, F, F, F},
         {"DTMF sequences can not be generated to both line and radio"},
         {},
         "DTMF  *#A to Line. "},
        {"DTMF 1G2 codes G as the star",
         [](frmEditAlarm& d) { message(d, d.chkDtmf, "1G2"); },
         0,
         {0xA1, 0x1A, 0x2F, F, F, F, F, F},
         {},
         {},
         "DTMF  1*2 to Line. "},
        {"DTMF 1g2 codes g as the star",
         [](frmEditAlarm& d) { message(d, d.chkDtmf, "1g2"); },
         0,
         {0xA1, 0x1A, 0x2F, F, F, F, F, F}},
        {"selcall 1g*2 codes g and * as G",
         [](frmEditAlarm& d) { message(d, d.chkSelcall, "1g*2"); },
         0,
         {0xA0, 0x1C, 0xC2, F, F, F, F, F}},
        {"14 digits fill the record",
         [](frmEditAlarm& d) { message(d, d.chkSelcall, "12345678901234"); },
         0,
         {0xA0, 0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34},
         {},
         {},
         "Selcall  12345678901234 to Line. "},
        refused(
            "15 digits are more than a record holds",
            [](frmEditAlarm& d) { message(d, d.chkSelcall, "123456789012345"); },
            "Error encountered, Selcall Alarm message is longer than the 14 digits an alarm can hold"),
        {"FT 2100 650+2050",
         [](frmEditAlarm& d) { ft(d, 0, 1, 15); },
         0,
         {0x21, 0x00, 0xEF, F, F, F, F, F},
         {},
         {},
         "FT Seq 650+2050 to Line. "},
        {"FT1 None drops FT2",
         [](frmEditAlarm& d) { ft(d, 0, 0, 15); },
         0,
         {0x21, 0x0F, F, F, F, F, F, F},
         {},
         {},
         "FT Seq None to Line. "},
        {"FT to the radio with HLGT 3100",
         [](frmEditAlarm& d) {
             ft(d, 9, 4, 6);
             d.chkAlarmToRadio->setChecked(true);
             d.chkAlarmToLine->setChecked(false);
         },
         0,
         {0x41, 0x93, 0x5F, F, F, F, F, F},
         {},
         {},
         "FT Seq 950+1150 to Radio. "},
        {"selcall empty",
         [](frmEditAlarm& d) { message(d, d.chkSelcall, ""); },
         1,
         {},
         {"Error encountered, Selcall Alarm message is not defined or invalid"}},
        refused(
            "selcall beginning with a sign it has not", [](frmEditAlarm& d) { message(d, d.chkSelcall, "#12"); },
            "the character \"#\" at position 1 of the Selcall Alarm message is not a Selcall digit"),
        {"DTMF empty",
         [](frmEditAlarm& d) { message(d, d.chkDtmf, ""); },
         1,
         {},
         {"Error encountered, DTMF Alarm message is not defined or invalid"}},
    };
    return cases;
}

} // namespace

TEST(AlarmEditor, BuildsRecordsAndShowsThemAgainUnchanged)
{
    for (const BuildCase& c : buildCases()) {
        SCOPED_TRACE(c.name);
        COrvDocTR doc;
        ASSERT_EQ(doc.intSetAlarm(3, Record{0x20, F, F, F, F, F, F, F}), 0);  // to the line, nothing more
        auto d = editing(doc, 3);
        const Record loaded = dataOf(*d);
        c.set(*d);
        testsupport::ScriptedMsgBox boxes;
        boxes.answerAll(vbOK);
        EXPECT_EQ(d->GenerateAlarmRcd(), c.status);
        EXPECT_EQ(boxes.texts().size(), c.messages.size()) << boxes.texts().join(" | ").toStdString();
        for (int i = 0; i < c.messages.size() && i < boxes.texts().size(); ++i) {
            EXPECT_TRUE(boxes.texts()[i].contains(c.messages[i])) << boxes.texts()[i].toStdString();
            EXPECT_EQ(boxes.shown()[i].title, "Alarms");
            EXPECT_EQ(boxes.shown()[i].icon(), platform::vbExclamation);
        }
        if (!c.auxText.isNull()) {
            EXPECT_EQ(d->txtAuxNum->text(), c.auxText);
        }
        if (c.status != 0) {
            EXPECT_EQ(d->chkSelcall->isChecked() || d->chkDtmf->isChecked(), c.keepsEncoding);
            EXPECT_EQ(hex(dataOf(*d)), hex(loaded)) << "a refused build keeps the record";
            if (c.keepsEncoding) {
                d->cmdAlarmApply_Click();
                EXPECT_NE(d->result(), QDialog::Accepted) << "OK keeps the dialog open";
                EXPECT_EQ(boxes.texts().size(), c.messages.size() + 1);
                EXPECT_EQ(hex(dataOf(*d)), hex(loaded));
            }
            continue;
        }
        const Record built = dataOf(*d);
        EXPECT_EQ(hex(built), hex(c.record));
        if (!c.description.isEmpty()) {
            QString text;
            basVelmarTR::intAlarmToText(built, text);
            EXPECT_EQ(text, c.description);
        }

        // Loaded again and accepted as it stands, the record keeps every byte.
        ASSERT_EQ(doc.intSetAlarm(3, built), 0);
        auto again = editing(doc, 3);
        testsupport::ScriptedMsgBox none;
        again->cmdAlarmApply_Click();
        EXPECT_FALSE(again->Cancelled());
        EXPECT_EQ(again->result(), QDialog::Accepted);
        EXPECT_EQ(hex(dataOf(*again)), hex(c.record));
    }
}

TEST(AlarmEditor, ShowsAStoredRecord)
{
    COrvDocTR doc;
    ASSERT_EQ(doc.intSetAlarm(12, Record{0x41, 0x13, 0x5F, F, F, F, F, F}), 0);  // FT 950+1150 to the radio
    ASSERT_EQ(doc.intSetAlarm(2, Record{0x88, 0x12, F, F, F, F, F, F}), 0);      // selcall, aux 0, no destination
    ASSERT_EQ(doc.intSetAlarm(4, Record{0xFC, 0x12, 0xBF, F, F, F, F, F}), 0);   // selcall 1 2 R, both, aux 2, pip

    auto ftRecord = editing(doc, 12);
    EXPECT_EQ(ftRecord->windowTitle(), "Define User Confirmation1");
    EXPECT_TRUE(ftRecord->chkEnableAlarms->isChecked());
    EXPECT_TRUE(ftRecord->chkFt->isChecked());
    EXPECT_EQ(ftRecord->cboHlgt->currentText(), "2175");
    EXPECT_EQ(ftRecord->cboFT1->currentText(), "950");
    EXPECT_EQ(ftRecord->cboFT2->currentText(), "1150");
    EXPECT_TRUE(ftRecord->cboFT1->isEnabled());
    EXPECT_FALSE(ftRecord->chkAlarmToLine->isChecked());
    EXPECT_TRUE(ftRecord->chkAlarmToRadio->isChecked());

    auto disabled = editing(doc, 2);
    EXPECT_FALSE(disabled->chkEnableAlarms->isChecked()) << "no destination: the record is disabled";
    EXPECT_TRUE(disabled->chkSelcall->isChecked());
    EXPECT_FALSE(disabled->chkSelcall->isEnabled());
    EXPECT_FALSE(disabled->txtAlarmMessage->isEnabled());
    EXPECT_FALSE(disabled->txtAuxNum->isEnabled());

    auto selcall = editing(doc, 4, 6);
    EXPECT_EQ(selcall->windowTitle(), "Define Line Failure Alarm, Multiple Selection");
    EXPECT_EQ(selcall->txtAlarmMessage->text(), "12R") << "a stored repeat digit shows as R";
    EXPECT_TRUE(selcall->chkPipTone->isChecked());
    EXPECT_TRUE(selcall->chkEnableAux->isChecked());
    EXPECT_EQ(selcall->txtAuxNum->text(), "2");
    EXPECT_TRUE(selcall->chkAlarmToLine->isChecked() && selcall->chkAlarmToRadio->isChecked());
    EXPECT_FALSE(selcall->cboHlgt->isEnabled());
}

TEST(AlarmEditor, CaptionNamesTheFirstAlarm)
{
    const std::vector<std::pair<int, QString>> captions = {
        {1, "Define Reverse Power Alarm"},     {2, "Define Forward Power Alarm"},
        {3, "Define Low Battery Alarm"},       {5, "Define Auxiliary Alarm 0"},
        {8, "Define Auxiliary Alarm 3"},       {9, "Define Power-up Confirmation"},
        {10, "Define Channel Confirmation"},   {14, "Define User Confirmation3"},
        {15, "Set Alarm Action"},
    };
    COrvDocTR doc;
    for (const auto& [alarm, caption] : captions)
        EXPECT_EQ(editing(doc, static_cast<int16_t>(alarm))->windowTitle(), caption) << alarm;
}

TEST(AlarmEditor, ControlsFollowTheChoices)
{
    COrvDocTR doc;
    auto d = editing(doc, 1);
    d->chkEnableAlarms->setChecked(true);
    d->chkAlarmToRadio->setChecked(true);
    d->chkFt->setChecked(true);
    EXPECT_TRUE(d->cboHlgt->isEnabled() && d->cboFT1->isEnabled() && d->cboFT2->isEnabled());
    EXPECT_TRUE(d->chkAlarmToLine->isChecked());
    EXPECT_FALSE(d->chkAlarmToRadio->isChecked()) << "function tones go to the line";

    d->chkAlarmToLine->setChecked(false);
    EXPECT_TRUE(d->chkAlarmToRadio->isChecked()) << "one destination stays ticked";

    QTest::keyClicks(d->txtAlarmMessage, "1");
    EXPECT_TRUE(d->chkSelcall->isChecked()) << "typing a message chooses selcall";
    EXPECT_FALSE(d->chkFt->isChecked());
    EXPECT_FALSE(d->cboFT1->isEnabled());
    EXPECT_EQ(d->txtAlarmMessage->text(), "1");

    d->chkDtmf->setChecked(true);
    EXPECT_FALSE(d->chkSelcall->isChecked());

    d->chkEnableAux->setChecked(true);
    EXPECT_TRUE(d->txtAuxNum->isEnabled());
    d->chkEnableAlarms->setChecked(false);
    for (QWidget* w : std::initializer_list<QWidget*>{d->chkPipTone, d->chkDtmf, d->chkAlarmToLine, d->chkEnableAux,
                                                      d->txtAlarmMessage, d->txtAuxNum})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
}

TEST(AlarmEditor, LeavingBoxesTidiesTheChoice)
{
    COrvDocTR doc;
    auto d = editing(doc, 1);
    d->show();
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    d->chkEnableAlarms->setChecked(true);
    d->chkSelcall->setChecked(true);
    d->txtAlarmMessage->setFocus();
    d->chkPipTone->setFocus();
    EXPECT_FALSE(d->chkSelcall->isChecked()) << "an empty message leaves no selcall";

    d->chkFt->setChecked(true);
    d->cboFT1->setCurrentIndex(0);
    d->cboFT2->setCurrentIndex(4);
    d->cboFT1->setFocus();
    d->txtAlarmMessage->setFocus();
    EXPECT_EQ(d->cboFT2->currentIndex(), 0) << "no first tone, no second";
}

TEST(AlarmEditor, AsksWhenAnotherAlarmSwitchesTheSameOutput)
{
    COrvDocTR doc;
    ASSERT_EQ(doc.intSetAlarm(9, Record{0x2C, F, F, F, F, F, F, F}), 0);  // alarm 9 switches output 2
    const QString question = "This auxilary output has been selected for use by more than one alarm/confirmation.  "
                             "Do you wish to keep this setting?";

    auto other = editing(doc, 1);
    auxOutput(*other, "1");
    testsupport::ScriptedMsgBox none;
    other->cmdAlarmApply_Click();
    EXPECT_EQ(other->GetAuxPortUsageCount(), 1);
    EXPECT_EQ(other->result(), QDialog::Accepted);

    auto shared = editing(doc, 1);
    auxOutput(*shared, "2");
    testsupport::ScriptedMsgBox boxes;
    boxes.expect(question, vbNo);
    shared->cmdAlarmApply_Click();
    EXPECT_EQ(shared->GetAuxPortUsageCount(), 2);
    EXPECT_NE(shared->result(), QDialog::Accepted) << "No keeps the dialog open";
    EXPECT_EQ(boxes.shown().at(0).style, platform::vbYesNo | platform::vbExclamation);
    boxes.expect(question, vbYes);
    shared->cmdAlarmApply_Click();
    EXPECT_EQ(shared->result(), QDialog::Accepted);
    EXPECT_EQ(hex(dataOf(*shared)), hex(Record{0x2C, F, F, F, F, F, F, F}));

    auto range = editing(doc, 5, 7);
    auxOutput(*range, "3");
    boxes.expect(question, vbYes);
    range->cmdAlarmApply_Click();
    EXPECT_EQ(range->GetAuxPortUsageCount(), 3) << "every alarm of the range counts";

    auto noAux = editing(doc, 5, 7);
    noAux->chkEnableAlarms->setChecked(true);
    noAux->cmdAlarmApply_Click();
    EXPECT_EQ(noAux->GetAuxPortUsageCount(), 0);
    EXPECT_EQ(noAux->result(), QDialog::Accepted);
}

TEST(AlarmEditor, CentredAndEveryWayOutButOkCancels)
{
    COrvDocTR doc;
    ASSERT_EQ(doc.intSetAlarm(2, Record{0xA0, 0x12, F, F, F, F, F, F}), 0);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    for (const char* way : {"Esc", "Cancel", "close box"}) {
        SCOPED_TRACE(way);
        auto d = editing(doc, 2);
        d->show();
        EXPECT_EQ(d->pos(), QPoint((screen.width() - d->width()) / 2, (screen.height() - d->height()) / 2));
        d->chkEnableAlarms->setChecked(false);  // an edit the user walks away from
        if (QLatin1String(way) == "Esc")
            QTest::keyClick(d.get(), Qt::Key_Escape);
        else if (QLatin1String(way) == "Cancel")
            QTest::mouseClick(d->cdmCancel, Qt::LeftButton);
        else
            d->close();
        EXPECT_TRUE(d->isHidden());
        EXPECT_TRUE(d->Cancelled());
        EXPECT_EQ(hex(dataOf(*d)), hex(Record{0xA0, 0x12, F, F, F, F, F, F}));
    }
    auto fresh = editing(doc, 2);
    EXPECT_FALSE(fresh->Cancelled());
}
