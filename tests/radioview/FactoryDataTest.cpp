// The factory data dialog: what it shows of a document, the entries it refuses before anything
// changes, and the factory write into the one module of the rack.
#include "support/ModalWatch.h"
#include "ViewFixture.h"

#include "radioview/ChannelCells.h"
#include "radioview/frmFVorn.h"

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

using namespace radiolayout;
using rackemu::Command;

namespace {

// Entries that pass every check.
void enterValid(frmFVorn& d)
{
    d.txtSerialNumber->setText("4660");
    d.txtMaxNoChan->setText("64");
    d.txtPartition->setText("16");
    d.txtModuleType->setText(kTransmitterModel);
    d.txtProductionDate->setText("07-03-2024");
    d.txtModifiedDate->setText("09032024");
}

} // namespace

class FactoryDataTest : public ViewRackTest {
protected:
    // A window on a new 4-channel transmitter document with serial 1000.
    frmOrvView* openDocument() { return openNew(kTransmitterModel, 1000, 4); }
};

TEST_F(FactoryDataTest, ShowsTheDocumentsFactoryData)
{
    CLASSOrvDocument doc;
    doc.strSerial = "74565";
    doc.intMaxchannel = 32;
    doc.intPartition = 12;
    doc.bytFlag1 = 0x02 | 0x01;  // receiver, high side, fixed TCXO, older model code form
    doc.strModuleType = "V051-20-000";
    doc.strCustomType = "Mine";
    doc.strProductionDate = "07032024";
    doc.strLastModified = "09-03-2024";
    ModalWatch<frmFVorn> watch([&](frmFVorn& d) {
        EXPECT_EQ(d.windowTitle(), "Factory Write");
        EXPECT_EQ(d.txtSerialNumber->text(), "74565");
        EXPECT_EQ(d.txtMaxNoChan->text(), "32");
        EXPECT_EQ(d.txtPartition->text(), "12");
        EXPECT_EQ(d.txtModuleType->text(), "Vr05-12-0000");
        EXPECT_EQ(d.txtCustomType->text(), "") << "the older form shows no custom type";
        EXPECT_EQ(d.txtProductionDate->text(), "07-03-2024");
        EXPECT_EQ(d.txtModifiedDate->text(), "09-03-2024");
        EXPECT_TRUE(d.optReceiver->isChecked());
        EXPECT_TRUE(d.optHighSideInjection->isChecked());
        EXPECT_TRUE(d.optFixedTXCO->isChecked());
        EXPECT_TRUE(d.opt3digit->isChecked());
        // The buttons change only their bits; the model code box stays as shown.
        d.opt4digit->click();
        d.optExciter->click();
        d.optModulatableTCXO->click();
        EXPECT_EQ(d.flagByte(), 0x10 | 0x08 | 0x04 | 0x01);
        EXPECT_EQ(d.txtModuleType->text(), "Vr05-12-0000");
        // An emptied serial box becomes 0 when the focus leaves it.
        d.txtSerialNumber->clear();
        d.txtSerialNumber_LostFocus();
        EXPECT_EQ(d.txtSerialNumber->text(), "0");
        d.cmdCancel->click();
    });
    frmFVorn dialog;
    dialog.ShowForm(doc);
    EXPECT_EQ(watch.count(), 1);
    EXPECT_EQ(doc.strModuleType, "V051-20-000") << "Cancel leaves the document alone";
}

TEST_F(FactoryDataTest, RefusedEntriesChangeNothing)
{
    frmOrvView* w = openDocument();
    CLASSOrvDocument& doc = w->document();
    const QByteArray pagesBefore = orvview::imageBytes(doc);
    const QString modelBefore = doc.strModuleType;
    struct Case {
        QLineEdit* frmFVorn::*box;
        QString typed;
        QString message;
    };
    const QList<Case> cases = {
        {&frmFVorn::txtSerialNumber, "16777124", "Serial Number must be numeric and must not exceed 16777124!"},
        {&frmFVorn::txtSerialNumber, "12a", "Serial Number must be numeric"},
        {&frmFVorn::txtSerialNumber, "-5", "Serial Number must be numeric"},
        {&frmFVorn::txtSerialNumber, "999999999", "Serial Number must be numeric"},  // the box keeps eight
        {&frmFVorn::txtMaxNoChan, "0", "Maximum Number of channels must be from 1 to 128."},
        {&frmFVorn::txtMaxNoChan, "129", "Maximum Number of channels must be from 1 to 128."},
        {&frmFVorn::txtMaxNoChan, "1e2", "Maximum Number of channels must be numeric."},
        {&frmFVorn::txtProductionDate, "31-02-2024", "Enter valid date."},
        {&frmFVorn::txtModifiedDate, "2024-03-09", "Enter valid date."},
        {&frmFVorn::txtModifiedDate, "09-032024", "Enter valid date."},
        {&frmFVorn::txtPartition, "14", "Enter valid partition"},
        {&frmFVorn::txtPartition, "", "Enter valid partition"},
        {&frmFVorn::txtModuleType, "Vr99-99-9999", "Invalid model type"},
    };
    rack_.clearFrames();
    ModalWatch<frmFVorn> watch([&](frmFVorn& d) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.typed.toStdString());
            enterValid(d);
            QLineEdit* box = d.*c.box;
            box->setText(c.typed);
            boxes_.expect(c.message);
            d.cmdOk->click();
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(d.focusWidget(), box);
            EXPECT_EQ(orvview::imageBytes(doc), pagesBefore);
            EXPECT_EQ(doc.strModuleType, modelBefore);
            const platform::MsgBoxRequest& shown = boxes_.shown().last();
            if (c.box == &frmFVorn::txtSerialNumber) {
                EXPECT_EQ(shown.icon(), 0) << "the serial number's box has no icon";
            } else {
                EXPECT_EQ(shown.icon(), platform::vbExclamation);
                EXPECT_EQ(shown.title, "Error");
            }
        }
        d.cmdCancel->click();
    });
    ASSERT_TRUE(w->Form_KeyDown('F', 1 | 4));
    EXPECT_EQ(watch.count(), 1);
    EXPECT_EQ(rack_.frameCount(), 0) << "nothing reached the line";
    EXPECT_FALSE(doc.fModified);
}

TEST_F(FactoryDataTest, ValidEntryWritesTheOnlyModuleInTheRack)
{
    QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German));
    addModule(kReceiverModel, 0x000777);
    frmOrvView* w = openDocument();
    rack_.clearFrames();
    ModalWatch<frmFVorn> watch([&](frmFVorn& d) {
        enterValid(d);
        d.txtSerialNumber->setText("16777123");
        d.txtCustomType->setText("Never sent");
        d.cmdOk->click();
    });
    ASSERT_TRUE(w->Form_KeyDown('P', 1 | 4));
    QLocale::setDefault(saved);
    EXPECT_EQ(watch.count(), 1);

    EXPECT_EQ(testsupport::pagesSent(rack_, Command::Write), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(framesOf(Command::Restart), 1);
    EXPECT_EQ(framesOf(Command::End), 0);
    const CLASSOrvDocument& doc = w->document();
    EXPECT_EQ(modulePages(2, 16, 0x000777), orvview::imageBytes(doc).mid(2 * kPageSize, 15 * kPageSize));
    // Serial 0xFFFFA3 in bytes 7-5, 64 channels in bytes 4-3.
    EXPECT_EQ(pageOf(doc, kIdentityPage).mid(3), page7to0({0xFF, 0xFF, 0xA3, 0, 64, 0, 0, 0}).mid(3));
    EXPECT_EQ(doc.strSerial, "16777123") << "the window decoded the new pages";
    EXPECT_EQ(doc.intMaxchannel, 64);
    EXPECT_EQ(pageOf(doc, kProductionDatePage), testsupport::textPage("07032024")) << "dd-mm-yyyy under a \",\" locale";
    EXPECT_EQ(doc.strLastModified, "09-03-2024") << "ddmmyyyy under a \",\" locale";
    EXPECT_EQ(pageOf(doc, kCustomTypePage) + pageOf(doc, kCustomTypePage + 1), QByteArray(16, ' '))
        << "factory data carry no custom type";
    EXPECT_EQ(w->txtSerialNum->text(), "16777123");
    EXPECT_EQ(w->Rows(), 66) << "the grid follows the new channel count";
}

TEST_F(FactoryDataTest, RackWithoutExactlyOneModuleIsNotWritten)
{
    for (const int modules : {0, 2}) {
        SCOPED_TRACE(modules);
        for (int i = rack_.moduleCount(); i < modules; ++i)
            addModule(kTransmitterModel, 0x000100 + i);
        frmOrvView* w = openDocument();
        rack_.clearFrames();
        ModalWatch<frmFVorn> watch([&](frmFVorn& d) {
            enterValid(d);
            boxes_.expect("Write to module failure!");
            d.cmdOk->click();
            EXPECT_FALSE(d.isVisible()) << "the dialog closes after the attempt";
        });
        ASSERT_TRUE(w->Form_KeyDown('F', 1 | 4));
        EXPECT_EQ(boxes_.shown().last().icon(), platform::vbCritical);
        EXPECT_EQ(framesOf(Command::Write), 0);
        EXPECT_EQ(w->document().strSerial, "4660") << "the document keeps the factory data";
        EXPECT_TRUE(w->document().fModified) << "and asks to be saved";
    }
}
