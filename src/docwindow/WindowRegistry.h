#pragma once
#include <QString>
#include <functional>

class IDocumentWindow;
class QDialog;
class QWidget;

// The module dialogs and document windows the menus open, registered by the program at start-up
// (registerWindows). A menu entry whose dialog is not registered does nothing.
namespace WindowRegistry {

// Names of the module dialogs.
inline const QString kNewModule = QStringLiteral("frmNewModule");
inline const QString kConnectDB = QStringLiteral("frmConnectDB");
inline const QString kReadModule = QStringLiteral("frmReadModule");
inline const QString kReadRack = QStringLiteral("frmReadRack");
inline const QString kUserDatabase = QStringLiteral("frmUserDatabase");
inline const QString kModuleManagement = QStringLiteral("frmModuleManagement");

using DialogFactory = std::function<QDialog*(QWidget* parent)>;
// An empty factory takes the dialog away again.
void registerDialog(const QString& name, DialogFactory factory);
bool hasDialog(const QString& name);
// Shows the dialog modally over `parent`; false when no such dialog is registered.
bool showDialog(const QString& name, QWidget* parent);

// Kinds of document window.
enum class WindowKind { Radio, ToneRemote };
using WindowFactory = std::function<IDocumentWindow*()>;
// An empty factory takes the kind away again.
void registerWindow(WindowKind kind, WindowFactory factory);
// A new, not yet shown window of the kind; null when that kind is not available.
IDocumentWindow* createWindow(WindowKind kind);
// True when the program has windows of the kind.
bool hasWindow(WindowKind kind);
// The kind for a module type code: 3 is tone remote, every other code radio.
inline WindowKind kindForTypeCode(int typeCode) { return typeCode == 3 ? WindowKind::ToneRemote : WindowKind::Radio; }

// Registers every dialog and window of the program (called once at start-up and by tests).
void registerWindows();

} // namespace WindowRegistry
