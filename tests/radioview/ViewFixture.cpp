#include "ViewFixture.h"

#include "db/CLASSOrvDB.h"
#include "db/LookupTables.h"
#include "platform/Progress.h"
#include "radioview/ChannelCells.h"
#include "shell/FrequencyCodecs.h"
#include "shell/Globals.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

using namespace radiolayout;

QByteArray withFrequency(QByteArray page, int32_t hz)
{
    uint8_t f1 = 0, f2 = 0, f3 = 0;
    EXPECT_EQ(basVelmar::intFrequencyToBytes(hz, 12500, 6250, f1, f2, f3), 0);
    page[channel::kFreq1] = static_cast<char>(f1);
    page[channel::kFreq2] = static_cast<char>(f2);
    page[channel::kFreq3] = static_cast<char>(f3);
    return page;
}

frmOrvView* ViewTest::openNew(const QString& model, long serial, long channels)
{
    auto* w = new frmOrvView;
    NewModuleArgs args;
    args.model = model;
    args.origin = QStringLiteral("Standard");
    args.serial = serial;
    args.maxChannels = channels;
    EXPECT_EQ(w->intInitFromNew(args), 0);
    settle();
    return w;
}

QList<frmOrvView*> ViewTest::windows() const
{
    QList<frmOrvView*> out;
    for (IDocumentWindow* w : main_->documentWindows())
        if (auto* v = dynamic_cast<frmOrvView*>(w))
            out << v;
    return out;
}

void ViewTest::armModal()
{
    QTimer::singleShot(10, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            armModal();
            return;
        }
        auto step = std::move(pendingModal_);
        pendingModal_ = nullptr;
        if (step)
            step(modal);
    });
}

void ViewRackTest::SetUp()
{
    ViewTest::SetUp();
    line_.open();
}

void ViewRackTest::TearDown()
{
    ViewTest::TearDown();
    line_.close();
}

void ViewRackTest::addModule(const QString& model, uint32_t serial, const std::function<void(QByteArray&)>& edit,
                             long channels)
{
    CLASSOrvDocument doc;
    doc.strModuleType = model;
    ASSERT_EQ(doc.intReadModData(), 0);
    ASSERT_EQ(doc.NewRadio(model, QStringLiteral("Standard"), static_cast<int32_t>(serial), QStringLiteral("0000"),
                           QDate(2024, 1, 15), channels, 16),
              0);
    ASSERT_EQ(doc.intNew2Document(model, QStringLiteral("Standard"), static_cast<int32_t>(serial), QStringLiteral("0000"),
                                  QDate(2024, 1, 15), channels, 16),
              0);
    // Four channels 12.5 kHz apart, each with its own pots and pins.
    for (int n = 1; n <= 4; ++n) {
        QByteArray page = page7to0({0, 0, 0, 40 + n, 20 + n, 0, 0, 0x10 * n});
        page = withFrequency(page, 150000000 + (n - 1) * 12500 + doc.lngIntFreq);
        ASSERT_EQ(doc.intWritePage(kPartition + n - 1, page), 0);
    }
    rackemu::Module m;
    m.serial = serial;
    m.kind = doc.intRxTxEx == 0 ? rackemu::Kind::Receiver : doc.intRxTxEx == 1 ? rackemu::Kind::Transmitter
                                                                               : rackemu::Kind::Exciter;
    m.pages = orvview::imageBytes(doc);
    if (edit)
        edit(m.pages);
    ASSERT_GE(rack_.addModule(m), 0);
}

QByteArray ViewRackTest::modulePages(int first, int last, uint32_t serial) const
{
    return rack_.pages(serial).mid(first * kPageSize, (last - first + 1) * kPageSize);
}

int ViewRackTest::framesOf(rackemu::Command c) const { return rack_.frameCount(c); }
