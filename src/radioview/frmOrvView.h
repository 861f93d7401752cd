#pragma once
// The document window of one receiver, transmitter or exciter: a settings tab and a channel
// tab (the channel grid and the default channel), the window's commands (store in the database,
// write to the module, close) and its menus, which stand in the main window's menu bar while the
// window is the active one. The window owns its document.
#include "docwindow/ModuleWindow.h"
#include "radio/CLASSOrvDocument.h"

#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QTableWidget;

class frmOrvView : public ModuleWindow<CLASSOrvDocument> {
public:
    static inline const QString kDesignCaption = QStringLiteral("Orv View");

    explicit frmOrvView(QWidget* parent = nullptr);
    ~frmOrvView() override;

    // ---- The document-window interface -----------------------------------------------------
    int16_t pagesChanged() override;
    int16_t intInitFromNew(const NewModuleArgs& args) override;
    int16_t intInitFromDB(const QString& serial) override;
    int16_t intInitFromModule(const QString& serial) override;
    int16_t intInitFromArchive(const QString& path) override;
    int16_t intInitFromMCF(const QString& path) override;
    int16_t intInitFromBIN(const QString& path) override;
    int16_t intInitFromHEX(const QString& path) override;
    QList<QMenu*> documentMenus() override;
    bool canSave() const override;
    bool canWrite() const override;

    // ---- Members of the window -------------------------------------------------------------
    int16_t intCommandSaveEprom();

    // Channel grid. Rows and columns are numbered as the grid shows them: row 0 is the header,
    // row r the document's channel r (shown as channel r - 1); column 0 is the Channel column.
    int16_t intInitGrid();
    int16_t InitBinHexGrid();
    int16_t intShowChannel(int16_t intSChannel, int16_t intEChannel);
    int16_t ShowBinHexChannel(int16_t intSChannel, int16_t intEChannel);
    int16_t intShowChannelDefault();
    int16_t intShowDocument();
    int16_t ShowBinHexDocument();
    int16_t intClipBoardEdit(const QString& strText, int16_t intRow, int16_t intCol);
    // The text of a grid cell, the header row and the Channel column included.
    QString TextMatrix(int row, int col) const;
    int Rows() const;
    int Cols() const;
    // Makes (row1, col1) the current cell and selects the block up to (row2, col2).
    void selectCells(int row1, int col1, int row2, int col2);

    // Settings tab.
    int16_t intShowSystem();
    int16_t intSystemEditApply();
    int16_t intVSBReference();

    // ---- Event handlers --------------------------------------------------------------------
    void cmdShow_Click();
    void cmdEditChannel_Click();
    void cmdDeleteChannel_Click();
    void cmdDefaultChannel_Click();
    void cmdEpots_Click();
    void grdChannel_DblClick();
    void grdChannel_KeyDown(int KeyCode, int Shift);
    void grdChannel_MouseDown(int Button, int Shift, int x, int y);
    void MNUChannelPopupCopy_Click();
    void MNUChannelPopupPaste_Click();
    void SSTab1_Click(int PreviousTab);
    // The window's hot keys, whichever control has the focus (Shift: 1 Shift, 2 Ctrl, 4 Alt);
    // true when the key was one of them.
    bool Form_KeyDown(int KeyCode, int Shift) override;

    void txtSerialNum_Change();
    bool txtSerialNum_Validate();
    void txtUserRemark_Change();
    void txtLengthOfReverseToneBurst_Change();
    bool txtLengthOfReverseToneBurst_Validate();
    void ComboModule_Click(int Index);
    void ComboTailtime_Click();
    void cboChangeSelectType_Click();
    void cboReverseToneBurstType_Click();
    void chkChangeDefaultChannelOnChannelChange_Click();
    void chkReverseToneBurst_Click();

    void MNUSAVEEPROM_Click();
    void MNUEXIT_Click();
    void LinkModule_Click();

    // ---- Column numbers of the grid (-1: the layout has no such column) --------------------
    int16_t intColChannel = -1, intColFrequency = -1, intColCTCSS = -1, intColDeviation = -1,
            intColReference = -1, intColPin8 = -1, intColPin7 = -1, intColPin6 = -1, intColPin5 = -1,
            intColPin4 = -1, intColPin3 = -1, intColPin2 = -1, intColPin1 = -1, intColSwitch = -1;

    // ---- Controls --------------------------------------------------------------------------
    QTabWidget* SSTab1 = nullptr;
    QPushButton* cmdSaveToDB = nullptr;
    QPushButton* cmdQuit = nullptr;
    QPushButton* cmdWriteToRack = nullptr;
    QPushButton* cmdShow = nullptr;
    QPushButton* cmdEditChannel = nullptr;
    QPushButton* cmdDeleteChannel = nullptr;
    QPushButton* cmdDefaultChannel = nullptr;
    QPushButton* cmdEpots = nullptr;

    // Settings tab.
    QGroupBox* FrameSystem = nullptr;
    QLineEdit* txtSerialNum = nullptr;
    QLineEdit* txtCustomType = nullptr;
    QLabel* lblStdName = nullptr;
    QLineEdit* txtStandard = nullptr;
    QLineEdit* txtTypes = nullptr;
    QLineEdit* txtLastModified = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtFirmwareVersion = nullptr;
    QLineEdit* txtUserRemark = nullptr;
    QLineEdit* txtLowFreqLim = nullptr;
    QLineEdit* txtUppFreqLim = nullptr;
    std::array<QLabel*, 2> LabelModule{};
    std::array<QComboBox*, 2> ComboModule{};
    QLabel* LabelTailtime = nullptr;
    QComboBox* ComboTailtime = nullptr;
    QCheckBox* chkChangeDefaultChannelOnChannelChange = nullptr;
    QComboBox* cboChangeSelectType = nullptr;
    QLabel* lblReverseToneBurst = nullptr;
    QCheckBox* chkReverseToneBurst = nullptr;
    QLabel* lblReverseToneBurstType = nullptr;
    QComboBox* cboReverseToneBurstType = nullptr;
    QLabel* lblLengthOfReverseToneBurst = nullptr;
    QLineEdit* txtLengthOfReverseToneBurst = nullptr;

    // Channel tab.
    QGroupBox* frameChannel = nullptr;
    QTableWidget* grdChannel = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtDFChannel = nullptr;
    QLineEdit* txtDFFrequency = nullptr;
    QLineEdit* txtDFCTCSS = nullptr;
    QLabel* lblDFDeviation = nullptr;
    QLineEdit* txtDFDeviation = nullptr;
    QLineEdit* txtDFReference = nullptr;
    QLineEdit* txtDFPIN = nullptr;
    QLineEdit* txtDFSetting = nullptr;

    // Menus.
    QMenu* MNUChannelPopup = nullptr;
    QAction* MNUChannelPopupCopy = nullptr;
    QAction* MNUChannelPopupPaste = nullptr;

protected:
    int16_t applyEntries() override { return intSystemEditApply(); }
    int16_t printDocument(PrintJob& job) override;
    QString archiveFilter() const override;
    int16_t saveArchive(const QString& path) override;
    // The radio window cannot show itself without the main window: it says so.
    IDocumentHost* hostToJoin() const override;

private:
    struct ShownSettings;

    void buildControls();
    void buildSettingsTab(QWidget* tab);
    void buildChannelTab(QWidget* tab);
    void buildMenus();
    // Esc presses Close; the chords of Form_KeyDown reach the window before the control with the focus.
    void buildHotKeys();

    // The load step: runs once, when an opener first touches the window; shows it in the main window.
    void Form_Load();
    void setCaption(const QString& caption);
    void renewCaption();
    void markModified();
    // Decodes the document's pages again and shows all of it; the modified flag stays as it is.
    int16_t redisplayDocument();
    // What the settings tab's controls hold now.
    ShownSettings shownSettings() const;

    // Grid helpers.
    bool binHexLayout() const;
    int16_t showRows(int16_t first, int16_t last, bool binHex);
    int16_t reshowRows(int first, int last);
    void setTextMatrix(int row, int col, const QString& text);
    // Column widths from the grid's real width: each column its share, none narrower than its
    // texts. Runs when the grid is set up, shown and resized.
    void watchGridWidth();
    void fitGridColumns();
    // Pixels a column of the grid needs for its header, its cells and `widest`, the widest text it
    // shows; and the whole of the widest layout's needs.
    int columnNeed(int column, const QString& widest) const;
    int widestGridNeed();
    // 1: the lower, 2: the higher of the current row (column) and the selection's other end.
    int intSelRowBound(int which) const;
    int intSelColBound(int which) const;
    void fillComboNumbers(QComboBox* combo, int last, int step);

    std::unique_ptr<ShownSettings> shown_;
    QList<QMenu*> menus_;
    bool loaded_ = false;    // the load step has run
    bool filling_ = false;   // the window fills its controls: their change events are not the user's
    bool binHex_ = false;    // the grid has the three-column layout
    QList<int> columnDivisors_;   // per grid column: the divisor of the grid's width that is its share
    QStringList columnWidest_;    // per grid column: the widest text its cells show
    bool fittingColumns_ = false;
    int currentTab_ = 0;
};
