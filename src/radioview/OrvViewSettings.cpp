// The settings tab: the module's identity and system settings shown from the document, checked,
// and committed back into it. A commit writes only what the user changed.
#include "radioview/frmOrvView.h"

#include "platform/MsgBox.h"
#include "radio/CLASSOrvDocument.h"
#include "radio/RadioFailure.h"
#include "radioview/OrvViewShown.h"
#include "radioview/ViewNumbers.h"
#include "shell/ShownText.h"
#include "docwindow/DocumentHost.h"
#include "db/PageFields.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include <cmath>

using namespace orvview;
using basVelmar::strShownText;
using platform::MsgBox;

namespace {

constexpr int kTicksPerTenSeconds = 500; // the transmitter timers count 20 ms ticks
constexpr int kBurstUnitMs = 20;
constexpr int kLongestBurstMs = 5100;
constexpr double kHighestSerial = pagefields::kHighestEnteredSerial;

// Sets a list's entry; a value the list has no entry for leaves it without a selection.
void setListIndex(QComboBox* list, int index) { list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1); }

void fillList(QComboBox* list, const QStringList& entries)
{
    list->clear();
    list->addItems(entries);
}

// A reverse tone burst length the module can take: 0 to 5100 ms in steps of 20 ms.
bool toneBurstLengthValid(const QString& text)
{
    bool isNumber = false;
    const int ms = text.toInt(&isNumber);
    return isNumber && ms >= 0 && ms <= kLongestBurstMs && ms % kBurstUnitMs == 0;
}

// A serial box that holds no number (an emptied one): it names no module.
void showInvalidSerial()
{
    MsgBox(QStringLiteral("Invalid Serial Number"), platform::vbExclamation, QStringLiteral("Serial Number"));
}

void showToneBurstLengthRule()
{
    MsgBox(QStringLiteral("The valid values for the Lenght Of Tone Burst field are 0 - 5100 in steps of 20 ms."));
}

// Fills controls without their change events counting as the user's edits.
struct Filling {
    explicit Filling(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~Filling() { flag_ = was_; }
    bool& flag_;
    bool was_;
};

} // namespace

int16_t frmOrvView::intVSBReference() { return 0; }

frmOrvView::ShownSettings frmOrvView::shownSettings() const
{
    return ShownSettings{txtUserRemark->text(),
                         ComboModule[0]->currentIndex(),
                         ComboModule[1]->currentIndex(),
                         ComboTailtime->currentIndex(),
                         chkChangeDefaultChannelOnChannelChange->isChecked(),
                         cboChangeSelectType->currentIndex(),
                         chkReverseToneBurst->isChecked(),
                         cboReverseToneBurstType->currentIndex(),
                         txtLengthOfReverseToneBurst->text()};
}

int16_t frmOrvView::intShowSystem()
{
    return radiodoc::trapped([&]() -> int16_t {
        Filling filling(filling_);
        CLASSOrvDocument& doc = document();
        // The module's own texts show control characters (pages never written) as blanks.
        FrameSystem->setTitle(QStringLiteral(" [") + strShownText(doc.strModuleUsed) + QStringLiteral("]"));
        txtCustomType->setText(strShownText(doc.strCustomType));
        switch (doc.intRxTxEx) {
        case 0: txtTypes->setText(QStringLiteral("Receiver")); break;
        case 1: txtTypes->setText(QStringLiteral("Transmitter")); break;
        case 2: txtTypes->setText(QStringLiteral("Exciter")); break;
        default: break;
        }
        const bool image = doc.intDocumentFrom == kFromBIN || doc.intDocumentFrom == kFromHEX;
        if (image) {
            // An EPROM image is no complete module: it is neither stored nor written from the menus.
            txtStandard->setEnabled(false);
            txtStandard->clear();
            lblStdName->setEnabled(false);
            menuEntry(QStringLiteral("mnuSave"))->setEnabled(false);
            menuEntry(QStringLiteral("MNUARCHIVESAVE"))->setEnabled(false);
        } else {
            txtStandard->setText(strShownText(doc.strModuleType));
        }
        if (IDocumentHost* host = IDocumentHost::current())
            host->refreshForActiveWindow();

        txtSerialNum->setText(doc.strSerial);
        renewCaption();
        txtLastModified->setText(strShownText(doc.strLastModified));
        if (image || doc.intDocumentFrom == kFromMCF) {
            txtFirmwareVersion->setText(QStringLiteral("XX.XX"));
            Label4->setEnabled(false);
        } else {
            txtFirmwareVersion->setText(strShownText(doc.strFirmwareVersion));
        }
        txtLowFreqLim->setText(formatFixed(doc.lngLowerFreql / 1e6, 6, false));
        txtUppFreqLim->setText(formatFixed(doc.lngUpperFreql / 1e6, 6, false));
        txtUserRemark->setText(strShownText(doc.strUserRemark));

        const bool transmitter = doc.intRxTxEx != 0;
        if (transmitter) {
            fillComboNumbers(ComboModule[0], 600, 10);
            LabelModule[0]->setText(QStringLiteral("Transmit timeout timer (sec): "));
            setListIndex(ComboModule[0], doc.intTransmittime / kTicksPerTenSeconds);
            ComboModule[0]->setEnabled(true);
            fillComboNumbers(ComboModule[1], 60, 10);
            LabelModule[1]->setText(QStringLiteral("Transmit lockout timer (sec): "));
            setListIndex(ComboModule[1], doc.intTXlockouttime / kTicksPerTenSeconds);
            ComboModule[1]->setEnabled(true);
            QStringList tail;
            for (int k = 0; k <= 250; ++k)
                tail << formatFixed(k * 0.02, 2);
            fillList(ComboTailtime, tail);
            setListIndex(ComboTailtime, doc.bytTailtime);
            fillList(cboReverseToneBurstType, {QStringLiteral("180"), QStringLiteral("225")});
            setListIndex(cboReverseToneBurstType, doc.bytReverseToneBurstType);
            chkReverseToneBurst->setChecked(doc.bytReverseToneBurst != 0);
            txtLengthOfReverseToneBurst->setText(QString::number(doc.bytLengthOfReverseToneBurst * kBurstUnitMs));
        } else {
            LabelModule[0]->setText(QStringLiteral("Injection side: "));
            fillList(ComboModule[0], {QStringLiteral("Low"), QStringLiteral("High")});
            ComboModule[0]->setCurrentIndex(doc.bytFlag1 & 1);
            ComboModule[0]->setEnabled(false);
            LabelModule[1]->setText(QStringLiteral("Intermediate Frequency (MHz): "));
            fillList(ComboModule[1], {formatFixed(std::fabs(doc.lngIntFreq / 1e6), 1, false)});
            ComboModule[1]->setCurrentIndex(0);
            ComboModule[1]->setEnabled(false);
            cmdEpots->hide();
        }
        for (QWidget* w : {static_cast<QWidget*>(LabelTailtime), static_cast<QWidget*>(ComboTailtime),
                           static_cast<QWidget*>(lblReverseToneBurstType), static_cast<QWidget*>(cboReverseToneBurstType),
                           static_cast<QWidget*>(lblReverseToneBurst), static_cast<QWidget*>(chkReverseToneBurst),
                           static_cast<QWidget*>(lblLengthOfReverseToneBurst),
                           static_cast<QWidget*>(txtLengthOfReverseToneBurst)})
            w->setVisible(transmitter);

        chkChangeDefaultChannelOnChannelChange->setChecked(doc.bytChangeDefaultChanOnChanChange != 0);
        fillList(cboChangeSelectType, {QStringLiteral("Binary"), QStringLiteral("BCD")});
        setListIndex(cboChangeSelectType, doc.bytChangeSelectType);

        *shown_ = shownSettings();
        SSTab1_Click(0);
        return 0;
    });
}

int16_t frmOrvView::intSystemEditApply()
{
    return radiodoc::trapped([&]() -> int16_t {
        CLASSOrvDocument& doc = document();
        const QString serial = txtSerialNum->text();
        double serialValue = 0;
        const auto refuse = [this](QWidget* box) {
            box->setFocus();
            return int16_t(-1);
        };
        if (!parseNumber(serial, serialValue) || serial.size() > 8) {
            showInvalidSerial();
            return refuse(txtSerialNum);
        }
        const QString wrongSerial = QStringLiteral("Wrong Serial Number");
        if (serialValue > kHighestSerial) {
            MsgBox(QStringLiteral("Serial number must not exceed 16777124!"), platform::vbCritical, wrongSerial);
            return refuse(txtSerialNum);
        }
        if (serialValue < 0) {
            MsgBox(QStringLiteral("Serial number must be positive number!"), platform::vbCritical, wrongSerial);
            return refuse(txtSerialNum);
        }
        const bool transmitter = doc.intRxTxEx == 1 || doc.intRxTxEx == 2;
        // The length may not have passed its own check (a command run while the box had the focus).
        if (transmitter && !toneBurstLengthValid(txtLengthOfReverseToneBurst->text())) {
            showToneBurstLengthRule();
            return refuse(txtLengthOfReverseToneBurst);
        }

        if (serial != doc.strSerial) {
            doc.strSerial = serial;
            renewCaption();
        }
        if (txtUserRemark->text() != shown_->remark)
            doc.strUserRemark = txtUserRemark->text();
        if (doc.intRxTxEx != 0) {
            if (ComboTailtime->currentIndex() != shown_->tailIndex)
                doc.bytTailtime = static_cast<uint8_t>(ComboTailtime->currentIndex());
            if (ComboModule[0]->currentIndex() != shown_->timeoutIndex)
                doc.intTransmittime = static_cast<int16_t>(ComboModule[0]->currentIndex() * kTicksPerTenSeconds);
            if (ComboModule[1]->currentIndex() != shown_->lockoutIndex)
                doc.intTXlockouttime = static_cast<int16_t>(ComboModule[1]->currentIndex() * kTicksPerTenSeconds);
        }
        if (chkChangeDefaultChannelOnChannelChange->isChecked() != shown_->changeDefaultChannel)
            doc.bytChangeDefaultChanOnChanChange = chkChangeDefaultChannelOnChannelChange->isChecked() ? 1 : 0;
        if (cboChangeSelectType->currentIndex() != shown_->selectType)
            doc.bytChangeSelectType = static_cast<uint8_t>(cboChangeSelectType->currentIndex());
        if (transmitter) {
            if (chkReverseToneBurst->isChecked() != shown_->reverseToneBurst)
                doc.bytReverseToneBurst = chkReverseToneBurst->isChecked() ? 1 : 0;
            if (cboReverseToneBurstType->currentIndex() != shown_->reverseToneBurstType)
                doc.bytReverseToneBurstType = static_cast<uint8_t>(cboReverseToneBurstType->currentIndex());
            if (txtLengthOfReverseToneBurst->text() != shown_->toneBurstLength)
                doc.bytLengthOfReverseToneBurst =
                    static_cast<uint8_t>(txtLengthOfReverseToneBurst->text().toInt() / kBurstUnitMs);
        }
        *shown_ = shownSettings();
        return 0;
    });
}

void frmOrvView::SSTab1_Click(int)
{
    const bool channelTab = SSTab1->currentIndex() != 0;
    for (QPushButton* b : {cmdEditChannel, cmdDefaultChannel, cmdShow, cmdDeleteChannel, cmdEpots})
        b->setEnabled(channelTab);
    if (channelTab && grdChannel->rowCount() > 0 && grdChannel->columnCount() > 1) {
        grdChannel->setCurrentCell(0, 1);
        grdChannel->setFocus();
    }
}

void frmOrvView::txtSerialNum_Change() { markModified(); }

bool frmOrvView::txtSerialNum_Validate()
{
    // An emptied box is refused, not taken as module 0 (which Save and Write would then use).
    double serialValue = 0;
    if (!parseNumber(txtSerialNum->text(), serialValue)) {
        showInvalidSerial();
        return false;
    }
    CLASSOrvDocument& doc = document();
    doc.strSerial = txtSerialNum->text();
    bool isNumber = false;
    const int32_t serial = txtSerialNum->text().toInt(&isNumber);
    if (isNumber)
        doc.ChangeSerial(serial);
    renewCaption();
    return true;
}

void frmOrvView::txtUserRemark_Change() { markModified(); }

void frmOrvView::txtLengthOfReverseToneBurst_Change() { markModified(); }

bool frmOrvView::txtLengthOfReverseToneBurst_Validate()
{
    if (txtLengthOfReverseToneBurst->text().isEmpty())
        txtLengthOfReverseToneBurst->setText(QStringLiteral("0"));
    if (toneBurstLengthValid(txtLengthOfReverseToneBurst->text()))
        return true;
    showToneBurstLengthRule();
    return false;
}

void frmOrvView::ComboModule_Click(int) { markModified(); }
void frmOrvView::ComboTailtime_Click() { markModified(); }
void frmOrvView::cboChangeSelectType_Click() { markModified(); }
void frmOrvView::cboReverseToneBurstType_Click() { markModified(); }
void frmOrvView::chkChangeDefaultChannelOnChannelChange_Click() { markModified(); }
// A change of the reverse tone burst is a change like any other: closing asks before it is lost.
void frmOrvView::chkReverseToneBurst_Click() { markModified(); }
