// The channel editor dialog: what it shows of a channel, its checks and messages, the run it
// writes, and its use from the grid.
#include "ViewFixture.h"

#include "radioview/ChannelCells.h"
#include "radioview/frmEditChannelData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

using namespace radiolayout;
using platform::vbOK;

class ChannelEditorTest : public ViewTest {
protected:
    // A 4-channel document; channel 2 at 150.0125 MHz with tone 88.5 Hz, deviation 33, reference 44,
    // pins 8 and 1.
    CLASSOrvDocument& makeDocument(const QString& model)
    {
        w = openNew(model, 1000, 4);
        CLASSOrvDocument& doc = w->document();
        QByteArray page = page7to0({0, 0, 0, 33, 44, 0, 9, 0x81});
        doc.intWritePage(17, withFrequency(page, 150012500 + doc.lngIntFreq));
        return doc;
    }
    // The dialog on channels 2 to 4 of the window's document.
    frmEditChannelData& dialogOnRun()
    {
        dialog = std::make_unique<frmEditChannelData>();
        EXPECT_EQ(dialog->intFillForm(w->document(), 2, 2), 0);
        return *dialog;
    }
    static QStringList items(const QComboBox* c)
    {
        QStringList out;
        for (int i = 0; i < c->count(); ++i)
            out << c->itemText(i);
        return out;
    }
    frmOrvView* w = nullptr;
    std::unique_ptr<frmEditChannelData> dialog;
};

TEST_F(ChannelEditorTest, ShowsTheFirstChannelOfTheRun)
{
    makeDocument(kTransmitterModel);
    frmEditChannelData& d = dialogOnRun();
    EXPECT_EQ(d.txtChannelNo->text(), "1");
    EXPECT_EQ(d.txtCount->text(), "3");
    EXPECT_EQ(d.txtChannelFrequency->text(), "150.012500");
    // Steps of the table that suit a reference: 12.5 kHz suits both and stands twice.
    EXPECT_EQ(items(d.cboFrequencySteps), (QStringList{"6.250", "12.500", "12.500"}));
    EXPECT_EQ(d.cboFrequencySteps->currentText(), "12.500");
    EXPECT_EQ(d.cboCTCSS->currentText(), "88.5");
    EXPECT_EQ(d.dCTCSS, 88.5);
    EXPECT_EQ(d.txtDeviation->text(), "33");
    EXPECT_EQ(d.txtReference->text(), "44");
    QStringList pins;
    for (QComboBox* pin : d.cboPin)
        pins << pin->currentText();
    EXPECT_EQ(pins, (QStringList{"High", "Low", "Low", "Low", "Low", "Low", "Low", "High"}));
    EXPECT_EQ(d.StartChannel, 2);
    EXPECT_EQ(d.EndChannel, 4);
}

TEST_F(ChannelEditorTest, ReceiverChannelHasNoPotsAndOkWritesThemAsZero)
{
    CLASSOrvDocument& doc = makeDocument(kReceiverModel);
    frmEditChannelData& d = dialogOnRun();
    EXPECT_EQ(d.txtChannelFrequency->text(), "150.012500") << "shown without the intermediate frequency";
    EXPECT_TRUE(d.txtDeviation->isHidden());
    EXPECT_TRUE(d.chkBlockWriteForRef->isHidden());
    d.cmdOK_Click();
    EXPECT_FALSE(d.Cancelled);
    EXPECT_EQ(pageOf(doc, 17).at(channel::kDeviation), 0);
    EXPECT_EQ(pageOf(doc, 17).at(channel::kReference), 0);
}

TEST_F(ChannelEditorTest, OkWritesTheRunAndMarksTheDocument)
{
    CLASSOrvDocument& doc = makeDocument(kTransmitterModel);
    doc.fModified = false;
    const uint8_t pinsBefore = static_cast<uint8_t>(pageOf(doc, 18).at(channel::kPins));
    frmEditChannelData& d = dialogOnRun();
    d.cboCTCSS->setEditText("67.0");
    d.txtDeviation->setText("70");
    d.txtReference->setText("90");
    d.cboPin[1]->setCurrentIndex(1);
    d.chkBlockWriteForPins->setChecked(false);
    ASSERT_EQ(d.SaveChanges(), 0);
    for (int n = 2; n <= 4; ++n) {
        SCOPED_TRACE(n);
        const QByteArray page = pageOf(doc, 15 + n);
        const QByteArray expected = withFrequency(page7to0({0, 0, 0, 70, 90, 0, 1, 0}), 150012500 + 12500 * (n - 2));
        EXPECT_EQ(page.mid(1), expected.mid(1));
    }
    EXPECT_EQ(static_cast<uint8_t>(pageOf(doc, 18).at(channel::kPins)), pinsBefore) << "pins were not to be written";
    EXPECT_TRUE(doc.fModified);
    EXPECT_EQ(d.StartChannel, 2);
    EXPECT_EQ(d.EndChannel, 4);
}

TEST_F(ChannelEditorTest, OkRefusesWhatCannotBeWritten)
{
    struct Case {
        const char* name;
        QString model;
        std::function<void(frmEditChannelData&)> edit;
        QString message;
    };
    const QList<Case> cases = {
        {"step above 10 MHz", kTransmitterModel, [](frmEditChannelData& d) { d.cboFrequencySteps->setEditText("20000"); },
         "Error, invalid step frequency"},
        {"step that suits no listed step with the frequency", kTransmitterModel,
         [](frmEditChannelData& d) { d.cboFrequencySteps->setEditText("5.000"); },
         "Invalid combination of parameters. Please check channel frequency and step values."},
        {"run past the last channel", kTransmitterModel, [](frmEditChannelData& d) { d.txtChannelNo->setText("2"); },
         "The edited channels must lie within the module's channels 0 to 3."},
        {"frequency in the barred band", kBarredExciterModel,
         [](frmEditChannelData& d) { d.txtChannelFrequency->setText("434"); },
         "Please select frequency outside prohibited band!"},
        {"empty count", kTransmitterModel, [](frmEditChannelData& d) { d.txtCount->clear(); }, "Type mismatch"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CLASSOrvDocument& doc = makeDocument(c.model);
        const QByteArray before = orvview::imageBytes(doc);
        frmEditChannelData& d = dialogOnRun();
        c.edit(d);
        boxes_.expect(c.message);
        d.cmdOK_Click();
        EXPECT_TRUE(d.Cancelled);
        EXPECT_EQ(orvview::imageBytes(doc), before);
        EXPECT_EQ(boxes_.pending(), 0);
    }
}

TEST_F(ChannelEditorTest, OkKeepsTheFrequencyWithinTheModelsBand)
{
    struct Case {
        QString typed;
        bool refused;
        QString reopened; // the first channel's frequency when the dialog opens again
    };
    const QList<Case> cases = {
        {"147.9875", true, "150.012500"}, // below the band
        {"148", false, "148.000000"},     // its lower limit
        {"174", false, "174.000000"},     // its upper limit
        {"174.0125", true, "150.012500"}, // above it
        {"0", false, ".000000"},          // no frequency
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        CLASSOrvDocument& doc = makeDocument(kTransmitterModel);
        doc.fModified = false;
        const QByteArray before = orvview::imageBytes(doc);
        frmEditChannelData& d = dialogOnRun();
        d.txtChannelFrequency->setText(c.typed);
        if (c.refused)
            boxes_.expect("The Frequency must be within the range 148 to 174 MHz.");
        d.cmdOK_Click();
        EXPECT_EQ(boxes_.pending(), 0);
        EXPECT_EQ(d.Cancelled, c.refused);
        EXPECT_EQ(doc.fModified, !c.refused);
        if (c.refused) {
            EXPECT_EQ(orvview::imageBytes(doc), before);
            ASSERT_FALSE(boxes_.shown().isEmpty());
            EXPECT_EQ(boxes_.shown().last().title, "Frequency Out Of Range");
        }
        frmEditChannelData again;
        ASSERT_EQ(again.intFillForm(doc, 2, 0), 0);
        EXPECT_EQ(again.txtChannelFrequency->text(), c.reopened);
    }
}

TEST_F(ChannelEditorTest, LeavingTheFrequencyBox)
{
    struct Case {
        QString typed;
        QString message;   // empty: none
        QString after;     // the box's text afterwards
        bool keepsFocus;
    };
    const QList<Case> cases = {
        {"2500", "", "0", false},
        {"100", "The Frequency must be within the range 148 to 174 MHz.", "100", false},
        {"150.00625", "", "150.00625", false}, // every channel of the run on the 6.25 kHz step
        {"150.003125", "Invalid combination of parameters. Please check channel frequency and step values.", "150.003125",
         false},
    };
    makeDocument(kTransmitterModel);
    frmEditChannelData& d = dialogOnRun();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        d.txtChannelFrequency->setText(c.typed);
        if (!c.message.isEmpty())
            boxes_.expect(c.message);
        EXPECT_EQ(d.txtChannelFrequency_LostFocus(), !c.keepsFocus);
        EXPECT_EQ(d.txtChannelFrequency->text(), c.after);
        EXPECT_EQ(boxes_.pending(), 0);
    }

    makeDocument(kBarredExciterModel);
    frmEditChannelData& e = dialogOnRun();
    e.txtChannelFrequency->setText("433.5");
    boxes_.expect("Please select frequency outside prohibited band!");
    EXPECT_FALSE(e.txtChannelFrequency_LostFocus()) << "the focus goes back to the box";
}

TEST_F(ChannelEditorTest, StepAndToneBoxes)
{
    makeDocument(kTransmitterModel);
    frmEditChannelData& d = dialogOnRun();
    d.cboFrequencySteps->setEditText("5.000");
    boxes_.expect("Please check channel step value.");
    d.cboFrequencySteps_Click();

    d.cboCTCSS->setEditText("88.50");
    d.cboCTCSS_LostFocus();
    EXPECT_EQ(d.cboCTCSS->currentText(), "88.5");
    for (const char* text : {"0", "12", "abc"}) {
        d.cboCTCSS->setEditText(text);
        d.cboCTCSS_LostFocus();
        EXPECT_EQ(d.cboCTCSS->currentText(), "88.5") << text << " is no listed tone";
    }
}

TEST_F(ChannelEditorTest, KeyFilters)
{
    makeDocument(kTransmitterModel);
    frmEditChannelData& d = dialogOnRun();
    auto accepts = [](auto handler, frmEditChannelData& dlg, QChar key) {
        int k = key.unicode();
        (dlg.*handler)(k);
        return k != 0;
    };
    d.txtChannelFrequency->setText("150.1");
    EXPECT_TRUE(accepts(&frmEditChannelData::txtChannelFrequency_KeyPress, d, '5'));
    EXPECT_FALSE(accepts(&frmEditChannelData::txtChannelFrequency_KeyPress, d, '.')) << "a second separator";
    EXPECT_FALSE(accepts(&frmEditChannelData::txtChannelFrequency_KeyPress, d, 'a'));
    EXPECT_TRUE(accepts(&frmEditChannelData::txtChannelFrequency_KeyPress, d, '\b'));
    d.txtChannelNo->setText("");
    EXPECT_TRUE(accepts(&frmEditChannelData::txtChannelNo_KeyPress, d, '3'));
    EXPECT_FALSE(accepts(&frmEditChannelData::txtChannelNo_KeyPress, d, '4')) << "the module has channels 0 to 3";
    d.txtChannelNo->setText("2");
    d.txtCount->setText("");
    EXPECT_TRUE(accepts(&frmEditChannelData::txtCount_KeyPress, d, '2'));
    EXPECT_FALSE(accepts(&frmEditChannelData::txtCount_KeyPress, d, '3'));
    d.txtDeviation->setText("25");
    EXPECT_TRUE(accepts(&frmEditChannelData::txtDeviation_KeyPress, d, '5'));
    EXPECT_FALSE(accepts(&frmEditChannelData::txtDeviation_KeyPress, d, '6'));
}

TEST_F(ChannelEditorTest, EditFromTheGrid)
{
    CLASSOrvDocument& doc = makeDocument(kTransmitterModel);
    w->intShowDocument();

    // Cancel changes nothing.
    w->selectCells(2, 1, 3, 1);
    onModal<frmEditChannelData>([](frmEditChannelData& d) { d.cmdCancel_Click(); });
    w->cmdEditChannel_Click();
    EXPECT_FALSE(doc.fModified);

    // A selection over the spare row edits the channels in use only.
    w->selectCells(3, 1, 5, 1);
    QString count;
    onModal<frmEditChannelData>([&count](frmEditChannelData& d) {
        count = d.txtCount->text();
        d.txtDeviation->setText("77");
        d.cmdOK_Click();
        if (d.isVisible())
            d.cmdCancel_Click();
    });
    w->cmdEditChannel_Click();
    EXPECT_EQ(count, "2");
    EXPECT_EQ(w->TextMatrix(3, w->intColDeviation), "77");
    EXPECT_EQ(w->TextMatrix(4, w->intColDeviation), "77");
    EXPECT_TRUE(doc.fModified);

    // On the spare row alone there is nothing to edit: no dialog.
    w->selectCells(5, 1, 5, 1);
    w->cmdEditChannel_Click();
    EXPECT_EQ(w->findChild<frmEditChannelData*>(), nullptr);
}
