#pragma once
#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;
class QRadioButton;

// Preferences: the database file and the COM port.
class frmReference : public QDialog {
    Q_OBJECT
public:
    explicit frmReference(QWidget* parent = nullptr);

    void Form_Load();
    void cmdBrowse_Click();
    void cmdOk_Click();
    void cmdCancel_Click();

    QLineEdit* TextDatabasePathName = nullptr;
    QPushButton* cmdBrowse = nullptr;
    std::array<QRadioButton*, 4> optPort{};
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
};
