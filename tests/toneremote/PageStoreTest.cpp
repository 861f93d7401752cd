// A tone-remote document through the database's page store.
#include "TRFixture.h"

#include "db/DbFixture.h"

using namespace trtest;

class ToneRemotePageStoreTest : public DbFixture {};

TEST_F(ToneRemotePageStoreTest, SavesAndLoadsEveryPageByteForByte)
{
    COrvDocTR doc;
    loadImage(doc, randomImage(11));
    doc.strSerial = QStringLiteral("654321");
    ASSERT_EQ(db().intSaveOrvDocumentTR(doc), 0);
    int32_t id = -1;
    ASSERT_EQ(db().intSerial2ModuleID(doc.strSerial, id), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM tblModulePage WHERE ModuleID = ?"), {id}).toInt(), 257);

    COrvDocTR back;
    ASSERT_EQ(db().intOpenOrvDocumentTR(id, back), 0);
    EXPECT_EQ(imageOf(back), imageOf(doc));

    // Decoded, encoded and saved again: only the date of the write changes.
    ASSERT_EQ(back.intInitSystemInfo(), 0);
    ASSERT_EQ(back.intEditSystem(), 0);
    back.strSerial = doc.strSerial;
    ASSERT_EQ(db().intSaveOrvDocumentTR(back), 0);
    COrvDocTR again;
    ASSERT_EQ(db().intOpenOrvDocumentTR(id, again), 0);
    EXPECT_EQ(imageOf(again), imageOf(back));
}
