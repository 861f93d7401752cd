// A module read from the rack, shown on the window's tabs and saved without an edit is stored as the
// module holds it: only the date of the last write changes, and outside sliding-tone mode the RSSI
// preset, which the document always writes anew.
#include "TRViewFixture.h"

#include "db/CLASSOrvDB.h"
#include "support/PageBytes.h"

namespace {

// The module's image with settings the tabs keep while they are not edited: a line-fail time that
// is no whole minute, a momentary time that is no whole second, a keytone frequency the list does
// not offer, and a channel beyond what the box takes.
QByteArray oddImage(const QByteArray& factory)
{
    COrvDocTR doc;
    for (int p = 0; p < trlayout::kPageCount; ++p)
        EXPECT_EQ(doc.intWritePage(p, factory.mid(p * 8, 8)), 0);
    EXPECT_EQ(doc.intInitSystemInfo(), 0);
    doc.intLineFailTime = 15000;
    doc.intMomTime = 41;
    doc.intKeytoneFrequencyLT5 = 1234;
    doc.bytFlag1Page5 &= 0x7F;
    doc.bytCurrentChannel = 200;
    doc.intSetFnToneAction(2 * 16 + 3, 129);
    EXPECT_EQ(doc.intEditSystem(), 0);
    return testsupport::documentPages(doc, 0, trlayout::kPageCount - 1);
}

} // namespace

TEST_F(TRViewRackTest, AModuleSavedWithoutAnEditIsStoredAsItWas)
{
    const QByteArray image = oddImage(factoryImage());
    addModule(image);
    line_.open();
    frmOrvViewTR* w = openModule();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->document().fModified);
    ASSERT_EQ(w->intCommandSave(), 0);

    COrvDocTR stored;
    int32_t id = 0;
    ASSERT_EQ(CLASSOrvDB::instance().intSerial2ModuleID(QString::number(kSerial), id), 0);
    ASSERT_EQ(stored.intDB2Document(id), 0);
    const QByteArray pages = testsupport::documentPages(stored, 0, trlayout::kPageCount - 1);
    const bool sliding = (static_cast<uint8_t>(image.at(trlayout::kTimerPage * 8 + trlayout::timers::kFlag2))
                          & trlayout::timers::kSlidingTone)
        != 0;
    for (int page = 0; page < trlayout::kPageCount; ++page) {
        if (page == trlayout::kLastWritePage || (page == trlayout::kVotingTonePage && !sliding))
            continue;
        EXPECT_EQ(pages.mid(page * 8, 8).toHex(' '), image.mid(page * 8, 8).toHex(' ')) << "page " << page;
    }
}
