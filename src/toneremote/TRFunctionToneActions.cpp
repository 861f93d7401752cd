// The function-tone action table: one code byte per table index, eight to a page from byte 7 down.
#include "toneremote/COrvDocTR.h"

#include "toneremote/basVelmarTR.h"

using namespace trlayout;
using namespace trlayout::fntones;

namespace {

int actionPage(int index) { return kActionPages + index / kPageSize; }
int actionByte(int index) { return kPageSize - 1 - index % kPageSize; }

} // namespace

int16_t COrvDocTR::intGetFnToneAction(int16_t intIndex, int16_t& intTone1, int16_t& intTone2,
                                      int16_t& intActionCode) const
{
    if (intIndex < 0 || intIndex >= kTableSize)
        return -1;
    if (basVelmarTR::intGetFnToneFrequency(static_cast<int16_t>(firstTone(intIndex)), intTone1) != 0
        || basVelmarTR::intGetFnToneFrequency(static_cast<int16_t>(secondTone(intIndex)), intTone2) != 0)
        return -1;
    intActionCode = at(actionPage(intIndex), actionByte(intIndex));
    return 0;
}

int16_t COrvDocTR::intSetFnToneAction(int16_t intIndex, int16_t intActionCode)
{
    if (intIndex < 0 || intIndex >= kTableSize || intActionCode < 0 || intActionCode > 255)
        return -1;
    at(actionPage(intIndex), actionByte(intIndex)) = static_cast<uint8_t>(intActionCode);
    return 0;
}

void COrvDocTR::ResetFnToneActions()
{
    for (int first = 0; first < kToneCount; ++first)
        for (int second = 0; second < kToneCount; ++second)
            intSetFnToneAction(static_cast<int16_t>(pairIndex(first, second)), kDoNothing);
}
