// Function-tone actions in the image, their texts, and the editor's tone list with its undo log.
#include "TRFixture.h"

#include "platform/PlatformError.h"
#include "toneremote/Tones.h"
#include "toneremote/basVelmarTR.h"

using namespace trtest;

TEST(FunctionToneActions, EachIndexIsOneByteFromPage224Down)
{
    const struct {
        int index;
        int page;
        int byte;
        int tone1, tone2; // 0: no pair
    } cases[] = {{0, 224, 7, 650, 650}, {1, 224, 6, 650, 750}, {8, 225, 7, 650, 1450},
                 {238, 253, 1, 2050, 2050}, {15, 225, 0, 0, 0}, {239, 253, 0, 0, 0}, {255, 255, 0, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        COrvDocTR doc;
        ASSERT_EQ(doc.intSetFnToneAction(static_cast<int16_t>(c.index), 137), 0);
        EXPECT_EQ(byteAt(doc, c.page, c.byte), 137);
        QByteArray expected(kPages * 8, '\0');
        expected[c.page * 8 + c.byte] = char(137);
        EXPECT_EQ(imageOf(doc), expected);

        int16_t t1 = 0, t2 = 0, code = 0;
        if (c.tone1 == 0) {
            EXPECT_EQ(doc.intGetFnToneAction(static_cast<int16_t>(c.index), t1, t2, code), -1);
            continue;
        }
        ASSERT_EQ(doc.intGetFnToneAction(static_cast<int16_t>(c.index), t1, t2, code), 0);
        EXPECT_EQ(t1, c.tone1);
        EXPECT_EQ(t2, c.tone2);
        EXPECT_EQ(code, 137);
    }
}

TEST(FunctionToneActions, IndexesAndCodesOutOfRangeAreRefused)
{
    COrvDocTR doc;
    int16_t t1 = 1, t2 = 2, code = 3;
    for (int16_t index : {-1, 256}) {
        EXPECT_EQ(doc.intSetFnToneAction(index, 1), -1);
        EXPECT_EQ(doc.intGetFnToneAction(index, t1, t2, code), -1);
    }
    for (int16_t bad : {-1, 256})
        EXPECT_EQ(doc.intSetFnToneAction(0, bad), -1);
    EXPECT_EQ(imageOf(doc), QByteArray(kPages * 8, '\0'));
    EXPECT_EQ(code, 3);
}

TEST(FunctionToneActions, ResetPutsEveryPairToDoNothingAndLeavesTheRest)
{
    COrvDocTR doc;
    doc.ResetFnToneActions();
    int pairs = 0;
    for (int i = 0; i < 256; ++i) {
        int16_t t1 = 0, t2 = 0, code = 0;
        const bool pair = i / 16 < 15 && i % 16 < 15;
        EXPECT_EQ(doc.intGetFnToneAction(static_cast<int16_t>(i), t1, t2, code), pair ? 0 : -1) << i;
        if (pair && code == 255)
            ++pairs;
        if (!pair) {
            EXPECT_EQ(byteAt(doc, 224 + i / 8, 7 - i % 8), 0) << i;
        }
    }
    EXPECT_EQ(pairs, 225);
}

TEST(FunctionToneTexts, TonesAndActionCodesAtEveryRangeBoundary)
{
    int16_t hz = 0;
    EXPECT_EQ(basVelmarTR::intGetFnToneFrequency(0, hz), 0);
    EXPECT_EQ(hz, 650);
    EXPECT_EQ(basVelmarTR::intGetFnToneFrequency(14, hz), 0);
    EXPECT_EQ(hz, 2050);
    EXPECT_EQ(basVelmarTR::intGetFnToneFrequency(15, hz), -1);
    EXPECT_EQ(basVelmarTR::intGetFnToneFrequency(-1, hz), -1);
    EXPECT_EQ(hz, 2050);

    const struct {
        int code;
        const char* text;
    } cases[] = {
        {0, "Set Channel To [0]"}, {127, "Set Channel To [127]"}, {128, "Set talk-thru OFF"}, {129, "Set talk-thru ON"},
        {130, "Toggle talk-thru"}, {131, "??Unknown"}, {135, "??Unknown"}, {136, "Defeat CTCSS until keyed"},
        {137, "Defeat CTCSS for momentary time or until keyed"}, {138, "Toggle CTCSS Defeat (Keying resets)"},
        {139, "??Unknown"}, {143, "??Unknown"}, {144, "Set Auxiliary outputs [0] ON"}, {147, "Set Auxiliary outputs [3] ON"},
        {148, "??Unknown"}, {159, "??Unknown"}, {160, "Set Auxiliary outputs [0] OFF"},
        {163, "Set Auxiliary outputs [3] OFF"}, {164, "??Unknown"}, {175, "??Unknown"}, {176, "Toggle Auxiliary outputs [0]"},
        {179, "Toggle Auxiliary outputs [3]"}, {180, "??Unknown"}, {191, "??Unknown"}, {192, "Cancel Alarm"},
        {193, "Clear Alarm/Confirmation Pip-Tones"}, {194, "Toggle loopback"}, {195, "??Unknown"}, {217, "??Unknown"},
        {218, "Trigger Confirmation Message [0]"}, {223, "Trigger Confirmation Message [5]"}, {224, "??Unknown"},
        {254, "??Unknown"}, {255, "Do Nothing"},
    };
    for (const auto& c : cases) {
        QString text;
        EXPECT_EQ(basVelmarTR::intFnActionToText(static_cast<int16_t>(c.code), text), 0);
        EXPECT_EQ(text, QString::fromLatin1(c.text)) << c.code;
    }
    for (int16_t bad : {-1, 256}) {
        QString text = QStringLiteral("kept");
        EXPECT_EQ(basVelmarTR::intFnActionToText(bad, text), -1);
        EXPECT_EQ(text, QStringLiteral("kept"));
    }
}

namespace {

// The 225 pairs as the Function Tones tab lists them, with the codes of `doc`.
Tones listOf(const COrvDocTR& doc)
{
    Tones list;
    int16_t position = 0;
    for (int a = 0; a < 15; ++a)
        for (int b = 0; b < 15; ++b) {
            int16_t t1 = 0, t2 = 0, code = 0;
            EXPECT_EQ(doc.intGetFnToneAction(static_cast<int16_t>(16 * a + b), t1, t2, code), 0);
            QString text;
            basVelmarTR::intFnActionToText(code, text);
            list.AddNew(t1, t2, code, position++, text);
        }
    return list;
}

} // namespace

TEST(ToneList, TwoChangesUndoNewestFirstAndAThirdUndoGivesNothing)
{
    COrvDocTR doc;
    doc.ResetFnToneActions();
    Tones list = listOf(doc);
    ASSERT_EQ(list.Count(), 225);
    EXPECT_EQ(list.GetItem(2)->Tone2, 750);
    EXPECT_EQ(list.GetItem(QStringLiteral("650_750")), list.GetItem(2));
    EXPECT_EQ(list.GetItem(226), nullptr);
    EXPECT_EQ(list.GetItem(QStringLiteral("650_2150")), nullptr);

    ASSERT_EQ(list.ModifyTone(QStringLiteral("750_850"), 5, QStringLiteral("Set Channel To [5]")), 0);
    ASSERT_EQ(list.ModifyTone(QStringLiteral("750_850"), 192, QStringLiteral("Cancel Alarm")), 0);
    EXPECT_EQ(list.CountChanges(), 2);
    EXPECT_EQ(list.GetItem(QStringLiteral("750_850"))->ActionCode, 192);

    auto undone = list.UndoLast();
    ASSERT_TRUE(undone);
    EXPECT_EQ(undone->ActionCode, 5);
    EXPECT_EQ(undone->Description, QStringLiteral("Set Channel To [5]"));
    undone = list.UndoLast();
    ASSERT_TRUE(undone);
    EXPECT_EQ(undone, list.GetItem(QStringLiteral("750_850")));
    EXPECT_EQ(undone->ActionCode, 255);
    EXPECT_EQ(undone->Description, QStringLiteral("Do Nothing"));
    EXPECT_EQ(undone->Position, 17);
    EXPECT_EQ(list.CountChanges(), 0);
    EXPECT_EQ(list.UndoLast(), nullptr);
}

TEST(ToneList, MissingEntriesAndRepeatedKeys)
{
    Tones list;
    ASSERT_EQ(list.AddNew(650, 750, 1, 0, QStringLiteral("one")), 0);
    EXPECT_THROW(list.AddNew(650, 750, 2, 1, QStringLiteral("two")), platform::Error);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.ModifyTone(QStringLiteral("650_650"), 3, QStringLiteral("x")), -1);
    EXPECT_EQ(list.ModifyTone(2, 3, QStringLiteral("x")), -1);
    EXPECT_EQ(list.CountChanges(), 0);
    EXPECT_EQ(list.GetItem(1)->ActionCode, 1);
}

TEST(ToneList, CountFilteredByActiveAndOneTone)
{
    COrvDocTR doc;
    doc.ResetFnToneActions();
    // Active: two single-tone pairs and three pairs of two tones.
    for (int index : {0, 17, 1, 2, 16})
        doc.intSetFnToneAction(static_cast<int16_t>(index), 0);
    Tones list = listOf(doc);
    EXPECT_EQ(list.CountFiltered(false, false), 225);
    EXPECT_EQ(list.CountFiltered(true, false), 5);
    EXPECT_EQ(list.CountFiltered(false, true), 15);
    EXPECT_EQ(list.CountFiltered(true, true), 2);

    cTone copy;
    copy.Copy(*list.GetItem(1));
    EXPECT_TRUE(copy.Active());
    EXPECT_TRUE(copy.OneTone());
    EXPECT_EQ(copy.Tone1, 650);
}
