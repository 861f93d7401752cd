// The channel grid: what it shows of the channel pages, and the edits made through it (copy,
// paste, delete), which reach only the channels in use and mark the document changed.
#include "ViewFixture.h"

#include "radioview/ChannelCells.h"
#include "radioview/GridColumnWidths.h"

#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <QTabWidget>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTableWidget>

using namespace radiolayout;
using platform::vbOK;

namespace {

constexpr int kIntermediate = 21400000; // the receiver model's

struct LocaleScope {
    explicit LocaleScope(const QLocale& l) { QLocale::setDefault(l); }
    ~LocaleScope() { QLocale::setDefault(saved); }
    QLocale saved;
};

QStringList rowTexts(const frmOrvView& w, int row)
{
    QStringList texts;
    for (int c = 0; c < w.Cols(); ++c)
        texts << w.TextMatrix(row, c);
    return texts;
}

} // namespace

class GridTest : public ViewTest {};

TEST_F(GridTest, LayoutsOfReceiverAndTransmitter)
{
    frmOrvView* rx = openNew(kReceiverModel);
    frmOrvView* tx = openNew(kTransmitterModel);
    EXPECT_EQ(rowTexts(*rx, 0), (QStringList{"Channel", "Frequency (MHz)", "CTCSS (Hz)", "Pin 8", "Pin 7", "Pin 6", "Pin 5",
                                             "Pin 4", "Pin 3", "Pin 2", "Pin 1", "Switch Setting"}));
    EXPECT_EQ(rowTexts(*tx, 0), (QStringList{"Channel", "Frequency (MHz)", "CTCSS (Hz)", "Deviation", "Reference Modulation",
                                             "Pin 8", "Pin 7", "Pin 6", "Pin 5", "Pin 4", "Pin 3", "Pin 2", "Pin 1",
                                             "Switch Setting"}));
    // A row per channel and the spare row; channels are shown from 0, each with its switch setting.
    ASSERT_EQ(rx->Rows(), 130);
    EXPECT_EQ(rx->TextMatrix(1, 0), "0 DC");
    EXPECT_EQ(rx->TextMatrix(1, rx->intColSwitch), "11111111");
    EXPECT_EQ(rx->TextMatrix(6, rx->intColSwitch), "11111010");
    EXPECT_EQ(rx->TextMatrix(128, 0), "127");
    EXPECT_EQ(rx->TextMatrix(128, rx->intColSwitch), "10000000");
    EXPECT_EQ(rx->TextMatrix(129, 0), "") << "the spare row is not filled by the whole-document show";
    EXPECT_EQ(rx->frameChannel->title(), "Channel information  Default: [0]");
}

TEST_F(GridTest, ReceiverCellsAndDefaultFrameDecodeThePages)
{
    frmOrvView* w = openNew(kReceiverModel);
    CLASSOrvDocument& doc = w->document();
    // Channel 0: 450 MHz received (471.4 stored), pins 8 and 1 high, no tone.
    doc.intWritePage(16, withFrequency(page7to0({0, 0, 0, 0, 0, 0, 0, 0x81}), 450000000 + kIntermediate));
    // Channel 1: a tone code the table does not hold.
    doc.intWritePage(17, page7to0({0, 0, 0, 0, 0, 0x03, 0xE7, 0}));
    // Channel 2: step code 7 (no frequency); channel 3: all zero, tone code 9 (88.5 Hz).
    doc.intWritePage(18, page7to0({0x70, 0xFF, 0xFF, 0, 0, 0, 0, 0}));
    doc.intWritePage(19, page7to0({0, 0, 0, 0, 0, 0, 9, 0}));
    doc.intCurrentchannel = 3;
    ASSERT_EQ(w->intShowChannel(1, 4), 0);

    EXPECT_EQ(rowTexts(*w, 1), (QStringList{"0", "450.000000", "0.0", "High", "Low", "Low", "Low", "Low", "Low", "Low",
                                            "High", "11111111"}));
    EXPECT_EQ(w->TextMatrix(2, w->intColCTCSS), "0.0");
    EXPECT_EQ(pageOf(doc, 17).mid(1, 2), QByteArray(2, '\0')) << "an unknown tone is no tone in the document";
    EXPECT_EQ(w->TextMatrix(3, w->intColFrequency), "0.000000");
    EXPECT_EQ(w->TextMatrix(4, 0), "3 DC");
    EXPECT_EQ(w->TextMatrix(4, w->intColCTCSS), "88.5");

    EXPECT_EQ(w->frameChannel->title(), "Channel information  Default: [3]");
    EXPECT_EQ(w->txtDFChannel->text(), "3");
    EXPECT_EQ(w->txtDFFrequency->text(), ".000000");
    EXPECT_EQ(w->txtDFCTCSS->text(), "88.5");
    EXPECT_EQ(w->txtDFSetting->text(), "11111100");
    EXPECT_TRUE(w->txtDFDeviation->isHidden());

    doc.intCurrentchannel = 0;
    w->intShowChannel(1, 1);
    EXPECT_EQ(w->txtDFPIN->text(), "10000001");
    EXPECT_EQ(w->txtDFCTCSS->text(), ".0");
    {
        LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
        w->intShowChannel(1, 1);
        EXPECT_EQ(w->TextMatrix(1, w->intColFrequency), "450,000000");
    }
}

TEST_F(GridTest, TransmitterShowsPotsButNotUnderTheFlag)
{
    frmOrvView* w = openNew(kTransmitterModel);
    CLASSOrvDocument& doc = w->document();
    doc.intWritePage(16, withFrequency(page7to0({0, 0, 0, 33, 44, 0, 0, 0}), 150000000));
    QByteArray flagged = withFrequency(page7to0({0, 0, 0, 55, 66, 0, 0, 0}), 150012500);
    flagged[channel::kFreq1] = static_cast<char>(flagged[channel::kFreq1] | 0x80);
    doc.intWritePage(17, flagged);
    doc.intCurrentchannel = 1;
    w->intShowChannel(1, 2);
    EXPECT_EQ(w->TextMatrix(1, w->intColDeviation), "33");
    EXPECT_EQ(w->TextMatrix(1, w->intColReference), "44");
    EXPECT_EQ(w->TextMatrix(2, w->intColFrequency), "150.012500");
    EXPECT_EQ(w->TextMatrix(2, w->intColDeviation), "0");
    EXPECT_EQ(w->TextMatrix(2, w->intColReference), "0");
    // The default frame shows the stored pots, flag or not.
    EXPECT_EQ(w->txtDFDeviation->text(), "55");
    EXPECT_EQ(w->txtDFReference->text(), "66");
}

TEST(GridColumnWidths, SharesOfTheWidthNeverBelowTheTexts)
{
    const struct {
        int width;
        QList<int> divisors, needs, widths;
    } cases[] = {
        // Wide enough: each column its share (width in twips / divisor, in pixels).
        {1200, {12, 6, 9, 19}, {50, 90, 60, 30}, {100, 200, 133, 63}},
        // Shares below the texts: the texts' widths, room to spare.
        {400, {12, 6, 9, 19}, {50, 90, 60, 30}, {50, 90, 60, 30}},
        // A column that needs more takes it from those that can spare, in proportion.
        {100, {2, 2, 4}, {60, 10, 10}, {60, 24, 16}},
        // Nobody can spare: the texts' widths, and the grid scrolls.
        {100, {2, 2}, {80, 80}, {80, 80}},
        // A grid narrower than 100 twips counts as 100 twips wide.
        {5, {12, 6}, {0, 0}, {0, 1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(orvview::gridColumnWidths(c.width, c.divisors, c.needs), c.widths) << c.width;
}

TEST_F(GridTest, ColumnsFollowTheGridsRealWidth)
{
    frmOrvView* w = openNew(kTransmitterModel);
    w->SSTab1->setCurrentIndex(1);
    settle();
    QTableWidget* grid = w->grdChannel;
    auto total = [grid] {
        int sum = 0;
        for (int c = 0; c < grid->columnCount(); ++c)
            sum += grid->columnWidth(c);
        return sum;
    };
    // At the window's own size every column is as wide as its header asks and the grid shows whole.
    for (int c = 0; c < grid->columnCount(); ++c)
        EXPECT_GE(grid->columnWidth(c), grid->horizontalHeader()->sectionSizeHint(c)) << c;
    EXPECT_LE(total(), grid->viewport()->width());

    // Made wider, the columns take their shares of the new width.
    QWidget* sub = w->parentWidget();
    sub->resize(sub->width() + 800, sub->height());
    settle();
    const int twips = grid->viewport()->width() * 15;
    EXPECT_EQ(grid->columnWidth(w->intColPin1), twips / 19 / 15);
    EXPECT_EQ(grid->columnWidth(w->intColFrequency), twips / 9 / 15);
}

class GridEditTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        w = openNew(kTransmitterModel, 1000, 4);
        doc = &w->document();
        for (int n = 1; n <= 4; ++n)
            doc->intWritePage(15 + n, withFrequency(page7to0({0, 0, 0, 10 * n, n, 0, 0, 0}), 150000000 + 12500 * (n - 1)));
        w->intShowDocument();
        ASSERT_FALSE(doc->fModified);
    }
    frmOrvView* w = nullptr;
    CLASSOrvDocument* doc = nullptr;
};

TEST_F(GridEditTest, CopyThenPasteIntoAnotherRun)
{
    w->selectCells(1, w->intColFrequency, 2, w->intColDeviation);
    w->MNUChannelPopupCopy_Click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "150.000000\t0.0\t10\r\n150.012500\t0.0\t20");

    w->selectCells(3, w->intColFrequency, 4, w->intColDeviation);
    w->MNUChannelPopupPaste_Click();
    EXPECT_EQ(w->TextMatrix(3, w->intColFrequency), "150.000000");
    EXPECT_EQ(w->TextMatrix(4, w->intColFrequency), "150.012500");
    EXPECT_EQ(w->TextMatrix(4, w->intColDeviation), "20");
    EXPECT_EQ(pageOf(*doc, 19).mid(5), pageOf(*doc, 17).mid(5)) << "channel 3 took channel 1's frequency word";
    EXPECT_TRUE(doc->fModified);
}

TEST_F(GridEditTest, PasteTakesSpreadsheetTextClippedToSelectionAndChannels)
{
    struct Case {
        const char* name;
        QString text;
        int rows;                   // selected rows from row 1, Deviation and Reference columns
        QList<std::pair<int, int>> expected; // deviation and reference of channels 1.. after the paste
    };
    const QList<Case> cases = {
        {"CR LF rows", "7\t8\r\n9\t10", 2, {{7, 8}, {9, 10}}},
        {"LF rows and a closing line break", "7\t8\n9\t10\n", 2, {{7, 8}, {9, 10}}},
        {"block clipped to one selected row", "7\t8\r\n9\t10", 1, {{7, 8}, {20, 2}}},
        {"texts that are no numbers are skipped", "High\t8", 1, {{10, 8}}},
        {"value the document refuses", "300\t8", 1, {{10, 8}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int n = 1; n <= 2; ++n)
            doc->intWritePage(15 + n, withFrequency(page7to0({0, 0, 0, 10 * n, n, 0, 0, 0}), 150000000));
        w->selectCells(1, w->intColDeviation, c.rows, w->intColReference);
        QGuiApplication::clipboard()->setText(c.text);
        w->MNUChannelPopupPaste_Click();
        for (int n = 1; n <= c.expected.size(); ++n) {
            EXPECT_EQ(int(static_cast<uint8_t>(pageOf(*doc, 15 + n).at(channel::kDeviation))), c.expected[n - 1].first);
            EXPECT_EQ(int(static_cast<uint8_t>(pageOf(*doc, 15 + n).at(channel::kReference))), c.expected[n - 1].second);
        }
    }

    // The spare row below the last channel takes nothing.
    const QByteArray spare = pageOf(*doc, 20);
    w->selectCells(4, w->intColDeviation, 5, w->intColDeviation);
    QGuiApplication::clipboard()->setText("99\r\n98");
    w->MNUChannelPopupPaste_Click();
    EXPECT_EQ(static_cast<uint8_t>(pageOf(*doc, 19).at(channel::kDeviation)), 99);
    EXPECT_EQ(pageOf(*doc, 20), spare);
}

TEST_F(GridEditTest, PastedFrequencyAndOverflow)
{
    w->selectCells(2, w->intColFrequency, 2, w->intColFrequency);
    QGuiApplication::clipboard()->setText("150.0375");
    w->MNUChannelPopupPaste_Click();
    EXPECT_EQ(w->TextMatrix(2, w->intColFrequency), "150.037500");

    boxes_.expect("Overflow");
    QGuiApplication::clipboard()->setText("3000\t5");
    w->selectCells(3, w->intColFrequency, 3, w->intColCTCSS);
    w->MNUChannelPopupPaste_Click();
    EXPECT_EQ(w->TextMatrix(3, w->intColFrequency), "150.025000");
}

TEST_F(GridEditTest, DeleteClearsOnlyChannelsInUseAndMarksTheDocument)
{
    const QByteArray spare = pageOf(*doc, 20);
    w->selectCells(3, w->intColFrequency, 5, w->intColCTCSS);
    w->cmdDeleteChannel_Click();
    EXPECT_EQ(pageOf(*doc, 18), page7to0({0, 0, 0, 0, 0, 0, 0, 255}));
    EXPECT_EQ(pageOf(*doc, 19), page7to0({0, 0, 0, 0, 0, 0, 0, 255}));
    EXPECT_EQ(pageOf(*doc, 20), spare);
    EXPECT_EQ(w->TextMatrix(3, w->intColFrequency), "0.000000");
    EXPECT_EQ(w->TextMatrix(5, 0), "4") << "the spare row is shown again from its page";
    EXPECT_TRUE(doc->fModified);
}

TEST_F(GridEditTest, DefaultChanOnTheSpareRowDoesNothing)
{
    w->selectCells(5, 1, 5, 1);
    w->cmdDefaultChannel_Click();
    EXPECT_EQ(doc->intCurrentchannel, 0);
    EXPECT_FALSE(doc->fModified);
}
