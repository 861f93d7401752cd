// The configuration byte of page 2 decides which window, which files and which database rows a
// module belongs to: an archive whose page 2 is of another kind is not opened, the raw page editor
// does not put another kind into page 2, and Save and Save File refuse a document that holds one;
// for every kind of document window, with the radio kinds passing in the radio window.
#include "DocumentFixture.h"

#include "db/CLASSOrvDB.h"
#include "docwindow/DocumentWindow.h"
#include "docwindow/DocumentWindowOpen.h"
#include "docwindow/ModuleWindowBase.h"
#include "docwindow/frmBits.h"
#include "support/FakeDocumentHost.h"
#include "support/PageBytes.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>

using testsupport::pageOf;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

constexpr int kArchiveRecord = 9;

// The archive with byte 2 of page 2 set to `configuration` and the record's check byte made good.
QByteArray withPageTwoConfiguration(QByteArray archive, uint8_t configuration)
{
    const int headerRecords = static_cast<uint8_t>(archive.at(kArchiveRecord));
    const int at = (headerRecords + 2) * kArchiveRecord; // the record of page 2, page byte 7 first
    archive[at + 7 - 2] = static_cast<char>(configuration);
    uint8_t check = 0;
    for (int i = 0; i < 8; ++i)
        check ^= static_cast<uint8_t>(archive.at(at + i));
    archive[at + 8] = static_cast<char>(check);
    return archive;
}

// Page 2 as the stored module holds it; empty when nothing is stored.
QByteArray storedPageTwo(const QString& serial)
{
    QByteArray page;
    CLASSOrvDB::instance().intReadPage(serial, 2, page);
    return page;
}

// A page as the raw page editor takes it: 16 hexadecimal digits, byte 7 first.
QString typed(QByteArray page)
{
    std::reverse(page.begin(), page.end());
    return QString::fromLatin1(page.toHex());
}

} // namespace

TEST_P(DocumentSuite, APageTwoOfAnotherKindIsNeitherOpenedNorAppliedNorSaved)
{
    if (!WindowRegistry::hasWindow(kind().window))
        GTEST_SKIP() << "the program has no window of this kind yet";
    testsupport::FakeDocumentHost host;
    const QString path = folder_.file(QStringLiteral("MODULE.MCF"));
    ASSERT_EQ(kind().toArchive(*loadedDocument(), path), 0);
    const QByteArray archive = readFile(path);
    ASSERT_EQ(openInNewDocumentWindow(kind().window, [&](IDocumentWindow& w) { return w.intInitFromArchive(path); }),
              0);
    settle();
    IDocumentWindow& window = *host.documentWindows().last();
    auto* commands = dynamic_cast<ModuleWindowBase*>(window.widget());
    ASSERT_NE(commands, nullptr);
    CPageImage& open = *window.getDocument();
    const QByteArray pageTwo = pageOf(open, 2);

    for (const int configuration : {0x80, 0x40, 0x20, 0xE0, 0x00, 0x02, 0x04}) {
        SCOPED_TRACE(configuration);
        const bool ownKind = open.isToneRemote() ? configuration == 0x80 : configuration < 0x08;
        QByteArray changed = pageTwo;
        changed[2] = static_cast<char>(configuration);

        // File > Open File: the archive of the kind with that page 2.
        const QString spoilt = folder_.file(QStringLiteral("SPOILT.MCF"));
        writeFile(spoilt, withPageTwoConfiguration(archive, static_cast<uint8_t>(configuration)));
        std::unique_ptr<CPageImage> reader = loadedDocument();
        const QByteArray readerBefore = allPages(*reader);
        if (!ownKind)
            boxes_.expect(QStringLiteral("SPOILT.MCF is damaged: its record 2 is of a module of type"));
        EXPECT_EQ(kind().fromArchive(*reader, spoilt), ownKind ? 0 : -1);
        EXPECT_EQ(pageOf(*reader, 2), ownKind ? changed : pageOf(*loadedDocument(), 2));
        if (!ownKind)
            EXPECT_EQ(allPages(*reader), readerBefore) << "the open document is left as it was";

        // The raw page editor on the window's document.
        kind().modified(open) = false;
        QByteArray before = allPages(open);
        {
            frmBits editor;
            editor.fillPages(open, &window);
            editor.Text1->setText(typed(changed));
            editor.Text2->setText(QStringLiteral("02"));
            if (!ownKind)
                boxes_.expect(QStringLiteral("Byte 2 of page 2 gives the module's kind"));
            editor.Command1->click();
        }
        EXPECT_EQ(pageOf(open, 2), ownKind ? changed : pageTwo);
        if (!ownKind) {
            EXPECT_EQ(allPages(open), before);
            EXPECT_FALSE(kind().modified(open));
        }

        // Save and Save File of a document that holds that page 2 (as one stored before could).
        ASSERT_EQ(open.intWritePage(2, changed), 0);
        kind().modified(open) = true;
        before = allPages(open);
        QSqlQuery(CLASSOrvDB::instance().dbAccess()).exec(QStringLiteral("DELETE FROM tblModule"));
        if (!ownKind)
            boxes_.expect(QStringLiteral("was not saved"));
        EXPECT_EQ(window.intCommandSave(), ownKind ? 0 : -1);
        EXPECT_EQ(storedPageTwo(serialText()), ownKind ? changed : QByteArray());

        kind().modified(open) = true;
        const QString saved = folder_.file(QStringLiteral("SAVED%1.MCF").arg(configuration));
        testsupport::ScriptedFileDialogs dialogs;
        if (ownKind)
            dialogs.answer(saved);
        else
            boxes_.expect(QStringLiteral("was not saved"));
        EXPECT_EQ(commands->intCommandArchiveSave(), ownKind ? 0 : -1);
        EXPECT_EQ(QFileInfo::exists(saved), ownKind);
        if (!ownKind) {
            EXPECT_EQ(allPages(open), before);
            EXPECT_TRUE(kind().modified(open)) << "the changes are still to be saved";
        }
        ASSERT_EQ(open.intWritePage(2, pageTwo), 0);
        EXPECT_EQ(boxes_.pending(), 0);
    }
    kind().modified(open) = false;
}
