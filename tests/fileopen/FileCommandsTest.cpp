#include "TestDocumentWindow.h"

#include "app/FileOpenCommands.h"
#include "db/CLASSOrvDB.h"
#include "db/DbQuery.h"
#include "docwindow/OpenModules.h"
#include "shell/Globals.h"
#include "support/ModelSource.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempDir.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using namespace basVelmar;
using testsupport::ScriptedFileDialogs;
using testsupport::ScriptedMsgBox;
using Kind = WindowRegistry::WindowKind;

namespace {

QByteArray record(QByteArray data)
{
    uint8_t x = 0;
    for (char c : data)
        x ^= static_cast<uint8_t>(c);
    return data.append(static_cast<char>(x));
}

// The start of an archive file whose module has this configuration byte.
QByteArray archive(uint8_t configuration)
{
    QByteArray second(8, '\0');
    second[4] = static_cast<char>(configuration);
    return record(QByteArray(8, '\x11')) + record(second);
}

} // namespace

class FileCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        TestDocumentWindow::install();
        basVelmar::gOpenViewCount = 0;
        main = std::make_unique<frmMain>();
    }
    void TearDown() override
    {
        main.reset();
        EXPECT_EQ(TestDocumentWindow::alive, 0);
    }
    // A file in a folder of mixed-case name, so that a path that lost its case would not be found.
    QString file(const QString& name, const QByteArray& content)
    {
        QDir(dir.path()).mkpath(QStringLiteral("Configs"));
        const QString path = dir.filePath(QStringLiteral("Configs/") + name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    }
    int windows() const { return static_cast<int>(main->documentWindows().size()); }

    QTemporaryDir dir;
    std::unique_ptr<frmMain> main;
    ScriptedFileDialogs dialogs;
};

TEST_F(FileCommands, OpenFileChoosesTheEditorByTheArchivesModuleType)
{
    const struct {
        const char* name;
        QByteArray content;
        int16_t result;
        std::optional<Kind> kind;
        const char* opener;
    } cases[] = {
        {"Rx.Mcf", archive(0x02), 0, Kind::Radio, "intInitFromArchive"},
        {"tx.mcf", archive(0x00), 0, Kind::Radio, "intInitFromArchive"},
        {"Ex.MCF", archive(0x04), 0, Kind::Radio, "intInitFromArchive"},
        {"Line.mcf", archive(0x80), 0, Kind::ToneRemote, "intInitFromArchive"},
        // A first record that fails its check is no archive: the MCF reader gets it.
        {"Old.dat", QByteArray("not an archive at all"), 0, Kind::Radio, "intInitFromMCF"},
        {"Tiny.mcf", QByteArray("abc"), 0, Kind::Radio, "intInitFromMCF"},
    };
    for (const auto& c : cases) {
        TestDocumentWindow::calls.clear();
        const QString path = file(QString::fromLatin1(c.name), c.content);
        dialogs.answer(path);
        EXPECT_EQ(intOpenArchiveFile(), c.result) << c.name;
        ASSERT_EQ(TestDocumentWindow::calls.size(), 1) << c.name;
        EXPECT_EQ(TestDocumentWindow::calls[0].kind, *c.kind) << c.name;
        EXPECT_EQ(TestDocumentWindow::calls[0].opener, QLatin1String(c.opener)) << c.name;
        EXPECT_EQ(TestDocumentWindow::calls[0].path, path) << c.name;  // as chosen, case and all
    }
    EXPECT_EQ(windows(), 6);
    EXPECT_EQ(dialogs.requests().first().filter, QStringLiteral("All files (*.*)|*.*|Vorn MCF file (*.mcf)|*.mcf"));
    EXPECT_EQ(dialogs.requests().first().filterIndex, 2) << "the MCF filter comes preselected";
}

TEST_F(FileCommands, OpenFileRefusals)
{
    const QString binary = file(QStringLiteral("image.Bin"), QByteArray(1856, '\0'));
    const QString hexNoDot = file(QStringLiteral("dumphex"), QByteArray(":00000001FF\r\n"));
    const QString quasiSync = file(QStringLiteral("qs.mcf"), archive(0x40));
    const QString unreadableMcf = file(QStringLiteral("broken.mcf"), QByteArray("xyz"));

    ScriptedMsgBox box;
    dialogs.answer(std::nullopt);  // Cancel: no choice, no message
    EXPECT_EQ(intOpenArchiveFile(), -1);

    // The name as chosen: on Linux another case names another file.
    box.expect(QStringLiteral("Velmar can not open file image.Bin"));
    dialogs.answer(binary);
    EXPECT_EQ(intOpenArchiveFile(), -1);
    EXPECT_EQ(box.shown().last().title, QStringLiteral("Invalid file format."));
    EXPECT_EQ(box.shown().last().icon(), platform::vbCritical);

    box.expect(QStringLiteral("Velmar can not open file dumphex"));
    dialogs.answer(hexNoDot);
    EXPECT_EQ(intOpenArchiveFile(), -1);

    box.expect(QStringLiteral("Unknow Module type"));
    dialogs.answer(quasiSync);
    EXPECT_EQ(intOpenArchiveFile(), -1);
    EXPECT_EQ(box.shown().last().icon(), 0);

    box.expect(QStringLiteral("File not found"));
    dialogs.answer(dir.filePath(QStringLiteral("Configs/gone.mcf")));
    EXPECT_EQ(intOpenArchiveFile(), -1);

    // The radio editor cannot read it as an MCF file: the window goes away again.
    TestDocumentWindow::openerStatus = -1;
    box.expect(QStringLiteral("Velmar can not open file broken.mcf"));
    dialogs.answer(unreadableMcf);
    EXPECT_EQ(intOpenArchiveFile(), -1);
    ASSERT_EQ(TestDocumentWindow::calls.size(), 1);
    EXPECT_EQ(TestDocumentWindow::calls[0].opener, QStringLiteral("intInitFromMCF"));

    EXPECT_EQ(windows(), 0);
    EXPECT_EQ(TestDocumentWindow::alive, 0);
    EXPECT_EQ(box.shown().size(), 5);
}

TEST_F(FileCommands, OpenEPROMFileGoesByTheExtensionInAnyCase)
{
    const struct {
        const char* name;
        QByteArray content;
        std::optional<Kind> kind;
        const char* opener;
    } cases[] = {
        {"Site4.bin", QByteArray(1856, '\0'), Kind::Radio, "intInitFromBIN"},
        {"Site4.HEX", QByteArray(":00000001FF\r\n"), Kind::Radio, "intInitFromHEX"},
        {"Line.Mcf", archive(0x9F), Kind::ToneRemote, "intInitFromArchive"},
        {"Old.mcf", QByteArray("no archive"), Kind::Radio, "intInitFromMCF"},
        {"notes.txt", QByteArray("text"), std::nullopt, nullptr},
        {"a.bi", QByteArray("four characters"), std::nullopt, nullptr},
    };
    for (const auto& c : cases) {
        TestDocumentWindow::calls.clear();
        const QString path = file(QString::fromLatin1(c.name), c.content);
        dialogs.answer(path);
        EXPECT_EQ(intOpenEPROMFile(), 0) << c.name;
        if (!c.kind) {
            EXPECT_TRUE(TestDocumentWindow::calls.isEmpty()) << c.name;
            continue;
        }
        ASSERT_EQ(TestDocumentWindow::calls.size(), 1) << c.name;
        EXPECT_EQ(TestDocumentWindow::calls[0].kind, *c.kind) << c.name;
        EXPECT_EQ(TestDocumentWindow::calls[0].opener, QLatin1String(c.opener)) << c.name;
        EXPECT_EQ(TestDocumentWindow::calls[0].path, path) << c.name;
    }
    EXPECT_EQ(dialogs.requests().first().filter,
              QStringLiteral("Vorn BIN file (*.bin)|*.bin|Vorn HEX file (*.hex)|*.hex|All Files (*.*)|*.*"));
    EXPECT_EQ(dialogs.requests().first().filterIndex, 1);

    // A title of four characters does nothing, not even look for the file.
    dialogs.answer(dir.filePath(QStringLiteral("x.hx")));
    EXPECT_EQ(intOpenEPROMFile(), 0);

    ScriptedMsgBox box;
    box.expect(QStringLiteral("Unknow Module type"));
    dialogs.answer(file(QStringLiteral("odd.MCF"), archive(0x60)));
    EXPECT_EQ(intOpenEPROMFile(), -1);
    box.expect(QStringLiteral("File not found"));
    dialogs.answer(dir.filePath(QStringLiteral("Configs/gone.bin")));
    EXPECT_EQ(intOpenEPROMFile(), -1);
}

TEST_F(FileCommands, ModelImportsImportTheChosenFile)
{
    CLASSOrvDB::releaseInstance();
    basVelmar::gDatabasePath = testsupport::makeDatabase(dir.filePath(QStringLiteral("velmar.mdb")));
    const QString models = file(QStringLiteral("User.MDB"), QByteArray());
    const QString columns = QStringLiteral("INSERT INTO tblMODData (MODULENUMB, Lowerfreql, Upperfreql, Ref1, TCXOFreq, Type, "
                                           "InfoType) VALUES ('%1', 1, 2, 12500, 12800000, 'Receiver', '%2')");
    testsupport::makeModelSource(models, {QStringLiteral("DELETE FROM tblMODData"), columns.arg(QStringLiteral("Std-1"), QStringLiteral("Standard")),
                                          columns.arg(QStringLiteral("Usr-1"), QStringLiteral("User"))});
    auto stored = [](const QString& number) {
        QSqlQuery q = velmardb::run(CLASSOrvDB::instance().dbAccess(),
                                    QStringLiteral("SELECT InfoType FROM tblMODData WHERE MODULENUMB = ?"), {number});
        return q.next() ? q.value(0).toString() : QString();
    };

    ScriptedMsgBox box;
    dialogs.answer(models);
    EXPECT_EQ(intImportModelsDB(2), 0);
    EXPECT_EQ(stored(QStringLiteral("Usr-1")), QStringLiteral("User"));
    EXPECT_EQ(stored(QStringLiteral("Std-1")), QString());
    box.expect(QStringLiteral("There is 1 model added. There is 0 model updated. "));
    dialogs.answer(models);
    EXPECT_EQ(intImportModelsDB(1), 0);
    EXPECT_EQ(stored(QStringLiteral("Std-1")), QStringLiteral("Standard"));
    // A database file given to Open EPROM File imports standard models.
    box.expect(QStringLiteral("There is 0 model added. There is 1 model updated. "));
    dialogs.answer(models);
    EXPECT_EQ(intOpenEPROMFile(), 0);
    // The import's own failure is not passed on.
    box.expect(QStringLiteral("You can not import the database to itself"));
    dialogs.answer(basVelmar::gDatabasePath);
    EXPECT_EQ(intImportModelsDB(1), 0);

    dialogs.answer(std::nullopt);
    EXPECT_EQ(intImportModelsDB(1), -1);
    EXPECT_EQ(dialogs.requests().first().fileName, QStringLiteral("*.mdb"));
    EXPECT_EQ(dialogs.requests().first().filter, QStringLiteral("USER.MDB file (*.MDB) | *.mdb |"));
    EXPECT_EQ(dialogs.requests().first().filterIndex, 0) << "the filter as the last use left it";
    CLASSOrvDB::releaseInstance();
}

TEST_F(FileCommands, FileMenuEntriesRunTheCommands)
{
    // Each entry asks for its file; Cancel ends it quietly.
    for (const char* entry : {"MNUARCHIVEOPEN", "MNUIMPORT", "MNUUPDATESTANDARD", "MNUUPDATEUSER"}) {
        dialogs.answer(std::nullopt);
        main->findChild<QAction*>(QLatin1String(entry))->trigger();
    }
    ASSERT_EQ(dialogs.requests().size(), 4);
    EXPECT_TRUE(dialogs.requests()[0].filter.contains(QStringLiteral("Vorn MCF file")));
    EXPECT_TRUE(dialogs.requests()[1].filter.contains(QStringLiteral("Vorn BIN file")));
    EXPECT_TRUE(dialogs.requests()[2].filter.contains(QStringLiteral("USER.MDB")));
    EXPECT_TRUE(dialogs.requests()[3].filter.contains(QStringLiteral("USER.MDB")));
}

TEST_F(FileCommands, OpenModuleTestTellsTheSourcesApart)
{
    auto open = [](Kind kind, int16_t source, const QString& serial) {
        auto* w = WindowRegistry::createWindow(kind);
        if (source == kFromDatabase)
            w->intInitFromDB(serial);
        else
            w->intInitFromModule(serial);
    };
    open(Kind::Radio, kFromDatabase, QStringLiteral("1234"));
    open(Kind::ToneRemote, kFromModule, QStringLiteral("777"));
    open(Kind::Radio, kFromModule, QString());           // no serial number yet
    open(Kind::Radio, kFromModule, QStringLiteral("n/a")); // not a number: passed over

    const struct {
        long serial;
        int16_t source;
        bool open;
    } cases[] = {
        {1234, kFromDatabase, true}, {1234, kFromModule, false}, {777, kFromModule, true},
        {777, kFromDatabase, false}, {0, kFromModule, false},     {5, kFromDatabase, false},
    };
    for (const auto& c : cases) {
        bool isOpen = !c.open;
        EXPECT_EQ(intIsModuleOpen(c.serial, c.source, isOpen), 0) << c.serial;
        EXPECT_EQ(isOpen, c.open) << c.serial << " from " << c.source;
    }
}
