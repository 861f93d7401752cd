#pragma once
// The factory data of a radio module: serial number, channel count, partition, model code, kind,
// TCXO, injection side and the two dates, checked and written into the document's factory pages
// and into the module that sits alone in the rack.
#include <QDialog>
#include <cstdint>

class CLASSOrvDocument;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmFVorn : public QDialog {
public:
    explicit frmFVorn(QWidget* parent = nullptr);

    // Fills the dialog from the document and shows it modally; returns when it has closed.
    void ShowForm(CLASSOrvDocument& docOrv);
    // ShowForm's filling step on its own: the dialog stays hidden and works on the document.
    void fillForm(CLASSOrvDocument& docOrv);
    // The filling step of ShowForm on its own: the dialog stays hidden.
    void Form_Load();

    // Event handlers. OK checks every entry before the document changes; a failed check leaves
    // the dialog open with the focus in the box to correct.
    void cmdOk_Click();
    void cmdCancel_Click();
    void txtSerialNumber_LostFocus();
    void optLowSideInjection_Click();
    void optHighSideInjection_Click();
    void optTransmitter_Click();
    void optReceiver_Click();
    void optExciter_Click();
    void optFixedTXCO_Click();
    void optModulatableTCXO_Click();
    void opt3digit_Click();
    void opt4digit_Click();

    // The configuration byte the dialog passes on.
    uint8_t flagByte() const { return flag_; }

    // Controls.
    QLineEdit* txtSerialNumber = nullptr;
    QLineEdit* txtMaxNoChan = nullptr;
    QLineEdit* txtPartition = nullptr;
    QLineEdit* txtModuleType = nullptr;
    QLineEdit* txtCustomType = nullptr;
    QLineEdit* txtProductionDate = nullptr;
    QLineEdit* txtModifiedDate = nullptr;
    QRadioButton* optTransmitter = nullptr;
    QRadioButton* optReceiver = nullptr;
    QRadioButton* optExciter = nullptr;
    QRadioButton* optHighSideInjection = nullptr;
    QRadioButton* optLowSideInjection = nullptr;
    QRadioButton* opt4digit = nullptr;
    QRadioButton* opt3digit = nullptr;
    QRadioButton* optFixedTXCO = nullptr;
    QRadioButton* optModulatableTCXO = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    // Esc and the close box cancel.
    void reject() override;

private:
    void buildControls();
    void setBits(uint8_t mask, uint8_t bits) { flag_ = static_cast<uint8_t>((flag_ & ~mask) | bits); }
    // Shows `text` and puts the focus in `box`.
    static void refuse(const QString& text, QLineEdit* box, bool warning = true);

    CLASSOrvDocument* doc_ = nullptr;
    uint8_t flag_ = 0;
};
