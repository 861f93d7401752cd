#include "docwindow/WindowRegistry.h"

#include "modules/frmConnectDB.h"
#include "modules/frmModuleManagement.h"
#include "modules/frmNewModule.h"
#include "modules/frmReadModule.h"
#include "modules/frmReadRack.h"
#include "modules/frmUserDatabase.h"
#include "radioview/frmOrvView.h"
#include "toneremoteview/frmOrvViewTR.h"

namespace WindowRegistry {

// The one place where the program's module dialogs and document windows are made known to the menus.
void registerWindows()
{
    registerWindow(WindowKind::Radio, [] { return new frmOrvView; });
    registerWindow(WindowKind::ToneRemote, [] { return new frmOrvViewTR; });
    registerDialog(kReadModule, [](QWidget* parent) -> QDialog* { return new frmReadModule(parent); });
    registerDialog(kReadRack, [](QWidget* parent) -> QDialog* { return new frmReadRack(parent); });
    registerDialog(kConnectDB, [](QWidget* parent) -> QDialog* { return new frmConnectDB(parent); });
    registerDialog(kUserDatabase, [](QWidget* parent) -> QDialog* { return new frmUserDatabase(parent); });
    registerDialog(kNewModule, [](QWidget* parent) -> QDialog* { return new frmNewModule(parent); });
    registerDialog(kModuleManagement, [](QWidget* parent) -> QDialog* { return new frmModuleManagement(parent); });
}

} // namespace WindowRegistry
