// The factory-write dialog: the serial numbers it takes, the option byte its boxes make, and the
// factory write of the one module in the rack, which leaves the calling window's module alone.
#include "TRViewFixture.h"

#include "support/ModalWatch.h"
#include "support/PageBytes.h"
#include "toneremoteview/frmFactoryWrite.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using rackemu::Command;

class TRFactoryWrite : public TRViewRackTest {
protected:
    // Page 2 of the module with the serial number, byte 0 first.
    QByteArray identityPage(uint32_t serial) const { return testsupport::imagePages(rack_.pages(serial), 2, 2); }
};

TEST_F(TRFactoryWrite, OnlyDigitsUpTo16777123AreASerialNumber)
{
    const struct {
        const char* text;
        std::optional<int32_t> serial;
    } cases[] = {
        {"0", 0},   {"16777123", 16777123}, {"00000001", 1}, {"16777124", {}}, {"123456789", {}}, {"12a", {}},
        {"-5", {}}, {"12.5", {}},           {"+5", {}},      {" 12", {}},      {"", {}},          {"1e3", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(frmFactoryWrite::serialOfText(QString::fromLatin1(c.text)), c.serial) << c.text;
}

TEST_F(TRFactoryWrite, ARefusedSerialNumberWritesNothing)
{
    addModule(factoryImage(), 777);
    line_.open();
    for (const char* text : {"12a", "-5", "12.5", "123456789", "16777124"}) {
        SCOPED_TRACE(text);
        frmFactoryWrite dialog;
        dialog.txtSerialNumber->setText(QString::fromLatin1(text));
        boxes_.expect(
            QStringLiteral("The serial number must be a whole number from 0 to 16777123, of at most 8 digits."));
        dialog.cmdOk_Click();
        EXPECT_EQ(boxes_.shown().last().style, platform::vbOKOnly);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << "the dialog has closed";
    }
    EXPECT_EQ(rack_.frameCount(), 0);
}

TEST_F(TRFactoryWrite, TheBoxesMakeTheOptionByteThatReachesTheModule)
{
    frmFactoryWrite dialog;
    EXPECT_EQ(dialog.FactoryOptionByte(), 0x08);
    const struct {
        QCheckBox* box;
        uint8_t bit;
    } boxes[] = {{dialog.chkLinTech, 0x80}, {dialog.chkAlarm, 0x40}, {dialog.chkVorting, 0x20}};
    for (const auto& b : boxes) {
        b.box->setChecked(true);
        EXPECT_EQ(dialog.FactoryOptionByte(), 0x08 | b.bit) << b.box->objectName().toStdString();
        b.box->setChecked(false);
    }

    // A module of the rack, written twice: with no box ticked and with all three.
    addModule(factoryImage(), 777);
    line_.open();
    for (bool ticked : {false, true}) {
        frmFactoryWrite write;
        write.txtSerialNumber->setText(QStringLiteral("123456"));
        for (const auto& b : {write.chkLinTech, write.chkAlarm, write.chkVorting})
            b->setChecked(ticked);
        write.cmdOk_Click();
        ASSERT_TRUE(testsupport::waitForFrames(rack_, Command::Restart, ticked ? 2 : 1));
        const QByteArray page = identityPage(123456);
        ASSERT_EQ(page.size(), 8) << "the module answers to its new serial number";
        EXPECT_EQ(static_cast<uint8_t>(page[1]), ticked ? 0xE8 : 0x08);
    }
    EXPECT_TRUE(boxes_.shown().isEmpty());
}

TEST_F(TRFactoryWrite, ARackOfTwoModulesIsAFailure)
{
    addModule(factoryImage(), 777);
    addModule(factoryImage(), 778);
    line_.open();
    frmFactoryWrite dialog;
    dialog.txtSerialNumber->setText(QStringLiteral("123456"));
    boxes_.expect(QStringLiteral("Write to module failure!"));
    dialog.cmdOk_Click();
    EXPECT_EQ(boxes_.shown().last().icon(), platform::vbCritical);
    EXPECT_EQ(rack_.frameCount(Command::Write), 0);
}

TEST_F(TRFactoryWrite, TheWindowsCommandStartsFromItsSerialNumberAndLeavesItsModuleAlone)
{
    addModule(factoryImage(), 777);
    line_.open();
    frmOrvViewTR* w = openNew(4242);
    ASSERT_NE(w, nullptr);
    const QByteArray before = testsupport::documentPages(w->document(), 0, w->document().pageCount() - 1);
    w->setWindowTitle(QStringLiteral("changed"));
    QString shown;
    ModalWatch<frmFactoryWrite> watch([&](frmFactoryWrite& d) {
        shown = d.txtSerialNumber->text();
        // An emptied box is 0 once the focus has left it.
        d.txtSerialNumber->clear();
        d.txtSerialNumber_Validate();
        EXPECT_EQ(d.txtSerialNumber->text(), QStringLiteral("0"));
        d.txtSerialNumber->setText(QStringLiteral("4243"));
        d.cmdOk->click();
    });
    EXPECT_EQ(w->intCommandFactoryWrite(), 0);
    EXPECT_EQ(watch.count(), 1);
    EXPECT_EQ(shown, QStringLiteral("4242"));
    ASSERT_TRUE(testsupport::waitForFrames(rack_, Command::Restart));
    EXPECT_EQ(identityPage(4243).size(), 8);
    EXPECT_EQ(testsupport::documentPages(w->document(), 0, w->document().pageCount() - 1), before);
    EXPECT_EQ(w->windowTitle(),
              QStringLiteral("Model: ") + w->document().strModuleUsed + QStringLiteral(" Serial Number: 4242"));
}
