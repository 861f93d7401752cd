#include "docwindow/StoreQuestion.h"

#include "db/CLASSOrvDB.h"
#include "db/CRADIO.h"
#include "db/ModuleKind.h"
#include "db/PageFields.h"
#include "platform/MsgBox.h"

#include <memory>
#include <optional>

namespace docwindow {

namespace {

QString replaceQuestion(const CRADIO& stored)
{
    const QString kind = stored.strRxTxEx.isEmpty() ? QStringLiteral("module of an unknown kind") : stored.strRxTxEx;
    const QString model = stored.strModuleType.isEmpty() ? QStringLiteral("(none)") : stored.strModuleType;
    return QStringLiteral("Serial number %1 is already stored in the database: a %2, model %3.\n"
                          "Do you want to replace the stored module with this one?")
        .arg(stored.strSerial, kind, model);
}

} // namespace

bool mayStoreOver(const CPageImage& doc)
{
    const std::optional<int32_t> serial = pagefields::serialNumber(doc.strSerial);
    if (!serial)
        return true; // the store refuses the serial number itself
    std::shared_ptr<CRADIO> stored;
    if (CLASSOrvDB::instance().intGetStoredModule(QString::number(*serial), stored) != 0)
        return false; // the database has said what went wrong
    if (!stored)
        return true;
    const bool ownModule =
        pagefields::serialNumber(doc.strSourceSerial) == serial && stored->intRxTxEx == modulekind::typeCode(doc);
    if (ownModule)
        return true;
    return platform::MsgBox(replaceQuestion(*stored),
                            platform::vbYesNo | platform::vbExclamation | platform::vbDefaultButton2,
                            QStringLiteral("Save"))
        == platform::vbYes;
}

} // namespace docwindow
