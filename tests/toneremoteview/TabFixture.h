#pragma once
// What the tests of the tone-remote window's tabs share: a window whose document is decoded from a
// freshly programmed module's image, a database made from the program's scripts, and the image as
// the document would send it.
#include "db/CLASSOrvDB.h"
#include "rackemu/PageImage.h"
#include "shell/Globals.h"
#include "support/PageBytes.h"
#include "support/TempDir.h"
#include "toneremote/COrvDocTR.h"
#include "toneremoteview/frmOrvViewTR.h"

#include <QTabWidget>

#include <QByteArray>
#include <gtest/gtest.h>
#include <memory>

class TabFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        CLASSOrvDB::releaseInstance();
        basVelmar::gDatabasePath = testsupport::makeDatabase(folder_.file(QStringLiteral("velmar.mdb")));
        view = std::make_unique<frmOrvViewTR>();
        const QByteArray image = rackemu::defaultImage(rackemu::Kind::ToneRemote, 4711);
        for (int p = 0; p < trlayout::kPageCount; ++p)
            ASSERT_EQ(doc().intWritePage(p, image.mid(p * 8, 8)), 0);
        ASSERT_EQ(doc().intInitSystemInfo(), 0);
        doc().fModified = false; // as the window leaves it after showing a document
    }
    void TearDown() override
    {
        view.reset();
        CLASSOrvDB::releaseInstance();
        basVelmar::gDatabasePath.clear();
    }

    // The pages as the document would send them now, without the date of the last write (page
    // 11), which every encoding renews.
    QByteArray encodedImage()
    {
        EXPECT_EQ(doc().intEditSystem(), 0);
        QByteArray image = testsupport::documentPages(doc(), 0, trlayout::kPageCount - 1);
        image.replace(trlayout::kLastWritePage * 8, 8, QByteArray(8, '\0'));
        return image;
    }

    COrvDocTR& doc() const { return view->document(); }

    testsupport::ProgramFolder folder_;
    std::unique_ptr<frmOrvViewTR> view;
};
