#pragma once
#include "db/ModData.h"

#include <QDialog>
#include <QString>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

// User Database: the module models of the catalogue by kind, one record on display. New starts a
// user model as a copy of the record on display, Apply checks and saves it, Delete removes a user
// model; standard models are shown but never changed here.
class frmUserDatabase : public QDialog {
    Q_OBJECT
public:
    explicit frmUserDatabase(QWidget* parent = nullptr);

    // Checks the boxes; shows every failure in one message box. 0 when the record may be saved.
    int16_t intConsistentData();
    // Loads the catalogue record of that name and shows it. -1 when there is none.
    int16_t intReadModData(const QString& strModuleName);
    // Shows the record on display in the boxes, as far as its kind has them.
    int16_t intShow();

    void Form_Load();
    void lstModule_Click(QListWidget* list);
    void cboType_Click();
    void CommandNew_Click();
    void CommandApply_Click();
    void CommandDelete_Click();
    void cmdHelp_Click();
    void CommandOK_Click();

    bool editMode() const { return editMode_; }
    const ModData& record() const { return record_; }
    const QString& recordName() const { return recordName_; }

    QTabWidget* tabModule = nullptr;
    QListWidget* lstModuleRx = nullptr;
    QListWidget* lstModuleTx = nullptr;
    QListWidget* lstModuleEx = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtModuleNumb = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cboType = nullptr;
    QLabel* lblLowerFreql = nullptr;
    QLineEdit* txtLowerFreql = nullptr;
    QLabel* lblUpperFreql = nullptr;
    QLineEdit* txtUpperFreql = nullptr;
    QLabel* lblIntFreq = nullptr;
    QLineEdit* txtIntFreq = nullptr;
    QLabel* lblInjection = nullptr;
    QRadioButton* optHigh = nullptr;
    QRadioButton* optLow = nullptr;
    QLabel* lblTCXOFreq = nullptr;
    QLineEdit* txtTCXOFreq = nullptr;
    QLabel* lblRef1 = nullptr;
    QLineEdit* txtRef1 = nullptr;
    QLabel* lblRef2 = nullptr;
    QLineEdit* txtRef2 = nullptr;
    QLabel* lblPreScalar = nullptr;
    QLineEdit* txtPreScalar = nullptr;
    QCheckBox* chkDoubled = nullptr;
    QPushButton* CommandNew = nullptr;
    QPushButton* CommandApply = nullptr;
    QPushButton* CommandDelete = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* CommandOK = nullptr;

private:
    void buildControls();
    // Empties the three lists and fills them from the catalogue collection; false when the
    // collection could not be read.
    bool fillLists();
    // The name of the first receiver line, empty when there is none.
    QString firstReceiverName() const;
    // Shows or hides the fields a kind of model has; the prescaler and doubler too when `all`.
    void showFieldsOfKind(int kind, bool all);
    void setEditMode(bool on);

    QString recordName_;
    ModData record_;
    bool editMode_ = false;
};
