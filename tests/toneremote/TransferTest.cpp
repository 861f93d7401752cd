// Reading, writing and factory-writing a tone-remote module of the emulated rack through the real
// serial port.
#include "TRFixture.h"

#include "db/DbFixture.h"
#include "rackemu/Rack.h"
#include "support/RackOnPort.h"

using namespace trtest;
using rackemu::Command;
using testsupport::page7to0;

namespace {

constexpr uint32_t kSerial = 123456;

class TRTransferTest : public DbFixture {
protected:
    void TearDown() override
    {
        EXPECT_TRUE(platform::Progress::instance().atRest());
        line_.close();
        DbFixture::TearDown();
    }

    // Puts a tone-remote module with this image (its serial number set to `serial`) in the rack.
    void addModule(const QByteArray& image, uint32_t serial = kSerial)
    {
        ASSERT_GE(rack_.addModule(rackemu::Module(serial, rackemu::Kind::ToneRemote, image)), 0);
    }
    // The image of a module with the serial number, firmware V01.01 and random settings.
    static QByteArray moduleImage(quint32 seed)
    {
        QByteArray image = randomImage(seed);
        image.replace(1 * 8, 8, page7to0({0, 1, 0, 1, 0, 0, 255, 255}));
        image.replace(2 * 8, 8, page7to0({0x01, 0xE2, 0x40, 0, 0, 0x80, 224, 30}));
        return image;
    }
    // A document decoded from the image, as a loader leaves it.
    static COrvDocTR document(const QByteArray& image)
    {
        COrvDocTR doc;
        loadImage(doc, image);
        EXPECT_EQ(doc.intInitSystemInfo(), 0);
        doc.intDocumentFrom = kFromModule;
        return doc;
    }
    std::vector<int> pagesOf(Command c) const { return testsupport::pagesSent(rack_, c); }

    rackemu::Rack rack_;
    testsupport::RackOnPort line_{rack_, folder};
};

TEST_F(TRTransferTest, AFirmwareNotListedIsWarnedOnceAndTheReadStillSucceeds)
{
    QByteArray image = moduleImage(2);
    image.replace(1 * 8, 8, page7to0({9, 9, 9, 9, 0, 0, 255, 255}));
    addModule(image);
    line_.open();
    testsupport::ScriptedMsgBox box;
    box.expect(QStringLiteral("Warning: The Firmware version is not compatible. Data read maybe incorrect."));
    COrvDocTR doc;
    EXPECT_EQ(doc.intModule2Document(QString::number(kSerial)), 0);
    EXPECT_EQ(box.shown().size(), 1);
    EXPECT_EQ(testsupport::documentPages(doc, 0, 255), image.left(256 * 8));
}

TEST_F(TRTransferTest, AWriteKeepsTheThresholdVoltageOnAModuleOfAnotherCalibration)
{
    QByteArray module = moduleImage(4);
    rackemu::setPageByte(module, 2, 0, 40); // the module's calibration byte
    addModule(module);
    line_.open();
    QByteArray image = moduleImage(5);
    image.replace(5 * 8, 1, QByteArray(1, char(50))); // threshold byte 50 against calibration 30
    COrvDocTR doc = document(image);
    const QString volts = doc.LowVoltAlarmThreshold().toString();

    ASSERT_EQ(doc.intDocument2Module(), 0);
    ASSERT_TRUE(testsupport::waitForFrames(rack_, Command::Restart));
    EXPECT_EQ(pagesOf(Command::Write).size(), 252u);
    EXPECT_EQ(byteAt(doc, 2, 0), 40) << "the image takes the module's calibration";
    EXPECT_EQ(byteAt(doc, 5, 0), 60) << "the threshold moves with it";
    EXPECT_EQ(doc.LowVoltAlarmThreshold().toString(), volts);
    EXPECT_EQ(rack_.pages(kSerial).mid(5 * 8, 8), testsupport::pageOf(doc, 5));
    EXPECT_EQ(rack_.pages(kSerial).mid(2 * 8, 8), module.mid(2 * 8, 8)) << "page 2 stays the module's";
}

TEST_F(TRTransferTest, FactoryWriteGivesTheOnlyModuleItsIdentityAndClearsItsMarker)
{
    addModule({}, 777);
    line_.open();
    COrvDocTR doc;
    ASSERT_EQ(doc.NewToneRemote(QStringLiteral("Kelt"), true, 123456, QStringLiteral("0000"), QDate(2024, 5, 6), 0xE8),
              0);
    doc.bytFactWrite = true;
    doc.fModified = true;

    ASSERT_EQ(doc.FactoryWrite(123456), 0);
    ASSERT_TRUE(testsupport::waitForFrames(rack_, Command::Restart));
    EXPECT_EQ(testsupport::commandsSent(rack_),
              (std::vector<Command>{Command::Poll, Command::Link, Command::Write, Command::Write, Command::Write,
                                    Command::Write, Command::Restart}));
    EXPECT_EQ(pagesOf(Command::Write), (std::vector<int>{2, 3, 4, 13}));
    EXPECT_FALSE(doc.fModified);

    const QByteArray now = rack_.pages(kSerial);
    ASSERT_EQ(now.size(), kPages * 8) << "the module answers to its new serial number after the restart";
    EXPECT_EQ(now.mid(2 * 8, 8), page7to0({0x01, 0xE2, 0x40, 0, 0, 0x80, 0xE8, 30}));
    EXPECT_EQ(now.mid(3 * 8, 8), testsupport::textPage("06-05-24"));
    EXPECT_EQ(now.mid(4 * 8, 8), testsupport::textPage("Kelt"));
    EXPECT_EQ(now.mid(13 * 8, 8), QByteArray(8, '\0')) << "the identity marker is cleared";
}

TEST_F(TRTransferTest, FactoryWriteRefusesARackOfTwoModulesBeforeLinking)
{
    addModule({}, 777);
    addModule({}, 778);
    line_.open();
    COrvDocTR doc;
    ASSERT_EQ(doc.NewToneRemote(QStringLiteral("Kelt"), true, 123456, QString(), QDate(2024, 5, 6), 0x08), 0);
    EXPECT_EQ(doc.FactoryWrite(123456), -1);
    EXPECT_EQ(testsupport::commandsSent(rack_), std::vector<Command>{Command::Poll});
}

TEST_F(TRTransferTest, FactoryWriteRefusesAnEmptyRackBeforeLinking)
{
    line_.open();
    COrvDocTR doc;
    ASSERT_EQ(doc.NewToneRemote(QStringLiteral("Kelt"), true, 123456, QString(), QDate(2024, 5, 6), 0x08), 0);
    EXPECT_EQ(doc.FactoryWrite(123456), -1);
    EXPECT_EQ(rack_.frameCount(Command::Link), 0);
    EXPECT_EQ(rack_.frameCount(Command::Write), 0);
}

} // namespace
