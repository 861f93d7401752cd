// Factory programming: the model from the catalogue, the identity pages, and pages 2 to 16
// written into the one module in an emulated rack.
#include "RadioFilesFixture.h"

#include "rackemu/Rack.h"
#include "support/RackOnPort.h"

#include <QDateTime>

namespace {

constexpr int32_t kNewSerial = 0x00BEEF;

// A new transmitter document given factory data: serial 0x00BEEF, 64 channels, partition 16.
class FactoryTest : public RadioFilesTest {
protected:
    CLASSOrvDocument factoryDocument(int partition = 16)
    {
        CLASSOrvDocument doc = newDocument(kTransmitterModel, 128);
        doc.strCustomType = QStringLiteral("Vr31-15-0000");
        EXPECT_EQ(doc.ReadFactoryModel(), 0);
        EXPECT_EQ(doc.ChangeFactoryWriteData(kNewSerial, 64, 0x18, partition, QStringLiteral("Vr12-34-5678"),
                                             QStringLiteral("ABC"), QStringLiteral("07032024"),
                                             QDateTime(QDate(2024, 3, 9), QTime(14, 7, 9, 600))),
                  0);
        return doc;
    }
};

TEST_F(FactoryTest, ReadFactoryModelTakesTheCatalogueRow)
{
    CLASSOrvDocument doc;
    doc.strCustomType = QStringLiteral("Vr31-05-0000");
    ASSERT_EQ(doc.ReadFactoryModel(), 0);
    EXPECT_EQ(doc.lngLowerFreql, 148000000);
    EXPECT_EQ(doc.lngUpperFreql, 174000000);
    EXPECT_EQ(doc.lngIntFreq, 21400000);
    EXPECT_EQ(doc.intPrescalar, 64);
    EXPECT_EQ(doc.intRxTxEx, 0);
    EXPECT_EQ(doc.strModelAsMade, QStringLiteral("Standard"));

    doc.strCustomType = QStringLiteral("Vr99-99-9999");
    EXPECT_EQ(doc.ReadFactoryModel(), -1);
    EXPECT_EQ(doc.lngIntFreq, 21400000);
}

TEST_F(FactoryTest, IdentityPagesOfBothPartitions)
{
    for (const int partition : {16, 12}) {
        SCOPED_TRACE(partition);
        const CLASSOrvDocument fresh = newDocument(kTransmitterModel, 128);
        const CLASSOrvDocument doc = factoryDocument(partition);
        EXPECT_EQ(pageOf(doc, 2), page7to0({0x00, 0xBE, 0xEF, 0, 64, 0x18, partition, 255}));
        EXPECT_EQ(pageOf(doc, 3), textPage("07032024"));
        EXPECT_EQ(pageOf(doc, 4), textPage("12345678"));
        EXPECT_EQ(pageOf(doc, 5), QByteArray(8, '\0'));
        EXPECT_EQ(pageOf(doc, 6) + pageOf(doc, 7), textPage("ABC     ") + textPage("        "));
        EXPECT_EQ(pageOf(doc, 10), textPage("Velmar  "));
        // 9 March 2024 14:07:09 (to the second): day 45360, fraction .5882986111.
        EXPECT_EQ(pageOf(doc, 11), page7to0({4, 53, 60, 58, 82, 98, 61, 11}));
        if (partition == 16) {
            EXPECT_EQ(pageOf(doc, 12), page7to0({0x0A, 0x5F, 0x07, 0x80, 0x08, 0xD2, 0x4D, 0x00}));
            EXPECT_EQ(pageOf(doc, 13), page7to0({0, 0, 0x18, 0x6A, 0, 0, 0x30, 0xD4}));
            EXPECT_EQ(pageOf(doc, 15), page7to0({0, 64, 0, 0, 1, 0, 3, 0}));
        } else {
            for (const int page : {12, 13, 15})
                EXPECT_EQ(pageOf(doc, page), pageOf(fresh, page)) << page;
        }
    }
}

TEST_F(FactoryTest, TooLongModelTextIsRefusedAndChangesNothing)
{
    CLASSOrvDocument doc = newDocument(kTransmitterModel, 128);
    const QByteArray before = documentPages(doc, 0, 148);
    testsupport::ScriptedMsgBox box;
    box.expect(QStringLiteral("longer than 16 characters"));
    EXPECT_EQ(doc.ChangeFactoryWriteData(kNewSerial, 64, 0x18, 16, QStringLiteral("Vr12-34-5678-90123"), QString(),
                                         QStringLiteral("07032024"), QDateTime::currentDateTime()),
              -1);
    EXPECT_EQ(documentPages(doc, 0, 148), before);
}

// The emulated rack as the program's serial port 1.
class FactoryRackTest : public FactoryTest {
protected:
    void startRack(std::initializer_list<uint32_t> serials)
    {
        for (const uint32_t s : serials)
            rack_.addModule({s, rackemu::Kind::Transmitter});
        line_.open();
    }
    void TearDown() override
    {
        line_.close();
        FactoryTest::TearDown();
    }
    std::vector<int> written() const
    {
        return testsupport::pagesSent(rack_, rackemu::Command::Write);
    }

    rackemu::Rack rack_;
    testsupport::RackOnPort line_{rack_, folder_};
};

TEST_F(FactoryRackTest, OnlyModuleGetsPagesTwoToSixteenAndRestarts)
{
    startRack({0x123456});
    CLASSOrvDocument doc = factoryDocument();
    doc.fModified = true;
    ASSERT_EQ(doc.FactoryWrite(kNewSerial), 0);
    EXPECT_FALSE(doc.fModified);

    // POLL, LINK, 15 WRITEs and the RESTART, which is sent without waiting for anything.
    ASSERT_TRUE(rack_.waitForFrames(18, 2000));
    std::vector<int> expected;
    for (int p = 2; p <= 16; ++p)
        expected.push_back(p);
    EXPECT_EQ(written(), expected);
    const auto frames = rack_.frames();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.back().command, static_cast<uint8_t>(rackemu::Command::Restart));
    EXPECT_EQ(rack_.frameCount(rackemu::Command::End), 0);
    EXPECT_EQ(rack_.frameCount(rackemu::Command::Link), 1);

    // The module now answers to the serial number of page 2 and holds the document's pages.
    const QByteArray memory = rack_.pages(kNewSerial);
    ASSERT_GE(memory.size(), 17 * 8);
    EXPECT_EQ(memory.mid(2 * 8, 15 * 8).toHex(' '), documentPages(doc, 2, 16).toHex(' '));
    EXPECT_EQ(rack_.module(0).serial, uint32_t(kNewSerial));
}

TEST_F(FactoryRackTest, RefusedWithTwoModules)
{
    startRack({0x123456, 0x654321});
    CLASSOrvDocument doc = factoryDocument();
    EXPECT_EQ(doc.FactoryWrite(kNewSerial), -1);
    EXPECT_TRUE(written().empty());
    EXPECT_EQ(rack_.frameCount(rackemu::Command::Link), 0);
}

TEST_F(FactoryRackTest, RefusedWithAnEmptyRack)
{
    startRack({});
    CLASSOrvDocument doc = factoryDocument();
    EXPECT_EQ(doc.FactoryWrite(kNewSerial), -1);
    EXPECT_TRUE(written().empty());
}

} // namespace
