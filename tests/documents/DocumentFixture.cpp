#include "DocumentFixture.h"

#include "db/CLASSOrvDB.h"
#include "db/LookupTables.h"
#include "platform/Progress.h"
#include "shell/Globals.h"
#include "support/PageBytes.h"
#include "support/PlainPageImage.h"

#include <QCoreApplication>

void DocumentSuite::SetUp()
{
    CLASSOrvDB::releaseInstance();
    basVelmar::gDatabasePath = testsupport::makeDatabase(folder_.file(QStringLiteral("velmar.mdb")));
    ASSERT_EQ(basVelmar::LoadLookupTables(), 0);
    basVelmar::gOpenViewCount = 0;
    image_ = kind().moduleImage(kSerial);
    ASSERT_GE(rack_.addModule({kSerial, kind().rackKind, image_}), 0);
    line_.open();
}

void DocumentSuite::TearDown()
{
    settle();
    line_.close();
    CLASSOrvDB::releaseInstance();
    basVelmar::gDatabasePath.clear();
    EXPECT_TRUE(platform::Progress::instance().atRest());
    platform::Progress::instance().reset();
}

std::unique_ptr<CPageImage> DocumentSuite::loadedDocument() const
{
    std::unique_ptr<CPageImage> doc = kind().make();
    kind().load(*doc, image_);
    return doc;
}

std::unique_ptr<CPageImage> DocumentSuite::modulePages() const
{
    const QByteArray pages = rack_.pages(kSerial);
    return std::make_unique<testsupport::PlainPageImage>(static_cast<int>(pages.size() / CPageImage::kPageSize), pages);
}

int32_t DocumentSuite::storedModuleID(const QString& serial) const
{
    int32_t id = 0;
    EXPECT_EQ(CLASSOrvDB::instance().intSerial2ModuleID(serial, id), 0);
    return id;
}

void DocumentSuite::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QByteArray allPages(const CPageImage& doc) { return testsupport::documentPages(doc, 0, doc.pageCount() - 1); }
