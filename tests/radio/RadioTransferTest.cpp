// Reading and writing a module of the emulated rack through the real serial port: what only the
// radio document does (the common cases are in the document suite).
#include "RadioFixture.h"

#include "platform/Progress.h"

using namespace radiolayout;
using rackemu::Command;
using rackemu::Kind;

namespace {

class RadioTransfer : public RadioRackTest {
protected:
    // Puts a module with this image in the rack.
    void addModule(Kind kind, const QByteArray& image)
    {
        rackemu::Module m;
        m.serial = kSerial;
        m.kind = kind;
        m.pages = image;
        ASSERT_GE(rack_.addModule(m), 0);
    }
    // A document holding the image, decoded as a loader leaves it.
    void load(const QByteArray& image)
    {
        for (int p = 0; p < kPageCount; ++p)
            doc.intWritePage(p, imagePages(image, p, p));
        ASSERT_EQ(doc.intInitSystemInfo(), 0);
        ASSERT_EQ(doc.intReadModData(), 0);
        doc.intDocumentFrom = kFromModule;
    }
    QByteArray modulePages(int first, int last) const { return imagePages(rack_.pages(kSerial), first, last); }

    testsupport::ScriptedMsgBox boxes;
    CLASSOrvDocument doc;
};

TEST_F(RadioTransfer, KindWarningAnsweredNoWritesNothing)
{
    addModule(Kind::Receiver, moduleImage(Kind::Receiver, kSerial, 8));
    load(moduleImage(Kind::Transmitter, kSerial, 8));
    doc.fModified = true;
    boxes.expect("Warning! The data type is different from the module type! Continue?", platform::vbNo);
    EXPECT_EQ(doc.intDocument2Module(), 0);
    EXPECT_EQ(boxes.shown().at(0).style, platform::vbYesNo | platform::vbCritical | platform::vbDefaultButton2);
    EXPECT_TRUE(pagesOf(Command::Write).empty());
    EXPECT_EQ(rack_.frameCount(Command::End), 0);
    EXPECT_TRUE(doc.fModified);
}

TEST_F(RadioTransfer, ModuleOfTheOtherLayoutTakesTheDocumentsPartition)
{
    QByteArray moduleImg = moduleImage(Kind::Transmitter, kSerial, 10);
    rackemu::setPageByte(moduleImg, kIdentityPage, identity::kPartition, kOldPartition);
    addModule(Kind::Transmitter, moduleImg);
    load(moduleImage(Kind::Transmitter, kSerial, 128));

    ASSERT_EQ(doc.intDocument2Module(), 0);
    std::vector<int> written{kIdentityPage, kStatePage};
    for (int p : testsupport::pageRange(kOptionPage, 10 + 16))
        written.push_back(p);
    EXPECT_EQ(pagesOf(Command::Write), written);
    // Page 2 keeps the module's configuration byte and channel count, with the document's partition.
    QByteArray identityPage = imagePages(moduleImg, kIdentityPage, kIdentityPage);
    identityPage[identity::kPartition] = kPartition;
    EXPECT_EQ(modulePages(kIdentityPage, kIdentityPage), identityPage);
    EXPECT_EQ(doc.intMaxchannel, 10);
    EXPECT_EQ(modulePages(5, 26), documentPages(doc, 5, 26));
}

TEST_F(RadioTransfer, FactorySerialChangeWritesPageTwoAndTheModuleAnswersToTheNewNumber)
{
    constexpr uint32_t kNew = 0x0ABCDE;
    const QByteArray image = moduleImage(Kind::Transmitter, kSerial, 8);
    addModule(Kind::Transmitter, image);
    load(image);
    doc.fModified = true;
    ASSERT_EQ(doc.intDocument2ModuleFactory(kNew), 0);
    ASSERT_TRUE(waitForCommand(Command::Restart));

    // The rack is polled first; the module is addressed by its old number throughout.
    const std::vector<Command> sent = commands();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.front(), Command::Poll);
    for (const rackemu::FrameRecord& f : rack_.frames())
        if (f.command != static_cast<uint8_t>(Command::Poll) && f.command != static_cast<uint8_t>(Command::Unlink)) {
            EXPECT_EQ(f.serial, int32_t(kSerial));
        }
    const std::vector<int> written = pagesOf(Command::Write);
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(written.front(), kIdentityPage);
    EXPECT_EQ(rack_.module(0).serial, kNew);
    EXPECT_EQ(imagePages(rack_.pages(kNew), kIdentityPage, kIdentityPage),
              documentPages(doc, kIdentityPage, kIdentityPage));
    EXPECT_EQ(doc.strSerial, QString::number(kNew));
    EXPECT_FALSE(doc.fModified);
}

TEST_F(RadioTransfer, FactorySerialChangeRefusedWhenAnotherModuleHasTheNumber)
{
    constexpr uint32_t kOther = 0x054321;
    const QByteArray image = moduleImage(Kind::Transmitter, kSerial, 8);
    addModule(Kind::Transmitter, image);
    ASSERT_GE(rack_.addModule({kOther, Kind::Receiver}), 0);
    load(image);
    doc.fModified = true;
    boxes.expect(QStringLiteral("Error! There is a module in rack with the same serial number: ")
                 + QString::number(kOther));
    EXPECT_EQ(doc.intDocument2ModuleFactory(kOther), -1);
    EXPECT_EQ(commands(), std::vector<Command>{Command::Poll});
    EXPECT_EQ(documentPages(doc, kIdentityPage, kIdentityPage), imagePages(image, kIdentityPage, kIdentityPage));
    EXPECT_EQ(doc.strSerial, QString::number(kSerial));
    EXPECT_TRUE(doc.fModified);
}

TEST_F(RadioTransfer, FactorySerialChangeStoppedAtTheKindWarningIsNoSuccess)
{
    addModule(Kind::Receiver, moduleImage(Kind::Receiver, kSerial, 8));
    const QByteArray image = moduleImage(Kind::Transmitter, kSerial, 8);
    load(image);
    boxes.expect("Warning! The data type is different from the module type! Continue?", platform::vbNo);
    EXPECT_EQ(doc.intDocument2ModuleFactory(0x0ABCDE), -1);
    EXPECT_TRUE(pagesOf(Command::Write).empty());
    EXPECT_EQ(rack_.module(0).serial, kSerial);
    EXPECT_EQ(documentPages(doc, kIdentityPage, kIdentityPage), imagePages(image, kIdentityPage, kIdentityPage));
}

TEST_F(RadioTransfer, WriteDefaultSendsTheStatePageDatePageAndChannel)
{
    const QByteArray image = moduleImage(Kind::Transmitter, kSerial, 8);
    addModule(Kind::Transmitter, image);
    load(image);
    doc.intModifyCurrentchannel(0);
    ASSERT_EQ(doc.intEditDeviation(1, 33), 0);

    ASSERT_EQ(doc.WriteDefault(0), 0);
    ASSERT_TRUE(waitForCommand(Command::Restart));
    EXPECT_EQ(pagesOf(Command::Write), (std::vector<int>{kStatePage, kLastWritePage, kPartition}));
    EXPECT_EQ(rack_.frameCount(Command::End), 1);
    EXPECT_EQ(rack_.frameCount(Command::Restart), 1);
    EXPECT_EQ(modulePages(kPartition, kPartition), documentPages(doc, kPartition, kPartition));
    EXPECT_TRUE(doc.fModified);
}

TEST_F(RadioTransfer, WriteDefaultToAModuleOfAnotherKindWritesNothing)
{
    addModule(Kind::Receiver, moduleImage(Kind::Receiver, kSerial, 8));
    load(moduleImage(Kind::Transmitter, kSerial, 8));
    const QByteArray dateBefore = pageOf(doc, kLastWritePage);
    boxes.expect("Wrong module type!");
    EXPECT_EQ(doc.WriteDefault(0), 0);
    EXPECT_EQ(boxes.shown().at(0).title, "Writing Error");
    EXPECT_TRUE(pagesOf(Command::Write).empty());
    EXPECT_NE(pageOf(doc, kLastWritePage), dateBefore) << "the document already carries the new date";
}

TEST_F(RadioTransfer, NoModuleAtTheAddress)
{
    boxes.expect("No response from module");
    EXPECT_EQ(doc.intModule2Document("77"), -1);
    EXPECT_EQ(doc.strSerial, "") << "a failed read leaves the document as it was";
    load(moduleImage(Kind::Transmitter, 77, 8));
    EXPECT_EQ(doc.intDocument2Module(), -1);
    EXPECT_EQ(doc.WriteDefault(0), -1);
    EXPECT_TRUE(pagesOf(Command::Write).empty());
}

TEST_F(RadioTransfer, IncompatibleFirmwareIsReportedAndTheReadGoesOn)
{
    QByteArray image = moduleImage(Kind::Receiver, kSerial, 4);
    image.replace(kStatePage * kPageSize, kPageSize, page7to0({0, 9, 0, 9, 0, 0, 255, 255}));
    addModule(Kind::Receiver, image);
    boxes.expect("Warning: The Firmware version is not compatible. Data read maybe incorrect.");
    ASSERT_EQ(doc.intModule2Document(QString::number(kSerial)), 0);
    EXPECT_EQ(doc.strFirmwareVersion, "V09.09");
    EXPECT_EQ(documentPages(doc, 0, 21), imagePages(image, 0, 21));
}

TEST_F(RadioTransfer, ChannelCountBeyondTheImageIsRefusedBeforeReading)
{
    QByteArray image = moduleImage(Kind::Receiver, kSerial, 4);
    rackemu::setPageByte(image, kIdentityPage, identity::kChannelsLow, 140);
    addModule(Kind::Receiver, image);
    boxes.expect("140 channels");
    EXPECT_EQ(doc.intModule2Document(QString::number(kSerial)), -1);
    EXPECT_EQ(pagesOf(Command::Read), (std::vector<int>{kIdentityPage}));

    // Written back, a count beyond the image is refused before a page is sent.
    load(moduleImage(Kind::Receiver, kSerial, 4));
    doc.intWritePage(kIdentityPage, pageOf(doc, kIdentityPage).replace(identity::kChannelsLow, 1, "\x90"));
    boxes.expect("144 channels");
    EXPECT_EQ(doc.intDocument2Module(), -1);
    EXPECT_TRUE(pagesOf(Command::Write).empty());
}

} // namespace
