#include "modules/frmUserDatabase.h"

#include "db/CBROWSER.h"
#include "db/CLASSOrvDB.h"
#include "db/CModule.h"
#include "platform/ui/DialogPlacement.h"
#include "modules/ModelEntryCheck.h"
#include "modules/ModelListLine.h"
#include "platform/Help.h"
#include "platform/MsgBox.h"
#include "platform/ui/Named.h"
#include "shell/FailureTrap.h"
#include "shell/HelpTopics.h"
#include "shell/LocaleNumbers.h"
#include "shell/ModuleType.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

using basVelmar::formatFixed;

namespace {

using modellist::lineModelName;
using platform::named;

} // namespace

frmUserDatabase::frmUserDatabase(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmUserDatabase"));
    setWindowTitle(QStringLiteral("User Database"));
    buildControls();
    Form_Load();
}

void frmUserDatabase::buildControls()
{
    tabModule = named(new QTabWidget(this), "tabModule");
    QListWidget** lists[] = {&lstModuleRx, &lstModuleTx, &lstModuleEx};
    const char* listNames[] = {"lstModuleRx", "lstModuleTx", "lstModuleEx"};
    for (int kind = basVelmar::kReceiver; kind <= basVelmar::kExciter; ++kind) {
        QListWidget* list = named(new QListWidget, listNames[kind]);
        *lists[kind] = list;
        modellist::setUpModelList(*list);
        list->setMinimumHeight(list->fontMetrics().height() * 14);
        tabModule->addTab(list, basVelmar::strModuleTypeText(kind));
        // A click, a double click or a key that moves the selection shows the chosen line's record.
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list] { lstModule_Click(list); });
        connect(list, &QListWidget::itemClicked, this, [this, list] { lstModule_Click(list); });
    }

    auto* fields = new QGridLayout;
    int row = 0;
    const auto addRow = [&](QLabel* label, QWidget* box, const char* unitName = nullptr, const QString& unit = QString()) {
        fields->addWidget(label, row, 0);
        fields->addWidget(box, row, 1, 1, unitName ? 1 : 2);
        if (unitName)
            fields->addWidget(named(new QLabel(unit, this), unitName), row, 2);
        ++row;
    };
    const QString mhz = QStringLiteral("MHz");
    const QString khz = QStringLiteral("kHz");
    Label1 = named(new QLabel(QStringLiteral("Module Name:"), this), "Label1");
    txtModuleNumb = named(new QLineEdit(this), "txtModuleNumb");
    addRow(Label1, txtModuleNumb);
    Label2 = named(new QLabel(QStringLiteral("Module Type:"), this), "Label2");
    cboType = named(new QComboBox(this), "cboType");
    for (int kind = basVelmar::kReceiver; kind <= basVelmar::kToneRemote; ++kind)
        cboType->addItem(basVelmar::strModuleTypeText(kind));
    cboType->setEnabled(false);
    addRow(Label2, cboType);
    lblLowerFreql = named(new QLabel(QStringLiteral("Lower Frequency Limit"), this), "lblLowerFreql");
    txtLowerFreql = named(new QLineEdit(this), "txtLowerFreql");
    addRow(lblLowerFreql, txtLowerFreql, "lblLowerFreqlUnit", mhz);
    lblUpperFreql = named(new QLabel(QStringLiteral("Upper Frequency Limit"), this), "lblUpperFreql");
    txtUpperFreql = named(new QLineEdit(this), "txtUpperFreql");
    addRow(lblUpperFreql, txtUpperFreql, "lblUpperFreqlUnit", mhz);
    lblIntFreq = named(new QLabel(QStringLiteral("Intermediate Frequency:"), this), "lblIntFreq");
    txtIntFreq = named(new QLineEdit(this), "txtIntFreq");
    addRow(lblIntFreq, txtIntFreq, "lblIntFreqUnit", mhz);
    lblInjection = named(new QLabel(QStringLiteral("Injection Side: "), this), "lblInjection");
    optHigh = named(new QRadioButton(QStringLiteral(" High"), this), "optHigh");
    optLow = named(new QRadioButton(QStringLiteral("Low"), this), "optLow");
    auto* sides = new QHBoxLayout;
    sides->addWidget(optHigh);
    sides->addWidget(optLow);
    sides->addStretch(1);
    fields->addWidget(lblInjection, row, 0);
    fields->addLayout(sides, row++, 1, 1, 2);
    lblTCXOFreq = named(new QLabel(QStringLiteral("Reference Frequency:"), this), "lblTCXOFreq");
    txtTCXOFreq = named(new QLineEdit(this), "txtTCXOFreq");
    addRow(lblTCXOFreq, txtTCXOFreq, "lblTCXOFreqUnit", mhz);
    lblRef1 = named(new QLabel(QStringLiteral("Ref frequency1:"), this), "lblRef1");
    txtRef1 = named(new QLineEdit(this), "txtRef1");
    addRow(lblRef1, txtRef1, "lblRef1Unit", khz);
    lblRef2 = named(new QLabel(QStringLiteral("Ref frequency2:"), this), "lblRef2");
    txtRef2 = named(new QLineEdit(this), "txtRef2");
    addRow(lblRef2, txtRef2, "lblRef2Unit", khz);
    lblPreScalar = named(new QLabel(QStringLiteral("Pre Scaler:"), this), "lblPreScalar");
    txtPreScalar = named(new QLineEdit(this), "txtPreScalar");
    addRow(lblPreScalar, txtPreScalar);
    chkDoubled = named(new QCheckBox(QStringLiteral(" Doubled"), this), "chkDoubled");
    fields->addWidget(chkDoubled, row++, 1, 1, 2);
    fields->setRowStretch(row, 1);
    fields->setColumnStretch(1, 1);

    CommandNew = named(new QPushButton(QStringLiteral("&New"), this), "CommandNew");
    CommandApply = named(new QPushButton(QStringLiteral("&Apply"), this), "CommandApply");
    CommandDelete = named(new QPushButton(QStringLiteral("&Delete"), this), "CommandDelete");
    cmdHelp = named(new QPushButton(QStringLiteral("&Help"), this), "cmdHelp");
    CommandOK = named(new QPushButton(QStringLiteral("&Close"), this), "CommandOK");
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {CommandNew, CommandApply, CommandDelete, cmdHelp, CommandOK}) {
        // Enter in a box presses no button: New or Delete would lose what was typed.
        b->setAutoDefault(false);
        buttons->addWidget(b);
        if (b == cmdHelp)
            buttons->addStretch(1);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(tabModule, 1);
    top->addSpacing(12);
    top->addLayout(fields);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    connect(cboType, &QComboBox::currentIndexChanged, this, &frmUserDatabase::cboType_Click);
    connect(CommandNew, &QPushButton::clicked, this, &frmUserDatabase::CommandNew_Click);
    connect(CommandApply, &QPushButton::clicked, this, &frmUserDatabase::CommandApply_Click);
    connect(CommandDelete, &QPushButton::clicked, this, &frmUserDatabase::CommandDelete_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmUserDatabase::cmdHelp_Click);
    connect(CommandOK, &QPushButton::clicked, this, &frmUserDatabase::CommandOK_Click);
}

void frmUserDatabase::Form_Load()
{
    platform::centreOnScreen(*this);
    setEditMode(false);
    basVelmar::trapped([this]() -> int16_t {
        fillLists();
        return intReadModData(firstReceiverName());
    });
}

bool frmUserDatabase::fillLists()
{
    QListWidget* lists[] = {lstModuleRx, lstModuleTx, lstModuleEx};
    for (QListWidget* list : lists) {
        const QSignalBlocker quiet(list);
        list->clear();
    }
    CBROWSER& browser = CBROWSER::instance();
    const bool read = browser.intUpdateCollectModuleDB() == 0;
    for (const std::shared_ptr<CModule>& model : browser.moduleDB) {
        // Tone-remote models, and models of a kind without a name, are listed nowhere.
        if (!model || model->intRxTxEx < basVelmar::kReceiver || model->intRxTxEx > basVelmar::kExciter)
            continue;
        QListWidget* list = lists[model->intRxTxEx];
        const QSignalBlocker quiet(list);
        modellist::addModelLine(*list, *model);
    }
    return read;
}

QString frmUserDatabase::firstReceiverName() const
{
    return lstModuleRx->count() > 0 ? lineModelName(*lstModuleRx->item(0)) : QString();
}

int16_t frmUserDatabase::intReadModData(const QString& strModuleName)
{
    return basVelmar::trapped([&]() -> int16_t {
        ModData read = record_;
        if (CLASSOrvDB::instance().intReadModData(strModuleName, read) != 0) {
            // Nothing is on display now: no command may act on the record shown before.
            record_ = ModData{};
            record_.lngID = -1;
            recordName_.clear();
            for (QLineEdit* box : {txtModuleNumb, txtTCXOFreq, txtLowerFreql, txtUpperFreql, txtIntFreq})
                box->clear();
            setEditMode(editMode_);
            return -1;
        }
        record_ = read;
        recordName_ = strModuleName;
        record_.boolStandard = read.strInfoType.trimmed() == CModule::kStandardModel;
        if (record_.boolStandard) {
            record_.strInfoType = strModuleName;
            // A standard model is never edited here: a record being entered gives way to it.
            editMode_ = false;
        }
        return intShow();
    });
}

int16_t frmUserDatabase::intShow()
{
    return basVelmar::trapped([this]() -> int16_t {
        txtModuleNumb->setText(recordName_);
        const int kind = record_.intType;
        const bool knownKind = kind >= basVelmar::kReceiver && kind <= basVelmar::kToneRemote;
        if (knownKind)
            cboType->setCurrentIndex(kind);
        txtLowerFreql->setText(formatFixed(record_.lngLowFreq / 1e6, 6));
        txtUpperFreql->setText(formatFixed(record_.lngUpFreq / 1e6, 6));
        txtIntFreq->setText(formatFixed(std::abs(static_cast<double>(record_.lngIntFreq)) / 1e6, 6));
        (record_.lngIntFreq >= 0 ? optHigh : optLow)->setChecked(true);
        txtTCXOFreq->setText(formatFixed(record_.lngTCXOFreq / 1e6, 6));
        txtRef1->setText(formatFixed(record_.lngRef1 / 1e3, 3));
        txtRef2->setText(formatFixed(record_.lngRef2 / 1e3, 3));
        txtPreScalar->setText(QString::number(record_.intPrescalar));
        chkDoubled->setChecked(record_.boolDoubled);
        if (knownKind)
            showFieldsOfKind(kind, true);
        setEditMode(editMode_);
        return 0;
    });
}

void frmUserDatabase::showFieldsOfKind(int kind, bool all)
{
    if (kind < basVelmar::kReceiver || kind > basVelmar::kToneRemote)
        return;
    const bool receiver = kind == basVelmar::kReceiver;
    const bool radio = kind != basVelmar::kToneRemote;
    for (QWidget* w : std::initializer_list<QWidget*>{lblInjection, optHigh, optLow, lblIntFreq, txtIntFreq})
        w->setVisible(receiver);
    for (QWidget* w : std::initializer_list<QWidget*>{lblLowerFreql, txtLowerFreql, lblUpperFreql, txtUpperFreql, lblTCXOFreq,
                                                      txtTCXOFreq, lblRef1, txtRef1, lblRef2, txtRef2})
        w->setVisible(radio);
    if (all)
        for (QWidget* w : std::initializer_list<QWidget*>{lblPreScalar, txtPreScalar, chkDoubled})
            w->setVisible(radio);
}

void frmUserDatabase::setEditMode(bool on)
{
    editMode_ = on;
    for (QWidget* w : std::initializer_list<QWidget*>{txtModuleNumb, txtLowerFreql, txtUpperFreql, txtIntFreq, optHigh, optLow,
                                                      txtTCXOFreq, txtRef1, txtRef2, txtPreScalar, chkDoubled})
        w->setEnabled(on);
    CommandApply->setEnabled(on);
    CommandDelete->setEnabled(!on || record_.lngID > 0);
}

void frmUserDatabase::lstModule_Click(QListWidget* list)
{
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->isSelected())
            intReadModData(lineModelName(*list->item(row)));
}

void frmUserDatabase::cboType_Click()
{
    const int kind = cboType->currentIndex();
    if (kind < 0)
        return;
    record_.intType = static_cast<int16_t>(kind);
    showFieldsOfKind(kind, false);
}

void frmUserDatabase::CommandNew_Click()
{
    record_.lngID = -1;
    record_.intType = static_cast<int16_t>(tabModule->currentIndex());
    record_.boolStandard = false;
    record_.strInfoType = recordName_;
    recordName_ = QStringLiteral("<New>");
    editMode_ = true;
    intShow();
}

int16_t frmUserDatabase::intConsistentData()
{
    return basVelmar::trapped([this]() -> int16_t {
        modeleditor::ModelEntry entry;
        entry.name = txtModuleNumb->text();
        entry.lowerLimit = txtLowerFreql->text();
        entry.upperLimit = txtUpperFreql->text();
        entry.ref1 = txtRef1->text();
        entry.ref2 = txtRef2->text();
        entry.prescaler = txtPreScalar->text();
        entry.doubled = chkDoubled->isChecked();
        entry.intermediate = txtIntFreq->text();
        entry.highSide = optHigh->isChecked();
        entry.tcxo = txtTCXOFreq->text();
        entry.kind = cboType->currentIndex();
        QStringList names;
        for (const std::shared_ptr<CModule>& model : CBROWSER::instance().moduleDB)
            if (model)
                names.append(model->strModule);
        const QString messages = modeleditor::checkModelEntry(entry, record_.lngID < 0, names, recordName_, record_);
        if (messages.isEmpty())
            return 0;
        platform::MsgBox(messages, platform::vbOKOnly);
        return -1;
    });
}

void frmUserDatabase::CommandApply_Click()
{
    // Only a user model being entered is saved; a standard one on display never is.
    if (!editMode_ || record_.boolStandard || intConsistentData() != 0)
        return;
    int32_t id = record_.lngID;
    // A refused save has been reported; the entry stays for another try.
    if (CLASSOrvDB::instance().intUpdateModData(id, recordName_, record_) != 0)
        return;
    record_.lngID = id;
    fillLists();
    editMode_ = false;
    intShow();
}

void frmUserDatabase::CommandDelete_Click()
{
    if (record_.boolStandard) {
        platform::MsgBox(QStringLiteral("You can not delete standard module data from database."), platform::vbOKOnly);
        return;
    }
    if (CLASSOrvDB::instance().intDeleteModData(record_.lngID) != 0) {
        platform::MsgBox(QStringLiteral("The module data [%1] could not be deleted.").arg(recordName_), platform::vbOKOnly);
        return;
    }
    const bool listed = fillLists();
    intReadModData(listed ? firstReceiverName() : QString());
}

void frmUserDatabase::cmdHelp_Click() { basVelmar::ShowHelp(this, platform::HELP_TAB, windowTitle()); }

void frmUserDatabase::CommandOK_Click() { reject(); }
