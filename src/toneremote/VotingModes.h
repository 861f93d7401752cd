#pragma once
// The voting signal of a tone-remote module, worked out from the mode the voting tab shows: on a
// 4-wire line none, a tone on idle, the sliding voting tone or the Simoco/Philips convention; on a
// 2-wire line the keytone instead. Also the voting level's scale between dBr and the module's
// value, and the filter table each mode needs from the database.
#include "toneremote/SlidingTone.h"
#include "toneremote/ToneRemoteFields.h"

#include <cstdint>
#include <vector>

class COrvDocTR;

namespace trvoting {

// Markers the module reads in the tone-on-idle word and the voting level.
constexpr int32_t kSimocoMarker = -32768;
constexpr double kSimocoLevel = 8192.0;
constexpr int32_t kNoVotingMarker = -32767;
constexpr double kNoVotingLevel = 8193.0;

// The voting level the module holds for a level in dBr relative to line out, and back; `dspRef`
// and `offset` are the document's scale.
double levelOf(double dBr, double dspRef, double offset);
double dBrOf(double level, double dspRef, double offset);

// The tone-on-idle word of a frequency in whole Hz.
int32_t toneOnIdleWord(double hz);

// True when the fields hold the Simoco/Philips convention.
bool isSimocoPhilips(const ToneRemoteFields& fields);

// Flag byte 2 without the voting mode bits (tone on idle, sliding tone).
uint8_t withoutVotingMode(uint8_t flag2);

// What the voting tab shows, as numbers.
struct Choice {
    bool fourWire = true;
    // The ticked mode boxes; more than one are worked out one after the other in this order.
    bool toneOnIdle = false;
    bool slidingTone = false;
    bool simocoPhilips = false;
    bool vhf = false;        // the receiver band
    double toneOnIdleHz = 0; // as entered; taken to the nearest whole Hz
    double voteLevelDbr = 0;
    SlidingEntry sliding;
    double keytoneHz = 0; // the keytone of a 2-wire line, as entered
};

// A filter table of the database the mode needs in the document.
struct FilterTable {
    enum class Kind { ToneOnIdle, SlideVoteTone, Zero, KeyTone };
    Kind kind;
    int32_t hz; // 0 for the zero table
    bool operator==(const FilterTable&) const = default;
};

struct Outcome {
    Refusal refusal = Refusal::None;
    ToneRemoteFields fields;         // the voting fields worked out over the fields given
    bool toneOnIdle = false;         // the document's tone-on-idle choice
    std::vector<FilterTable> tables; // to load in this order
};

// The voting fields of `choice` over `fields`. On a refusal the outcome holds only the refusal.
Outcome workOut(const Choice& choice, const ToneRemoteFields& fields, double dspRef, double offset);

// Loads the table into the document: the loader's status (-1 when the database has no row).
int16_t loadTable(COrvDocTR& doc, const FilterTable& table);

} // namespace trvoting
