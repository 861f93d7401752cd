#pragma once
// The document window of one tone-remote module: its settings on five tabs, the commands that
// store the module in the database, write it to the module, print it and save it as an archive
// file, the factory write, the raw page view and the question on closing. Its menus stand in the
// main window's menu bar while it is the active window. The window owns its document.
//
// Openers are called on a new window; a window whose opener succeeded joins the main window, one
// whose opener failed never shows (the caller discards it).
#include "docwindow/ModuleWindow.h"
#include "toneremote/COrvDocTR.h"

#include <QWidget>
#include <cstdint>
#include <memory>

class QAction;
class QMenu;
class QPushButton;
class QTabWidget;
class TRAdvancedTab;
class TRAlarmTab;
class TRFunctionTonesTab;
class TRGeneralTab;
class TRVotingTab;

class frmOrvViewTR : public ModuleWindow<COrvDocTR> {
public:
    // Tab indices of SSTab1.
    enum Tab { kGeneral = 0, kFunctionTones = 1, kAlarm = 2, kVoting = 3, kAdvanced = 4 };

    explicit frmOrvViewTR(QWidget* parent = nullptr);

    // ---- The document-window interface -----------------------------------------------------
    int16_t pagesChanged() override;
    int16_t intInitFromNew(const NewModuleArgs& args) override;
    int16_t intInitFromDB(const QString& serial) override;
    int16_t intInitFromModule(const QString& serial) override;
    int16_t intInitFromArchive(const QString& path) override;
    // The menus; asked for each time the window becomes the active one (its activation).
    QList<QMenu*> documentMenus() override;

    // ---- Members of the window -------------------------------------------------------------
    int16_t intCommandFactoryWrite();
    // Fills every tab from the document, in tab order; the document counts as unchanged after.
    int16_t intShowDocument();
    // The caption from the document's model and serial number.
    int16_t intShowSystem();
    // Applies every tab to the document, in tab order, stopping at the first that refuses its entries.
    int16_t intEditApplySystem();
    int16_t intEditConsistentCheckSystem();
    // The enabling of the current tab's controls.
    void SSTab1_Click();
    // 1: the first, 2: the last selected row of the alarm or function-tone grid; 0 otherwise.
    int16_t intAlarmSelRow(int32_t which) const;
    int16_t intFnToneSelRow(int32_t which) const;
    // The window's hot keys, whichever control has the focus (Shift: 1 Shift, 2 Ctrl, 4 Alt);
    // true when the key was one of them.
    bool Form_KeyDown(int KeyCode, int Shift) override;

    // The tabs.
    TRGeneralTab& general() const { return *tabGeneral_; }
    TRFunctionTonesTab& functionTones() const { return *tabFunctionTones_; }
    TRAlarmTab& alarm() const { return *tabAlarm_; }
    TRVotingTab& voting() const { return *tabVoting_; }
    TRAdvancedTab& advanced() const { return *tabAdvanced_; }

    // ---- Event handlers --------------------------------------------------------------------
    void cmdShow_Click();
    void MNUMEMORYMAP_Click();
    void MNUFACTORYWRITE_Click();

    // ---- Controls --------------------------------------------------------------------------
    QTabWidget* SSTab1 = nullptr;
    QPushButton* cmdQuit = nullptr;
    QPushButton* cmdSaveToDB = nullptr;
    QPushButton* cmdWriteToRack = nullptr;
    QPushButton* cmdShow = nullptr;

protected:
    int16_t applyEntries() override { return intEditApplySystem(); }
    int16_t printDocument(PrintJob& job) override;
    QString archiveFilter() const override;
    int16_t saveArchive(const QString& path) override;
    void enableEditionEntries() override;

private:
    void buildControls();
    // The size the window opens at, from its grids as the load laid them out.
    void takeOpeningSize();
    void buildMenus();
    // Esc presses Close; the chords of Form_KeyDown reach the window before the control with the focus.
    void buildHotKeys();

    // The load step: the look-up lists and the grids' layout from the database.
    void Form_Load();
    // The end of an opener: the document shown, the window joins the main window and counts among
    // its windows. -1 when a tab could not show the document.
    int16_t showOpened();
    // The raw page view of the document.
    void showMemoryMap();
    // Every tab applied and the document's fields written into its pages; -1 when a tab refused
    // its entries or a field did not fit (said). The modified mark stays as it was.
    int16_t pagesFromTabs();

    TRGeneralTab* tabGeneral_ = nullptr;
    TRFunctionTonesTab* tabFunctionTones_ = nullptr;
    TRAlarmTab* tabAlarm_ = nullptr;
    TRVotingTab* tabVoting_ = nullptr;
    TRAdvancedTab* tabAdvanced_ = nullptr;
    QList<QMenu*> menus_;
};
