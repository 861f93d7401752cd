#pragma once
#include <QDialog>
#include <cstdint>

class QGroupBox;
class QPushButton;
class QTableWidget;

// Module Management: every module stored in the database, one grid row each; Show opens the top
// selected one loaded from the database, Delete removes the selected ones from the database.
class frmModuleManagement : public QDialog {
    Q_OBJECT
public:
    explicit frmModuleManagement(QWidget* parent = nullptr);

    // Deletes the modules of the selected rows after the technician has agreed, tells how many
    // modules with their pages were deleted and refills the grid. 0, or -1 after a failure.
    int16_t intDeleteSelect();
    // Opens the module of the top selected row, or brings forward the window that already holds
    // it loaded from the database. 0, or -1 after a failure.
    int16_t intModuleShow();
    // Refills the grid from the database. 0 (also when the modules could not be read: the grid
    // then stays as it was), or -1 after a failure.
    int16_t intShow();

    void Form_Load();
    void cmdShow_Click();
    void cmdDelete_Click();
    // The Delete key deletes as the Delete button does. True when the key was taken.
    bool grdModule_KeyDown(int KeyCode);
    void cmdQuit_Click();

    // The grid's rows as the dialog counts them: row 0 is the caption row, data rows start at 1.
    int Rows() const;
    QString cellText(int row, int col) const;

    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdShow = nullptr;
    QPushButton* cmdQuit = nullptr;
    QGroupBox* Frame1 = nullptr;
    QTableWidget* grdModule = nullptr;

private:
    // 1: the top selected row, 2: the bottom one (0 when nothing is selected); 0 for any other.
    int GetSelectedRows(int which) const;
    void layOutGrid();

    int colSerial_ = 0;
    int colType_ = 1;
    int colCustom_ = 2;
    int colFactory_ = 3;
    int colCreated_ = 4;
    int colUpdated_ = 5;
};
