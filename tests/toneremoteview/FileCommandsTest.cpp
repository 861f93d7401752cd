// The tone-remote window's Save File and Print: the archive goes where the user said, in the case
// the name was given, the printer's report is made, and a cancelled dialog does nothing.
#include "TRViewFixture.h"

#include "support/PdfPages.h"

#include <QDir>
#include <QFileInfo>

class TRFileCommands : public TRViewTest {};

TEST_F(TRFileCommands, SaveFileKeepsTheNamesCaseAndGivesTheWritersStatus)
{
    frmOrvViewTR* w = openNew(6000);
    ASSERT_NE(w, nullptr);
    testsupport::ScriptedFileDialogs dialogs;
    const QString mixed = folder_.file(QStringLiteral("Site4.Mcf"));
    dialogs.answer(mixed);
    EXPECT_EQ(w->intCommandArchiveSave(), 0);
    EXPECT_TRUE(QFileInfo::exists(mixed));
    EXPECT_FALSE(QFileInfo::exists(folder_.file(QStringLiteral("SITE4.MCF"))));
    EXPECT_EQ(dialogs.requests().last().filter, QStringLiteral("Vorn MCF file (*.mcf)|*.mcf|All file (*.*)|*.*"));

    // The Save dialog gives a name without an ending the filter's.
    dialogs.answer(folder_.file(QStringLiteral("Site5")));
    EXPECT_EQ(w->intCommandArchiveSave(), 0);
    EXPECT_TRUE(QFileInfo::exists(folder_.file(QStringLiteral("Site5.mcf"))));

    // Cancel writes nothing and says nothing; a file that cannot be written is a failure.
    const int files = static_cast<int>(QDir(folder_.path()).entryList(QDir::Files).size());
    dialogs.answer(std::nullopt);
    EXPECT_EQ(w->intCommandArchiveSave(), -1);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files).size(), files);
    boxes_.answerAll();
    dialogs.answer(folder_.file(QStringLiteral("no such folder/Site6.mcf")));
    EXPECT_EQ(w->intCommandArchiveSave(), -1);
    EXPECT_EQ(boxes_.shown().size(), 1);
}

TEST_F(TRFileCommands, PrintMakesTheReportOnThePrinterChosen)
{
    frmOrvViewTR* w = openNew(6001);
    ASSERT_NE(w, nullptr);
    const QString pdf = folder_.file(QStringLiteral("report.pdf"));
    const platform::PrinterHandler previous = platform::setPrinterHandler(
        [pdf]() -> std::unique_ptr<QPagedPaintDevice> { return testsupport::a4PdfWriter(pdf); });
    EXPECT_EQ(w->intCommandPrint(), 0);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    if (testsupport::havePdfToText()) {
        const QStringList pages = testsupport::pdfPages(pdf);
        ASSERT_FALSE(pages.isEmpty());
        EXPECT_TRUE(pages.first().contains(QStringLiteral("6001"))) << pages.first().toStdString();
    }
    platform::setPrinterHandler([]() -> std::unique_ptr<QPagedPaintDevice> { return nullptr; });
    EXPECT_EQ(w->intCommandPrint(), -1) << "a cancelled printer dialog prints nothing";
    platform::setPrinterHandler(previous);
}
