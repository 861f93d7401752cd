// Showing a document on the three tabs and applying them in the window's order changes no byte
// of it, whatever odd values the module holds.
#include "TabFixture.h"

#include "toneremoteview/TRAlarmTab.h"
#include "toneremoteview/TRFunctionTonesTab.h"
#include "toneremoteview/TRGeneralTab.h"

TEST_F(TabFixture, ShowThenApplyOfAnUntouchedDocumentChangesNoByte)
{
    TRGeneralTab& general = view->general();
    TRFunctionTonesTab& functionTones = view->functionTones();
    TRAlarmTab& alarm = view->alarm();

    COrvDocTR& d = doc();
    d.bytFlag1Page5 = 0x00;
    d.bytCurrentChannel = 200;       // beyond what the box lets the user enter
    d.intLineFailTime = 15000;       // not a whole minute
    d.intMomTime = 41;               // not a whole second
    d.intKeytoneFrequencyLT5 = 1234; // not among the offered frequencies
    d.bytSelcallStd = 2;             // with the five-tone time and LET byte of its own
    d.byt5TTime = 20;
    d.bytLET = 125;
    d.OneTone = 1;
    const QByteArray before = encodedImage();

    ASSERT_EQ(general.intShowGeneral(), 0);
    ASSERT_EQ(functionTones.intShowFunctionTone(), 0);
    ASSERT_EQ(alarm.intShowAlarm(), 0);
    EXPECT_FALSE(d.fModified);
    ASSERT_EQ(general.intEditApplyGeneral(), 0);
    ASSERT_EQ(functionTones.iEditApplyFunctionTone(), 0);
    ASSERT_EQ(alarm.intEditApplyAlarm(), 0);

    const QByteArray after = encodedImage();
    for (int page = 0; page < trlayout::kPageCount; ++page)
        EXPECT_EQ(after.mid(page * 8, 8).toHex(' '), before.mid(page * 8, 8).toHex(' ')) << "page " << page;
}
