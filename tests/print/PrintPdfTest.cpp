// A report printed through the procedures into a PDF reads back with pdftotext: texts in order,
// on the right pages, at the right places.
#include "shell/PrintJob.h"
#include "shell/PrintProcedures.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace basVelmar;

namespace {

QString runTool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct Word {
    int page;
    double xMin, yMin, yMax;
    QString text;
};

// The words of every page with their boxes, in points from the top left corner of the sheet.
QList<Word> wordsOf(const QString& pdf)
{
    const QString html = runTool({QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QList<Word> words;
    int page = -1;
    static const QRegularExpression pageOrWord(
        QStringLiteral(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = pageOrWord.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        words.append({page, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(), m.captured(4)});
    }
    return words;
}

PrintLabel caption(double left, double top, const QString& text)
{
    PrintLabel l;
    l.left = left;
    l.top = top;
    l.width = 1400;
    l.height = 255;
    l.caption = text;
    l.font = {QStringLiteral("Arial"), 10, true};
    return l;
}

} // namespace

TEST(PrintPdf, ReportReadsBackInOrderOnTheRightPages)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));

    auto writer = std::make_unique<QPdfWriter>(pdf);
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    PrintJob job(std::move(writer));
    const double pageHeight = job.pageHeight();
    ASSERT_NEAR(pageHeight, 297 / 25.4 * 1440, 2);

    PrintLabel title = caption(1440, 1440, QStringLiteral("ModuleReport"));
    title.font.size = 14;
    ChannelTableHeader h;
    h.Lin1 = {600, 4230, 10000, 4230, 2};
    h.Lin2 = {600, 4560, 10000, 4560, 1};
    h.lblChannel = caption(600, 4290, QStringLiteral("Channel"));
    h.lblSwitch = caption(2000, 4290, QStringLiteral("Switch"));
    h.lblFrequency = caption(3400, 4290, QStringLiteral("Frequency"));
    h.lblCTCSS = caption(4800, 4290, QStringLiteral("CTCSS"));
    h.lblPin = caption(6200, 4290, QStringLiteral("Pin"));
    h.lblDeviation = caption(7600, 4290, QStringLiteral("Deviation"));
    h.lblReference = caption(9000, 4290, QStringLiteral("Reference"));

    ASSERT_EQ(intPrintLabel(job, title), 0);
    for (PrintLabel* l : {&h.lblChannel, &h.lblSwitch, &h.lblFrequency, &h.lblCTCSS, &h.lblPin, &h.lblDeviation,
                          &h.lblReference})
        ASSERT_EQ(intPrintLabel(job, *l), 0);
    ASSERT_EQ(intPrintLine(job, h.Lin1), 0);
    ASSERT_EQ(intPrintLine(job, h.Lin2), 0);

    PrintTextBox row;
    row.left = 600;
    row.top = 4700;
    row.height = 300;
    const int rows = 100;
    int breaks = 0;
    for (int i = 1; i <= rows; ++i) {
        row.text = QStringLiteral("Row-%1").arg(i, 3, 10, QLatin1Char('0'));
        const int16_t r = intPrintTextBoxLines(job, row);
        ASSERT_GE(r, 0);
        if (r == 1 && i < rows) {
            ASSERT_EQ(intPrintNewPage(job, h), 0);
            ++breaks;
        }
    }
    ASSERT_EQ(intPrintEnd(job), 0);
    ASSERT_GE(breaks, 2);

    // Plain text: pages apart, the rows in order, each page after the first under the header.
    const QStringList pages = runTool({pdf, QStringLiteral("-")}).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), breaks + 1);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("ModuleReport")));
    int next = 1;
    for (int p = 0; p < pages.size(); ++p) {
        const QString& text = pages[p];
        const int header = text.indexOf(QStringLiteral("Channel"));
        ASSERT_GE(header, 0) << p;
        static const QRegularExpression rowWord(QStringLiteral(R"(Row-(\d{3}))"));
        for (auto it = rowWord.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            EXPECT_EQ(m.captured(1).toInt(), next) << "page " << p;
            EXPECT_GT(m.capturedStart(), header) << "page " << p;
            ++next;
        }
        if (p > 0) {
            EXPECT_FALSE(text.contains(QStringLiteral("ModuleReport")));
        }
    }
    EXPECT_EQ(next, rows + 1);

    // Positions: twips / 20 = points. The title's left edge at 1 inch; the rows keep the bottom
    // margin of 1000 twips; the repeated header lies at the top of its page.
    const double pageBottom = pageHeight / 20;
    int titles = 0;
    int rowWords = 0;
    for (const Word& w : wordsOf(pdf)) {
        if (w.text == QLatin1String("ModuleReport")) {
            ++titles;
            EXPECT_NEAR(w.xMin, 72, 1.5);
            EXPECT_NEAR(w.yMin, 72, 4);
        }
        if (w.text.startsWith(QStringLiteral("Row-"))) {
            ++rowWords;
            EXPECT_NEAR(w.xMin, 30, 1.5) << w.text.toStdString();
            EXPECT_LE(w.yMax, pageBottom - 50) << w.text.toStdString();
            EXPECT_GE(w.yMin, w.page == 0 ? 4700 / 20.0 - 4 : 1000 / 20.0 - 4) << w.text.toStdString();
        }
        if (w.text == QLatin1String("Channel") && w.page > 0) {
            EXPECT_NEAR(w.yMin, (4290 - 4130) / 20.0, 4);
        }
    }
    EXPECT_EQ(titles, 1);
    EXPECT_EQ(rowWords, rows);
}
