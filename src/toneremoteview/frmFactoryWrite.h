#pragma once
// The factory write: gives the one tone-remote module in the rack its factory identity, a serial
// number and three option flags, from a new document made of these values alone. The calling
// window only gives the serial number shown at start; its document is never changed.
#include <QDialog>
#include <cstdint>
#include <optional>

class IDocumentWindow;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmFactoryWrite : public QDialog {
public:
    explicit frmFactoryWrite(QWidget* parent = nullptr);

    // Shows the serial number of the window's document. 0, or -1 after a failure (shown).
    int16_t intInit(IDocumentWindow& window);
    // The option byte of the ticked boxes: 0x08 with 0x80 Linear Tech, 0x40 Alarm, 0x20 Voting.
    uint8_t FactoryOptionByte() const;
    // The serial number of a typed text: digits only, at most 8 of them, 0 to 16777123.
    static std::optional<int32_t> serialOfText(const QString& text);

    // Event handlers.
    void txtSerialNumber_Validate();
    void cmdOk_Click();
    void cmdCancel_Click();

    // Controls.
    QLabel* Label1 = nullptr;
    QLineEdit* txtSerialNumber = nullptr;
    QGroupBox* Frame1 = nullptr;
    QCheckBox* chkLinTech = nullptr;
    QCheckBox* chkAlarm = nullptr;
    QCheckBox* chkVorting = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void buildControls();
};
