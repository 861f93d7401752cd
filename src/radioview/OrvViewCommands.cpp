// Opening a radio module in the window (new, from the database, from the module in the rack) and
// Locate in Rack.
#include "radioview/frmOrvView.h"

#include "db/CLASSOrvDB.h"
#include "docwindow/DocumentHost.h"
#include "docwindow/OpenerArguments.h"
#include "docwindow/WindowTransfer.h"
#include "link/LinkAddress.h"
#include "link/LinkCommands.h"
#include "platform/DoEvents.h"
#include "platform/MsgBox.h"
#include "radio/CLASSOrvDocument.h"
#include "radio/RadioFailure.h"

using docwindow::leftTrimmedRight;

int16_t frmOrvView::intInitFromNew(const NewModuleArgs& args)
{
    const auto read = [&]() -> int16_t {
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
        return 0;
    };
    return runOpener(read, [&]() -> int16_t {
        intInitGrid();
        intShowDocument();
        return 0;
    });
}

int16_t frmOrvView::intInitFromDB(const QString& serial)
{
    const auto read = [&]() -> int16_t {
        int32_t moduleID = 0;
        if (CLASSOrvDB::instance().intSerial2ModuleID(leftTrimmedRight(serial, 8), moduleID) != 0)
            return -1;
        platform::DoEvents();
        return document().intDB2Document(moduleID);
    };
    return runOpener(read, [&]() -> int16_t {
        intInitGrid();
        intShowDocument();
        IDocumentHost::required().runCommand(HostCommand::Cascade);
        return 0;
    });
}

int16_t frmOrvView::intInitFromModule(const QString& serial)
{
    const QString serialNumber = leftTrimmedRight(serial, 8);
    const NoAnswerBox noAnswer{QStringLiteral("Cannot read from module."), platform::vbExclamation,
                               QStringLiteral("Error")};
    return runOpener([&] { return readFromRack(serialNumber, noAnswer); },
                     [&]() -> int16_t {
                         setCaption(windowTitle() + QStringLiteral("   ") + serialNumber);
                         intInitGrid();
                         intShowDocument();
                         return 0;
                     });
}

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
