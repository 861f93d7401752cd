// The window against the emulated rack: a module read into it, written back, its default
// channel set, saved back on closing, located; and one transfer at a time.
#include "ViewFixture.h"

#include "rackemu/PageImage.h"
#include "radioview/ChannelCells.h"
#include "shell/Globals.h"
#include "docwindow/DocumentWindowOpen.h"

#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTimer>

using namespace radiolayout;
using platform::vbNo;
using platform::vbYes;
using rackemu::Command;
using rackemu::Fault;
using WindowRegistry::WindowKind;

class RackCommandsTest : public ViewRackTest {
protected:
    frmOrvView* openFromModule(uint32_t serial = kSerial)
    {
        auto* w = new frmOrvView;
        EXPECT_EQ(w->intInitFromModule(QString::number(serial)), 0);
        settle();
        return w;
    }
    // The document's pages that a write sends, as the module now holds them.
    void expectModuleHolds(const CLASSOrvDocument& doc, uint32_t serial = kSerial)
    {
        const int last = doc.intPartition + doc.intMaxchannel;
        EXPECT_EQ(modulePages(0, last, serial), orvview::imageBytes(doc).left((last + 1) * kPageSize));
    }
};

TEST_F(RackCommandsTest, OpensModulesReadFromTheRack)
{
    addModule(kTransmitterModel);
    addModule(kReceiverModel, 0x000777);

    // A module that does not answer: the reader's message, then the window's; no window.
    boxes_.expect("No response from module").expect("Cannot read from module.");
    EXPECT_EQ(openInNewDocumentWindow(WindowKind::Radio, [](IDocumentWindow& w) { return w.intInitFromModule("999"); }), -1);
    settle();
    EXPECT_EQ(boxes_.shown().at(1).title, "Error");
    EXPECT_TRUE(windows().isEmpty());
    EXPECT_EQ(basVelmar::gOpenViewCount, 0);
    EXPECT_FALSE(main_->toolbarButton(3)->isEnabled());

    frmOrvView* tx = openFromModule();
    EXPECT_EQ(tx->windowTitle(), "Model: Vr31-15-0000 Serial Number: 74565");
    EXPECT_EQ(tx->document().intDocumentFrom, kFromModule);
    EXPECT_EQ(tx->Rows(), 6);
    EXPECT_EQ(tx->TextMatrix(2, tx->intColFrequency), "150.012500");
    EXPECT_EQ(tx->TextMatrix(2, tx->intColDeviation), "42");
    EXPECT_EQ(tx->TextMatrix(2, tx->intColReference), "22");
    EXPECT_EQ(tx->TextMatrix(2, tx->intColPin6), "High");
    EXPECT_EQ(tx->TextMatrix(2, tx->intColPin5), "Low");
    EXPECT_FALSE(tx->document().fModified);

    frmOrvView* rx = openFromModule(0x000777);
    EXPECT_EQ(rx->TextMatrix(1, rx->intColFrequency), "150.000000") << "shown without the intermediate frequency";
    EXPECT_EQ(basVelmar::gOpenViewCount, 2);
    EXPECT_TRUE(main_->toolbarButton(3)->isEnabled());
}

// A complete read of a module whose model the catalogue does not hold and whose pages carry no RF
// data: the user learns which model is missing before the window's own message.
TEST_F(RackCommandsTest, ModelMissingFromTheCatalogueIsNamedBeforeTheReadFails)
{
    addModule(kTransmitterModel, kSerial, [](QByteArray& image) {
        rackemu::setPageByte(image, kModelCodePage, 7, '9');  // model code 99150000: Vr99-15-0000
        rackemu::setPageByte(image, kModelCodePage, 6, '9');
        rackemu::setPageByte(image, kSynthPage, rf::kMarkHigh, 0);
    });
    boxes_.expect("Custom model Vr99-15-0000 is not found in database.").expect("Cannot read from module.");
    EXPECT_EQ(openInNewDocumentWindow(WindowKind::Radio,
                                      [](IDocumentWindow& w) { return w.intInitFromModule(QString::number(kSerial)); }),
              -1);
    settle();
    ASSERT_EQ(boxes_.shown().size(), 2);
    EXPECT_EQ(boxes_.shown().at(0).title, "Invalid module type");
    EXPECT_EQ(boxes_.shown().at(0).icon(), platform::vbExclamation);
    EXPECT_TRUE(windows().isEmpty());
}

TEST_F(RackCommandsTest, WriteSendsTheDocumentToTheModule)
{
    addModule(kTransmitterModel);
    frmOrvView* w = openFromModule();
    w->document().intEditDeviation(3, 99);
    w->txtUserRemark->setText("Hill");
    rack_.clearFrames();
    ASSERT_EQ(w->CommandWrite(), 0);
    EXPECT_EQ(main_->activeDocumentWindow(), w) << "the window is still the active one after its transfer";
    EXPECT_TRUE(w->parentWidget()->isEnabled());
    EXPECT_GT(framesOf(Command::Write), 0);
    expectModuleHolds(w->document());
    EXPECT_EQ(rackemu::page(rack_.pages(kSerial), kRemarkPage), page7to0({'H', 'i', 'l', 'l', ' ', ' ', ' ', ' '}));
    EXPECT_FALSE(w->document().fModified);

    // A module that does not take the link: the failure is said, never success.
    rack_.setFault(kSerial, Fault::badCheck().only(Command::Link));
    boxes_.expect("Can't find the module in the rack!");
    EXPECT_EQ(w->CommandWrite(), -1);
    EXPECT_EQ(boxes_.shown().last().icon(), platform::vbCritical);
}

TEST_F(RackCommandsTest, DefaultChanWritesTheModuleAndAsksWhenItDoesNotAnswer)
{
    addModule(kTransmitterModel);
    frmOrvView* w = openFromModule();
    CLASSOrvDocument& doc = w->document();
    auto moduleDefault = [this] { return static_cast<uint8_t>(modulePages(kStatePage, kStatePage).at(state::kCurrentLow)); };

    w->selectCells(3, 1, 3, 1);
    w->cmdDefaultChannel_Click();
    EXPECT_EQ(doc.intCurrentchannel, 2);
    EXPECT_EQ(moduleDefault(), 2);
    EXPECT_EQ(w->TextMatrix(1, 0), "0");
    EXPECT_EQ(w->TextMatrix(3, 0), "2 DC");
    EXPECT_EQ(w->txtDFChannel->text(), "2");

    // Not answering, No: the old default comes back and is written once more.
    rack_.setFault(kSerial, Fault::badCheck().only(Command::Link).forReplies(3));
    boxes_.expect("The unit is not responding. Do you want to continue?", vbNo);
    w->selectCells(4, 1, 4, 1);
    w->cmdDefaultChannel_Click();
    EXPECT_EQ(boxes_.shown().last().title, "Warning");
    EXPECT_EQ(doc.intCurrentchannel, 2);
    EXPECT_EQ(w->TextMatrix(3, 0), "2 DC");
    EXPECT_EQ(w->TextMatrix(4, 0), "3");
    EXPECT_EQ(moduleDefault(), 2);

    // Not answering, Yes: the new default stays and is written once more.
    rack_.setFault(kSerial, Fault::badCheck().only(Command::Link).forReplies(3));
    boxes_.expect("The unit is not responding. Do you want to continue?", vbYes);
    w->cmdDefaultChannel_Click();
    EXPECT_EQ(doc.intCurrentchannel, 3);
    EXPECT_EQ(w->TextMatrix(4, 0), "3 DC");
    EXPECT_EQ(moduleDefault(), 3);
    EXPECT_TRUE(doc.fModified);
}

TEST_F(RackCommandsTest, ClosingWithYesWritesBackToTheModule)
{
    addModule(kTransmitterModel);
    frmOrvView* w = openFromModule();
    w->txtUserRemark->setText("Valley");
    boxes_.expect("The content has changed. Do you want to save the changes?", vbYes);
    w->cmdQuit_Click();
    settle();
    EXPECT_TRUE(windows().isEmpty());
    EXPECT_EQ(rackemu::page(rack_.pages(kSerial), kRemarkPage), page7to0({'V', 'a', 'l', 'l', 'e', 'y', ' ', ' '}));
}

TEST_F(RackCommandsTest, OneTransferAtATimeWithTheWindowClosedToInput)
{
    addModule(kTransmitterModel);
    addModule(kTransmitterModel, 0x000888);
    frmOrvView* first = openFromModule();
    frmOrvView* second = openFromModule(0x000888);
    QWidget* firstFrame = first->parentWidget();
    rack_.clearFrames();

    bool enabledDuringWrite = true;
    int16_t nested = 0;
    QTimer::singleShot(0, [&] {
        enabledDuringWrite = firstFrame->isEnabled();
        nested = second->CommandWrite();
    });
    boxes_.expect("The serial line is busy with another transfer.");
    ASSERT_EQ(first->CommandWrite(), 0);
    EXPECT_FALSE(enabledDuringWrite);
    EXPECT_EQ(nested, -1);
    EXPECT_TRUE(firstFrame->isEnabled());
    for (const rackemu::FrameRecord& f : rack_.frames())
        EXPECT_NE(f.serial, 0x000888) << "the second window reached the line";
    expectModuleHolds(first->document());
}

TEST_F(RackCommandsTest, LocateInRackLinksTheModule)
{
    addModule(kTransmitterModel);
    frmOrvView* w = openFromModule();
    rack_.clearFrames();
    w->LinkModule_Click();
    EXPECT_EQ(framesOf(Command::Unlink), 2);
    EXPECT_EQ(framesOf(Command::Link), 1);
    EXPECT_EQ(rack_.linkedSerial(), kSerial);
}
