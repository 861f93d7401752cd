#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

// The About box: the program's name and its version with the revision.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
    void Form_Load();
    void CommandOK_Click();

    QLabel* lblVersion = nullptr;
    QPushButton* CommandOK = nullptr;
};
