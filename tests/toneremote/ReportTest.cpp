// The tone-remote report printed into a PDF and read back with pdftotext: the header block, one row
// for every function-tone pair that does something, the sixteen alarm rows, each section on pages
// of its own.
#include "TRFixture.h"

#include "db/DbFixture.h"
#include "shell/PrintJob.h"
#include "support/PdfPages.h"
#include "toneremote/frmOrvPreviewTR.h"

#include <QRegularExpression>

using namespace trtest;

namespace {

struct FnRow {
    int tone1, tone2;
    QString action;
};

class TRReportTest : public DbFixture {
protected:
    void SetUp() override
    {
        DbFixture::SetUp();
        if (!testsupport::havePdfToText())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_EQ(doc.NewToneRemote(QStringLiteral("Vr41-10-0000"), true, 654321, QStringLiteral("0000"),
                                    QDate(2024, 1, 15), 224),
                  0);
        ASSERT_EQ(doc.NewDocument(), 0);
        doc.strUserRemark = QStringLiteral("Hill top");
    }

    QStringList print()
    {
        const QString pdf = folder.file(QStringLiteral("report.pdf"));
        {
            PrintJob job(testsupport::a4PdfWriter(pdf));
            frmOrvPreviewTR layout;
            EXPECT_EQ(doc.intDocument2Printer(layout, job), 0);
        }
        return testsupport::pdfPages(pdf);
    }

    static QList<FnRow> toneRows(const QString& page)
    {
        static const QRegularExpression row(QStringLiteral(R"(^\s*(\d{3,4})\s+(\d{3,4})\s+(\S.*\S)\s*$)"),
                                            QRegularExpression::MultilineOption);
        QList<FnRow> out;
        for (auto it = row.globalMatch(page); it.hasNext();) {
            const auto m = it.next();
            out.append({m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3)});
        }
        return out;
    }

    COrvDocTR doc;
};

TEST_F(TRReportTest, HeaderThenTheActivePairsThenTheSixteenAlarms)
{
    ASSERT_EQ(doc.intSetFnToneAction(16 * 0 + 1, 5), 0);             // 650 + 750 Hz: channel 5
    ASSERT_EQ(doc.intSetFnToneAction(16 * 14 + 14, 192), 0);         // 2050 + 2050 Hz: cancel alarm
    ASSERT_EQ(doc.intSetFnToneAction(16 * 3 + 0, 129), 0);           // 950 + 650 Hz: talk-thru on
    ASSERT_EQ(doc.intSetFnToneAction(15, 7), 0);                     // index 15 is no pair: never printed
    COrvDocTR::AlarmRecord lowBattery{0x28, 0xFF, 0, 0, 0, 0, 0, 0}; // to line, aux 0, no message
    ASSERT_EQ(doc.intSetAlarm(3, lowBattery), 0);

    const QStringList pages = print();
    ASSERT_EQ(pages.size(), 3);

    for (const char* text : {"Vorn PROGRAMMING APPLICATION", "Date Modified:", "Module Type:", "Serial Number:",
                             "Type:", "User Remark:", "Tone Remote", "654321", "Vr41-10-0000", "Hill top"})
        EXPECT_TRUE(pages[0].contains(QLatin1String(text))) << text;
    EXPECT_TRUE(pages[0].contains(doc.strLastModified));

    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(Function Tones Section)")).match(pages[1]).hasMatch());
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral(R"(Tone 1\(HZ\)\s+Tone 2\(HZ\)\s+Action)")).match(pages[1]).hasMatch());
    const QList<FnRow> rows = toneRows(pages[1]);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ((std::tuple(rows[0].tone1, rows[0].tone2, rows[0].action)),
              std::tuple(650, 750, QStringLiteral("Set Channel To [5]")));
    EXPECT_EQ((std::tuple(rows[1].tone1, rows[1].tone2, rows[1].action)),
              std::tuple(950, 650, QStringLiteral("Set talk-thru ON")));
    EXPECT_EQ((std::tuple(rows[2].tone1, rows[2].tone2, rows[2].action)),
              std::tuple(2050, 2050, QStringLiteral("Cancel Alarm")));

    const QString& alarmsPage = pages[2];
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(Alarms Section)")).match(alarmsPage).hasMatch());
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(Alarms\s+Action)")).match(alarmsPage).hasMatch());
    const QStringList expected{
        "Reverse Power Alarm\\s+Disabled", "Forward Power Alarm\\s+Disabled", "Low Battery Alarm\\s+Activate Aux 0",
        "Line Failure Alarm\\s+Disabled",  "Aux Alarm 3\\s+Disabled",         "Power Up Confirmation\\s+Disabled",
        "Spare Alarm 16\\s+Disabled"};
    for (const QString& row : expected)
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\s*") + row + QStringLiteral("\\s*$"),
                                       QRegularExpression::MultilineOption)
                        .match(alarmsPage)
                        .hasMatch())
            << row.toStdString();
    static const QRegularExpression alarmRow(
        QStringLiteral(R"(^\s*(Reverse|Forward|Low|Line|Aux|Power|Channel|User|Spare) .*\S\s{2,}\S)"),
        QRegularExpression::MultilineOption);
    int alarmRows = 0;
    for (auto it = alarmRow.globalMatch(alarmsPage); it.hasNext(); it.next())
        ++alarmRows;
    EXPECT_EQ(alarmRows, 16);
}

TEST_F(TRReportTest, AllPairsActiveFlowOverPagesWithoutAnEmptyOne)
{
    for (int first = 0; first < 15; ++first)
        for (int second = 0; second < 15; ++second)
            ASSERT_EQ(doc.intSetFnToneAction(static_cast<int16_t>(16 * first + second), first), 0);
    const QStringList pages = print();
    ASSERT_GE(pages.size(), 5);
    QList<FnRow> rows;
    for (int p = 1; p < pages.size() - 1; ++p) {
        EXPECT_FALSE(toneRows(pages[p]).isEmpty()) << "page " << p;
        rows += toneRows(pages[p]);
    }
    ASSERT_EQ(rows.size(), 225);
    for (int k = 0; k < 225; ++k) {
        EXPECT_EQ(rows[k].tone1, 650 + 100 * (k / 15)) << k;
        EXPECT_EQ(rows[k].tone2, 650 + 100 * (k % 15)) << k;
        EXPECT_EQ(rows[k].action, QStringLiteral("Set Channel To [%1]").arg(k / 15)) << k;
    }
    EXPECT_TRUE(pages.last().contains(QStringLiteral("Alarms Section")));
}

TEST_F(TRReportTest, ADocumentThatDoesNothingPrintsTheHeadingsOnly)
{
    const QStringList pages = print();
    ASSERT_EQ(pages.size(), 3);
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Function Tones Section")));
    EXPECT_TRUE(toneRows(pages[1]).isEmpty());
}

} // namespace
