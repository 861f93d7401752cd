// Opening a tone-remote module in the window: a new module, a stored one, the module in the rack
// and an archive file. A window whose opener fails is not shown and reports -1.
#include "toneremoteview/frmOrvViewTR.h"

#include "db/CLASSOrvDB.h"
#include "docwindow/OpenerArguments.h"
#include "platform/DoEvents.h"
#include "platform/MsgBox.h"
#include "toneremote/COrvDocTR.h"

using docwindow::leftTrimmedRight;
using platform::MsgBox;

namespace {

// The option byte of a module made new in the window: Linear Tech, alarms and voting.
constexpr uint8_t kNewModuleOption = 0xE0;

} // namespace

int16_t frmOrvViewTR::intInitFromNew(const NewModuleArgs& args)
{
    return runOpener(
        [&]() -> int16_t {
            const QString model = leftTrimmedRight(args.model, 12);
            const bool standard = args.origin == QLatin1String("Standard");
            // A document that could not be made is not shown: its messages have been given.
            if (document().NewToneRemote(model, standard, static_cast<int32_t>(args.serial), args.suffix,
                                         args.productionDate, kNewModuleOption)
                != 0)
                return -1;
            return document().NewDocument();
        },
        [this] { return showOpened(); });
}

int16_t frmOrvViewTR::intInitFromDB(const QString& serial)
{
    const auto read = [&]() -> int16_t {
        const QString serialNumber = serial.left(8).trimmed();
        setWindowTitle(serialNumber);
        int32_t moduleID = 0;
        if (CLASSOrvDB::instance().intSerial2ModuleID(serialNumber, moduleID) != 0) {
            MsgBox(QStringLiteral("The module [%1] is not stored in the database.").arg(serialNumber),
                   platform::vbExclamation);
            return -1;
        }
        platform::DoEvents();
        // The loader has said why it could not load the module.
        return document().intDB2Document(moduleID);
    };
    return runOpener(read, [this] { return showOpened(); });
}

int16_t frmOrvViewTR::intInitFromModule(const QString& serial)
{
    const auto showRead = [this]() -> int16_t {
        COrvDocTR& doc = document();
        if (!doc.OrvTest()) {
            const int answer = MsgBox(
                QStringLiteral("Kelt configuration record is corrupted or unit was not programmed properly. Do you "
                               "want to create new configuration record?"),
                platform::vbYesNo | platform::vbQuestion, QStringLiteral("Reading Module Error"));
            // Without a configuration record there is nothing to show.
            if (answer != platform::vbYes || doc.NewDocument() != 0)
                return -1;
        }
        if (doc.intInitSystemInfo() != 0)
            return -1;
        return showOpened();
    };
    const QString serialNumber = leftTrimmedRight(serial, 8);
    return runOpener(
        [&] {
            return readFromRack(serialNumber, {QStringLiteral("No response from module."), platform::vbOKOnly, {}});
        },
        showRead);
}

int16_t frmOrvViewTR::intInitFromArchive(const QString& path)
{
    // The reader has named the file and said why it refused it.
    return runOpener([&] { return document().intArchive2Document(path); }, [this] { return showOpened(); });
}
