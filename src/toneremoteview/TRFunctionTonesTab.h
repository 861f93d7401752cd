#pragma once
// The Function Tones tab of the tone-remote window: the 225 tone pairs with the actions they
// trigger, filtered to the active or the one-tone pairs, their editing and undo, and the keytone
// (guard tone) options with the momentary monitor. The tab's tone list is the working copy of the
// document's action table; apply copies it back.
#include "toneremoteview/ShownValue.h"
#include "toneremoteview/TRTabPage.h"

#include <QString>
#include <cstdint>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Tones;
class cTone;
namespace platform {
class FlexGrid;
}

class TRFunctionTonesTab : public TRTabPage {
public:
    explicit TRFunctionTonesTab(frmOrvViewTR& view);
    ~TRFunctionTonesTab() override;

    // The grid's columns and their captions, as the load lays them out: 227 rows (the caption
    // row, the 225 pairs and a blank row), 4 columns.
    void layOutGrid();
    // The size the grid opens at: a dozen pairs, and room for the longest action text.
    QSize openingGridSize() const;

    // Document fields to controls: 0, or -1 when the tone list could not be filled or after a
    // failure (shown).
    int16_t intShowFunctionTone();
    // Controls to document fields: 0, or -1 when an entry was refused (said, the focus on it).
    int16_t iEditApplyFunctionTone();

    // Adds the pairs of grid rows first..last (full order, 1-225) to the tone list: -1 for a
    // bound outside 1-225, else 0.
    int16_t FillInToneAction(int16_t first, int16_t last);
    // Fills the grid with the list's entries that pass the filters, then one blank row.
    void ShowFunctionTones(bool activeOnly, bool oneToneOnly);
    // One grid row from an entry; a blank row without one.
    void ShowFunctionTone(int row, const cTone* entry);
    // Gives an entry (1-based list position, or key) a new action: 0, or -1 when that failed.
    int16_t ModifyToneAction(int position, int16_t code);
    int16_t ModifyToneAction(const QString& key, int16_t code);
    // The action code of the editor's list position and parameter. Status 0.
    static int16_t GenerateActionCode(int16_t position, int16_t parameter, int16_t& code);
    // Writes the list's action codes into the document.
    void SaveActionFnCodes();
    void UndoLastFunctionToneChange();

    Tones& tones() const { return *tones_; }

    // Event handlers.
    void cmdEditFTones_Click();
    void cmdUndoFunctionTones_Click();
    void chkGridView_Click();
    void chkOneTone_Click();

    // Grid columns.
    int16_t intColTone1 = 1;
    int16_t intColTone2 = 2;
    int16_t intColAction = 3;

    // Controls.
    platform::FlexGrid* grdFnTone = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* optToneGen = nullptr;
    QRadioButton* optKeyToneOnly = nullptr;
    QComboBox* cboKeytoneFrequency = nullptr;
    QCheckBox* chkOneTone = nullptr;
    QGroupBox* fraKeytoneFrequency = nullptr;
    QCheckBox* chkMomentaryMonitor = nullptr;
    QLabel* lblMomTimer = nullptr;
    QLineEdit* txtMomentaryMonitor = nullptr;
    QCheckBox* chkGridView = nullptr;
    QPushButton* cmdEditFTones = nullptr;
    QPushButton* cmdUndoFunctionTones = nullptr;

private:
    void buildControls();
    void editSelectedRows();
    void showWithFilters();
    int16_t modify(const std::shared_ptr<cTone>& entry, int16_t code);

    std::unique_ptr<Tones> tones_;
    bool activeOnly_ = false;
    bool keytoneChosen_ = false;
    ShownValue<QString> shownMomentaryTime_;
    ShownValue<bool> shownOneTone_;
};
