// The printed report into a PDF, read back with pdftotext: header block, band, channel rows in
// order over the pages, the table header repeated, the columns of each kind of module.
#include "RadioFilesFixture.h"

#include "radio/frmOrvPreview.h"
#include "shell/PrintJob.h"
#include "support/PdfPages.h"

#include <QRegularExpression>

namespace {

// Tone codes of the channels and their texts in the report.
const std::pair<int, const char*> kTones[] = {{0, "0"}, {1, "67"}, {3, "71.9"}, {9, "88.5"}};

struct Row {
    int channel;
    QString switches, frequency, ctcss, deviation, reference, pins;
};

class ReportTest : public RadioFilesTest {
protected:
    void SetUp() override
    {
        RadioFilesTest::SetUp();
        if (!testsupport::havePdfToText())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }

    CLASSOrvDocument document(const QString& model, int channels)
    {
        CLASSOrvDocument doc = newDocument(model, channels);
        const int64_t intermediate = model == kReceiverModel ? 21400000 : 0;
        for (int i = 0; i < channels; ++i)
            doc.intWritePage(16 + i, channelPage(intermediate + 148000000 + 12500 * i, kTones[i % 4].first, 80 + i,
                                                 127 - i, i));
        doc.strUserRemark = QStringLiteral("Hill top");
        return doc;
    }

    // The report's pages as text, each row of the table on a line of its own.
    QStringList print(CLASSOrvDocument& doc)
    {
        const QString pdf = file(QStringLiteral("report.pdf"));
        {
            PrintJob job(testsupport::a4PdfWriter(pdf));
            frmOrvPreview layout;
            EXPECT_EQ(doc.intDocument2Printer(layout, job), 0);
        }
        return testsupport::pdfPages(pdf);
    }

    static QList<Row> rows(const QString& page, bool transmitter)
    {
        static const QRegularExpression tx(QStringLiteral(
            R"(^\s*(\d+)\s+([01]{8})\s+(\d*\.\d{6})\s+(\S+)\s+(\d+)\s+(\d+)\s+([01]{8})\s*$)"),
                                           QRegularExpression::MultilineOption);
        static const QRegularExpression rx(
            QStringLiteral(R"(^\s*(\d+)\s+([01]{8})\s+(\d*\.\d{6})\s+(\S+)\s+([01]{8})\s*$)"),
            QRegularExpression::MultilineOption);
        QList<Row> out;
        for (auto it = (transmitter ? tx : rx).globalMatch(page); it.hasNext();) {
            const auto m = it.next();
            if (transmitter)
                out.append({m.captured(1).toInt(), m.captured(2), m.captured(3), m.captured(4), m.captured(5),
                            m.captured(6), m.captured(7)});
            else
                out.append({m.captured(1).toInt(), m.captured(2), m.captured(3), m.captured(4), {}, {}, m.captured(5)});
        }
        return out;
    }
};

QString bits8(int v) { return QStringLiteral("%1").arg(v & 0xFF, 8, 2, QLatin1Char('0')); }

TEST_F(ReportTest, TransmitterOfFortyChannelsOverTwoPages)
{
    CLASSOrvDocument doc = document(kTransmitterModel, 40);
    const QStringList pages = print(doc);
    ASSERT_EQ(pages.size(), 2);

    for (const char* text : {"Vorn PROGRAMMING APPLICATION", "Date Modified:", "Module Type:", "Serial Number:",
                             "Type:", "User Remark:", "Frequency (MHz)", "148-174", "Transmitter", "658188",
                             "Vr31-15-0000", "Hill top"})
        EXPECT_TRUE(pages[0].contains(QLatin1String(text))) << text;
    EXPECT_FALSE(pages[1].contains(QStringLiteral("Vorn PROGRAMMING APPLICATION")));
    for (const QString& page : pages)
        EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(Channel\s+Switch\(8-1\)\s+Frequency\(MHz\)\s+CTCSS\(Hz\)\s+)"
                                                      R"(Deviation\s+Reference\s+Pin\(7-0\))"))
                        .match(page)
                        .hasMatch());

    const QList<Row> first = rows(pages[0], true), second = rows(pages[1], true);
    EXPECT_EQ(first.size(), 31);
    QList<Row> all = first + second;
    ASSERT_EQ(all.size(), 40);
    for (int i = 0; i < 40; ++i) {
        const Row& r = all[i];
        EXPECT_EQ(r.channel, i);
        EXPECT_EQ(r.switches, bits8(~i)) << i;
        EXPECT_EQ(r.frequency, QString::number((148000000 + 12500 * i) / 1e6, 'f', 6)) << i;
        EXPECT_EQ(r.ctcss, QLatin1String(kTones[i % 4].second)) << i;
        EXPECT_EQ(r.deviation, QString::number(80 + i)) << i;
        EXPECT_EQ(r.reference, QString::number(127 - i)) << i;
        EXPECT_EQ(r.pins, bits8(i)) << i;
    }
}

TEST_F(ReportTest, ReceiverHasNoDeviationOrReferenceColumnAndShowsTheRadioFrequency)
{
    CLASSOrvDocument doc = document(kReceiverModel, 35);
    doc.intWritePage(16 + 2, QByteArray(8, '\0'));   // a channel without frequency
    const QStringList pages = print(doc);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Reciever")));
    for (const QString& page : pages) {
        EXPECT_FALSE(page.contains(QStringLiteral("Deviation")));
        EXPECT_FALSE(page.contains(QStringLiteral("Reference")));
        EXPECT_TRUE(page.contains(QStringLiteral("Pin(7-0)")));
    }
    const QList<Row> all = rows(pages[0], false) + rows(pages[1], false);
    ASSERT_EQ(all.size(), 35);
    EXPECT_EQ(all[0].frequency, QStringLiteral("148.000000"));
    EXPECT_EQ(all[2].frequency, QStringLiteral("0.000000"));
    EXPECT_EQ(all[34].frequency, QStringLiteral("148.425000"));
}

TEST_F(ReportTest, LastRowFillingAPageAddsNoEmptyPage)
{
    CLASSOrvDocument doc = document(kTransmitterModel, 31);
    const QStringList pages = print(doc);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(rows(pages[0], true).size(), 31);
}

} // namespace
