#include "RecordingDevice.h"

#include "shell/PrintJob.h"
#include "shell/PrintProcedures.h"
#include "support/ScriptedMsgBox.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

using namespace basVelmar;
using testsupport::ScriptedMsgBox;

namespace {

constexpr int kPageWidth = 11906;
constexpr int kPageHeight = 16000;

class PrintProcedures : public ::testing::Test {
protected:
    RecordingDevice device{kPageWidth, kPageHeight};
    PrintJob job{device, [this] { return device.newPage(); }};

    // Top of the recorded text's line (its baseline less the font's ascent), in twips.
    static double textTop(const RecordingDevice::Text& t) { return t.baseline.y() - QFontMetricsF(t.font).ascent(); }
};

PrintLabel label(double left, double top, const QString& caption, bool visible = true)
{
    PrintLabel l;
    l.left = left;
    l.top = top;
    l.width = 1000;
    l.height = 255;
    l.caption = caption;
    l.visible = visible;
    return l;
}

PrintTextBox row(double top, double height, const QString& text)
{
    PrintTextBox t;
    t.left = 600;
    t.top = top;
    t.width = 4000;
    t.height = height;
    t.text = text;
    return t;
}

} // namespace

TEST_F(PrintProcedures, TextIsPrintedAtTheControlsRoundedPositionInItsFont)
{
    PrintLabel title = label(1000.4, 2000.6, QStringLiteral("Channel"));
    title.font = {QStringLiteral("Arial"), 12, true};
    PrintTextBox box = row(3000, 300, QStringLiteral("Serial 1234"));
    box.left = 1440;
    box.visible = false;  // a text box prints whether visible or not

    EXPECT_EQ(intPrintLabel(job, label(500, 500, QStringLiteral("hidden"), false)), 0);
    EXPECT_EQ(intPrintLabel(job, title), 0);
    EXPECT_EQ(intPrintTextBox(job, box), 0);

    ASSERT_EQ(device.texts.size(), 2);
    const auto& t = device.texts[0];
    EXPECT_EQ(t.text, QStringLiteral("Channel"));
    EXPECT_DOUBLE_EQ(t.baseline.x(), 1000);
    EXPECT_NEAR(textTop(t), 2001, 0.5);
    EXPECT_EQ(t.font.family(), QStringLiteral("Arial"));
    EXPECT_EQ(t.font.pixelSize(), 240);  // 12 points in twips
    EXPECT_TRUE(t.font.bold());

    const auto& b = device.texts[1];
    EXPECT_EQ(b.text, QStringLiteral("Serial 1234"));
    EXPECT_DOUBLE_EQ(b.baseline.x(), 1440);
    EXPECT_NEAR(textTop(b), 3000, 0.5);
    EXPECT_FALSE(b.font.bold());
    EXPECT_EQ(b.font.pixelSize(), 165);  // the layout's default 8.25 points
}

TEST_F(PrintProcedures, TextOfSeveralLinesKeepsItsLeftEdge)
{
    EXPECT_EQ(intPrintTextBox(job, row(1000, 600, QStringLiteral("first\r\nsecond"))), 0);
    ASSERT_EQ(device.texts.size(), 2);
    EXPECT_DOUBLE_EQ(device.texts[0].baseline.x(), 600);
    EXPECT_DOUBLE_EQ(device.texts[1].baseline.x(), 600);
    EXPECT_GT(device.texts[1].baseline.y(), device.texts[0].baseline.y());
}

TEST_F(PrintProcedures, LineAndImageAtTheirRoundedGeometry)
{
    EXPECT_EQ(intPrintLine(job, {100.2, 4230.7, 9000, 4230.7, 2}), 0);
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::red);
    EXPECT_EQ(intPrintImage(job, {200.5, 300, 1500, 700.4, logo}), 0);

    ASSERT_EQ(device.lines.size(), 1);
    EXPECT_EQ(device.lines[0].line, QLineF(100, 4231, 9000, 4231));
    EXPECT_EQ(device.lines[0].pen.color(), QColor(Qt::black));
    EXPECT_DOUBLE_EQ(device.lines[0].pen.widthF(), 2 * PrintJob::kTwipsPerPixel);
    EXPECT_EQ(job.drawWidth(), 2);

    ASSERT_EQ(device.images.size(), 1);
    EXPECT_EQ(device.images[0].box, QRectF(200, 300, 1500, 700));  // 200.5 rounds to the even 200
    EXPECT_EQ(device.images[0].size, QSize(40, 20));
}

TEST_F(PrintProcedures, ImageWithoutPictureIsReportedAndTheReportGoesOn)
{
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Invalid picture"));
    EXPECT_EQ(intPrintImage(job, {0, 0, 100, 100, QImage()}), -1);
    EXPECT_EQ(box.shown()[0].buttons(), platform::vbOKOnly);
    EXPECT_EQ(intPrintLabel(job, label(0, 0, QStringLiteral("after"))), 0);
    EXPECT_EQ(device.texts.size(), 1);
}

TEST_F(PrintProcedures, TableRowsMoveDownAndBreakAboveTheBottomMargin)
{
    struct Case {
        double top, height;
        double printedAt, movedTo;
        int16_t result;
    };
    // Page 16000 high: a row that would end within 1000 twips of the bottom goes to the next page.
    const Case cases[] = {
        {5000, 300, 5000, 5320, 0},
        {14500, 300, 14500, 1000, 1},   // 14820 + 300 + 1000 = 16120
        {14379, 300, 14379, 14699, 0},  // 14699 + 300 + 1000 = 15999
        {14380, 300, 14380, 1000, 1},   // exactly 16000
    };
    for (const Case& c : cases) {
        device.texts.clear();
        PrintTextBox box = row(c.top, c.height, QStringLiteral("row"));
        EXPECT_EQ(intPrintTextBoxLines(job, box), c.result) << c.top;
        EXPECT_DOUBLE_EQ(box.top, c.movedTo) << c.top;
        ASSERT_EQ(device.texts.size(), 1);
        EXPECT_NEAR(textTop(device.texts[0]), c.printedAt, 0.5) << c.top;
    }
    EXPECT_EQ(device.page, 0);  // the caller starts the new page
}

TEST_F(PrintProcedures, NewPageMovesTheChannelHeaderToTheTopAndRepeatsIt)
{
    ChannelTableHeader h;
    h.Lin1 = {300, 4230, 11000, 4230, 2};
    h.Lin2 = {300, 4600, 11000, 4600, 1};
    const QString captions[] = {QStringLiteral("Chan"), QStringLiteral("Sw"),  QStringLiteral("Freq"),
                                QStringLiteral("CTCSS"), QStringLiteral("Pin"), QStringLiteral("Dev"),
                                QStringLiteral("Ref")};
    PrintLabel* labels[] = {&h.lblChannel, &h.lblSwitch,    &h.lblFrequency, &h.lblCTCSS,
                            &h.lblPin,     &h.lblDeviation, &h.lblReference};
    for (int i = 0; i < 7; ++i)
        *labels[i] = label(300 + 1500 * i, 4300, captions[i]);
    h.lblPin.visible = false;

    EXPECT_EQ(intPrintNewPage(job, h), 0);
    EXPECT_EQ(device.page, 1);
    EXPECT_DOUBLE_EQ(h.Lin1.y1, 100);
    EXPECT_DOUBLE_EQ(h.Lin1.y2, 100);
    EXPECT_DOUBLE_EQ(h.Lin2.y1, 470);
    EXPECT_DOUBLE_EQ(h.Lin2.y2, 470);
    for (const PrintLabel* l : labels)
        EXPECT_DOUBLE_EQ(l->top, 170);

    // Printed on the new page in order, the hidden caption left out, then the two rules.
    QStringList printed;
    for (const auto& t : device.texts) {
        EXPECT_EQ(t.page, 1);
        EXPECT_NEAR(textTop(t), 170, 0.5);
        printed << t.text;
    }
    EXPECT_EQ(printed, QStringList({"Chan", "Sw", "Freq", "CTCSS", "Dev", "Ref"}));
    ASSERT_EQ(device.lines.size(), 2);
    EXPECT_EQ(device.lines[0].line, QLineF(300, 100, 11000, 100));
    EXPECT_EQ(device.lines[1].line, QLineF(300, 470, 11000, 470));

    // Every later page gets the header at the same place.
    EXPECT_EQ(intPrintNewPage(job, h), 0);
    EXPECT_EQ(device.page, 2);
    EXPECT_DOUBLE_EQ(h.Lin1.y1, 100);
    EXPECT_DOUBLE_EQ(h.lblChannel.top, 170);
    EXPECT_EQ(device.lines.size(), 4);
    EXPECT_EQ(device.lines[2].line, QLineF(300, 100, 11000, 100));
}

TEST_F(PrintProcedures, FailedPrinterIsReportedOnceForTheWholeReport)
{
    bool sheetFeeds = false;
    PrintJob jammed(device, [&] { return sheetFeeds; });
    ChannelTableHeader h;
    PrintTextBox r = row(1000, 300, QStringLiteral("row"));

    ScriptedMsgBox box;
    box.expect(QStringLiteral("Printer error"));
    EXPECT_EQ(intPrintLabel(jammed, label(0, 0, QStringLiteral("before"))), 0);
    EXPECT_EQ(intPrintNewPage(jammed, h), -1);
    EXPECT_EQ(intPrintLabel(jammed, label(0, 0, QStringLiteral("after"))), -1);
    EXPECT_EQ(intPrintTextBox(jammed, r), -1);
    EXPECT_EQ(intPrintTextBoxLines(jammed, r), -1);
    EXPECT_EQ(intPrintLine(jammed, {0, 0, 10, 10, 1}), -1);
    EXPECT_EQ(intPrintEnd(jammed), -1);
    EXPECT_EQ(box.shown().size(), 1);
    ASSERT_EQ(device.texts.size(), 1);  // nothing reached the page after the failure
}

TEST_F(PrintProcedures, FailureFoundByATableRowIsStillReportedOnce)
{
    // A printer that cannot start the job: the table row fails silently, the end of the job says so.
    QImage nothing;  // a null image is a device no painter can begin on
    PrintJob dead(nothing, [] { return true; });
    PrintTextBox r = row(1000, 300, QStringLiteral("row"));
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Printer error"));
    EXPECT_EQ(intPrintTextBoxLines(dead, r), -1);
    EXPECT_EQ(intPrintEnd(dead), -1);
    EXPECT_EQ(box.shown().size(), 1);
}
