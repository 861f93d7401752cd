// The document in the page store: the modified flag, a failed save, a failed load,
// and saving back to where the document came from.
#include "RadioFixture.h"

#include "support/StoredModules.h"

#include <QSqlQuery>

using namespace radiolayout;

namespace {

class RadioDatabase : public RadioDbTest {
protected:
    void SetUp() override
    {
        RadioDbTest::SetUp();
        image = moduleImage(rackemu::Kind::Transmitter, 4660, 128);
        for (int p = 0; p < kPageCount; ++p)
            doc.intWritePage(p, imagePages(image, p, p));
        ASSERT_EQ(doc.intInitSystemInfo(), 0);
        ASSERT_EQ(doc.intReadModData(), 0);
        doc.strUserRemark = "Stored remark";
        doc.fModified = true;
    }

    static int storedRows(const QString& serial) { return testsupport::storedPageCount(serial); }

    QByteArray image;
    CLASSOrvDocument doc;
};

TEST_F(RadioDatabase, FailedSaveKeepsTheFlagAndTheStoredCopy)
{
    ASSERT_EQ(doc.intDocument2DB(), 0);
    QSqlQuery(db()).exec("CREATE TRIGGER refuse BEFORE INSERT ON tblModulePage BEGIN SELECT RAISE(ABORT, 'disk full'); END");

    testsupport::ScriptedMsgBox box;
    box.expect("disk full");
    doc.strUserRemark = "Not stored";
    doc.fModified = true;
    EXPECT_NE(doc.intDocument2DB(), 0);
    EXPECT_TRUE(doc.fModified);
    EXPECT_EQ(storedRows("4660"), 145);
    CLASSOrvDocument stored;
    QSqlQuery(db()).exec("DROP TRIGGER refuse");
    ASSERT_EQ(loadStored(stored, "4660"), 0);
    EXPECT_EQ(stored.strUserRemark, "Stored remark");
}

TEST_F(RadioDatabase, RefusedSettingsStoreNothing)
{
    testsupport::ScriptedMsgBox box;
    box.expect("serial number");
    doc.strSerial = "12x";
    EXPECT_EQ(doc.intDocument2DB(), -1);
    EXPECT_TRUE(doc.fModified);
    EXPECT_EQ(storedRows("4660"), 0);
}

TEST_F(RadioDatabase, LoadThatFailsLeavesTheDocumentAsItWas)
{
    ASSERT_EQ(doc.intDocument2DB(), 0);
    QSqlQuery(db()).exec("UPDATE tblModulePage SET BYTE3 = 200 WHERE Page = 2");

    testsupport::ScriptedMsgBox box;
    box.expect("200 channels");
    CLASSOrvDocument other;
    other.intWritePage(20, QByteArray("abcdefgh"));
    other.strUserRemark = "Open document";
    EXPECT_EQ(loadStored(other, "4660"), -1);
    EXPECT_EQ(documentPages(other, 0, kLastPage),
              QByteArray(20 * kPageSize, '\0') + "abcdefgh" + QByteArray(128 * kPageSize, '\0'));
    EXPECT_EQ(other.strUserRemark, "Open document");
}

TEST_F(RadioDatabase, SaveBackGoesWhereTheDocumentCameFrom)
{
    struct Case {
        int16_t from;
        const char* where;
        int rows;
    };
    for (const Case& c : {Case{kFromMCF, "Saving to Database", 145}, Case{kFromNew, "Saving to Database", 145},
                          Case{kFromDatabase, "Saving to Database", 145}, Case{7, "unchanged", 0}}) {
        QSqlQuery(db()).exec("DELETE FROM tblModulePage");
        doc.intDocumentFrom = c.from;
        QString where = "unchanged";
        EXPECT_EQ(doc.intDocument2Default(where), 0) << c.from;
        EXPECT_EQ(where, c.where) << c.from;
        EXPECT_EQ(storedRows("4660"), c.rows) << c.from;
    }
}

} // namespace
