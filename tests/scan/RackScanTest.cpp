#include "db/CBROWSER.h"
#include "db/RackScan.h"
#include "link/LinkAddress.h"
#include "link/LinkCommands.h"
#include "platform/Progress.h"
#include "rackemu/Rack.h"
#include "shell/DateCodecs.h"
#include "shell/ModuleProbes.h"
#include "docwindow/WindowRegistry.h"
#include "app/frmMain.h"
#include "support/RackOnPort.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempDir.h"

#include <QAction>
#include <QDialog>
#include <gtest/gtest.h>

using rackemu::Kind;
using testsupport::ScriptedMsgBox;

namespace {

// Page `page` of an image as the eight characters a module holds there, byte 7 first.
void setText(QByteArray& image, int page, const char* text8)
{
    for (int i = 0; i < 8; ++i)
        rackemu::setPageByte(image, page, 7 - i, static_cast<uint8_t>(text8[i]));
}

// The module's date as page 11 holds it.
void setDate(QByteArray& image, double date)
{
    basVelmar::DateBytes d{};
    ASSERT_EQ(basVelmar::intDateToBytes(date, d), 0);
    for (int i = 0; i < 8; ++i)
        rackemu::setPageByte(image, 11, 7 - i, d[i]);
}

const double kMadeOn = basVelmar::dteFromDateTime(QDateTime(QDate(2023, 5, 17), QTime(10, 30)));
const double kServicedOn = basVelmar::dteFromDateTime(QDateTime(QDate(2021, 11, 2), QTime(8, 0)));

rackemu::Module module(uint32_t serial, Kind kind, uint8_t configuration, const char* model, const char* custom1,
                       const char* custom2, const char* remark1, const char* remark2, double date)
{
    QByteArray image = rackemu::defaultImage(kind, serial);
    rackemu::setPageByte(image, 2, 2, configuration);
    setText(image, 4, model);
    setText(image, 6, custom1);
    setText(image, 7, custom2);
    setText(image, 8, remark1);
    setText(image, 9, remark2);
    setDate(image, date);
    return {serial, kind, image};
}

} // namespace

class RackScan : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Progress::instance().reset();
        QObject::connect(&platform::Progress::instance(), &platform::Progress::changed, &context, [this] {
            const platform::Progress& p = platform::Progress::instance();
            if (p.barVisible()) {
                captions << p.caption();
                widths << p.width();
            }
        });
    }
    void start() { line.open(); }
    void TearDown() override
    {
        line.close();
        CBROWSER::instance().radioRack.clear();
        platform::Progress::instance().reset();
    }
    CRADIOCollection& scanned() { return CBROWSER::instance().radioRack; }
    int sent(rackemu::Command c) const { return rack.frameCount(c); }

    testsupport::ProgramFolder folder;
    rackemu::Rack rack;
    testsupport::RackOnPort line{rack, folder};
    QObject context;
    QStringList captions;
    QList<int> widths;
};

TEST_F(RackScan, ThreeModulesOfDifferentKindsInPollOrder)
{
    // A receiver in the two-letter form, a tone remote with its marker, a transmitter whose
    // configuration byte is 0 (the older one-letter model form).
    rack.addModule(module(700001, Kind::Receiver, 0x13, "0512    ", "North Hi", "ll Site ", "Spare \x80" "5", " Ch 7   ",
                          kMadeOn));
    rack.addModule(module(0x123456, Kind::ToneRemote, 0x80, "41100000", "Line IF ", "Tower 2 ", "Serviced", " 2021   ",
                          kServicedOn));
    rack.addModule(module(42, Kind::Transmitter, 0x00, "05120000", "        ", "        ", "        ", "        ", 0));
    start();

    ScriptedMsgBox box;  // nothing to tell
    EXPECT_EQ(CBROWSER::instance().intUpdateCollectRack(), 0);
    ASSERT_EQ(scanned().size(), 3);

    const CRADIO& rx = *scanned()[0];
    EXPECT_EQ(rx.strSerial, QStringLiteral("700001"));
    EXPECT_EQ(rx.intRxTxEx, 0);
    EXPECT_EQ(rx.strRxTxEx, QStringLiteral("Receiver"));
    EXPECT_EQ(rx.strModuleType, QStringLiteral("Vr05-12     "));
    EXPECT_EQ(rx.strCustomType, QStringLiteral("North Hill Site "));
    EXPECT_EQ(rx.strUserRemark, QStringLiteral("Spare €5 Ch 7   "));  // Windows-1252: 0x80 is the euro sign
    EXPECT_NEAR(rx.datCreated, kMadeOn, 1e-6);
    EXPECT_NEAR(rx.datUpdated, kMadeOn, 1e-6);

    const CRADIO& tr = *scanned()[1];
    EXPECT_EQ(tr.strSerial, QStringLiteral("1193046"));
    EXPECT_EQ(tr.intRxTxEx, 3);
    EXPECT_EQ(tr.strRxTxEx, QStringLiteral("ToneRemote"));
    EXPECT_EQ(tr.strModuleType, QStringLiteral("Vr41-10-0000"));
    EXPECT_EQ(tr.strCustomType, QStringLiteral("Line IF Tower 2 "));
    EXPECT_EQ(tr.strUserRemark, QStringLiteral("Serviced 2021   "));
    EXPECT_NEAR(tr.datCreated, kServicedOn, 1e-6);

    const CRADIO& tx = *scanned()[2];
    EXPECT_EQ(tx.strSerial, QStringLiteral("42"));
    EXPECT_EQ(tx.intRxTxEx, 1);
    EXPECT_EQ(tx.strRxTxEx, QStringLiteral("Transmitter"));
    EXPECT_EQ(tx.strModuleType, QStringLiteral("V051-20-000"));
    EXPECT_EQ(tx.datCreated, 0);

    // One UNLINK before the POLL and two at the end, none between the modules.
    EXPECT_EQ(sent(rackemu::Command::Unlink), 3);
    EXPECT_EQ(sent(rackemu::Command::Poll), 1);
    EXPECT_EQ(sent(rackemu::Command::Link), 3);
    EXPECT_EQ(rack.linkedSerial(), -1);

    EXPECT_TRUE(captions.contains(QStringLiteral("Reading rack...")));
    for (int w : {500, 1500, 2000})
        EXPECT_TRUE(widths.contains(w)) << w;
    EXPECT_TRUE(platform::Progress::instance().atRest());
}

TEST_F(RackScan, OtherKindsAndToneRemoteWithoutMarkerHoldNoTexts)
{
    rack.addModule(module(11, Kind::Receiver, 0x02, "31150000", "Custom  ", "Type    ", "Remark  ", "Text    ", kMadeOn));
    // Page 13 with 0xAA in byte 5 but no "~" in byte 6.
    rackemu::Module tr = module(12, Kind::ToneRemote, 0x9F, "41100000", "Other   ", "Texts   ", "Not     ",
                                "Read    ", kServicedOn);
    setText(tr.pages, 13, "\xAA\x00\xAA     ");
    rack.addModule(tr);
    rack.addModule(module(13, Kind::Transmitter, 0x45, "12345678", "Quasi   ", "Sync    ", "        ", "        ", 0));
    rack.addModule(module(14, Kind::Transmitter, 0xC1, "12345678", "Unknown ", "        ", "        ", "        ", 0));
    start();

    EXPECT_EQ(CBROWSER::instance().intUpdateCollectRack(), 0);
    ASSERT_EQ(scanned().size(), 4);
    EXPECT_EQ(scanned()[0]->strCustomType, QStringLiteral("Custom  Type    "));

    const CRADIO& noMarker = *scanned()[1];
    EXPECT_EQ(noMarker.intRxTxEx, 3);
    EXPECT_EQ(noMarker.strModuleType, QStringLiteral("Vr41-10-0000"));
    EXPECT_TRUE(noMarker.strCustomType.isEmpty());
    EXPECT_TRUE(noMarker.strUserRemark.isEmpty());
    EXPECT_EQ(noMarker.datCreated, 0);

    for (int i : {2, 3}) {
        const CRADIO& other = *scanned()[i];
        EXPECT_EQ(other.intRxTxEx, i == 2 ? 4 : -1);
        EXPECT_TRUE(other.strRxTxEx.isEmpty());
        EXPECT_TRUE(other.strModuleType.isEmpty());
        EXPECT_TRUE(other.strCustomType.isEmpty());
    }
}

TEST_F(RackScan, ModuleThatStopsAnsweringGetsARecordOfItsOwn)
{
    rack.addModule(module(21, Kind::Receiver, 0x13, "31150000", "First   ", "Module  ", "Has     ", "Texts   ", kMadeOn));
    rack.addModule(module(22, Kind::Exciter, 0x14, "33150000", "Second  ", "Module  ", "        ", "        ", kMadeOn));
    rack.addModule(module(23, Kind::Transmitter, 0x10, "32150000", "Third   ", "Module  ", "        ", "        ", 0));
    // The second answers the POLL, its LINK and the READ of page 2, then drops off the line.
    rack.setFault(22, rackemu::Fault::stopAfter(3));
    start();

    EXPECT_EQ(CBROWSER::instance().intUpdateCollectRack(), 0);
    ASSERT_EQ(scanned().size(), 3);
    const CRADIO& dropped = *scanned()[1];
    EXPECT_EQ(dropped.strSerial, QStringLiteral("22"));
    EXPECT_EQ(dropped.intRxTxEx, -1);  // nothing of the first module's replies
    EXPECT_TRUE(dropped.strRxTxEx.isEmpty());
    EXPECT_TRUE(dropped.strModuleType.isEmpty());
    EXPECT_TRUE(dropped.strCustomType.isEmpty());
    EXPECT_TRUE(dropped.strUserRemark.isEmpty());
    EXPECT_EQ(dropped.datCreated, 0);

    EXPECT_EQ(scanned()[0]->strCustomType, QStringLiteral("First   Module  "));
    EXPECT_EQ(scanned()[2]->intRxTxEx, 1);
    EXPECT_EQ(scanned()[2]->strCustomType, QStringLiteral("Third   Module  "));
    EXPECT_TRUE(platform::Progress::instance().atRest());
}

TEST_F(RackScan, EmptyRackFailsThePollAndEmptiesTheList)
{
    start();
    scanned().append(std::make_shared<CRADIO>());  // from an earlier scan
    ScriptedMsgBox box;  // the scan itself says nothing
    EXPECT_NE(CBROWSER::instance().intUpdateCollectRack(), 0);
    EXPECT_TRUE(scanned().isEmpty());
    EXPECT_TRUE(platform::Progress::instance().atRest());
    EXPECT_TRUE(captions.contains(QStringLiteral("Reading rack...")));
    EXPECT_EQ(sent(rackemu::Command::Link), 0);
}

TEST_F(RackScan, ReadRackShowsTheRackDialogOnlyAfterAScan)
{
    int shown = 0;
    WindowRegistry::registerDialog(WindowRegistry::kReadRack, [&](QWidget*) -> QDialog* {
        ++shown;
        EXPECT_EQ(scanned().size(), 1);
        return nullptr;
    });
    rack.addModule({31, Kind::Exciter});
    start();
    frmMain main;
    QAction* readRack = main.findChild<QAction*>(QStringLiteral("MNUREADRACK"));
    readRack->trigger();
    EXPECT_EQ(shown, 1);

    rack.setFault(rackemu::Fault::silence());
    ScriptedMsgBox box;
    box.expect(QStringLiteral("No response from rack. Please check connection."));
    main.ToolbarMain_ButtonClick(QStringLiteral("Poll"));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(box.shown()[0].title, QStringLiteral("Read Module"));
    EXPECT_EQ(box.shown()[0].icon(), platform::vbExclamation);
    WindowRegistry::registerDialog(WindowRegistry::kReadRack, [](QWidget*) -> QDialog* { return nullptr; });
}

TEST(PollEntries, FiveByteEntriesAndATrailingFragmentOfFour)
{
    const QByteArray entry("P\x01\x02\x03x", 5);
    const struct {
        QByteArray reply;
        int entries;
    } cases[] = {
        {QByteArray(), 0}, {QByteArray("P\x01\x02", 3), 0}, {entry.left(4), 1},
        {entry + entry, 2}, {entry + entry + "P", 2}, {entry + entry + entry.left(4), 3},
    };
    for (const auto& c : cases) {
        const QList<QByteArray> serials = rackscan::pollEntries(c.reply);
        EXPECT_EQ(serials.size(), c.entries) << c.reply.size();
        for (const QByteArray& s : serials)
            EXPECT_EQ(s, QByteArray("\x01\x02\x03", 3));
    }
}

TEST_F(RackScan, TypeProbeReadsTheLinkedModule)
{
    rack.addModule({51, Kind::Exciter});
    rack.addModule({52, Kind::ToneRemote});
    start();
    for (const auto& [serial, code] : {std::pair{51, 2}, std::pair{52, 3}}) {
        ASSERT_EQ(CLASSLINK::instance().intExecute(basVelmar::strLongTo3Bytes(serial)), 0);
        int16_t type = 99;
        EXPECT_EQ(basVelmar::intReadModuleType(QString::number(serial), type), 0);
        EXPECT_EQ(type, code);
    }
    // A module that is not linked does not answer: the code stays as it was.
    int16_t type = 99;
    EXPECT_EQ(basVelmar::intReadModuleType(QStringLiteral("51"), type), -1);
    EXPECT_EQ(type, 99);
}
