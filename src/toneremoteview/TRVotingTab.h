#pragma once
// The Voting / Levels tab: the voting signal of a module on a 4-wire line, the receiver band of
// its RSSI curve and the line levels.
#include "toneremoteview/TRTabPage.h"

#include <cstdint>

class QComboBox;
class QGroupBox;
class QLabel;
class TRVotingControls;

class TRVotingTab : public TRTabPage {
public:
    explicit TRVotingTab(frmOrvViewTR& view);

    // Document fields to controls: 0, or -1 after a failure (shown).
    int16_t intShowVoting();
    // Controls to document fields: 0, or -1 when an entry was refused (the tab has said why).
    int16_t iEditApplyVoting();

    // The tab's controls and what they do.
    TRVotingControls* controls = nullptr;
    QGroupBox* fraAdv1 = nullptr; // voting
    QLabel* lblFreq = nullptr;
    QComboBox* cboTOI = nullptr;
    QLabel* lblF1 = nullptr;
    QGroupBox* fraAdv2 = nullptr; // "RSSI Signal"
    QGroupBox* Frame4 = nullptr;  // "Line Levels"
};
