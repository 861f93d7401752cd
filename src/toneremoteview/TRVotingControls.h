#pragma once
// The controls of the Voting / Levels tab and what they do: the voting signal of a module on a
// 4-wire line (none, a tone on idle, a sliding voting tone that follows the receiver's RSSI, or the
// Simoco/Philips convention), the voting level, the receiver band of the RSSI curve and the line
// levels. Also the click handlers of the General tab's 2-wire / 4-wire buttons, which switch voting
// off and on.
//
// The apply works out every field first and changes the document only when every check passed.
// The voting fields and tables are worked out again only when something of the voting was edited
// since the last show, and the line levels only when one was edited: applying a document as it
// was shown changes no byte of it, except that a module on a 2-wire line, which shows no voting
// mode, is written without one.
#include "toneremote/VotingModes.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class COrvDocTR;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSqlDatabase;
class QWidget;

// What the voting controls use of the rest of the window.
struct TRVotingLinks {
    std::function<COrvDocTR&()> document;
    std::function<QSqlDatabase()> database; // the line-level tables
    // Controls of the other tabs, set by link().
    QRadioButton* opt2WireConfiguration = nullptr; // General tab
    QRadioButton* opt4WireConfiguration = nullptr;
    QComboBox* cboKeytoneFrequency = nullptr; // Function Tones tab
    QCheckBox* chkNotchFiltReq = nullptr;     // Advanced tab
    // True while the General tab is being filled from the document: its line-interface buttons
    // then change without an edit, and the voting's own show follows them.
    std::function<bool()> lineInterfaceShowing;
};

class TRVotingControls : public QObject {
public:
    // Builds the controls into the tab's three frames: the voting frame, "RSSI Signal" and
    // "Line Levels". `window` is the window the boxes' focus checks work in.
    TRVotingControls(QGroupBox* fraAdv1, QGroupBox* fraAdv2, QGroupBox* Frame4, QWidget* window, TRVotingLinks links);

    // The other tabs' controls the voting uses, once they are built: the line interface's
    // buttons (their click handlers are here), the keytone list and the notch filtering box. Until
    // then the tab works as on a 4-wire line. `generalShowing`: see TRVotingLinks::lineInterfaceShowing.
    void link(QRadioButton* opt2WireConfiguration, QRadioButton* opt4WireConfiguration, QComboBox* cboKeytoneFrequency,
              QCheckBox* chkNotchFiltReq, std::function<bool()> generalShowing = {});

    // Document to controls: 0, or -1 after a failure (shown).
    int16_t intShowVoting();
    // Controls to document: 0, or -1 when an entry was refused or a look-up failed (shown).
    int16_t iEditApplyVoting();

    void EnableVoting();
    void DisableVoting();
    void VotingVoid();
    void SelectToneOnIdle();

    // Event handlers.
    void chkToneOnIdle_Click();
    void chkSlidingVotingTone_Click();
    void chkSimocoPhilips_Click();
    void opt2WireConfiguration_Click();
    void opt4WireConfiguration_Click();
    // The checks of a box when the focus leaves it: false when the entry was refused (the box
    // then holds the value it had when it got the focus).
    bool txtLowerFrequency_LostFocus();
    bool txtUpperFrequency_LostFocus();
    bool txtMuteFreq_LostFocus();
    bool txtLowerLevel_LostFocus();
    bool txtUpperLevel_LostFocus();
    bool txtVoteLevel_LostFocus();
    void txtLineIn_LostFocus();
    void txtLineOut_LostFocus();
    // Whether a character typed into one of the six voting boxes is taken.
    bool keyAccepted(QLineEdit* box, QChar key) const;

    // Controls.
    QCheckBox* chkToneOnIdle = nullptr;
    QLabel* lblFreq = nullptr;
    QComboBox* cboTOI = nullptr;
    QLabel* lblF1 = nullptr;
    QCheckBox* chkSlidingVotingTone = nullptr;
    QLabel* lblFreql = nullptr;
    QLineEdit* txtLowerFrequency = nullptr;
    QLabel* lblF2 = nullptr;
    QLabel* lblFrequ = nullptr;
    QLineEdit* txtUpperFrequency = nullptr;
    QLabel* lblF3 = nullptr;
    QLabel* lblLowerValue = nullptr;
    QLineEdit* txtLowerLevel = nullptr;
    QLabel* lblV1 = nullptr;
    QLabel* lblUpperValue = nullptr;
    QLineEdit* txtUpperLevel = nullptr;
    QLabel* lblV2 = nullptr;
    QLabel* lblMuteFreq = nullptr;
    QLineEdit* txtMuteFreq = nullptr;
    QLabel* lblV3 = nullptr;
    QCheckBox* chkSimocoPhilips = nullptr;
    QLabel* lblVL = nullptr;
    QLineEdit* txtVoteLevel = nullptr;
    QLabel* lblVL1 = nullptr;
    QRadioButton* optReceiverVHF = nullptr;
    QRadioButton* optReceiverUHF = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtLineIn = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* txtLineOut = nullptr;
    QLabel* Label8 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The constructor's steps: one builder for each frame, then the handlers.
    void buildVotingFrame(QGroupBox* fraAdv1);
    void buildBandFrame(QGroupBox* fraAdv2);
    void buildLineLevelsFrame(QGroupBox* Frame4);
    void connectControls(QWidget* window);

    COrvDocTR& document() const { return links_.document(); }
    // An edit of the voting settings: the document is changed and the voting is worked out again.
    void votingEdited();
    bool lineInterfaceShowing() const;
    bool fourWire() const;
    void emptyFiveBoxes();
    // The three mode boxes and the notch filtering box enabled, as on a 4-wire line.
    void enableModeBoxes();
    void enableSlidingLabels(bool on);
    // The mode boxes and their entries as the document holds them (4-wire).
    void showModes(const COrvDocTR& doc);
    // The apply's steps: what the controls show, the line levels' table steps into `fields`
    // (platform::Error on a step that is no byte), a refusal shown (-1), the filter tables loaded
    // (false when one is missing, shown) and the worked-out fields taken into the document.
    trvoting::Choice votingChoice() const;
    void readLineLevels(ToneRemoteFields& fields) const;
    int16_t refused(trvoting::Refusal refusal);
    bool loadTables(COrvDocTR& doc, const std::vector<trvoting::FilterTable>& tables);
    void takeVoting(COrvDocTR& doc, const trvoting::Outcome& worked) const;
    // Snaps a line-level box to a level of its table.
    void snapLineLevel(QLineEdit* box, int16_t port);
    // A frequency box's range check (`lowest` .. 3500 Hz); false when refused (shown).
    bool frequencyInRange(QLineEdit* box, double lowest);
    // A level box's check on leaving it; the box then holds a whole number.
    bool levelBoxLostFocus(QLineEdit* box, const QString& title);
    // Shows a refused entry and puts the box's kept value back; returns false.
    bool refuse(QLineEdit* box, const QString& text, const QString& title);
    void keep(QLineEdit* box);

    TRVotingLinks links_;
    QGroupBox* fraAdv2_;
    bool showing_ = false;
    bool votingChanged_ = false;
    bool lineLevelsChanged_ = false;
    // The value each checked box had when it got the focus.
    QHash<const QLineEdit*, double> kept_;
};
