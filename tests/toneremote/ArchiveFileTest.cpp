// The tone-remote archive file: its bytes, the round trip, and the files it refuses.
#include "TRFixture.h"

#include "db/DbFixture.h"

#include <functional>

using namespace trtest;

namespace {

// Record n (from 1) of a file.
QByteArray record(const QByteArray& file, int n) { return file.mid((n - 1) * 9, 9); }

QByteArray withCheck(QByteArray data)
{
    char x = 0;
    for (const char b : data)
        x ^= b;
    return data + x;
}

class TRArchiveFileTest : public DbFixture {
protected:
    void SetUp() override
    {
        DbFixture::SetUp();
        QByteArray image = randomImage(5);
        image.replace(8, 8, testsupport::page7to0({1, 0, 0, 5, 9, 9, 9, 9})); // firmware 10.05
        image.replace(16, 8, testsupport::page7to0({0x12, 0x34, 0x56, 0, 0, 0x80, 0xE0, 30}));
        loadImage(doc, image);
        ASSERT_EQ(doc.intInitSystemInfo(), 0);
        path = folder.file(QStringLiteral("MODULE.MCF"));
    }

    // The document's archive file.
    QByteArray saved()
    {
        EXPECT_EQ(doc.intDocument2Archive(path), 0);
        return testsupport::readFile(path);
    }

    COrvDocTR doc;
    QString path;
};

TEST_F(TRArchiveFileTest, FirmwareAndHeaderRecordsThenEveryPage)
{
    doc.fModified = true;
    const QByteArray file = saved();
    EXPECT_FALSE(doc.fModified);
    ASSERT_EQ(file.size(), 2331);
    EXPECT_EQ(record(file, 1), QByteArray::fromHex("000105000300000007"));
    EXPECT_EQ(record(file, 2), withCheck(QByteArray::fromHex("0200000180563412")));
    for (int p = 0; p < kPages; ++p) {
        QByteArray page = testsupport::pageOf(doc, p);
        std::reverse(page.begin(), page.end());
        ASSERT_EQ(record(file, 3 + p), withCheck(page)) << p;
    }
}

TEST_F(TRArchiveFileTest, AThirdHeaderRecordWithASoundCheckByteIsPassedOver)
{
    QByteArray file = saved();
    file.replace(9, 9, withCheck(QByteArray::fromHex("0300000180563412")));
    file.insert(18, withCheck(QByteArray::fromHex("0102030405060708")));
    testsupport::writeFile(path, file);
    COrvDocTR three;
    ASSERT_EQ(three.intArchive2Document(path), 0);
    EXPECT_EQ(imageOf(three), imageOf(doc));
    EXPECT_EQ(three.strDocumentFileName, path);
    EXPECT_TRUE(three.fModified);
}

TEST_F(TRArchiveFileTest, RecordTwoAndPageTwoOfTwoToneRemotesLoad)
{
    // The configuration bytes differ but in bits below the kind.
    QByteArray file = saved();
    file.replace(9, 9, withCheck(QByteArray::fromHex("020000019E563412")));
    testsupport::writeFile(path, file);
    COrvDocTR loaded;
    ASSERT_EQ(loaded.intArchive2Document(path), 0);
    EXPECT_EQ(imageOf(loaded), imageOf(doc));
}

struct Broken {
    const char* name;
    std::function<void(QByteArray&)> spoil;
    const char* reason;
};

const Broken kBroken[] = {
    {"CheckByte", [](QByteArray& f) { f[103 * 9 + 4] = static_cast<char>(f[103 * 9 + 4] ^ 0x40); },
     "is damaged: its record 104 fails its check byte"},
    {"FirstRecord", [](QByteArray& f) { f[8] = static_cast<char>(f[8] ^ 1); },
     "is damaged: its record 1 fails its check byte"},
    {"Truncated", [](QByteArray& f) { f.chop(1); }, "ends before its record 259"},
    {"Empty", [](QByteArray& f) { f.clear(); }, "ends before its record 1"},
    {"RadioKind", [](QByteArray& f) { f.replace(9, 9, withCheck(QByteArray::fromHex("0200000102563412"))); },
     "is no archive of a tone-remote module"},
    // Page 2 (record 5, bytes 7 to 0) of a receiver behind a record 2 of a tone remote.
    {"PageTwoOfAReceiver",
     [](QByteArray& f) {
         f[4 * 9 + 5] = 0x12;
         f.replace(4 * 9, 9, withCheck(f.mid(4 * 9, 8)));
     },
     "is damaged: its record 2 is of a module of type ToneRemote, its page 2 of one of type Receiver"},
    {"OneHeaderRecord", [](QByteArray& f) { f.replace(9, 9, withCheck(QByteArray::fromHex("0100000180563412"))); },
     "declares 1 header records"},
    {"LastPage257", [](QByteArray& f) { f.replace(9, 9, withCheck(QByteArray::fromHex("0200010180563412"))); },
     "declares 257 as its last page"},
    {"LastPageNegative", [](QByteArray& f) { f.replace(9, 9, withCheck(QByteArray::fromHex("0200FFFF80563412"))); },
     "declares -1 as its last page"},
};

class TRBrokenArchiveTest : public TRArchiveFileTest, public ::testing::WithParamInterface<Broken> {};

TEST_P(TRBrokenArchiveTest, IsRefusedByNameAndReasonWithTheDocumentUnchanged)
{
    QByteArray file = saved();
    GetParam().spoil(file);
    testsupport::writeFile(path, file);

    COrvDocTR open;
    loadImage(open, randomImage(9));
    ASSERT_EQ(open.intInitSystemInfo(), 0);
    open.strUserRemark = QStringLiteral("typed");
    const QByteArray before = imageOf(open);
    testsupport::ScriptedMsgBox box;
    box.expect(QStringLiteral("MODULE.MCF ") + QLatin1String(GetParam().reason));
    EXPECT_EQ(open.intArchive2Document(path), -1);
    EXPECT_EQ(imageOf(open), before);
    EXPECT_EQ(open.intDocumentFrom, kFromDatabase);
    EXPECT_EQ(open.strUserRemark, "typed");
    EXPECT_TRUE(open.strDocumentFileName.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Files, TRBrokenArchiveTest, ::testing::ValuesIn(kBroken),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TRArchiveFileTest, AFailedSaveSaysSoAndKeepsTheDocumentModified)
{
    doc.fModified = true;
    testsupport::ScriptedMsgBox box;
    box.answerAll();
    EXPECT_EQ(doc.intDocument2Archive(folder.file(QStringLiteral("missing/MODULE.MCF"))), -1);
    EXPECT_EQ(box.shown().size(), 1);
    EXPECT_TRUE(doc.fModified);

    box.expect(QStringLiteral("Cannot open the file"));
    EXPECT_EQ(doc.intArchive2Document(folder.file(QStringLiteral("NONE.MCF"))), -1);
}

} // namespace
