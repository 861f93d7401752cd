// The window's file and print commands and its file openers.
#include "ViewFixture.h"

#include "platform/FileDialogs.h"
#include "shell/Globals.h"
#include "docwindow/DocumentWindowOpen.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPdfWriter>

using WindowRegistry::WindowKind;

class FileCommandsTest : public ViewTest {
protected:
    testsupport::ScriptedFileDialogs files_;
};

TEST_F(FileCommandsTest, SaveEpromFileWritesByTheNamesEnding)
{
    frmOrvView* w = openNew(kTransmitterModel, 1000, 8);
    struct Case {
        QString name;
        bool written;
    };
    const QList<Case> cases = {{"plan.bin", true}, {"Plan.HEX", true}, {"plan.mcf", true}, {"PLAN.TXT", false}, {"PLAN", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString path = folder_.file(c.name);
        files_.answer(path);
        EXPECT_EQ(w->intCommandSaveEprom(), 0);
        EXPECT_EQ(QFileInfo::exists(path), c.written) << "the file keeps the name as given";
    }
    EXPECT_EQ(files_.requests().first().filter,
              "Vorn BIN file (*.bin)|*.bin|Vorn HEX file (*.hex)|*.hex|All files (*.*)|*.*");
    EXPECT_EQ(files_.requests().first().filterIndex, 1);

    files_.answer(std::nullopt);
    EXPECT_EQ(w->intCommandArchiveSave(), -1) << "a cancelled dialog writes nothing";
    files_.answer(folder_.file("site.mcf"));
    EXPECT_EQ(w->intCommandArchiveSave(), 0);
    EXPECT_TRUE(QFileInfo::exists(folder_.file("site.mcf")));
}

TEST_F(FileCommandsTest, FileOpenersShowTheFileOrNoWindow)
{
    frmOrvView* w = openNew(kTransmitterModel, 1000, 8);
    const QString mcf = folder_.file("site.mcf");
    ASSERT_EQ(w->document().intDocument2MCF(mcf), 0);
    EXPECT_EQ(openInNewDocumentWindow(WindowKind::Radio, [&](IDocumentWindow& win) { return win.intInitFromMCF(mcf); }), 0);
    settle();
    ASSERT_EQ(windows().size(), 2);
    EXPECT_EQ(windows().last()->txtFirmwareVersion->text(), "XX.XX");
    EXPECT_EQ(windows().last()->Cols(), 14);

    // A file the document refuses has been reported by it; no window opens on an empty document.
    const QString broken = folder_.file("broken.mcf");
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(40, 'x'));
    f.close();
    boxes_.answerAll();
    EXPECT_EQ(openInNewDocumentWindow(WindowKind::Radio, [&](IDocumentWindow& win) { return win.intInitFromArchive(broken); }),
              -1);
    settle();
    EXPECT_FALSE(boxes_.shown().isEmpty());
    EXPECT_EQ(windows().size(), 2);
    EXPECT_EQ(basVelmar::gOpenViewCount, 2);
}

TEST_F(FileCommandsTest, PrintsTheReport)
{
    frmOrvView* w = openNew(kTransmitterModel, 1000, 8);
    const QString pdf = folder_.file("report.pdf");
    const platform::PrinterHandler guard =
        platform::setPrinterHandler([pdf]() -> std::unique_ptr<QPagedPaintDevice> { return std::make_unique<QPdfWriter>(pdf); });
    EXPECT_EQ(w->intCommandPrint(), 0);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    platform::setPrinterHandler([]() -> std::unique_ptr<QPagedPaintDevice> { return nullptr; });
    EXPECT_EQ(w->intCommandPrint(), -1) << "a cancelled printer dialog prints nothing";
    platform::setPrinterHandler(guard);
}
