// A tone-remote document stored in and loaded from the database, and saved back to its origin.
#include "TRFixture.h"

#include "db/DbFixture.h"

using namespace trtest;

namespace {

class TRDatabaseTest : public DbFixture {
protected:
    // A document of the rack's default image, decoded, under serial 4711.
    static COrvDocTR decoded(const QByteArray& image)
    {
        COrvDocTR doc;
        loadImage(doc, image);
        EXPECT_EQ(doc.intInitSystemInfo(), 0);
        return doc;
    }
    int32_t idOf(const QString& serial)
    {
        int32_t id = -1;
        EXPECT_EQ(db().intSerial2ModuleID(serial, id), 0);
        return id;
    }
};

TEST_F(TRDatabaseTest, AFailedLoadLeavesTheDocumentAsItWas)
{
    // A stored module whose last row is a page no tone-remote image has.
    const QByteArray image = defaultImage();
    QList<std::pair<int, QByteArray>> rows;
    for (int p = 0; p < kPages; ++p)
        rows.append({p, image.mid(p * 8, 8)});
    rows.append({300, QByteArray(8, '\x11')});
    storeModule(4711, rows);
    COrvDocTR open = decoded(randomImage(3));
    open.strUserRemark = QStringLiteral("typed");
    const QByteArray before = imageOf(open);

    EXPECT_EQ(open.intDB2Document(idOf(QStringLiteral("4711"))), -1);
    EXPECT_EQ(imageOf(open), before);
    EXPECT_EQ(open.strUserRemark, "typed");
}

TEST_F(TRDatabaseTest, ADocumentWhoseFieldsDoNotFitIsNotStored)
{
    COrvDocTR doc = decoded(defaultImage());
    doc.strUserRemark = QStringLiteral("seventeen chars!!");
    doc.fModified = true;
    testsupport::ScriptedMsgBox box;
    box.expect(QStringLiteral("longer than 16 characters"));
    EXPECT_EQ(doc.intDocument2DB(), -1);
    EXPECT_TRUE(doc.fModified);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM tblModule")).toInt(), 0);
}

TEST_F(TRDatabaseTest, SavingBackGoesWhereTheDocumentCameFrom)
{
    const QString archive = folder.file(QStringLiteral("BACK.MCF"));
    struct Case {
        int16_t from;
        const char* where;
    };
    for (const Case c : {Case{kFromDatabase, "Saving to Database"}, Case{kFromNew, "Saving to Database"},
                         Case{kFromArchive, "Saving to file (MCF)"}, Case{kFromMCF, "unchanged"}}) {
        sql(QStringLiteral("DELETE FROM tblModulePage"));
        sql(QStringLiteral("DELETE FROM tblModule"));
        QFile::remove(archive);
        COrvDocTR doc = decoded(defaultImage());
        doc.intDocumentFrom = c.from;
        doc.strDocumentFileName = archive;
        QString where = QStringLiteral("unchanged");
        EXPECT_EQ(doc.intDocument2Default(where), 0) << c.from;
        EXPECT_EQ(where, c.where);
        EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM tblModule")).toInt(), c.from <= kFromNew ? 1 : 0)
            << c.from;
        EXPECT_EQ(QFile::exists(archive), c.from == kFromArchive) << c.from;
    }

    // The save's failure is the caller's answer.
    COrvDocTR doc = decoded(defaultImage());
    doc.strSerial = QStringLiteral("not a number");
    testsupport::ScriptedMsgBox box;
    box.expect(QStringLiteral("is not a number"));
    QString where;
    EXPECT_EQ(doc.intDocument2Default(where), -1);
}

} // namespace
