#pragma once
// One entry of the function-tone list: a pair of tones and the action it triggers.
#include <QString>
#include <cstdint>
#include <memory>

class cTone {
public:
    int16_t Tone1 = 0;       // first tone, Hz
    int16_t Tone2 = 0;       // second tone, Hz
    int16_t ActionCode = 0;  // 0..255
    int16_t Position = 0;    // the creator's number; the list does not interpret it
    QString Description;     // the action's text

    // True unless the action is "Do Nothing" (255).
    bool Active() const;
    // True when both tones are the same.
    bool OneTone() const { return Tone1 == Tone2; }

    std::shared_ptr<cTone> CloneSelf() const { return std::make_shared<cTone>(*this); }
    void Copy(const cTone& objFrom);
};
