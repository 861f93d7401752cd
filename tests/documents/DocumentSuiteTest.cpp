// What every kind of module document does alike, run once for each kind: the round trips through
// the database and an archive file, reading and writing the module in the emulated rack, the
// rack's faults, and the document window that opens the document from each source.
#include "DocumentFixture.h"

#include "docwindow/DocumentWindow.h"
#include "docwindow/DocumentWindowOpen.h"
#include "platform/Progress.h"
#include "support/FakeDocumentHost.h"
#include "support/PageBytes.h"
#include "support/StoredModules.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>

using rackemu::Command;
using testsupport::documentPages;
using testsupport::imagePages;
using testsupport::pageOf;

namespace {

bool contains(const std::vector<int>& pages, int page)
{
    return std::find(pages.begin(), pages.end(), page) != pages.end();
}

// Faults of the suite's module, each with the number of commands it answers first (a read, then
// a write) so that it drops out part-way.
struct RackFault {
    const char* name;
    rackemu::Fault duringRead;
    rackemu::Fault duringWrite;
};

const RackFault kRackFaults[] = {
    {"silence", rackemu::Fault::silence(), rackemu::Fault::silence()},
    {"garbage", rackemu::Fault::garbage(), rackemu::Fault::garbage()},
    {"stop after a few commands", rackemu::Fault::stopAfter(40), rackemu::Fault::stopAfter(30)},
};

} // namespace

TEST_P(DocumentSuite, DatabaseRoundTrip)
{
    std::unique_ptr<CPageImage> doc = loadedDocument();
    kind().modified(*doc) = true;
    ASSERT_EQ(kind().toDatabase(*doc), 0);
    EXPECT_FALSE(kind().modified(*doc));
    const int last = doc->lastStoredPage();
    EXPECT_EQ(testsupport::storedPageCount(serialText()), last + 1) << "pages 0 to the last stored page";

    // Saved again after a change: the stored copy is replaced, not added to.
    kind().edit(*doc);
    ASSERT_EQ(kind().toDatabase(*doc), 0);
    EXPECT_EQ(testsupport::storedPageCount(serialText()), last + 1);

    std::unique_ptr<CPageImage> loaded = kind().make();
    ASSERT_EQ(kind().fromDatabase(*loaded, storedModuleID(serialText())), 0);
    EXPECT_EQ(loaded->intDocumentFrom, kFromDatabase);
    EXPECT_EQ(documentPages(*loaded, 0, last), documentPages(*doc, 0, last));
    EXPECT_EQ(documentPages(*loaded, last + 1, loaded->pageCount() - 1),
              QByteArray((loaded->pageCount() - 1 - last) * CPageImage::kPageSize, '\0'));
    EXPECT_EQ(loaded->strSerial, serialText());
    kind().expectDecoded(*loaded);
    kind().expectEdited(*loaded);
}

TEST_P(DocumentSuite, ArchiveRoundTrip)
{
    std::unique_ptr<CPageImage> doc = loadedDocument();
    kind().edit(*doc);
    const QString path = folder_.file(QStringLiteral("MODULE.MCF"));
    ASSERT_EQ(kind().toArchive(*doc, path), 0);
    EXPECT_FALSE(kind().modified(*doc));

    std::unique_ptr<CPageImage> read = kind().make();
    ASSERT_EQ(kind().fromArchive(*read, path), 0);
    EXPECT_EQ(allPages(*read), allPages(*doc));
    EXPECT_EQ(read->intDocumentFrom, kFromArchive);
    EXPECT_EQ(read->strSerial, serialText());
    kind().expectDecoded(*read);
    kind().expectEdited(*read);
}

TEST_P(DocumentSuite, ReadsTheWholeModule)
{
    std::unique_ptr<CPageImage> doc = kind().make();
    ASSERT_EQ(kind().fromModule(*doc, serialText()), 0);
    EXPECT_EQ(testsupport::pagesSent(rack_, Command::Read), kind().pagesRead);
    const std::vector<Command> c = testsupport::commandsSent(rack_);
    ASSERT_GE(c.size(), 4u);
    EXPECT_EQ((std::vector<Command>{c[0], c[1], c[2]}),
              (std::vector<Command>{Command::Unlink, Command::Unlink, Command::Link}));
    EXPECT_EQ(c.back() == Command::Unlink, kind().unlinksAfterRead);

    const int last = *std::max_element(kind().pagesRead.begin(), kind().pagesRead.end());
    EXPECT_EQ(documentPages(*doc, 0, last), imagePages(image_, 0, last));
    EXPECT_EQ(documentPages(*doc, last + 1, doc->pageCount() - 1),
              QByteArray((doc->pageCount() - 1 - last) * CPageImage::kPageSize, '\0'));
    EXPECT_EQ(doc->intDocumentFrom, kFromModule);
    EXPECT_EQ(doc->strSerial, serialText());
    kind().expectDecoded(*doc);
    EXPECT_TRUE(platform::Progress::instance().atRest());
}

TEST_P(DocumentSuite, WritesTheDocumentToTheModule)
{
    std::unique_ptr<CPageImage> doc = loadedDocument();
    kind().edit(*doc);
    ASSERT_EQ(kind().toModule(*doc), 0);
    ASSERT_TRUE(testsupport::waitForFrames(rack_, Command::Restart));
    EXPECT_FALSE(kind().modified(*doc));
    EXPECT_EQ(testsupport::pagesSent(rack_, Command::Read), kind().pagesReadBeforeWrite);
    const std::vector<int> written = kind().pagesWritten(*doc);
    EXPECT_EQ(testsupport::pagesSent(rack_, Command::Write), written);
    const std::vector<Command> c = testsupport::commandsSent(rack_);
    ASSERT_GE(c.size(), kind().writeEnd.size());
    EXPECT_EQ(std::vector<Command>(c.end() - static_cast<long>(kind().writeEnd.size()), c.end()), kind().writeEnd);

    // The module holds the document's pages where they were written and its own elsewhere.
    const std::unique_ptr<CPageImage> module = modulePages();
    for (int p = 0; p < doc->pageCount(); ++p)
        EXPECT_EQ(pageOf(*module, p), contains(written, p) ? pageOf(*doc, p) : imagePages(image_, p, p))
            << "page " << p;
    kind().expectEdited(*module);
    for (const int p : kind().pagesAWriteStamps)
        EXPECT_NE(pageOf(*module, p), imagePages(image_, p, p)) << "stamped with the time of writing";
    EXPECT_EQ(rack_.module(0).restarts, 1);
}

TEST_P(DocumentSuite, RackFaultsEndAReadWithTheDocumentUnchanged)
{
    for (const RackFault& fault : kRackFaults) {
        SCOPED_TRACE(fault.name);
        rack_.setFault(kSerial, fault.duringRead);
        rack_.clearFrames();
        // A changed document of another module: a read takes nothing of the module unless it has
        // all of it.
        std::unique_ptr<CPageImage> doc = kind().make();
        doc->strSerial = QStringLiteral("7");
        doc->strSourceSerial = QStringLiteral("7");
        kind().modified(*doc) = true;
        const QByteArray before = allPages(*doc);
        const int16_t origin = doc->intDocumentFrom;
        if (!kind().noModuleMessage.isEmpty())
            boxes_.expect(kind().noModuleMessage);
        EXPECT_EQ(kind().fromModule(*doc, serialText()), -1);
        EXPECT_EQ(allPages(*doc), before);
        EXPECT_EQ(doc->intDocumentFrom, origin);
        EXPECT_EQ(doc->strSerial, QStringLiteral("7"));
        EXPECT_EQ(doc->strSourceSerial, QStringLiteral("7"));
        EXPECT_TRUE(kind().modified(*doc));
        EXPECT_TRUE(platform::Progress::instance().atRest());
    }
}

TEST_P(DocumentSuite, RackFaultsEndAWriteWithTheDocumentUnchanged)
{
    for (const RackFault& fault : kRackFaults) {
        SCOPED_TRACE(fault.name);
        rack_.setFault(kSerial, fault.duringWrite);
        rack_.clearFrames();
        std::unique_ptr<CPageImage> doc = loadedDocument();
        kind().modified(*doc) = true;
        const QByteArray before = allPages(*doc);
        EXPECT_EQ(kind().toModule(*doc), -1);
        EXPECT_TRUE(kind().modified(*doc));
        for (int p = 0; p < doc->pageCount(); ++p) {
            if (!kind().pagesAWriteStamps.contains(p)) {
                EXPECT_EQ(pageOf(*doc, p), imagePages(before, p, p)) << "page " << p;
            }
        }
        for (const Command c : kind().writeEnd)
            EXPECT_EQ(rack_.frameCount(c), 0);
        EXPECT_TRUE(platform::Progress::instance().atRest());
    }
}

TEST_P(DocumentSuite, TheWindowOpensTheDocumentFromEachSource)
{
    if (!WindowRegistry::hasWindow(kind().window))
        GTEST_SKIP() << "the program has no window of this kind yet";
    testsupport::FakeDocumentHost host;
    const auto open = [&](const std::function<int16_t(IDocumentWindow&)>& opener) {
        const int16_t status = openInNewDocumentWindow(kind().window, opener);
        settle();
        return status;
    };

    ASSERT_EQ(open([](IDocumentWindow& w) { return w.intInitFromModule(serialText()); }), 0);
    ASSERT_EQ(host.documentWindows().size(), 1);
    IDocumentWindow* fromModule = host.documentWindows().first();
    EXPECT_EQ(fromModule->getDocument()->intDocumentFrom, kFromModule);
    const int last = fromModule->getDocument()->lastStoredPage();
    EXPECT_EQ(documentPages(*fromModule->getDocument(), 0, last), imagePages(image_, 0, last));
    EXPECT_EQ(host.opened, 1);

    // Stored from that window, the module opens from the database in a second one.
    ASSERT_EQ(fromModule->intCommandSave(), 0);
    ASSERT_EQ(open([](IDocumentWindow& w) { return w.intInitFromDB(serialText()); }), 0);
    ASSERT_EQ(host.documentWindows().size(), 2);
    const CPageImage* stored = host.documentWindows().last()->getDocument();
    EXPECT_EQ(stored->intDocumentFrom, kFromDatabase);
    EXPECT_EQ(documentPages(*stored, 0, last), documentPages(*fromModule->getDocument(), 0, last));

    // A module that does not answer opens no window.
    for (const QString& message : kind().windowReadFailureMessages)
        boxes_.expect(message);
    EXPECT_EQ(open([](IDocumentWindow& w) { return w.intInitFromModule(QStringLiteral("77")); }), -1);
    EXPECT_EQ(host.documentWindows().size(), 2);
    EXPECT_EQ(host.opened, 2);
}

TEST_P(DocumentSuite, TheWindowIsCountedOnceFromItsOpeningToItsCloseStep)
{
    if (!WindowRegistry::hasWindow(kind().window))
        GTEST_SKIP() << "the program has no window of this kind yet";
    testsupport::FakeDocumentHost host;
    const QString path = folder_.file(QStringLiteral("MODULE.MCF"));
    ASSERT_EQ(kind().toArchive(*loadedDocument(), path), 0);
    const auto openFile = [&] {
        EXPECT_EQ(
            openInNewDocumentWindow(kind().window, [&](IDocumentWindow& w) { return w.intInitFromArchive(path); }), 0);
        settle();
        return QPointer<QWidget>(host.documentWindows().last()->widget());
    };
    const QString changed = QStringLiteral("The content has changed.");

    QPointer<QWidget> window = openFile();
    EXPECT_EQ(host.opened, 1);
    kind().edit(*host.documentWindows().last()->getDocument());
    boxes_.expect(changed, platform::vbCancel);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(host.closed, 0) << "a window the user keeps stays counted";
    boxes_.expect(changed, platform::vbNo);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(host.closed, 1) << "the close step counts the window out, before it goes";
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(host.closed, 1) << "and going does not count it out again";

    // A window that goes without a close step (the program ends) is counted out as it goes.
    window = openFile();
    EXPECT_EQ(host.opened, 2);
    delete window.data();
    EXPECT_EQ(host.closed, 2);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, DocumentSuite, ::testing::ValuesIn(documentKinds()),
                         [](const ::testing::TestParamInfo<DocumentKind>& info) {
                             return std::string(info.param.name);
                         });
