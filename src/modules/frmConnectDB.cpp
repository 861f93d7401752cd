#include "modules/frmConnectDB.h"

#include "db/CBROWSER.h"
#include "db/PageImage.h"
#include "platform/ui/DialogPlacement.h"
#include "modules/KeyDown.h"
#include "modules/ModuleListLayout.h"
#include "modules/ModuleListItem.h"
#include "modules/ModuleListLine.h"
#include "modules/ModuleOpening.h"
#include "shell/FailureTrap.h"
#include "platform/BusyCursor.h"
#include "shell/ModuleType.h"
#include "docwindow/DocumentWindow.h"
#include "docwindow/OpenModules.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmConnectDB::frmConnectDB(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmConnectDB"));
    setWindowTitle(QStringLiteral("Open"));

    Frame1 = new QGroupBox(QStringLiteral("Vorn Modules in Database"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label1 = new QLabel(Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    LstModule = new QListWidget(Frame1);
    LstModule->setObjectName(QStringLiteral("LstModule"));
    LstModule->setSelectionMode(QAbstractItemView::ExtendedSelection);
    moduledialogs::setUpModuleList(*Label1, *LstModule,
                                   QStringLiteral("SN        Type        Standard     Custom       Remark"));
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(Label1);
    frameLayout->addWidget(LstModule);

    cmdOpen = new QPushButton(QStringLiteral("&OK"), this);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdOpen->setDefault(true);
    CommandExit = new QPushButton(QStringLiteral("&Cancel"), this);
    CommandExit->setObjectName(QStringLiteral("CommandExit"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOpen);
    buttons->addWidget(CommandExit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    connect(cmdOpen, &QPushButton::clicked, this, &frmConnectDB::cmdOpen_Click);
    connect(CommandExit, &QPushButton::clicked, this, &frmConnectDB::CommandExit_Click);
    connect(LstModule, &QListWidget::itemDoubleClicked, this, &frmConnectDB::LstModule_DblClick);
    moduledialogs::onKeyDown(LstModule, [this](int keyCode) { return LstModule_KeyDown(keyCode); });
    Form_Load();
}

void frmConnectDB::Form_Load()
{
    platform::centreOnScreen(*this);
    platform::BusyCursor busy;
    basVelmar::trapped([this]() -> int16_t {
        CBROWSER& browser = CBROWSER::instance();
        // The collection reports its own failures; the list then stays empty.
        if (browser.intUpdateCollectRadioDB() != 0)
            return -1;
        for (const std::shared_ptr<CRADIO>& record : browser.radioDB) {
            if (record)
                new modulelist::ModuleListItem(record,
                                               modulelist::ModuleListLine(*record, modulelist::RemarkColumn::Filled),
                                               LstModule);
        }
        moduledialogs::selectFirstLine(*LstModule);
        return 0;
    });
}

int16_t frmConnectDB::intOpen()
{
    // The dialog takes no input while the windows open; it stays up, so that after a failure it
    // is still there to try again or to cancel.
    setEnabled(false);
    moduleopen::UnlinkOnViewCloseOff unlinkOff;
    const int16_t status = basVelmar::trapped([this]() -> int16_t {
        for (const std::shared_ptr<CRADIO>& record : modulelist::selectedModules(*LstModule)) {
            const std::optional<long> serial = moduleopen::serialValue(record->strSerial);
            // A module of a kind without a name has no editor to open it in.
            if (!serial || basVelmar::strModuleTypeText(record->intRxTxEx).isEmpty())
                continue;
            bool open = false;
            basVelmar::intIsModuleOpen(*serial, kFromDatabase, open);
            if (open)
                continue;
            const QString serialText = QString::number(*serial);
            moduleopen::intOpenInWindow(record->intRxTxEx,
                                        [&](IDocumentWindow& w) { return w.intInitFromDB(serialText); });
        }
        return 0;
    });
    setEnabled(true);
    return status;
}

void frmConnectDB::cmdOpen_Click()
{
    intOpen();
    accept();
}

void frmConnectDB::LstModule_DblClick() { cmdOpen_Click(); }

bool frmConnectDB::LstModule_KeyDown(int KeyCode)
{
    if (KeyCode != moduledialogs::kEnterKey)
        return false;
    if (intOpen() == 0)
        accept();
    return true;
}

void frmConnectDB::CommandExit_Click() { reject(); }
