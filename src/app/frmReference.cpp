#include "app/frmReference.h"

#include "db/CLASSOrvDB.h"
#include "platform/CommPort.h"
#include "platform/FileDialogs.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "shell/Globals.h"
#include "shell/IniAccess.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace platform;

frmReference::frmReference(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmReference"));
    setWindowTitle(QStringLiteral("Preferences"));

    auto* dbFrame = new QGroupBox(QStringLiteral("Velmar database"), this);
    TextDatabasePathName = new QLineEdit(dbFrame);
    TextDatabasePathName->setObjectName(QStringLiteral("TextDatabasePathName"));
    TextDatabasePathName->setMinimumWidth(320);
    cmdBrowse = new QPushButton(QStringLiteral("&Browse"), dbFrame);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    auto* dbLayout = new QHBoxLayout(dbFrame);
    dbLayout->addWidget(TextDatabasePathName, 1);
    dbLayout->addWidget(cmdBrowse);

    auto* portFrame = new QGroupBox(QStringLiteral("Com Port"), this);
    auto* portLayout = new QHBoxLayout(portFrame);
    for (int i = 0; i < 4; ++i) {
        optPort[i] = new QRadioButton(QStringLiteral(" COM%1").arg(i + 1), portFrame);
        optPort[i]->setObjectName(QStringLiteral("optPort%1").arg(i));
        portLayout->addWidget(optPort[i]);
    }

    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dbFrame);
    layout->addWidget(portFrame);
    layout->addLayout(buttons);

    connect(cmdBrowse, &QPushButton::clicked, this, &frmReference::cmdBrowse_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmReference::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmReference::cmdCancel_Click);
    Form_Load();
}

void frmReference::Form_Load()
{
    TextDatabasePathName->setText(basVelmar::gDatabasePath);
    const int port = basVelmar::gPortNumber;
    if (port < 1 || port > 4) {
        MsgBox(QStringLiteral("Subscript out of range"), vbOKOnly);
        return;
    }
    optPort[port - 1]->setChecked(true);
}

void frmReference::cmdBrowse_Click()
{
    // The file dialog opens over this dialog, which stays open behind it.
    const auto chosen = ShowOpen(CLASSOrvDB::kDialogFileName, CLASSOrvDB::kDialogFilter);
    if (chosen)
        TextDatabasePathName->setText(*chosen);
}

void frmReference::cmdOk_Click()
{
    // The database file named in the box becomes the program's; a file that cannot be opened is
    // reported by the database object, which keeps the open one.
    if (!TextDatabasePathName->text().isEmpty())
        CLASSOrvDB::instance().intReopenDB(TextDatabasePathName->text());

    int16_t port = 1;
    for (int i = 0; i < 4; ++i) {
        if (optPort[i]->isChecked()) {
            port = static_cast<int16_t>(i + 1);
            break;
        }
    }

    CommPort& comm = CommPort::instance();
    const int16_t previous = basVelmar::gPortNumber;
    const bool wasOpen = comm.portOpen();
    const int previousOpen = comm.commPort();
    try {
        basVelmar::gPortNumber = port;
        if (comm.portOpen())
            comm.setPortOpen(false);
        comm.setCommPort(basVelmar::gPortNumber);
        comm.setSettings(QStringLiteral("9600,n,8,1"));
        comm.setPortOpen(true);
    } catch (const platform::Error& e) {
        // Go back to the port that was open, so the program's port number, the open port and
        // the settings file agree.
        basVelmar::gPortNumber = previous;
        comm.setCommPort(wasOpen ? previousOpen : previous);
        if (wasOpen) {
            try {
                comm.setPortOpen(true);
            } catch (const platform::Error&) {
            }
        }
        MsgBox(QStringLiteral("COM Port Error. ") + e.description(), vbOKOnly);
        accept();
        return;
    }
    basVelmar::WriteIniString(QStringLiteral("Comms"), QStringLiteral("PortNumber"),
                              QString::number(basVelmar::gPortNumber), basVelmar::iniPath());
    accept();
}

void frmReference::cmdCancel_Click() { reject(); }
