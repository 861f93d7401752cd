// The program's main road driven as a technician drives it: scan the rack, open a module from the
// scan, change a channel's frequency, save, close, open the stored copy, write it back.
#include "ModulesFixture.h"

#include "db/CBROWSER.h"
#include "db/LookupTables.h"
#include "modules/frmConnectDB.h"
#include "modules/frmReadRack.h"
#include "radio/CLASSOrvDocument.h"
#include "radio/RadioPageLayout.h"
#include "radioview/ChannelCells.h"
#include "radioview/frmOrvView.h"
#include "toneremote/COrvDocTR.h"
#include "toneremote/ToneRemotePageLayout.h"
#include "toneremoteview/frmOrvViewTR.h"
#include "shell/FrequencyCodecs.h"
#include "support/RackOnPort.h"
#include "docwindow/WindowRegistry.h"
#include "support/ScriptedMsgBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace radiolayout;
using rackemu::Kind;

namespace {

constexpr uint32_t kSerial = 0x012345;  // 74565
constexpr uint32_t kOtherSerial = 0x012346;

// A module's pages as the factory leaves them: a new document of the model with four channels
// 12.5 kHz apart.
QByteArray factoryImage(const QString& model, uint32_t serial)
{
    CLASSOrvDocument doc;
    doc.strModuleType = model;
    EXPECT_EQ(doc.intReadModData(), 0);
    const QDate made(2024, 1, 15);
    const QString origin = QStringLiteral("Standard");
    const QString suffix = QStringLiteral("0000");
    const auto number = static_cast<int32_t>(serial);
    EXPECT_EQ(doc.NewRadio(model, origin, number, suffix, made, 4, 16), 0);
    EXPECT_EQ(doc.intNew2Document(model, origin, number, suffix, made, 4, 16), 0);
    for (int n = 0; n < 4; ++n) {
        QByteArray page(kPageSize, '\0');
        uint8_t f1 = 0, f2 = 0, f3 = 0;
        EXPECT_EQ(basVelmar::intFrequencyToBytes(150000000 + n * 12500 + doc.lngIntFreq, 12500, 6250, f1, f2, f3), 0);
        page[channel::kFreq1] = static_cast<char>(f1);
        page[channel::kFreq2] = static_cast<char>(f2);
        page[channel::kFreq3] = static_cast<char>(f3);
        page[channel::kReference] = static_cast<char>(40 + n);
        page[channel::kDeviation] = static_cast<char>(20 + n);
        EXPECT_EQ(doc.intWritePage(kPartition + n, page), 0);
    }
    return orvview::imageBytes(doc);
}

// Selects the line of the module and presses OK.
void openLine(QListWidget& list, QPushButton& ok, uint32_t serial)
{
    EXPECT_TRUE(QTest::qWaitForWindowExposed(list.window()));
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->text().startsWith(QString::number(serial) + QLatin1Char(' ')))
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
    QTest::mouseClick(&ok, Qt::LeftButton);
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class EndToEnd : public ModulesTest {
protected:
    void SetUp() override
    {
        ModulesTest::SetUp();
        ASSERT_EQ(basVelmar::LoadLookupTables(), 0);
        WindowRegistry::registerWindows();
        main->show();
    }
    void TearDown() override
    {
        ModulesTest::TearDown();
        settle();
    }
    frmOrvView* onlyWindow() const
    {
        const QList<IDocumentWindow*> all = main->documentWindows();
        return all.size() == 1 ? dynamic_cast<frmOrvView*>(all[0]) : nullptr;
    }
    void menu(const char* name) { main->findChild<QAction*>(QString::fromLatin1(name))->trigger(); }
};

TEST_F(EndToEnd, ScanOpenChangeSaveCloseReopenAndWriteBack)
{
    const QByteArray factory = factoryImage(QStringLiteral("Vr31-05-0000"), kSerial);
    rack.addModule({kSerial, Kind::Receiver, factory});
    rack.addModule({kOtherSerial, Kind::Transmitter, factoryImage(QStringLiteral("Vr31-15-0000"), kOtherSerial)});
    startRack();
    testsupport::ScriptedMsgBox boxes;

    // Communication > Read Rack: the scan, then the list; the receiver's line, OK.
    whenShown<frmReadRack>([](frmReadRack& d) { openLine(*d.ListModule, *d.CommandOK, kSerial); });
    menu("MNUREADRACK");
    settle();
    frmOrvView* read = onlyWindow();
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->document().intDocumentFrom, kFromModule);
    EXPECT_TRUE(read->windowTitle().contains(QStringLiteral("74565"))) << read->windowTitle().toStdString();

    // Channel 2 to 150.0375 MHz, pasted into its frequency cell.
    read->selectCells(2, read->intColFrequency, 2, read->intColFrequency);
    QGuiApplication::clipboard()->setText(QStringLiteral("150.0375"));
    read->MNUChannelPopupPaste_Click();
    ASSERT_EQ(read->TextMatrix(2, read->intColFrequency), QStringLiteral("150.037500"));
    QByteArray changedChannel;
    ASSERT_EQ(read->document().intReadPage(kPartition + 1, changedChannel), 0);
    ASSERT_NE(changedChannel, factory.mid((kPartition + 1) * kPageSize, kPageSize));

    // Save on the toolbar, then close the window: nothing left to ask.
    main->ToolbarMain_ButtonClick(QStringLiteral("Save"));
    read->cmdQuit_Click();
    settle();
    ASSERT_TRUE(main->documentWindows().isEmpty());
    EXPECT_EQ(rack.pages(kSerial), factory) << "saving touches only the database";

    // File > Open: the stored copy.
    whenShown<frmConnectDB>([](frmConnectDB& d) { openLine(*d.LstModule, *d.cmdOpen, kSerial); });
    menu("MNUOPEN");
    settle();
    frmOrvView* stored = onlyWindow();
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->document().intDocumentFrom, kFromDatabase);
    EXPECT_EQ(stored->TextMatrix(2, stored->intColFrequency), QStringLiteral("150.037500"));

    // Write Module on the toolbar.
    main->ToolbarMain_ButtonClick(QStringLiteral("Write Module"));
    const QByteArray now = rack.pages(kSerial);
    ASSERT_EQ(now.size(), factory.size());
    EXPECT_EQ(now.mid((kPartition + 1) * kPageSize, kPageSize), changedChannel);
    for (int page = 0; page < factory.size() / kPageSize; ++page) {
        if (page == kPartition + 1 || page == kLastWritePage)
            continue;
        EXPECT_EQ(now.mid(page * kPageSize, kPageSize), factory.mid(page * kPageSize, kPageSize)) << "page " << page;
    }
    EXPECT_TRUE(boxes.shown().isEmpty()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
}

TEST_F(EndToEnd, AToneRemoteModuleFromTheScanIsSavedReopenedAndWrittenBack)
{
    const QByteArray factory = rackemu::defaultImage(Kind::ToneRemote, kSerial);
    rack.addModule({kSerial, Kind::ToneRemote, factory});
    startRack();
    testsupport::ScriptedMsgBox boxes;
    const auto toneRemoteWindow = [this]() -> frmOrvViewTR* {
        const QList<IDocumentWindow*> all = main->documentWindows();
        return all.size() == 1 ? dynamic_cast<frmOrvViewTR*>(all[0]) : nullptr;
    };

    // Communication > Read Rack lists the module; its line, OK: the tone-remote window reads it.
    QString listed;
    whenShown<frmReadRack>([&listed](frmReadRack& d) {
        listed = d.ListModule->count() == 1 ? d.ListModule->item(0)->text() : QString();
        openLine(*d.ListModule, *d.CommandOK, kSerial);
    });
    menu("MNUREADRACK");
    settle();
    EXPECT_TRUE(listed.startsWith(QStringLiteral("74565    ToneRemote"))) << listed.toStdString();
    frmOrvViewTR* read = toneRemoteWindow();
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->document().intDocumentFrom, kFromModule);

    // Save on the toolbar, close: nothing left to ask, and the module untouched.
    main->ToolbarMain_ButtonClick(QStringLiteral("Save"));
    read->cmdQuit_Click();
    settle();
    ASSERT_TRUE(main->documentWindows().isEmpty());
    EXPECT_EQ(rack.pages(kSerial), factory);

    // File > Open: the stored copy in the tone-remote window; Write Module on the toolbar.
    whenShown<frmConnectDB>([](frmConnectDB& d) { openLine(*d.LstModule, *d.cmdOpen, kSerial); });
    menu("MNUOPEN");
    settle();
    frmOrvViewTR* stored = toneRemoteWindow();
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->document().intDocumentFrom, kFromDatabase);
    main->ToolbarMain_ButtonClick(QStringLiteral("Write Module"));
    ASSERT_TRUE(testsupport::waitForFrames(rack, rackemu::Command::Restart));

    // The module's pages are as they were but for the date of the write, and the RSSI preset
    // outside sliding-tone mode.
    const QByteArray now = rack.pages(kSerial);
    ASSERT_EQ(now.size(), factory.size());
    for (int page = 0; page < factory.size() / 8; ++page) {
        if (page == trlayout::kLastWritePage || page == trlayout::kVotingTonePage)
            continue;
        EXPECT_EQ(now.mid(page * 8, 8), factory.mid(page * 8, 8)) << "page " << page;
    }
    EXPECT_NE(now.mid(trlayout::kLastWritePage * 8, 8), factory.mid(trlayout::kLastWritePage * 8, 8));
    EXPECT_TRUE(boxes.shown().isEmpty()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
}
