#include "modules/frmReadRack.h"

#include "db/CBROWSER.h"
#include "db/PageImage.h"
#include "link/LinkAddress.h"
#include "link/LinkCommands.h"
#include "link/TransferGuard.h"
#include "platform/ui/DialogPlacement.h"
#include "modules/KeyDown.h"
#include "modules/ModuleListLayout.h"
#include "modules/ModuleListItem.h"
#include "modules/ModuleListLine.h"
#include "modules/ModuleOpening.h"
#include "shell/FailureTrap.h"
#include "shell/ModuleType.h"
#include "docwindow/DocumentWindow.h"
#include "docwindow/OpenModules.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The serial number of a listed module when it is not open as read from the module.
std::optional<long> closedSerial(const CRADIO& record)
{
    const std::optional<long> serial = moduleopen::serialValue(record.strSerial);
    if (!serial)
        return std::nullopt;
    bool open = false;
    basVelmar::intIsModuleOpen(*serial, kFromModule, open);
    if (open)
        return std::nullopt;
    return serial;
}

} // namespace

frmReadRack::frmReadRack(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmReadRack"));
    setWindowTitle(QStringLiteral("Read Rack"));

    Frame1 = new QGroupBox(QStringLiteral("Modules in Rack"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label1 = new QLabel(Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    ListModule = new QListWidget(Frame1);
    ListModule->setObjectName(QStringLiteral("ListModule"));
    ListModule->setSelectionMode(QAbstractItemView::ExtendedSelection);
    moduledialogs::setUpModuleList(*Label1, *ListModule,
                                   QStringLiteral("SN       Type         Standard      Custom       Remark"));
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(Label1);
    frameLayout->addWidget(ListModule);

    CommandOK = new QPushButton(QStringLiteral("&OK"), this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    CommandOK->setDefault(true);
    CommandExit = new QPushButton(QStringLiteral("&Cancel"), this);
    CommandExit->setObjectName(QStringLiteral("CommandExit"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CommandOK);
    buttons->addWidget(CommandExit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    connect(CommandOK, &QPushButton::clicked, this, &frmReadRack::CommandOK_Click);
    connect(CommandExit, &QPushButton::clicked, this, &frmReadRack::CommandExit_Click);
    connect(ListModule, &QListWidget::itemClicked, this, &frmReadRack::ListModule_Click);
    connect(ListModule, &QListWidget::itemDoubleClicked, this, &frmReadRack::ListModule_DblClick);
    moduledialogs::onKeyDown(ListModule, [this](int keyCode) { return ListModule_KeyDown(keyCode); });
    Form_Load();
}

void frmReadRack::Form_Load()
{
    // The list shows the scan that the menu command ran before showing the dialog. A module whose
    // type has no name (a kind this program does not configure, or one that stopped answering
    // during the scan) gets no line: nothing could be opened from it.
    for (const std::shared_ptr<CRADIO>& record : CBROWSER::instance().radioRack) {
        if (record && !basVelmar::strModuleTypeText(record->intRxTxEx).isEmpty())
            new modulelist::ModuleListItem(record, modulelist::ModuleListLine(*record, modulelist::RemarkColumn::AsIs),
                                           ListModule);
    }
    moduledialogs::selectFirstLine(*ListModule);
    platform::centreOnScreen(*this);
}

int16_t frmReadRack::intOK()
{
    moduleopen::UnlinkOnViewCloseOff unlinkOff;
    return basVelmar::trapped([this]() -> int16_t {
        // Each window reads its module in full before the next line is looked at.
        for (const std::shared_ptr<CRADIO>& record : modulelist::selectedModules(*ListModule)) {
            const std::optional<long> serial = closedSerial(*record);
            if (!serial)
                continue;
            const QString serialText = QString::number(*serial);
            moduleopen::intOpenInWindow(record->intRxTxEx,
                                        [&](IDocumentWindow& w) { return w.intInitFromModule(serialText); });
        }
        return 0;
    });
}

void frmReadRack::LinkModule()
{
    basVelmar::trapped([this]() -> int16_t {
        for (const std::shared_ptr<CRADIO>& record : modulelist::selectedModules(*ListModule)) {
            const std::optional<long> serial = closedSerial(*record);
            if (!serial)
                continue;
            TransferGuard guard;
            if (!guard.acquired())
                return -1;
            CLASSUNLINK::instance().intExecute();
            if (CLASSUNLINK::instance().intExecute() == 0)
                CLASSLINK::instance().intExecute(basVelmar::strLongTo3Bytes(*serial));
            return 0;
        }
        return 0;
    });
}

void frmReadRack::UnlinkModule()
{
    basVelmar::trapped([this]() -> int16_t {
        TransferGuard guard;
        if (!guard.acquired())
            return -1;
        const qsizetype selected = ListModule->selectedItems().size();
        for (qsizetype i = 0; i < selected; ++i) {
            CLASSUNLINK::instance().intExecute();
            CLASSUNLINK::instance().intExecute();
        }
        return 0;
    });
}

void frmReadRack::ListModule_Click() { LinkModule(); }

void frmReadRack::CommandOK_Click()
{
    intOK();
    accept();
}

void frmReadRack::ListModule_DblClick() { CommandOK_Click(); }

bool frmReadRack::ListModule_KeyDown(int KeyCode)
{
    if (KeyCode != moduledialogs::kEnterKey)
        return false;
    CommandOK_Click();
    return true;
}

void frmReadRack::CommandExit_Click() { reject(); }

void frmReadRack::reject()
{
    UnlinkModule();
    QDialog::reject();
}
