#pragma once
#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

// New: the technician picks a model of the catalogue on the tab of its kind, checks or changes the
// proposed serial number, and OK opens a new document of that model in the window of its kind.
class frmNewModule : public QDialog {
    Q_OBJECT
public:
    explicit frmNewModule(QWidget* parent = nullptr);

    // The serial number box as OK takes it: a number of at most 8 characters, not negative.
    // 0; -1 after a message.
    int16_t intConsistencyCheck();
    // Opens the first selected model of the showing tab in a new window. 0 when a window was made
    // and filled; -1 after a message (the dialog stays, as it was).
    int16_t intOK();
    void Form_Load();
    void cmdOk_Click();
    // Double click on a line of any of the four lists: as OK.
    void lstModel_DblClick();
    // Enter in the receiver, transmitter and exciter lists: as OK. True when the key was taken.
    bool lstModel_KeyDown(int KeyCode);
    // Shows the band and reference frequencies of the selected model on the tab of that kind
    // (receiver, transmitter or exciter).
    void lstModel_Click(int kind);
    // The focus left the serial number box for another control than OK or Cancel: false when
    // the check refused the number.
    bool txtSerial_LostFocus();
    void cmdCancel_Click();

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtSerial = nullptr;
    QTabWidget* tabModuleType = nullptr;
    QListWidget* lstRx = nullptr;
    QListWidget* lstTx = nullptr;
    QListWidget* lstEx = nullptr;
    QListWidget* lstToneRemote = nullptr;
    QLineEdit* txtFrequencyRx = nullptr;
    QLineEdit* txtFrequencyTx = nullptr;
    QLineEdit* txtFrequencyEx = nullptr;
    QLineEdit* txtRef1Rx = nullptr;
    QLineEdit* txtRef2Rx = nullptr;
    QLineEdit* txtRef1Tx = nullptr;
    QLineEdit* txtRef2Tx = nullptr;
    QLineEdit* txtRef1Ex = nullptr;
    QLineEdit* txtRef2Ex = nullptr;

private:
    struct ModelTab {
        QListWidget* list = nullptr;
        QLineEdit* band = nullptr;
        QLineEdit* ref1 = nullptr;
        QLineEdit* ref2 = nullptr;
    };
    // The serial number check of leaving the box, which OK runs too: a whole number from 0 to
    // 16777124. False after a message.
    bool serialNumberAccepted();
    void buildControls();
    // A radio-module tab: its list, band box and reference boxes, named after the kind ("Rx").
    QWidget* buildModelTab(QListWidget*& list, QLineEdit*& band, QLineEdit*& ref1, QLineEdit*& ref2, const QString& kind);
    ModelTab modelTab(int kind) const;
    // The list of the kind: 0 receiver .. 3 tone remote.
    QListWidget* modelList(int kind) const;
};
