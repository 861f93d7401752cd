// Texts in the pages and in every file kind are Windows-1252: "€" and the accented letters are
// stored as that code's bytes and read back the same; a character the code has no byte for is
// refused by name and nothing is stored.
#include "RadioFilesFixture.h"

#include "db/CLASSOrvDB.h"

#include <QFile>
#include <functional>

namespace {

const QString kRemark = QStringLiteral("Café €2 Œil");
const QByteArray kRemarkBytes("Caf\xE9 \x80" "2 \x8Cil");

struct Format {
    const char* name;
    const char* file;
    std::function<int16_t(CLASSOrvDocument&, const QString&)> write;
    std::function<int16_t(CLASSOrvDocument&, const QString&)> read;
};

const Format kFormats[] = {
    {"archive", "site.arc", &CLASSOrvDocument::intDocument2Archive, &CLASSOrvDocument::intArchive2Document},
    {"MCF", "site.mcf", &CLASSOrvDocument::intDocument2MCF, &CLASSOrvDocument::intMCFFile2Document},
    {"BIN", "site.bin", &CLASSOrvDocument::intDocument2BIN, &CLASSOrvDocument::intBINFile2Document},
    {"HEX", "site.hex", &CLASSOrvDocument::intDocument2HEX, &CLASSOrvDocument::intHEXFile2Document},
};

} // namespace

TEST_F(RadioFilesTest, TextsAreStoredAsWindows1252AndReadBackTheSame)
{
    CLASSOrvDocument doc = newDocument(kTransmitterModel, 2);
    doc.strUserRemark = kRemark;
    doc.strUserNotes = QStringLiteral("Réglé – OK");
    ASSERT_EQ(doc.intEditSystem(), 0);
    EXPECT_EQ(pageOf(doc, 8) + pageOf(doc, 9), page7to0({'C', 'a', 'f', 0xE9, ' ', 0x80, '2', ' '})
                                                 + page7to0({0x8C, 'i', 'l', ' ', ' ', ' ', ' ', ' '}));

    for (const Format& f : kFormats) {
        SCOPED_TRACE(f.name);
        const QString path = file(QString::fromLatin1(f.file));
        ASSERT_EQ(f.write(doc, path), 0);
        // The archive holds a page's 8 bytes in one record, the Intel-HEX file the bytes as digits.
        const QByteArray stored = readFile(path);
        EXPECT_TRUE(stored.contains(kRemarkBytes.left(8)) || stored.contains(kRemarkBytes.toHex().toUpper()));
        CLASSOrvDocument read;
        ASSERT_EQ(f.read(read, path), 0);
        EXPECT_EQ(read.strUserRemark.trimmed(), kRemark);
    }
    EXPECT_TRUE(readFile(file(QStringLiteral("site.hex"))).contains(QByteArray("R\xE9gl\xE9 \x96 OK")));
}

TEST_F(RadioFilesTest, CharacterWithoutAByteIsRefusedByNameAndNothingIsStored)
{
    CLASSOrvDocument doc = newDocument(kTransmitterModel, 2);
    const QByteArray remarkPages = pageOf(doc, 8) + pageOf(doc, 9);
    doc.strUserRemark = QStringLiteral("Ωmega hill");

    testsupport::ScriptedMsgBox box;
    for (const Format& f : kFormats) {
        SCOPED_TRACE(f.name);
        const QString path = file(QString::fromLatin1(f.file));
        writeFile(path, "the copy stored before");
        box.expect(QStringLiteral("\"Ω\" (U+03A9) in \"Ωmega hill\""));
        EXPECT_EQ(f.write(doc, path), -1);
        EXPECT_EQ(readFile(path), QByteArray("the copy stored before"));
    }
    box.expect(QStringLiteral("\"Ω\""));
    EXPECT_EQ(doc.intDocument2DB(), -1);
    int32_t id = 0;
    EXPECT_NE(CLASSOrvDB::instance().intSerial2ModuleID(doc.strSerial, id), 0) << "the database got the module";
    EXPECT_EQ(pageOf(doc, 8) + pageOf(doc, 9), remarkPages);

    // A character past what the field holds is not stored, so it is no reason to refuse.
    doc.strUserRemark = QStringLiteral("sixteen letters. Ω");
    EXPECT_EQ(doc.intDocument2MCF(file(QStringLiteral("long.mcf"))), 0);

    doc.strUserRemark = QStringLiteral("fine");
    doc.strUserNotes = QStringLiteral("Notes 😀");
    box.expect(QStringLiteral("\"😀\""));
    EXPECT_EQ(doc.intDocument2HEX(file(QStringLiteral("site.hex"))), -1);
    EXPECT_EQ(readFile(file(QStringLiteral("site.hex"))), QByteArray("the copy stored before"));
}
