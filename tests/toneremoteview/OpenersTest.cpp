// Opening a tone-remote module in its window from each source: a window comes up only when the
// opener succeeded, and a failure says why.
#include "TRViewFixture.h"

#include "shell/Globals.h"
#include "support/PageBytes.h"
#include "toneremote/ToneRemotePageLayout.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>

using platform::vbNo;
using platform::vbYes;

namespace {

const QString kCorrupted =
    QStringLiteral("Kelt configuration record is corrupted or unit was not programmed properly.");

} // namespace

class TROpeners : public TRViewRackTest {};

TEST_F(TROpeners, EachOpenerShowsTheModuleOrNoWindowAndSaysWhy)
{
    addModule(factoryImage());
    line_.open();
    storeModule(1234);
    const QString archive = folder_.file(QStringLiteral("Line.mcf"));
    {
        COrvDocTR doc;
        ASSERT_EQ(doc.NewToneRemote(QStringLiteral("Vr71-05-0000"), true, 5678, QStringLiteral("0000"),
                                    QDate(2024, 1, 15), 0xE0),
                  0);
        ASSERT_EQ(doc.NewDocument(), 0);
        ASSERT_EQ(doc.intDocument2Archive(archive), 0);
    }
    const QString broken = folder_.file(QStringLiteral("Broken.mcf"));
    testsupport::writeFile(broken, testsupport::readFile(archive).left(100));

    NewModuleArgs args;
    args.model = QStringLiteral("Vr71-05-0000");
    args.origin = QStringLiteral("Standard");
    args.serial = 99;
    const struct {
        const char* source;
        std::function<int16_t(IDocumentWindow&)> opener;
        int16_t status;
        const char* message; // the message shown, "" for none
        int16_t origin;      // of the document shown
        const char* serial;
    } cases[] = {
        {"new", [&](IDocumentWindow& w) { return w.intInitFromNew(args); }, 0, "", kFromNew, "99"},
        {"database", [](IDocumentWindow& w) { return w.intInitFromDB(QStringLiteral("  1234    (stored)")); }, 0, "",
         kFromDatabase, "1234"},
        {"database, not stored", [](IDocumentWindow& w) { return w.intInitFromDB(QStringLiteral("1235")); }, -1,
         "The module [1235] is not stored in the database.", 0, ""},
        {"module", [](IDocumentWindow& w) { return w.intInitFromModule(QStringLiteral("4711")); }, 0, "", kFromModule,
         "4711"},
        {"module, silent", [](IDocumentWindow& w) { return w.intInitFromModule(QStringLiteral("4712")); }, -1,
         "No response from module.", 0, ""},
        {"archive", [&](IDocumentWindow& w) { return w.intInitFromArchive(archive); }, 0, "", kFromArchive, "5678"},
        {"archive, broken", [&](IDocumentWindow& w) { return w.intInitFromArchive(broken); }, -1,
         "it is no complete archive file.", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        const int before = static_cast<int>(windows().size());
        if (*c.message)
            boxes_.expect(QString::fromLatin1(c.message));
        frmOrvViewTR* w = nullptr;
        EXPECT_EQ(open(c.opener, &w), c.status);
        EXPECT_EQ(boxes_.pending(), 0);
        EXPECT_EQ(basVelmar::gOpenViewCount, windows().size());
        if (c.status != 0) {
            EXPECT_EQ(windows().size(), before);
            continue;
        }
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(windows().size(), before + 1);
        EXPECT_EQ(w->document().intDocumentFrom, c.origin);
        EXPECT_EQ(w->document().strSerial, QString::fromLatin1(c.serial));
        EXPECT_FALSE(w->document().fModified);
        EXPECT_EQ(w->windowTitle(),
                  QStringLiteral("Model: ") + w->document().strModuleUsed + QStringLiteral(" Serial Number: ")
                      + QString::fromLatin1(c.serial));
        EXPECT_TRUE(main_->toolbarButton(3)->isEnabled());
    }
    EXPECT_EQ(boxes_.shown().size(), 3);
}

TEST_F(TROpeners, ACorruptedRecordOpensWithFactoryDefaultsOrNotAtAll)
{
    QByteArray image = factoryImage();
    // No identity marker in page 13: the module was never programmed.
    image.replace(trlayout::kMarkerPage * CPageImage::kPageSize, CPageImage::kPageSize, QByteArray(8, '\0'));
    addModule(image);
    line_.open();

    boxes_.expect(kCorrupted, vbNo);
    frmOrvViewTR* w = nullptr;
    EXPECT_EQ(open([](IDocumentWindow& win) { return win.intInitFromModule(QStringLiteral("4711")); }, &w), -1);
    EXPECT_EQ(w, nullptr);
    EXPECT_EQ(boxes_.shown().last().title, QStringLiteral("Reading Module Error"));
    EXPECT_EQ(boxes_.shown().last().style, platform::vbYesNo | platform::vbQuestion);
    EXPECT_EQ(basVelmar::gOpenViewCount, 0);

    boxes_.expect(kCorrupted, vbYes);
    EXPECT_EQ(open([](IDocumentWindow& win) { return win.intInitFromModule(QStringLiteral("4711")); }, &w), 0);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->document().OrvTest());
    EXPECT_EQ(w->document().strSerial, QStringLiteral("4711"));
    EXPECT_EQ(w->document().intDocumentFrom, kFromModule);
}
