#pragma once
// The Advanced tab: path delays, notch filtering, the front-panel mode switch, the durations of
// the high-level guard tone and of function tones, and the Morse station ident.
#include "toneremoteview/TRTabPage.h"

#include <cstdint>

class QGroupBox;
class TRAdvancedControls;

class TRAdvancedTab : public TRTabPage {
public:
    explicit TRAdvancedTab(frmOrvViewTR& view);

    // Document fields to controls: 0.
    int16_t ShowAdvanced();
    // Controls to document fields: 0, or 1 when the station ident was refused (the tab has said why).
    int16_t iEditApplyAdvanced();

    // The tab's controls and what they do (the low-volt threshold's among them).
    TRAdvancedControls* controls = nullptr;
    QGroupBox* Frame2 = nullptr;       // "Miscellaneous"
    QGroupBox* fraAdvanced1 = nullptr; // "High Level Guard Tone Duration"
    QGroupBox* fraAdvanced2 = nullptr; // "Function Tone Duration"
    QGroupBox* fraAdvanced3 = nullptr; // "Morse Code Identification (CWID)"
};
