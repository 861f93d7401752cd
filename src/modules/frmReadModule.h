#pragma once
#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;

// Read Module: the technician types a module's serial number; the module is linked, its type read
// from it, and it is read into a new document window of its kind.
class frmReadModule : public QDialog {
    Q_OBJECT
public:
    explicit frmReadModule(QWidget* parent = nullptr);

    void Form_Load();
    void CommandOK_Click();
    void CommandCancel_Click();
    // Lets through Backspace (8) and the digits; any other character is discarded (set to 0).
    void TextSerial_KeyPress(int& KeyAscii);
    // Enter runs OK; true when the key was taken.
    bool TextSerial_KeyDown(int KeyCode);

    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLineEdit* TextSerial = nullptr;
};
