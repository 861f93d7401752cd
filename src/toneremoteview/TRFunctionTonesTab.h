#pragma once
// The Function Tones tab: the 225 tone pairs with their actions, the guard-tone (keytone)
// options and the momentary monitor. The tab's tone list is the working copy of the action table.
#include "toneremoteview/TRTabPage.h"

#include <cstdint>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class Tones;
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

    // Document fields to controls: 0, or -1 after a failure (shown).
    int16_t intShowFunctionTone();
    // Controls to document fields: 0, or -1 when an entry was refused (the tab has said why).
    int16_t iEditApplyFunctionTone();

    // Grid columns.
    int16_t intColTone1 = 1;
    int16_t intColTone2 = 2;
    int16_t intColAction = 3;

    // The tone list of the tab (made when the window loads, gone with it).
    Tones& tones() const { return *tones_; }

    // Controls.
    platform::FlexGrid* grdFnTone = nullptr;
    QGroupBox* Frame1 = nullptr; // "Keytone (Guard tone) Options"
    QLabel* lblKeytoneFrequency = nullptr;
    QComboBox* cboKeytoneFrequency = nullptr;
    QGroupBox* fraKeytoneFrequency = nullptr; // "Momentary Monitor"
    QCheckBox* chkGridView = nullptr;
    QPushButton* cmdEditFTones = nullptr;
    QPushButton* cmdUndoFunctionTones = nullptr;

private:
    std::unique_ptr<Tones> tones_;
};
