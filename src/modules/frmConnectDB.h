#pragma once
#include <QDialog>
#include <cstdint>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

// Open: the modules stored in the database, one line each; the technician selects one or more and
// opens them, loaded from the database.
class frmConnectDB : public QDialog {
    Q_OBJECT
public:
    explicit frmConnectDB(QWidget* parent = nullptr);

    // Opens every selected module that is not already open as loaded from the database, in list
    // order. 0; -1 after a failure has been shown.
    int16_t intOpen();

    void Form_Load();
    void cmdOpen_Click();
    void LstModule_DblClick();
    // Enter opens; the dialog closes only when that went well. True when the key was taken.
    bool LstModule_KeyDown(int KeyCode);
    void CommandExit_Click();

    QPushButton* cmdOpen = nullptr;
    QPushButton* CommandExit = nullptr;
    QGroupBox* Frame1 = nullptr;
    QListWidget* LstModule = nullptr;
    QLabel* Label1 = nullptr;
};
