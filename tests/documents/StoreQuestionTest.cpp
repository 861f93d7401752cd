// Saving a document window into the database over a module stored under the same serial number:
// the question before a module that is not the document's own is replaced, and the caption after
// a Save with a typed serial number; for every kind of document window.
#include "DocumentFixture.h"

#include "db/CLASSOrvDB.h"
#include "db/CRADIO.h"
#include "docwindow/DocumentClosing.h"
#include "docwindow/DocumentWindow.h"
#include "docwindow/DocumentWindowOpen.h"
#include "platform/MsgBox.h"
#include "shell/ModuleType.h"
#include "support/FakeDocumentHost.h"
#include "support/PageBytes.h"
#include "support/PlainPageImage.h"
#include "support/StoredModules.h"

#include <QLineEdit>
#include <QSqlQuery>

namespace {

// Where a window's document comes from.
enum class Source { New, Database, Module, ArchiveFile };
// What the database holds under the serial number a Save stores to.
enum class Stored { Nothing, SameKind, OtherKind };

// The other kind of document: a receiver beside the tone remote, a tone remote beside the receiver.
DocumentKind otherKind(const DocumentKind& kind)
{
    return kind.window == WindowRegistry::WindowKind::Radio ? toneRemoteDocumentKind() : radioDocumentKind();
}

QString kindText(const DocumentKind& kind)
{
    const QByteArray identity = testsupport::imagePages(kind.moduleImage(1), 2, 2);
    return basVelmar::strModuleTypeText(basVelmar::intModuleTypeCode(static_cast<uint8_t>(identity[2])));
}

QLineEdit* serialBox(IDocumentWindow& window)
{
    return window.widget()->findChild<QLineEdit*>(QStringLiteral("txtSerialNum"));
}

// A module of the kind stored under the serial number.
void store(const DocumentKind& kind, uint32_t serial)
{
    std::unique_ptr<CPageImage> doc = kind.make();
    kind.load(*doc, kind.moduleImage(serial));
    ASSERT_EQ(kind.toDatabase(*doc), 0);
}

// Every stored page of the module, empty when none is stored.
QByteArray storedPages(uint32_t serial)
{
    int32_t id = 0;
    if (CLASSOrvDB::instance().intSerial2ModuleID(QString::number(serial), id) != 0)
        return {};
    testsupport::PlainPageImage pages(257);
    EXPECT_EQ(CLASSOrvDB::instance().intOpenOrvDocument(id, pages), 0);
    return pages.bytes();
}

// The model the module list shows for the stored module.
QString storedModel(uint32_t serial)
{
    CRADIOCollection list;
    EXPECT_EQ(CLASSOrvDB::instance().intGetModule(list), 0);
    for (const auto& m : list)
        if (m->strSerial == QString::number(serial))
            return m->strModuleType;
    return {};
}

const QString kQuestion = QStringLiteral("is already stored in the database");

} // namespace

TEST_P(DocumentSuite, SavingOverAnotherStoredModuleAsksFirst)
{
    if (!WindowRegistry::hasWindow(kind().window))
        GTEST_SKIP() << "the program has no window of this kind yet";
    testsupport::FakeDocumentHost host;
    struct Case {
        const char* name;
        Source source;
        uint32_t typed; // 0: the serial number stays as the window shows it
        Stored stored;  // under the serial number the Save stores to
        bool asks;
    };
    constexpr uint32_t kOpened = 3000;
    const Case cases[] = {
        {"new over a module of another kind", Source::New, 0, Stored::OtherKind, true},
        {"new over a module of its kind", Source::New, 0, Stored::SameKind, true},
        {"new on a free serial number", Source::New, 0, Stored::Nothing, false},
        {"new, serial typed onto a stored module", Source::New, 3001, Stored::OtherKind, true},
        {"stored module over its own copy", Source::Database, 0, Stored::SameKind, false},
        {"stored module moved onto another one", Source::Database, 3001, Stored::OtherKind, true},
        {"stored module moved to a free number", Source::Database, 3001, Stored::Nothing, false},
        {"module read from the rack over its stored copy", Source::Module, 0, Stored::SameKind, false},
        {"module read from the rack over a module of another kind", Source::Module, 0, Stored::OtherKind, true},
        {"archive file over a stored module of its kind", Source::ArchiveFile, 0, Stored::SameKind, true},
    };
    const QString archive = folder_.file(QStringLiteral("module.mcf"));
    ASSERT_EQ(kind().toArchive(*loadedDocument(), archive), 0);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QSqlQuery(CLASSOrvDB::instance().dbAccess()).exec(QStringLiteral("DELETE FROM tblModule"));
        const uint32_t opened = c.source == Source::New || c.source == Source::Database ? kOpened : kSerial;
        const uint32_t target = c.typed ? c.typed : opened;
        if (c.source == Source::Database)
            store(kind(), opened);
        const DocumentKind storedKind = c.stored == Stored::SameKind ? kind() : otherKind(kind());
        if (c.stored != Stored::Nothing && target != (c.source == Source::Database ? opened : 0))
            store(storedKind, target);

        const auto before = host.documentWindows().size();
        const int16_t status = openInNewDocumentWindow(kind().window, [&](IDocumentWindow& w) -> int16_t {
            switch (c.source) {
            case Source::New: {
                NewModuleArgs args;
                args.model = QLatin1String(kind().newModel);
                args.origin = QStringLiteral("Standard");
                args.serial = static_cast<long>(opened);
                return w.intInitFromNew(args);
            }
            case Source::Database: return w.intInitFromDB(QString::number(opened));
            case Source::Module: return w.intInitFromModule(QString::number(opened));
            case Source::ArchiveFile: return w.intInitFromArchive(archive);
            }
            return -1;
        });
        settle();
        ASSERT_EQ(status, 0);
        ASSERT_EQ(host.documentWindows().size(), before + 1);
        IDocumentWindow& window = *host.documentWindows().last();
        if (c.typed)
            serialBox(window)->setText(QString::number(c.typed));

        if (c.asks) {
            const QByteArray storedBefore = storedPages(target);
            boxes_.expect(kQuestion, platform::vbNo);
            EXPECT_EQ(window.intCommandSave(), -1);
            ASSERT_FALSE(boxes_.shown().isEmpty());
            const platform::MsgBoxRequest question = boxes_.shown().last();
            EXPECT_TRUE(question.prompt.contains(kindText(storedKind))) << question.prompt.toStdString();
            EXPECT_TRUE(question.prompt.contains(storedModel(target))) << question.prompt.toStdString();
            EXPECT_EQ(question.buttons(), platform::vbYesNo);
            EXPECT_TRUE(question.style & platform::vbDefaultButton2) << "No is the default";
            EXPECT_EQ(storedPages(target), storedBefore) << "No stores nothing";
            boxes_.expect(kQuestion, platform::vbYes);
        }
        ASSERT_EQ(window.intCommandSave(), 0);
        EXPECT_EQ(boxes_.pending(), 0);
        EXPECT_EQ(testsupport::storedPageCount(QString::number(target)), window.getDocument()->lastStoredPage() + 1);
        // Once stored, the module is the document's own: a second Save asks nothing.
        ASSERT_EQ(window.intCommandSave(), 0);
        kind().modified(*window.getDocument()) = false;
        closeDocumentWindow(*window.widget());
        settle();
    }
}

// Closing a changed window with Yes asks the same question before it stores; No keeps the window.
TEST_P(DocumentSuite, SavingOnClosingAsksBeforeReplacingAnotherModule)
{
    if (!WindowRegistry::hasWindow(kind().window))
        GTEST_SKIP() << "the program has no window of this kind yet";
    testsupport::FakeDocumentHost host;
    store(otherKind(kind()), 3000);
    const QByteArray storedBefore = storedPages(3000);
    ASSERT_EQ(openInNewDocumentWindow(kind().window,
                                      [&](IDocumentWindow& w) {
                                          NewModuleArgs args;
                                          args.model = QLatin1String(kind().newModel);
                                          args.origin = QStringLiteral("Standard");
                                          args.serial = 3000;
                                          return w.intInitFromNew(args);
                                      }),
              0);
    settle();
    QPointer<QWidget> window = host.documentWindows().last()->widget();
    kind().modified(*host.documentWindows().last()->getDocument()) = true;
    boxes_.expect(QStringLiteral("The content has changed"), platform::vbYes).expect(kQuestion, platform::vbNo);
    closeDocumentWindow(*window);
    settle();
    ASSERT_TRUE(window) << "the window stays open";
    EXPECT_EQ(storedPages(3000), storedBefore);
    kind().modified(*host.documentWindows().last()->getDocument()) = false;
}

TEST_P(DocumentSuite, TheCaptionFollowsASavedSerialNumber)
{
    if (!WindowRegistry::hasWindow(kind().window))
        GTEST_SKIP() << "the program has no window of this kind yet";
    testsupport::FakeDocumentHost host;
    ASSERT_EQ(
        openInNewDocumentWindow(kind().window, [](IDocumentWindow& w) { return w.intInitFromModule(serialText()); }),
        0);
    settle();
    IDocumentWindow& window = *host.documentWindows().last();
    const QString caption = QStringLiteral(" Serial Number: ");
    EXPECT_TRUE(window.widget()->windowTitle().endsWith(caption + serialText()));
    serialBox(window)->setText(QStringLiteral("2005"));
    ASSERT_EQ(window.intCommandSave(), 0);
    EXPECT_TRUE(window.widget()->windowTitle().endsWith(caption + QStringLiteral("2005")))
        << window.widget()->windowTitle().toStdString();
    EXPECT_EQ(testsupport::storedPageCount(QStringLiteral("2005")), window.getDocument()->lastStoredPage() + 1);
}
