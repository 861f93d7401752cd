#include "TRViewFixture.h"

#include "db/CLASSOrvDB.h"
#include "docwindow/DocumentWindowOpen.h"

int16_t TRViewTest::open(const std::function<int16_t(IDocumentWindow&)>& opener, frmOrvViewTR** shown)
{
    const int before = static_cast<int>(windows().size());
    const int16_t status = openInNewDocumentWindow(WindowRegistry::WindowKind::ToneRemote, opener);
    settle();
    if (shown)
        *shown = windows().size() > before ? windows().last() : nullptr;
    return status;
}

frmOrvViewTR* TRViewTest::openNew(long serial)
{
    NewModuleArgs args;
    args.model = QStringLiteral("Vr71-05-0000");
    args.origin = QStringLiteral("Standard");
    args.serial = serial;
    frmOrvViewTR* w = nullptr;
    EXPECT_EQ(open([&](IDocumentWindow& win) { return win.intInitFromNew(args); }, &w), 0);
    return w;
}

void TRViewTest::storeModule(long serial)
{
    COrvDocTR doc;
    ASSERT_EQ(doc.NewToneRemote(QStringLiteral("Vr71-05-0000"), true, static_cast<int32_t>(serial),
                                QStringLiteral("0000"), QDate(2024, 1, 15), 0xE0),
              0);
    ASSERT_EQ(doc.NewDocument(), 0);
    doc.strUserRemark = QStringLiteral("Stored");
    ASSERT_EQ(doc.intDocument2DB(), 0);
}

QList<frmOrvViewTR*> TRViewTest::windows() const
{
    QList<frmOrvViewTR*> out;
    for (IDocumentWindow* w : main_->documentWindows())
        if (auto* v = dynamic_cast<frmOrvViewTR*>(w))
            out << v;
    return out;
}

void TRViewRackTest::TearDown()
{
    TRViewTest::TearDown();
    line_.close();
}

QByteArray TRViewRackTest::factoryImage(uint32_t serial)
{
    return rackemu::defaultImage(rackemu::Kind::ToneRemote, serial);
}

void TRViewRackTest::addModule(const QByteArray& image, uint32_t serial)
{
    ASSERT_GE(rack_.addModule(rackemu::Module(serial, rackemu::Kind::ToneRemote, image)), 0);
}

frmOrvViewTR* TRViewRackTest::openModule(uint32_t serial)
{
    frmOrvViewTR* w = nullptr;
    EXPECT_EQ(open([serial](IDocumentWindow& win) { return win.intInitFromModule(QString::number(serial)); }, &w), 0);
    return w;
}
