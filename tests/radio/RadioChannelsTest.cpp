// The channel pages: frequency words, CTCSS codes, pots and pins, run edits, clearing, deleting,
// appending, the barred band, the model and partition tests, and channels outside the image.
#include "RadioFixture.h"

#include "shell/FrequencyCodecs.h"

using namespace radiolayout;

namespace {

// A transmitter of the 440-470 MHz band with 8 channels of the current layout, channel pages
// filled with a recognisable pattern.
class RadioChannels : public RadioDbTest {
protected:
    void SetUp() override
    {
        RadioDbTest::SetUp();
        doc.intWritePage(kIdentityPage, page7to0({0, 0, 1, 0, 8, 0x10, 16, 255}));
        ASSERT_EQ(doc.intInitSystemInfo(), 0);
        doc.lngLowerFreql = 440000000;
        doc.lngUpperFreql = 470000000;
        doc.lngRef1 = 12500;
        doc.lngRef2 = 6250;
        for (int n = 1; n <= kMaxChannels; ++n)
            doc.intWritePage(kPartition + n - 1, page7to0({0x32, 0x32, 0x21, 80, 127, 0, 1, 0xF0 | (n & 0x0F)}));
    }

    QByteArray channel(int n) const { return pageOf(doc, kPartition + n - 1); }
    int32_t frequencyOf(int n) const
    {
        const QByteArray p = channel(n);
        int32_t hz = 0, step = 0;
        basVelmar::intBytesToFrequency(hz, step, uint8_t(p[7]), uint8_t(p[6]), uint8_t(p[5]));
        return hz;
    }
    int16_t runFrequency(int s, int e, int32_t hz, int32_t step)
    {
        return doc.intEditChannel(s, e, hz, step, true, 0, false, 0, 0, false, 0, 0, false, 0, 0, false);
    }

    testsupport::ScriptedMsgBox boxes;
    CLASSOrvDocument doc;
};

TEST_F(RadioChannels, FrequencyWordOfEachStep)
{
    struct Case {
        int32_t ref1, ref2, hz;
        int f1, f2, f3;
    };
    // divider = hz / step; f1 = code << 4 | divider >> 14, f2 = divider >> 6 & 255, f3 = divider & 63
    const Case cases[] = {
        {5000, 0, 450005000, 0x05, 0x7E, 0x11},   // code 0, divider 90001
        {6250, 0, 450006250, 0x14, 0x65, 0x01},   // code 1, divider 72001
        {10000, 0, 450010000, 0x22, 0xBF, 0x09},  // code 2, divider 45001
        {12500, 6250, 450012500, 0x32, 0x32, 0x21}, // code 3, divider 36001
        {12500, 6250, 450006250, 0x14, 0x65, 0x01}, // first reference does not divide: the second
        {2500, 0, 450002500, 0x5A, 0xFC, 0x21},   // code 5, divider 180001
        {3125, 0, 450003125, 0x68, 0xCA, 0x01},   // code 6, divider 144001
    };
    const QByteArray before = channel(2);
    for (const Case& c : cases) {
        doc.lngRef1 = c.ref1;
        doc.lngRef2 = c.ref2;
        ASSERT_EQ(doc.intEditFrequency(2, c.hz), 0) << c.hz;
        const QByteArray p = channel(2);
        EXPECT_EQ(uint8_t(p[7]), c.f1) << c.hz;
        EXPECT_EQ(uint8_t(p[6]), c.f2) << c.hz;
        EXPECT_EQ(uint8_t(p[5]), c.f3) << c.hz;
        EXPECT_EQ(frequencyOf(2), c.hz);
        EXPECT_EQ(p.left(5), before.left(5)) << "the other bytes of the channel stay";
    }
}

TEST_F(RadioChannels, SingleFrequencyEditRefusals)
{
    const QByteArray before = channel(2);
    EXPECT_EQ(doc.intEditFrequency(2, 439987500), -1);      // below the band
    EXPECT_EQ(doc.intEditFrequency(2, 470012500), -1);      // above the band
    EXPECT_EQ(doc.intEditFrequency(2, 450001000), -1);      // no reference divides it
    EXPECT_EQ(doc.intEditFrequency(9, 450000000), -1);      // beyond the channel count
    EXPECT_EQ(doc.intEditFrequency(0, 450000000), -1);
    doc.lngRef1 = 20000;                                     // a step the word cannot be written with
    doc.lngRef2 = 0;
    EXPECT_EQ(doc.intEditFrequency(2, 450000000), -1);
    EXPECT_EQ(channel(2).mid(0, 5), before.mid(0, 5));
    doc.lngRef1 = 12500;
    doc.intWritePage(kPartition + 1, page7to0({0x70, 0, 0, 1, 2, 3, 4, 5})); // step code 7: no frequency
    EXPECT_EQ(doc.intEditFrequency(2, 450000000), -1);
}

TEST_F(RadioChannels, FrequencyRunStopsAtTheBandEdge)
{
    doc.lngUpperFreql = 450020000;
    ASSERT_EQ(runFrequency(1, 3, 450000000, 12500), 0);
    EXPECT_EQ(frequencyOf(1), 450000000);
    EXPECT_EQ(frequencyOf(2), 450012500);
    EXPECT_EQ(frequencyOf(3), 450012500);
}

TEST_F(RadioChannels, ReceiverRunStoresTheIntermediateFrequency)
{
    doc.lngIntFreq = -21400000;
    ASSERT_EQ(runFrequency(1, 2, 450000000, 25000), 0);
    EXPECT_EQ(frequencyOf(1), 428600000);
    EXPECT_EQ(frequencyOf(2), 428625000);
}

TEST_F(RadioChannels, FrequencyZeroBlanksTheRunAndRunEditsClearTheFlag)
{
    const QByteArray before = documentPages(doc, kPartition + 1, kPartition + 3);
    ASSERT_EQ(runFrequency(2, 4, 0, 12500), 0);
    for (int n = 2; n <= 4; ++n) {
        EXPECT_EQ(channel(n).mid(5, 3), QByteArray(3, '\0')) << n;
        EXPECT_EQ(channel(n).left(5), before.mid((n - 2) * 8, 5)) << "the rest of the channel stays";
    }
    // Any run edit clears bit 7 of byte 7, a single-field pot edit keeps it.
    doc.intWritePage(kPartition + 5, page7to0({0xB2, 0x32, 0x21, 80, 127, 0, 1, 0}));
    ASSERT_EQ(doc.intEditDeviation(6, 90), 0);
    EXPECT_EQ(uint8_t(channel(6)[7]), 0xB2);
    ASSERT_EQ(doc.intEditChannel(6, 6, 0, 0, false, 0, false, 0, 0, false, 0, 0, false, 0, 0, false), 0);
    EXPECT_EQ(uint8_t(channel(6)[7]), 0x32);
}

TEST_F(RadioChannels, PotRunsAndPinMask)
{
    ASSERT_EQ(doc.intEditChannel(4, 6, 0, 0, false, 0, false, 80, 5, true, 200, -10, true, 0xA5, 0x0F, true), 0);
    for (int n = 4; n <= 6; ++n) {
        EXPECT_EQ(uint8_t(channel(n)[channel::kDeviation]), 80 + 5 * (n - 4)) << n;
        EXPECT_EQ(uint8_t(channel(n)[channel::kReference]), 200 - 10 * (n - 4)) << n;
        // Pins under the mask from the value, the others kept: 0xF0 | n -> 0xF5.
        EXPECT_EQ(uint8_t(channel(n)[channel::kPins]), 0xF5) << n;
    }
    EXPECT_EQ(uint8_t(channel(7)[channel::kDeviation]), 80); // untouched neighbour
}

TEST_F(RadioChannels, CtcssCodesFromTheTable)
{
    struct Case {
        double hz;
        int code;
    };
    const Case cases[] = {{67.0, 1}, {71.9, 3}, {254.1, 50}, {0.0, 0}, {68.0, 0} /* no such tone */};
    for (const Case& c : cases) {
        doc.intWritePage(kPartition, page7to0({0x32, 0x32, 0x21, 80, 127, 0x12, 0x34, 0}));
        EXPECT_EQ(doc.intEditCTCSS(1, c.hz), 0) << c.hz;
        EXPECT_EQ(uint8_t(channel(1)[2]) * 256 + uint8_t(channel(1)[1]), c.code) << "single edit " << c.hz;

        doc.intWritePage(kPartition + 1, page7to0({0x32, 0x32, 0x21, 80, 127, 0x12, 0x34, 0}));
        doc.intWritePage(kPartition + 2, page7to0({0x32, 0x32, 0x21, 80, 127, 0x12, 0x34, 0}));
        ASSERT_EQ(doc.intEditChannel(2, 3, 0, 0, false, c.hz, true, 0, 0, false, 0, 0, false, 0, 0, false), 0);
        for (int n = 2; n <= 3; ++n)
            EXPECT_EQ(uint8_t(channel(n)[2]) * 256 + uint8_t(channel(n)[1]), c.code) << "run edit " << c.hz;
    }
}

TEST_F(RadioChannels, SingleFieldEditors)
{
    ASSERT_EQ(doc.intEditPin(3, 1, 7), 0);
    EXPECT_EQ(uint8_t(channel(3)[0]), 0xF3);
    ASSERT_EQ(doc.intEditPin(3, 0, 0), 0);
    EXPECT_EQ(uint8_t(channel(3)[0]), 0xF2);
    ASSERT_EQ(doc.intEditReference(3, 255), 0);
    EXPECT_EQ(uint8_t(channel(3)[3]), 255);

    const QByteArray before = documentPages(doc, 0, kLastPage);
    EXPECT_EQ(doc.intEditPin(3, 2, 0), -1);
    EXPECT_EQ(doc.intEditPin(3, 1, 8), -1);
    EXPECT_EQ(doc.intEditPin(3, 1, -1), -1);
    EXPECT_EQ(doc.intEditDeviation(3, 256), -1);
    EXPECT_EQ(doc.intEditDeviation(3, -1), -1);
    EXPECT_EQ(doc.intEditReference(3, 256), -1);
    EXPECT_EQ(doc.intEditDeviation(9, 10), -1);
    EXPECT_EQ(doc.intEditCTCSS(9, 67.0), -1);
    EXPECT_EQ(doc.intEditPin(0, 1, 0), -1);
    EXPECT_EQ(documentPages(doc, 0, kLastPage), before);
}

TEST_F(RadioChannels, DeleteClearAndAppend)
{
    EXPECT_EQ(doc.DeleteChannel(0), -1);
    EXPECT_EQ(doc.DeleteChannel(9), -1);
    ASSERT_EQ(doc.DeleteChannel(8), 0);
    EXPECT_EQ(channel(8), page7to0({0, 0, 0, 0, 0, 0, 0, 255}));

    doc.intModifyCurrentchannel(2); // channel 3
    EXPECT_EQ(pageOf(doc, kStatePage).mid(2, 2), QByteArray("\x02\x00", 2));
    const QByteArray current = channel(3);
    EXPECT_EQ(doc.intChannelClear(1, 9), -1);
    EXPECT_EQ(doc.intChannelClear(3, 2), -1);
    ASSERT_EQ(doc.intChannelClear(1, 8), 0);
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(channel(n), n == 3 ? current : QByteArray(8, '\0')) << n;
    EXPECT_NE(channel(9), QByteArray(8, '\0')) << "beyond the count";

    struct Append {
        int before, add, after;
    };
    for (const Append& a : {Append{125, 10, 128}, Append{128, 5, 128}, Append{8, 0, 8}, Append{8, -3, 8}, Append{8, 2, 10}}) {
        doc.intMaxchannel = static_cast<int16_t>(a.before);
        EXPECT_EQ(doc.intAppendChannel(static_cast<int16_t>(a.add)), 0);
        EXPECT_EQ(doc.intMaxchannel, a.after) << a.before << "+" << a.add;
        if (a.after != a.before) {
            EXPECT_EQ(uint8_t(pageOf(doc, kIdentityPage)[identity::kChannelsLow]), a.after);
        }
    }
}

TEST_F(RadioChannels, BarredBandIncludesItsEdges)
{
    doc.lngBanLFreq = 433000000.0;
    doc.lngBanUFreq = 435000000.0;
    EXPECT_FALSE(doc.CheckBanFrequency(0));
    EXPECT_TRUE(doc.CheckBanFrequency(433000000.0));
    EXPECT_TRUE(doc.CheckBanFrequency(435000000.0));
    EXPECT_TRUE(doc.CheckBanFrequency(434000000.0));
    EXPECT_FALSE(doc.CheckBanFrequency(432999999.0));
    doc.lngBanLFreq = doc.lngBanUFreq = 0;
    EXPECT_FALSE(doc.CheckBanFrequency(0));
}

// Channels whose pages would lie beyond page 148 are refused with a message before anything
// changes; a run whose pots would leave 0-255 likewise.
TEST_F(RadioChannels, RunsOutsideTheImageAreRefusedWholesale)
{
    const QByteArray before = documentPages(doc, 0, kLastPage);
    boxes.expect("Channel 200");
    EXPECT_EQ(runFrequency(120, 200, 450000000, 12500), -1);
    boxes.expect("deviation");
    EXPECT_EQ(doc.intEditChannel(1, 8, 0, 0, false, 0, false, 250, 1, true, 0, 0, false, 0, 0, false), -1);
    boxes.expect("reference");
    EXPECT_EQ(doc.intEditChannel(1, 8, 0, 0, false, 0, false, 0, 0, false, 5, -1, true, 0, 0, false), -1);
    EXPECT_EQ(runFrequency(0, 3, 450000000, 12500), -1);
    EXPECT_EQ(runFrequency(3, 2, 450000000, 12500), -1);
    EXPECT_EQ(documentPages(doc, 0, kLastPage), before);

    // A count beyond the image (from a damaged file) does not let the single editors past page 148.
    doc.intMaxchannel = 200;
    EXPECT_EQ(doc.intEditDeviation(140, 10), -1);
    EXPECT_EQ(doc.DeleteChannel(140), -1);
    EXPECT_EQ(doc.intChannelClear(130, 140), -1);
    EXPECT_EQ(doc.intChannelValidationCheck(), 0);
    EXPECT_EQ(documentPages(doc, 0, kLastPage), before);
}

TEST_F(RadioChannels, NewChannelPages)
{
    ASSERT_EQ(doc.intInitChannel(), 0);
    // Channel 1: the band's lower edge, deviation 80, reference 127, all pins; the rest empty.
    EXPECT_EQ(channel(1), page7to0({0x32, 0x26, 0x00, 80, 127, 0, 0, 255})); // 440 MHz: divider 35200
    for (int n = 2; n <= kMaxChannels; ++n)
        ASSERT_EQ(channel(n), page7to0({0, 0, 0, 0, 0, 0, 0, 255})) << n;

    boxes.expect("first reference");
    doc.lngRef1 = 0;
    EXPECT_EQ(doc.intInitChannel(), -1);
    EXPECT_EQ(channel(1), page7to0({0, 0, 0, 0, 0, 0, 0, 255}));
}

TEST_F(RadioChannels, ModelCodeAndPartitionTests)
{
    doc.intWritePage(kModelCodePage, textPage("3115 000"));
    struct Case {
        const char* module;
        int result;
    };
    const Case cases[] = {
        {"3115 000", 0},  // the same
        {"3215 000", 0},  // differs in character 2
        {"31150000", -1}, // differs first in character 5, where the document has a blank
        {"3115 001", 0},  // differs in character 8
    };
    for (const Case& c : cases)
        EXPECT_EQ(doc.TestModelType(QByteArray(c.module)), c.result) << c.module;
    doc.intWritePage(kModelCodePage, textPage("31150000"));
    EXPECT_EQ(doc.TestModelType(QByteArray("3115 000")), 0) << "a blank only in the module's code";

    EXPECT_FALSE(doc.TestPartition("16"));
    EXPECT_TRUE(doc.TestPartition("12"));
    boxes.expect("not a number");
    EXPECT_TRUE(doc.TestPartition("x"));
}

} // namespace
