// Every window and dialog of the program, opened at its own size, shows its texts whole: labels,
// buttons, boxes, lists, frame captions, tabs, menus, grid cells and headers. A new window joins
// the table below with the steps that open it.
#include "CutTexts.h"

#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "app/frmReference.h"
#include "db/CBROWSER.h"
#include "db/CLASSOrvDB.h"
#include "db/LookupTables.h"
#include "docwindow/DocumentWindowOpen.h"
#include "modules/frmConnectDB.h"
#include "modules/frmModuleManagement.h"
#include "modules/frmNewModule.h"
#include "modules/frmReadModule.h"
#include "modules/frmReadRack.h"
#include "modules/frmUserDatabase.h"
#include "platform/Help.h"
#include "platform/Progress.h"
#include "platform/ui/HelpWindow.h"
#include "radio/CLASSOrvDocument.h"
#include "docwindow/frmBits.h"
#include "radioview/frmEditChannelData.h"
#include "radioview/frmFVorn.h"
#include "radioview/frmSetEpots.h"
#include "radioview/frmOrvView.h"
#include "shell/Globals.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempDir.h"
#include "toneremote/COrvDocTR.h"
#include "toneremoteview/frmEditAlarm.h"
#include "toneremoteview/frmEditTones.h"
#include "toneremoteview/frmFactoryWrite.h"
#include "toneremoteview/TRVotingControls.h"
#include "toneremoteview/TRVotingTab.h"
#include "toneremoteview/frmOrvViewTR.h"
#include "rackemu/Rack.h"
#include "support/RackOnPort.h"

#include <QCheckBox>
#include <QListWidget>
#include <QCoreApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTabWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kReceiverModel = QStringLiteral("Vr31-05-0000");
const QString kTransmitterModel = QStringLiteral("Vr31-15-0000");
// Texts as long as a module keeps them.
const QString kLongRemark = QStringLiteral("Hilltop repeater");   // 16 characters
const QString kLongCustom = QStringLiteral("Northern site 2"); // 15 characters

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

// The program's windows over a database in a program folder of the test's own; the table's steps
// reach its members.
class WindowTexts : public ::testing::Test {
public:
    void SetUp() override
    {
        CLASSOrvDB::releaseInstance();
        basVelmar::gDatabasePath = testsupport::makeDatabase(folder_.file(QStringLiteral("velmar.mdb")));
        ASSERT_EQ(basVelmar::LoadLookupTables(), 0);
        basVelmar::gOpenViewCount = 0;
        ASSERT_TRUE(QFile::copy(QStringLiteral(VELMAR_SOURCE_DIR "/help/velmar.html"),
                                folder_.file(QStringLiteral("velmar.html"))));
        main_ = std::make_unique<frmMain>();
        main_->setHelpFile(folder_.file(QStringLiteral("velmar.hlp")));
        main_->setToolbarVisible(true);
        main_->show();
    }
    void TearDown() override
    {
        if (platform::HelpWindow* help = platform::HelpWindow::current())
            delete help;
        owned_.clear();
        main_.reset();
        settle();
        CBROWSER::instance().radioRack.clear();
        CLASSOrvDB::releaseInstance();
        basVelmar::gDatabasePath.clear();
        platform::Progress::instance().reset();
    }

    // A new module window of the model with 128 channels, its texts as long as they go, on the tab.
    frmOrvView* moduleWindow(const QString& model, int tab)
    {
        auto* w = new frmOrvView;
        NewModuleArgs args;
        args.model = model;
        args.origin = QStringLiteral("Standard");
        args.serial = 16777124;
        args.maxChannels = 128;
        EXPECT_EQ(w->intInitFromNew(args), 0);
        CLASSOrvDocument& doc = w->document();
        doc.strUserRemark = kLongRemark;
        doc.intCurrentchannel = 127;
        EXPECT_EQ(doc.intEditSystem(), 0);
        w->intShowDocument();
        w->SSTab1->setCurrentIndex(tab);
        return w;
    }

    // The tone-remote window on a module read from the emulated rack (read once), on the tab.
    frmOrvViewTR* toneRemoteWindow(int tab)
    {
        if (!toneRemoteWindow_) {
            constexpr uint32_t serial = 16777123;
            QByteArray image = rackemu::defaultImage(rackemu::Kind::ToneRemote, serial);
            for (int i = 0; i < kLongRemark.size(); ++i)
                rackemu::setPageByte(image, 8 + i / 8, 7 - i % 8, static_cast<uint8_t>(kLongRemark[i].toLatin1()));
            EXPECT_GE(rack_.addModule(rackemu::Module(serial, rackemu::Kind::ToneRemote, image)), 0);
            line_.open();
            openInNewDocumentWindow(WindowRegistry::WindowKind::ToneRemote, [&](IDocumentWindow& w) {
                toneRemoteWindow_ = dynamic_cast<frmOrvViewTR*>(&w);
                return w.intInitFromModule(QString::number(serial));
            });
        }
        if (toneRemoteWindow_)
            toneRemoteWindow_->SSTab1->setCurrentIndex(tab);
        return toneRemoteWindow_;
    }

    // A dialog the test owns, shown at its own size.
    template <class Dialog>
    Dialog* dialog()
    {
        auto* d = new Dialog(main_.get());
        owned_.emplace_back(d);
        d->show();
        return d;
    }

    // Modules stored in the database with long texts, for the Open list.
    void storeModules()
    {
        for (const QString& model : {kReceiverModel, kTransmitterModel}) {
            frmOrvView* w = moduleWindow(model, 0);
            w->document().strSerial = model == kReceiverModel ? QStringLiteral("16777124") : QStringLiteral("16777123");
            w->document().strCustomType = kLongCustom;
            ASSERT_EQ(w->document().intDocument2DB(), 0);
        }
    }

    // Modules found by a rack scan with long texts, for the Read Rack list.
    static void fillRack()
    {
        CBROWSER::instance().radioRack.clear();
        for (int16_t type : {0, 1, 2}) {
            auto record = std::make_shared<CRADIO>();
            record->intInit(QString::number(16777120 + type), type, QStringLiteral("Vr31-15-0000"), kLongCustom,
                            kLongRemark, 0, 0);
            CBROWSER::instance().radioRack.append(record);
        }
    }

    testsupport::ProgramFolder folder_;
    testsupport::ScriptedMsgBox boxes_;
    std::unique_ptr<frmMain> main_;
    std::vector<std::unique_ptr<QWidget>> owned_;
    COrvDocTR toneRemote_;
    rackemu::Rack rack_;
    testsupport::RackOnPort line_{rack_, folder_};
    QPointer<frmOrvViewTR> toneRemoteWindow_;
};

TEST_F(WindowTexts, EveryWindowShowsItsTextsWhole)
{
    const struct {
        const char* window;
        std::function<QWidget*(WindowTexts&)> open;
    } windows[] = {
        {"main window", [](WindowTexts& t) -> QWidget* { return t.main_.get(); }},
        {"About", [](WindowTexts& t) -> QWidget* { return t.dialog<frmAbout>(); }},
        {"Preferences", [](WindowTexts& t) -> QWidget* { return t.dialog<frmReference>(); }},
        {"Read Module", [](WindowTexts& t) -> QWidget* { return t.dialog<frmReadModule>(); }},
        {"Custom Models", [](WindowTexts& t) -> QWidget* { return t.dialog<frmUserDatabase>(); }},
        {"Read Rack",
         [](WindowTexts& t) -> QWidget* {
             fillRack();
             return t.dialog<frmReadRack>();
         }},
        {"Open",
         [](WindowTexts& t) -> QWidget* {
             t.storeModules();
             return t.dialog<frmConnectDB>();
         }},
        {"New",
         [](WindowTexts& t) -> QWidget* {
             auto* d = t.dialog<frmNewModule>();
             d->lstRx->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);  // its band and references shown
             return d;
         }},
        {"Module Management",
         [](WindowTexts& t) -> QWidget* {
             t.storeModules();
             return t.dialog<frmModuleManagement>();
         }},
        {"receiver, settings tab", [](WindowTexts& t) -> QWidget* { return t.moduleWindow(kReceiverModel, 0); }},
        {"receiver, channel tab", [](WindowTexts& t) -> QWidget* { return t.moduleWindow(kReceiverModel, 1); }},
        {"transmitter, settings tab", [](WindowTexts& t) -> QWidget* { return t.moduleWindow(kTransmitterModel, 0); }},
        {"transmitter, channel tab", [](WindowTexts& t) -> QWidget* { return t.moduleWindow(kTransmitterModel, 1); }},
        {"stored transmitter (windows cascaded), channel tab",
         [](WindowTexts& t) -> QWidget* {
             t.storeModules();
             // The custom model's name is the long text, not a model of the catalogue.
             t.boxes_.expect(QStringLiteral("is not in database"));
             auto* w = new frmOrvView;
             EXPECT_EQ(w->intInitFromDB(QStringLiteral("16777123")), 0);
             w->SSTab1->setCurrentIndex(1);
             settle();
             // Window > Cascade gives every window its own size again.
             t.main_->mdiArea()->cascadeSubWindows();
             return w;
         }},
        {"EPROM image, channel tab",
         [](WindowTexts& t) -> QWidget* {
             frmOrvView* source = t.moduleWindow(kTransmitterModel, 0);
             const QString bin = t.folder_.file(QStringLiteral("image.bin"));
             EXPECT_EQ(source->document().intDocument2BIN(bin), 0);
             auto* w = new frmOrvView;
             EXPECT_EQ(w->intInitFromBIN(bin), 0);
             w->SSTab1->setCurrentIndex(1);
             return w;
         }},
        {"channel editor",
         [](WindowTexts& t) -> QWidget* {
             frmOrvView* view = t.moduleWindow(kTransmitterModel, 1);
             auto* d = new frmEditChannelData(t.main_.get());
             t.owned_.emplace_back(d);
             EXPECT_EQ(d->intFillForm(view->document(), 128, 0), 0);
             d->show();
             return d;
         }},
        {"pot adjustment",
         [](WindowTexts& t) -> QWidget* {
             auto* d = new frmSetEpots(t.main_.get());
             t.owned_.emplace_back(d);
             d->txtReference->setText(QStringLiteral("255"));
             d->txtDeviation->setText(QStringLiteral("255"));
             d->show();
             return d;
         }},
        {"raw page editor",
         [](WindowTexts& t) -> QWidget* {
             frmOrvView* view = t.moduleWindow(kTransmitterModel, 0);
             auto* d = new frmBits(t.main_.get());
             t.owned_.emplace_back(d);
             d->fillPages(view->document());
             d->show();
             return d;
         }},
        {"factory data",
         [](WindowTexts& t) -> QWidget* {
             frmOrvView* view = t.moduleWindow(kTransmitterModel, 0);
             auto* d = new frmFVorn(t.main_.get());
             t.owned_.emplace_back(d);
             d->fillForm(view->document());
             d->show();
             return d;
         }},
        {"alarm editor",
         [](WindowTexts& t) -> QWidget* {
             auto* d = new frmEditAlarm(t.main_.get());
             t.owned_.emplace_back(d);
             d->SetData(t.toneRemote_, 1, 16);
             d->chkEnableAlarms->setChecked(true);
             d->show();
             return d;
         }},
        {"function-tone editor",
         [](WindowTexts& t) -> QWidget* {
             auto* d = new frmEditTones(t.main_.get());
             t.owned_.emplace_back(d);
             EXPECT_TRUE(d->PrepareForm(223, 650, 750));  // the longest parameter caption
             d->show();
             return d;
         }},
        {"tone remote, General tab", [](WindowTexts& t) -> QWidget* { return t.toneRemoteWindow(0); }},
        {"tone remote, Function Tones tab", [](WindowTexts& t) -> QWidget* { return t.toneRemoteWindow(1); }},
        {"tone remote, Alarm / Confirm tab", [](WindowTexts& t) -> QWidget* { return t.toneRemoteWindow(2); }},
        {"tone remote, Voting / Levels tab", [](WindowTexts& t) -> QWidget* { return t.toneRemoteWindow(3); }},
        {"tone remote, Voting / Levels tab, sliding voting tone",
         [](WindowTexts& t) -> QWidget* {
             frmOrvViewTR* w = t.toneRemoteWindow(3);
             if (w)
                 w->voting().controls->chkSlidingVotingTone->setChecked(true);
             return w;
         }},
        {"tone remote, Advanced tab", [](WindowTexts& t) -> QWidget* { return t.toneRemoteWindow(4); }},
        {"factory write",
         [](WindowTexts& t) -> QWidget* {
             auto* d = new frmFactoryWrite(t.main_.get());
             t.owned_.emplace_back(d);
             d->txtSerialNumber->setText(QStringLiteral("16777123"));
             d->show();
             return d;
         }},
        {"help, contents",
         [](WindowTexts& t) -> QWidget* {
             t.main_->ShowHelpContent();
             return platform::HelpWindow::current();
         }},
        {"help, search",
         [](WindowTexts& t) -> QWidget* {
             t.main_->ShowHelpSearch();
             platform::HelpWindow* help = platform::HelpWindow::current();
             help->txtSearch->setText(QStringLiteral("no such word anywhere"));
             return help;
         }},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.window);
        QWidget* window = w.open(*this);
        ASSERT_NE(window, nullptr);
        settle();
        const QStringList cut = testsupport::cutTexts(window);
        EXPECT_TRUE(cut.isEmpty()) << w.window << ":\n  " << cut.join(QStringLiteral("\n  ")).toStdString();
    }
}

TEST_F(WindowTexts, TheMainWindowShowsAModuleWindowWholeOnA1280By1024Screen)
{
    main_->resize(frmMain::openingSize(QRect(0, 0, 1280, 1024)));
    settle();
    for (const QString& model : {kReceiverModel, kTransmitterModel}) {
        frmOrvView* w = moduleWindow(model, 1);
        settle();
        auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
        ASSERT_NE(sub, nullptr);
        const QRect area = main_->mdiArea()->viewport()->rect();
        EXPECT_TRUE(area.contains(sub->geometry()))
            << model.toStdString() << ": window " << sub->width() << " x " << sub->height() << " in an area of "
            << area.width() << " x " << area.height();
        sub->close();
        settle();
    }
}
