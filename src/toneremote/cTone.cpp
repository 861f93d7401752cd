#include "toneremote/cTone.h"

#include "toneremote/ToneRemotePageLayout.h"

bool cTone::Active() const
{
    return ActionCode != trlayout::fntones::kDoNothing;
}

void cTone::Copy(const cTone& objFrom)
{
    ActionCode = objFrom.ActionCode;
    Description = objFrom.Description;
    Position = objFrom.Position;
    Tone1 = objFrom.Tone1;
    Tone2 = objFrom.Tone2;
}
