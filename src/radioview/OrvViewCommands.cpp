// Opening a radio module in the window (new, from the database, from the module in the rack),
// the commands that store it and write it back, Locate in Rack, and the question on closing.
#include "radioview/frmOrvView.h"

#include "db/CLASSOrvDB.h"
#include "docwindow/DocumentClosing.h"
#include "docwindow/DocumentHost.h"
#include "docwindow/DocumentTexts.h"
#include "docwindow/OpenerArguments.h"
#include "docwindow/StoreQuestion.h"
#include "docwindow/WindowTransfer.h"
#include "link/LinkAddress.h"
#include "link/LinkCommands.h"
#include "link/TransferGuard.h"
#include "platform/BusyCursor.h"
#include "platform/DoEvents.h"
#include "platform/MsgBox.h"
#include "radio/CLASSOrvDocument.h"
#include "radio/RadioFailure.h"

using docwindow::leftTrimmedRight;
using platform::MsgBox;

int16_t frmOrvView::intInitFromNew(const NewModuleArgs& args)
{
    return radiodoc::trapped([&]() -> int16_t {
        platform::BusyCursor busy;
        platform::DoEvents();
        const QString model = leftTrimmedRight(args.model, 12);
        CLASSOrvDocument& doc = document();
        doc.strCustomType = model;
        if (args.origin == QLatin1String("Standard")) {
            doc.strModuleType = model;
            doc.strCustomType.clear();
        }
        if (doc.intReadModData() != 0)
            return -1;
        const auto serial = static_cast<int32_t>(args.serial);
        const auto channels = static_cast<int32_t>(args.maxChannels);
        const auto partition = static_cast<int32_t>(args.partition);
        // A document that could not be made is not shown: its messages have been given.
        if (doc.NewRadio(model, args.origin, serial, args.suffix, args.productionDate, channels, partition) != 0
            || doc.intNew2Document(model, args.origin, serial, args.suffix, args.productionDate, channels, partition) != 0)
            return -1;
        platform::DoEvents();
        intInitGrid();
        intShowDocument();
        return 0;
    });
}

int16_t frmOrvView::intInitFromDB(const QString& serial)
{
    return radiodoc::trapped([&]() -> int16_t {
        platform::BusyCursor busy;
        const QString serialNumber = leftTrimmedRight(serial, 8);
        platform::DoEvents();
        int32_t moduleID = 0;
        if (CLASSOrvDB::instance().intSerial2ModuleID(serialNumber, moduleID) != 0)
            return -1;
        platform::DoEvents();
        if (document().intDB2Document(moduleID) != 0)
            return -1;
        platform::DoEvents();
        intInitGrid();
        intShowDocument();
        IDocumentHost::required().runCommand(HostCommand::Cascade);
        return 0;
    });
}

int16_t frmOrvView::intInitFromModule(const QString& serial)
{
    return radiodoc::trapped([&]() -> int16_t {
        platform::BusyCursor busy;
        const QString serialNumber = leftTrimmedRight(serial, 8);
        platform::DoEvents();
        int16_t status = -1;
        {
            WindowTransfer transfer(*this, transferRunning_);
            if (!transfer.acquired())
                return -1;
            status = document().intModule2Document(serialNumber);
        }
        if (status != 0) {
            MsgBox(QStringLiteral("Cannot read from module."), platform::vbExclamation, QStringLiteral("Error"));
            return -1;
        }
        platform::DoEvents();
        setCaption(windowTitle() + QStringLiteral("   ") + serialNumber);
        intInitGrid();
        intShowDocument();
        return 0;
    });
}

int16_t frmOrvView::CommandWrite()
{
    return radiodoc::trapped([&]() -> int16_t {
        platform::BusyCursor busy;
        WindowTransfer transfer(*this, transferRunning_);
        if (!transfer.acquired())
            return -1;
        if (intSystemEditApply() != 0)
            return -1;
        if (document().intDocument2Module() != 0) {
            radiodoc::message(doctext::kModuleNotFound, platform::vbCritical);
            return -1;
        }
        return 0;
    });
}

int16_t frmOrvView::intCommandSave()
{
    return radiodoc::trapped([&]() -> int16_t {
        platform::BusyCursor busy;
        if (intSystemEditApply() != 0 || !docwindow::mayStoreOver(document()))
            return -1;
        return document().intDocument2DB();
    });
}

void frmOrvView::cmdSaveToDB_Click() { intCommandSave(); }

void frmOrvView::cmdWriteToRack_Click() { CommandWrite(); }

void frmOrvView::LinkModule_Click()
{
    radiodoc::trapped([&]() -> int16_t {
        WindowTransfer transfer(*this, transferRunning_);
        if (!transfer.acquired())
            return -1;
        bool isNumber = false;
        const qlonglong serial = document().strSerial.trimmed().toLongLong(&isNumber);
        const QByteArray address = isNumber ? basVelmar::strLongTo3Bytes(serial) : QByteArray();
        CLASSUNLINK::instance().intExecute();
        if (CLASSUNLINK::instance().intExecute() == 0)
            CLASSLINK::instance().intExecute(address);
        return 0;
    });
}

bool frmOrvView::Form_QueryUnload()
{
    // The document is in the middle of a transfer: it cannot go now.
    if (transferRunning_)
        return false;
    if (!document_ || !document_->fModified)
        return true;
    return askToSaveChanges([this] { return intSystemEditApply(); },
                            [this](QString& where) -> int16_t {
                                WindowTransfer transfer(*this, transferRunning_);
                                if (!transfer.acquired())
                                    return -1;
                                // No to replacing another stored module keeps the window open.
                                if (document().savesToDatabase() && !docwindow::mayStoreOver(document()))
                                    return -1;
                                return document().intDocument2Default(where);
                            });
}
