#pragma once
#include <QDialog>
#include <cstdint>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

// Read Rack: the modules the last rack scan found, one line each; the technician selects one or
// more and opens them, read from the modules. Clicking a line links that module, so that it can
// be found in the rack; Cancel unlinks.
class frmReadRack : public QDialog {
    Q_OBJECT
public:
    explicit frmReadRack(QWidget* parent = nullptr);

    // Opens every selected module that is not already open as read from the module, in list
    // order. 0, or -1 after a failure has been shown.
    int16_t intOK();
    // Links the first selected module that is not already open.
    void LinkModule();
    // Sends the unlink command twice for each selected line.
    void UnlinkModule();

    void Form_Load();
    void ListModule_Click();
    void ListModule_DblClick();
    // Enter does what OK does; true when the key was taken.
    bool ListModule_KeyDown(int KeyCode);
    void CommandOK_Click();
    void CommandExit_Click();

    QPushButton* CommandExit = nullptr;
    QPushButton* CommandOK = nullptr;
    QGroupBox* Frame1 = nullptr;
    QListWidget* ListModule = nullptr;
    QLabel* Label1 = nullptr;

public Q_SLOTS:
    // Esc and the close box leave as Cancel does.
    void reject() override;
};
