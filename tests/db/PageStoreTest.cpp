// The module page store: page images to and from tblModule and tblModulePage.
#include "DbFixture.h"

#include <QObject>
#include <QStringList>

using testsupport::ScriptedMsgBox;

namespace {

struct Kind {
    const char* name;
    int pages;
    int lastStored;
    bool toneRemote;
    QString saveCaption;
};
// A radio image with partition 16 and 128 channels keeps pages 0 to 144; a tone-remote image all 257.
const Kind kRadio{"radio", 149, 144, false, QStringLiteral("Saving Record ...")};
const Kind kToneRemote{"tone remote", 257, 256, true, QStringLiteral("Writing DB")};

// The captions the progress indicator shows while it runs.
class ProgressCaptions {
public:
    ProgressCaptions()
    {
        connection_ = QObject::connect(&platform::Progress::instance(), &platform::Progress::changed, [this] {
            const auto& p = platform::Progress::instance();
            if (p.barVisible() && (captions.isEmpty() || captions.last() != p.caption()))
                captions << p.caption();
        });
    }
    ~ProgressCaptions() { QObject::disconnect(connection_); }
    QStringList captions;

private:
    QMetaObject::Connection connection_;
};

} // namespace

class PageStoreTest : public DbFixture {
protected:
    int32_t moduleID(const QString& serial)
    {
        int32_t id = -1;
        EXPECT_EQ(db().intSerial2ModuleID(serial, id), 0);
        return id;
    }
    int pageRows(int32_t id) { return scalar(QStringLiteral("SELECT count(*) FROM tblModulePage WHERE ModuleID = ?"), {id}).toInt(); }
    int16_t save(const Kind& k, const TestPages& doc)
    {
        return k.toneRemote ? db().intSaveOrvDocumentTR(doc) : db().intSaveOrvDocument(doc);
    }
    int16_t load(const Kind& k, int32_t id, TestPages& doc)
    {
        return k.toneRemote ? db().intOpenOrvDocumentTR(id, doc) : db().intOpenOrvDocument(id, doc);
    }
};

TEST_F(PageStoreTest, ImageSavesAndLoadsBackByteForByte)
{
    for (const Kind& k : {kRadio, kToneRemote}) {
        SCOPED_TRACE(k.name);
        TestPages doc(k.pages, k.lastStored, k.toneRemote, QString::number(1000 + k.pages));
        doc.fill(1);
        ProgressCaptions progress;
        ASSERT_EQ(save(k, doc), 0);
        EXPECT_EQ(progress.captions, QStringList{k.saveCaption});
        EXPECT_TRUE(platform::Progress::instance().atRest());

        const int32_t id = moduleID(doc.strSerial);
        EXPECT_EQ(pageRows(id), k.lastStored + 1);

        TestPages back(k.pages, k.lastStored, k.toneRemote, doc.strSerial);
        back.fill(2);  // pages the store does not keep must stay as they are
        progress.captions.clear();
        ASSERT_EQ(load(k, id, back), 0);
        EXPECT_EQ(progress.captions, QStringList{QStringLiteral("Reading DB")});
        EXPECT_TRUE(platform::Progress::instance().atRest());
        TestPages untouched(k.pages, k.lastStored, k.toneRemote);
        untouched.fill(2);
        for (int p = 0; p < k.pages; ++p)
            ASSERT_EQ(back.page(p), p <= k.lastStored ? doc.page(p) : untouched.page(p)) << "page " << p;
    }
}

TEST_F(PageStoreTest, ResaveKeepsCreationDateAndReplacesPages)
{
    TestPages doc(257, 256, true);
    doc.fill(1);
    ASSERT_EQ(db().intSaveOrvDocumentTR(doc), 0);
    const int32_t id = moduleID(doc.strSerial);
    sql(QStringLiteral("UPDATE tblModule SET DATECREATE = '2001-02-03 04:05:06', DATEUPDATE = '2001-02-03 04:05:06'"));

    doc.fill(3);
    ASSERT_EQ(db().intSaveOrvDocumentTR(doc), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM tblModule")).toInt(), 1);
    EXPECT_EQ(moduleID(doc.strSerial), id);
    EXPECT_EQ(scalar(QStringLiteral("SELECT DATECREATE FROM tblModule")).toString(), QStringLiteral("2001-02-03 04:05:06"));
    EXPECT_NE(scalar(QStringLiteral("SELECT DATEUPDATE FROM tblModule")).toString(), QStringLiteral("2001-02-03 04:05:06"));
    EXPECT_EQ(pageRows(id), 257);
    QByteArray page;
    ASSERT_EQ(db().intReadPageInt(id, 200, page), 0);
    EXPECT_EQ(page, doc.page(200));
}

// A store that fails part-way, or a document that refuses a page, leaves the stored copy as it was.
TEST_F(PageStoreTest, FailedStoreLeavesThePreviousCopy)
{
    TestPages doc(149, 144, false);
    doc.fill(1);
    ASSERT_EQ(db().intSaveOrvDocument(doc), 0);
    const int32_t id = moduleID(doc.strSerial);
    const QString updated = QStringLiteral("2001-02-03 04:05:06");
    sql(QStringLiteral("UPDATE tblModule SET DATEUPDATE = ?"), {updated});
    sql(QStringLiteral("CREATE TRIGGER injected BEFORE INSERT ON tblModulePage WHEN NEW.Page = 100 "
                       "BEGIN SELECT RAISE(ABORT, 'injected failure'); END"));

    TestPages changed(149, 144, false);
    changed.fill(2);
    {
        ScriptedMsgBox box;
        box.expect(QStringLiteral("injected failure"));
        EXPECT_EQ(db().intSaveOrvDocument(changed), -1);
    }
    changed.refused = 50;
    sql(QStringLiteral("DROP TRIGGER injected"));
    {
        ScriptedMsgBox box;
        box.expect(QStringLiteral("Page 50"));
        EXPECT_EQ(db().intSaveOrvDocument(changed), -1);
    }
    EXPECT_TRUE(platform::Progress::instance().atRest());

    EXPECT_EQ(scalar(QStringLiteral("SELECT DATEUPDATE FROM tblModule")).toString(), updated);
    EXPECT_EQ(pageRows(id), 145);
    TestPages back(149, 144, false);
    ASSERT_EQ(db().intOpenOrvDocument(id, back), 0);
    for (int p = 0; p <= 144; ++p)
        ASSERT_EQ(back.page(p), doc.page(p)) << "page " << p;

    // A new module whose document refuses a page is not stored at all.
    TestPages fresh(257, 256, true, QStringLiteral("99"));
    fresh.refused = 256;
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Page 256"));
    EXPECT_EQ(db().intSaveOrvDocumentTR(fresh), -1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM tblModule")).toInt(), 1);
}

// A serial text is checked before any SQL runs; values are bound, never part of the SQL text.
TEST_F(PageStoreTest, SerialTextsAreCheckedFirst)
{
    for (const QString& bad : {QString(), QStringLiteral("12a"), QStringLiteral("-5"), QStringLiteral(" 12"),
                               QStringLiteral("16777216"), QStringLiteral("1 OR 1=1"), QStringLiteral("4711'; DROP TABLE tblModule; --")}) {
        SCOPED_TRACE(bad.toStdString());
        ScriptedMsgBox box;
        box.expect(QStringLiteral("is not valid")).expect(QStringLiteral("is not valid")).expect(QStringLiteral("is not valid"));
        TestPages doc(257, 256, true, bad);
        int32_t id = 77;
        EXPECT_EQ(db().intSaveOrvDocumentTR(doc), -1);
        EXPECT_EQ(db().intSerial2ModuleID(bad, id), -1);
        EXPECT_EQ(id, 77);
        EXPECT_EQ(db().intDeleteModule(bad), -1);
    }
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM tblModule")).toInt(), 0);

    // The largest serial, and leading zeros, are serials like any other.
    for (const QString& good : {QStringLiteral("16777215"), QStringLiteral("00000000000042")}) {
        TestPages doc(257, 256, true, good);
        EXPECT_EQ(db().intSaveOrvDocumentTR(doc), 0);
    }
    int32_t id = 0;
    EXPECT_EQ(db().intSerial2ModuleID(QStringLiteral("42"), id), 0);
}

TEST_F(PageStoreTest, LoadEdgeCases)
{
    // A module without page rows: nothing changes, status 0, the indicator back at rest.
    storeModule(5, {});
    TestPages doc(257, 256, true);
    doc.fill(4);
    TestPages before(257, 256, true);
    before.fill(4);
    const int32_t bare = moduleID(QStringLiteral("5"));
    EXPECT_EQ(db().intOpenOrvDocumentTR(bare, doc), 0);
    for (int p = 0; p < 257; ++p)
        ASSERT_EQ(doc.page(p), before.page(p));
    EXPECT_TRUE(platform::Progress::instance().atRest());

    // A stored page beyond the image: the tone-remote load reports the document's refusal, the
    // radio load passes over it.
    storeModule(6, {{3, QByteArray(8, 'x')}, {300, QByteArray(8, 'y')}});
    const int32_t beyond = moduleID(QStringLiteral("6"));
    EXPECT_EQ(db().intOpenOrvDocumentTR(beyond, doc), -1);
    EXPECT_EQ(doc.page(3), QByteArray(8, 'x'));
    TestPages radio(149, 144, false);
    EXPECT_EQ(db().intOpenOrvDocument(beyond, radio), 0);
    EXPECT_EQ(radio.page(3), QByteArray(8, 'x'));

    // Serials that are not stored.
    int32_t id = 123;
    EXPECT_EQ(db().intSerial2ModuleID(QStringLiteral("7"), id), -1);
    EXPECT_EQ(id, 123);
}

TEST_F(PageStoreTest, SinglePageMembers)
{
    const QByteArray bytes("\x01\x02\x03\x04\x05\x06\x07\xFF", 8);
    ASSERT_EQ(db().intInsertPage(QStringLiteral("321"), 10, bytes), 0);
    QByteArray read;
    ASSERT_EQ(db().intReadPage(QStringLiteral("321"), 10, read), 0);
    EXPECT_EQ(read, bytes);
    int32_t id = 0;
    ASSERT_EQ(db().intInsertModule(QStringLiteral("321"), id), 0);
    EXPECT_EQ(id, moduleID(QStringLiteral("321")));

    // A second write of the same page replaces the row.
    const QByteArray other(8, '\x55');
    ASSERT_EQ(db().intWritePageInt(id, 10, other), 0);
    ASSERT_EQ(db().intReadPageInt(id, 10, read), 0);
    EXPECT_EQ(read, other);
    EXPECT_EQ(pageRows(id), 1);

    // Missing rows are no error; a page that is not 8 bytes is.
    EXPECT_EQ(db().intReadPageInt(id, 11, read), -1);
    EXPECT_EQ(db().intReadPage(QStringLiteral("322"), 10, read), -1);
    EXPECT_EQ(read, other);
    ScriptedMsgBox box;
    box.expect(QStringLiteral("8 bytes"));
    EXPECT_EQ(db().intWritePageInt(id, 12, QByteArray(7, '\0')), -1);
}
