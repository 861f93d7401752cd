#pragma once
// What the tests of the tone-remote window's tabs share: a host that holds a document decoded from
// a freshly programmed module's image, a database made from the program's scripts, and the image
// as the document would send it.
#include "db/CLASSOrvDB.h"
#include "rackemu/PageImage.h"
#include "shell/Globals.h"
#include "support/PageBytes.h"
#include "support/TempDir.h"
#include "toneremote/COrvDocTR.h"
#include "toneremoteview/TRTabHost.h"

#include <QByteArray>
#include <gtest/gtest.h>

class FakeTabHost : public ITRTabHost {
public:
    COrvDocTR& document() override { return doc; }
    void renewCaption() override { ++captions; }
    COrvDocTR doc;
    int captions = 0;
};

class TabFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        CLASSOrvDB::releaseInstance();
        basVelmar::gDatabasePath = testsupport::makeDatabase(folder_.file(QStringLiteral("velmar.mdb")));
        const QByteArray image = rackemu::defaultImage(rackemu::Kind::ToneRemote, 4711);
        for (int p = 0; p < trlayout::kPageCount; ++p)
            ASSERT_EQ(host.doc.intWritePage(p, image.mid(p * 8, 8)), 0);
        ASSERT_EQ(host.doc.intInitSystemInfo(), 0);
    }
    void TearDown() override
    {
        CLASSOrvDB::releaseInstance();
        basVelmar::gDatabasePath.clear();
    }

    // The pages as the document would send them now, without the date of the last write (page
    // 11), which every encoding renews.
    QByteArray encodedImage()
    {
        EXPECT_EQ(host.doc.intEditSystem(), 0);
        QByteArray image = testsupport::documentPages(host.doc, 0, trlayout::kPageCount - 1);
        image.replace(trlayout::kLastWritePage * 8, 8, QByteArray(8, '\0'));
        return image;
    }

    testsupport::ProgramFolder folder_;
    FakeTabHost host;
};
