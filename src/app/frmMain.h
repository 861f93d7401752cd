#pragma once
#include "docwindow/DocumentHost.h"

#include <QMainWindow>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>

class IDocumentWindow;
class QAction;
class QFrame;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

// The main window: menus, toolbar, the document windows, the progress indicator, help and the
// serial port's opening and closing.
class frmMain : public QMainWindow, public IDocumentHost {
    Q_OBJECT
public:
    static inline const QString kDesignCaption = QStringLiteral("Vorn Programming Application");

    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The program's one main window (null before it is made and after it is gone).
    static frmMain* instance();

    // The load step: window, toolbar, progress, globals, serial port, look-ups, help file.
    void MDIForm_Load();

    // The size the window opens at on a screen whose free area is `available`: most of it, so a
    // module window shows whole on a 1280 x 1024 screen.
    static QSize openingSize(const QRect& available);

    // Public members.
    int16_t intVersionSet() override;
    int16_t ShowHelpContent();
    int16_t ShowHelpSearch();
    int16_t OpenPort();

    // Document windows.
    void addDocumentWindow(IDocumentWindow* window) override;
    IDocumentWindow* activeDocumentWindow() const override;
    QList<IDocumentWindow*> documentWindows() const override;
    // Called by a document window when it has opened and when it closes: the open-window count
    // and the toolbar's Save, Print and Write Module buttons follow.
    void documentWindowOpened() override;
    void documentWindowClosed() override;
    // Re-reads the active window's menus and toolbar duties (a window calls it when they change).
    void refreshForActiveWindow() override;
    // The shared menu entries' commands, here and in the document windows.
    void runCommand(HostCommand command) override;

    // Toolbar: the button whose description is given (exact, case-sensitive).
    void ToolbarMain_ButtonClick(const QString& description);
    QAction* toolbarButton(int index) const;  // 1-based, as numbered on the toolbar
    QToolBar* ToolbarMain() const { return toolbar_; }
    // Tool Bar check mark, toolbar shown and gToolbarVisible together.
    void setToolbarVisible(bool visible) override;
    QMdiArea* mdiArea() const { return mdi_; }

    // Menu handlers.
    void MNUNEW_Click();
    void MNUOPEN_Click();
    void MNUARCHIVEOPEN_Click();
    void MNUIMPORT_Click();
    void MNUCUSTOM_Click();
    void MNUMODULEMANAGE_Click();
    void MNUUPDATESTANDARD_Click();
    void MNUUPDATEUSER_Click();
    void MNUREFERENCES_Click();
    void MNUEXIT_Click();
    void MNUTOOLBAR_Click();
    void MNUREADRACK_Click();
    void MNUREADMODULE_Click();
    void MNUCONTENTS_Click();
    void MNUSEARCH_Click();
    void MNUABOUT_Click();

    // The help file the program names (velmar.hlp in the program folder; empty before the load step).
    QString helpFile() const;
    void setHelpFile(const QString& path);

Q_SIGNALS:
    // The window has closed for good (every document window went, the rack was released): the
    // program ends, whatever other window (help, a dialog) is still up.
    void shutDown();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildStatusStrip();
    void showProgress();
    void onSubWindowActivated(QMdiSubWindow* sub);
    void showMenus(const QList<QMenu*>& menus);
    void updateDocumentButtons();
    // Shows the registered dialog; without one, says that this version cannot `what` yet.
    void showDialog(const QString& name, const QString& what);
    void sendUnlinks();

    QMdiArea* mdi_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QList<QAction*> buttons_;  // index 0 = button 1
    QList<QMenu*> mainMenus_;
    QAction* mnuToolbar_ = nullptr;
    QLabel* labelProgress_ = nullptr;
    QFrame* progressBackground_ = nullptr;
    QFrame* progressBar_ = nullptr;
};
