// The pot adjustment dialog against the emulated rack: the exchanges its start values, its bars,
// its boxes, OK and Cancel send, and what a module that stops answering leaves behind.
#include "support/ModalWatch.h"
#include "ViewFixture.h"

#include "radioview/frmSetEpots.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <atomic>

using namespace radiolayout;
using rackemu::Command;
using rackemu::Fault;

namespace {

// Positions of the pots in a WRITE frame: command, serial (3), page (2), then page bytes 7 to 0.
constexpr int kFrameData = 6;
int potInFrame(const QByteArray& frame, int byte) { return static_cast<uint8_t>(frame.at(kFrameData + 7 - byte)); }

const char* commandName(uint8_t c)
{
    switch (static_cast<Command>(c)) {
    case Command::Link: return "LINK";
    case Command::Write: return "WRITE";
    case Command::End: return "END";
    case Command::Unlink: return "UNLINK";
    case Command::Restart: return "RESTART";
    case Command::Read: return "READ";
    case Command::Poll: return "POLL";
    }
    return "?";
}

// Lets queued bar changes go to the module.
void settleWrites()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace

class PotDialogTest : public ViewRackTest {
protected:
    void SetUp() override
    {
        ViewRackTest::SetUp();
        addModule(kTransmitterModel);
        ASSERT_EQ(doc_.intModule2Document(QString::number(kSerial)), 0);
        ASSERT_FALSE(doc_.fModified);
        rack_.clearFrames();
    }
    // The commands the rack took since the last clearFrames, and the (reference, deviation) of
    // each WRITE.
    QString commands() const
    {
        QStringList names;
        for (const rackemu::FrameRecord& f : rack_.frames())
            if (f.valid)
                names << QString::fromLatin1(commandName(f.command));
        return names.join(' ');
    }
    QList<QPair<int, int>> pots() const
    {
        QList<QPair<int, int>> out;
        for (const rackemu::FrameRecord& f : rack_.frames())
            if (f.valid && f.command == static_cast<uint8_t>(Command::Write))
                out << qMakePair(potInFrame(f.bytes, channel::kReference), potInFrame(f.bytes, channel::kDeviation));
        return out;
    }
    // The default channel's pots as the module holds them.
    QPair<int, int> modulePots() const
    {
        const QByteArray page = modulePages(kPartition, kPartition);
        return qMakePair(int(uint8_t(page.at(channel::kReference))), int(uint8_t(page.at(channel::kDeviation))));
    }

    CLASSOrvDocument doc_;
};

TEST_F(PotDialogTest, StartValuesGoToTheModuleReferenceFirst)
{
    struct Case {
        int reference, deviation;
        QString sent;
        QList<QPair<int, int>> written;
    };
    const QList<Case> cases = {
        {0, 0, "", {}},
        {100, 0, "LINK WRITE END", {{100, 0}}},
        {100, 50, "LINK WRITE END LINK WRITE END", {{100, 0}, {100, 50}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.reference << "," << c.deviation);
        rack_.clearFrames();
        doc_.fModified = false;
        QString sentWhenShown;
        ModalWatch<frmSetEpots> watch([&](frmSetEpots& d) {
            sentWhenShown = commands();
            EXPECT_FALSE(d.Cancelled);
            EXPECT_TRUE(d.lblReference->isEnabled());
            EXPECT_EQ(d.txtDeviation->text(), QString::number(c.deviation));
            d.close();
        });
        frmSetEpots dialog;
        dialog.ShowForm(doc_, static_cast<int16_t>(c.reference), static_cast<int16_t>(c.deviation));
        EXPECT_EQ(watch.count(), 1);
        EXPECT_EQ(sentWhenShown, c.sent);
        EXPECT_EQ(pots(), c.written);
        EXPECT_FALSE(dialog.Cancelled) << "the close box keeps what was reached";
        EXPECT_EQ(doc_.fModified, !c.written.isEmpty()) << "a value that reached the document marks it";
        if (!c.written.isEmpty()) {
            EXPECT_EQ(modulePots(), c.written.last());
        }
    }
}

TEST_F(PotDialogTest, ModuleThatRefusesTheEndGetsNoDialog)
{
    rack_.setEndStatus(kSerial, 'X');
    boxes_.expect("The module is not linked, please check connections");
    ModalWatch<frmSetEpots> watch([](frmSetEpots& d) { d.close(); });
    frmSetEpots dialog;
    dialog.ShowForm(doc_, 100, 0);
    EXPECT_EQ(watch.count(), 0);
    EXPECT_TRUE(dialog.Cancelled);
    EXPECT_EQ(boxes_.shown().last().title, "Error");
    EXPECT_EQ(commands(), "LINK WRITE END") << "no UNLINK and no RESTART";
}

TEST_F(PotDialogTest, BoxesBringTheirTextIntoRangeAndMoveTheBar)
{
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"300", "255"}, {"-4", "0"}, {"", "0"}, {"12abc", "12"}, {"abc", "0"}, {"77.5", "78"}};
    ModalWatch<frmSetEpots> watch([&](frmSetEpots& d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.typed);
            d.txtReference->setText(QString::fromLatin1(c.typed));
            d.txtReference_LostFocus();
            settleWrites();
            EXPECT_EQ(d.txtReference->text(), c.shown);
            EXPECT_EQ(d.vsbReference->value(), QString::fromLatin1(c.shown).toInt());
            EXPECT_EQ(modulePots().first, QString::fromLatin1(c.shown).toInt());
        }
        d.cmdOK->click();
    });
    frmSetEpots dialog;
    dialog.ShowForm(doc_, 30, 40);
    EXPECT_FALSE(dialog.Cancelled);
    EXPECT_EQ(pageOf(doc_, kPartition).at(channel::kReference), 78);
}

TEST_F(PotDialogTest, CancelAfterMovesWritesTheStartValuesOnce)
{
    int writesBeforeCancel = 0;
    ModalWatch<frmSetEpots> watch([&](frmSetEpots& d) {
        for (const int v : {120, 130, 140}) {
            d.vsbReference->setValue(v);
            settleWrites();
        }
        d.vsbDeviation->setValue(9);
        settleWrites();
        EXPECT_EQ(modulePots(), qMakePair(140, 9));
        writesBeforeCancel = static_cast<int>(pots().size());
        d.cmdCancel->click();
    });
    frmSetEpots dialog;
    dialog.ShowForm(doc_, 100, 50);
    EXPECT_TRUE(dialog.Cancelled);
    EXPECT_EQ(pots().size(), writesBeforeCancel + 1);
    EXPECT_EQ(pots().last(), qMakePair(100, 50));
    EXPECT_EQ(modulePots(), qMakePair(100, 50));
    EXPECT_EQ(pageOf(doc_, kPartition).at(channel::kReference), 100);
}

TEST_F(PotDialogTest, PositionsReachedDuringAnExchangeAreWrittenOnceAsTheLatest)
{
    std::atomic<bool> posted{false};
    QScrollBar* bar = nullptr;
    // While the first exchange runs, the thumb moves on three times.
    rack_.setObserver([&](const rackemu::FrameRecord& f) {
        if (f.command != static_cast<uint8_t>(Command::Write) || posted.exchange(true))
            return;
        for (const int v : {40, 50, 60})
            QMetaObject::invokeMethod(bar, [bar, v] { bar->setValue(v); }, Qt::QueuedConnection);
    });
    ModalWatch<frmSetEpots> watch([&](frmSetEpots& d) {
        bar = d.vsbDeviation;
        rack_.clearFrames();
        bar->setValue(10);
        settleWrites();
        settleWrites();
        EXPECT_EQ(pots(), (QList<QPair<int, int>>{{0, 10}, {0, 60}}));
        EXPECT_EQ(d.txtDeviation->text(), "60");
        d.cmdOK->click();
    });
    frmSetEpots dialog;
    dialog.ShowForm(doc_, 0, 0);
    rack_.setObserver(nullptr);
    EXPECT_TRUE(posted);
    EXPECT_EQ(modulePots(), qMakePair(0, 60));
}

TEST_F(PotDialogTest, OkThatFailsStaysOpenAndCancelWritesWhatOkTriedToKeep)
{
    ModalWatch<frmSetEpots> watch([&](frmSetEpots& d) {
        d.vsbReference->setValue(150);
        settleWrites();
        rack_.setEndStatus(kSerial, 'X');
        boxes_.expect("The module is not linked, please check connections");
        d.cmdOK->click();
        EXPECT_TRUE(d.isVisible());
        rack_.setEndStatus(kSerial, 'P');
        rack_.clearFrames();
        d.cmdCancel->click();
        EXPECT_EQ(pots(), (QList<QPair<int, int>>{{150, 50}}));
    });
    frmSetEpots dialog;
    dialog.ShowForm(doc_, 100, 50);
    EXPECT_EQ(watch.count(), 1);
    EXPECT_TRUE(dialog.Cancelled);
}

TEST_F(PotDialogTest, RackThatStopsMidDragLeavesTheDocumentMarkedAndCancelSaysSo)
{
    ModalWatch<frmSetEpots> watch([&](frmSetEpots& d) {
        // One more exchange, then the module drops off the line.
        rack_.setFault(kSerial, Fault::stopAfter(rack_.module(rack_.indexOf(kSerial)).commands + 3));
        d.vsbReference->setValue(110);
        settleWrites();
        EXPECT_FALSE(d.Cancelled);
        d.vsbReference->setValue(120);
        settleWrites();
        EXPECT_TRUE(d.Cancelled) << "a failed write from a bar shows nothing but is remembered";
        EXPECT_TRUE(d.isVisible());
        boxes_.expect("The module is not linked, please check connections");
        d.cmdCancel->click();
    });
    frmSetEpots dialog;
    dialog.ShowForm(doc_, 100, 0);
    EXPECT_TRUE(dialog.Cancelled);
    EXPECT_TRUE(doc_.fModified);
    EXPECT_EQ(modulePots(), qMakePair(110, 0)) << "the module kept the last value it took";
    EXPECT_EQ(pageOf(doc_, kPartition).at(channel::kReference), 100) << "the document holds the restored value";
}

TEST_F(PotDialogTest, EpotsButtonStartsFromTheDefaultChannelFrame)
{
    auto* w = new frmOrvView;
    ASSERT_EQ(w->intInitFromModule(QString::number(kSerial)), 0);
    settle();
    w->SSTab1->setCurrentIndex(1);
    EXPECT_EQ(w->txtDFReference->text(), "21");
    w->txtDFReference->setText("400");  // the frame's boxes only display; a text above 255 starts at 255
    rack_.clearFrames();
    ModalWatch<frmSetEpots> watch([&](frmSetEpots& d) {
        EXPECT_EQ(d.txtReference->text(), "255");
        EXPECT_EQ(d.txtDeviation->text(), "41");
        d.vsbDeviation->setValue(45);
        settleWrites();
        d.cmdOK->click();
    });
    w->cmdEpots->click();
    EXPECT_EQ(watch.count(), 1);
    EXPECT_EQ(modulePots(), qMakePair(255, 45));
    EXPECT_EQ(w->TextMatrix(1, w->intColReference), "255") << "the default channel's row shows the new pots";
    EXPECT_EQ(w->TextMatrix(1, w->intColDeviation), "45");
    EXPECT_TRUE(w->document().fModified);
}
