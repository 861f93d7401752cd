// The window's file and print commands and its file openers.
#include "ViewFixture.h"

#include "platform/FileDialogs.h"
#include "shell/Globals.h"
#include "docwindow/DocumentWindowOpen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPdfWriter>

using WindowRegistry::WindowKind;

class FileCommandsTest : public ViewTest {
protected:
    testsupport::ScriptedFileDialogs files_;
};

TEST_F(FileCommandsTest, SaveEpromFileWritesByTheNamesEndingOrTheChosenFilter)
{
    frmOrvView* w = openNew(kTransmitterModel, 1000, 8);
    enum Form { None, Bin, Hex, Mcf };
    struct Case {
        QString typed;
        int filter;      // chosen in the dialog, from 1: BIN, HEX, All files
        QString written; // the file's name on disk
        Form form;
    };
    const QList<Case> cases = {
        {"plan.bin", 1, "plan.bin", Bin},       {"Plan.HEX", 1, "Plan.HEX", Hex},
        {"plan.mcf", 2, "plan.mcf", Mcf},       {"PLAN", 1, "PLAN.bin", Bin},
        {"PLAN", 2, "PLAN.hex", Hex},           {"PLAN.TXT", 2, "PLAN.TXT.hex", Hex},
        {"PLAN", 3, "", None},                  {"PLAN.TXT", 3, "", None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString() + " filter " + std::to_string(c.filter));
        files_.answer(folder_.file(c.typed), c.filter);
        if (c.form == None)
            boxes_.expect("must end in .bin, .hex or .mcf");
        EXPECT_EQ(w->intCommandSaveEprom(), c.form == None ? -1 : 0);
        const QStringList onDisk = QDir(folder_.path()).entryList({"plan*", "PLAN*"}, QDir::Files);
        if (c.form == None) {
            EXPECT_TRUE(onDisk.isEmpty()) << onDisk.join(' ').toStdString();
            continue;
        }
        EXPECT_EQ(onDisk, QStringList{c.written});
        QFile f(folder_.file(c.written));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        f.close();
        EXPECT_EQ(bytes.size() == 1856, c.form == Bin);
        EXPECT_EQ(bytes.startsWith(':'), c.form == Hex);
        EXPECT_TRUE(f.remove());
    }
    EXPECT_EQ(files_.requests().first().filter,
              "Vorn BIN file (*.bin)|*.bin|Vorn HEX file (*.hex)|*.hex|All files (*.*)|*.*");
    EXPECT_EQ(files_.requests().first().filterIndex, 1);

    // A writer that fails has said why; the command does not report success.
    boxes_.answerAll();
    const auto shown = boxes_.shown().size();
    files_.answer(folder_.file("missing/plan.bin"));
    EXPECT_EQ(w->intCommandSaveEprom(), -1);
    EXPECT_EQ(boxes_.shown().size(), shown + 1);
}

TEST_F(FileCommandsTest, SaveFileGivesTheMcfFilterItsExtension)
{
    frmOrvView* w = openNew(kTransmitterModel, 1000, 8);
    files_.answer(std::nullopt);
    EXPECT_EQ(w->intCommandArchiveSave(), -1) << "a cancelled dialog writes nothing";
    files_.answer(folder_.file("site"), 1);
    EXPECT_EQ(w->intCommandArchiveSave(), 0);
    EXPECT_TRUE(QFileInfo::exists(folder_.file("site.mcf")));
    files_.answer(folder_.file("other.MCF"), 1);
    EXPECT_EQ(w->intCommandArchiveSave(), 0);
    EXPECT_TRUE(QFileInfo::exists(folder_.file("other.MCF")));
    files_.answer(folder_.file("plain"), 2);
    EXPECT_EQ(w->intCommandArchiveSave(), 0);
    EXPECT_TRUE(QFileInfo::exists(folder_.file("plain"))) << "All files keeps the name as typed";

    boxes_.answerAll();
    files_.answer(folder_.file("missing/site.mcf"));
    EXPECT_EQ(w->intCommandArchiveSave(), -1);
    EXPECT_EQ(boxes_.shown().size(), 1);
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
