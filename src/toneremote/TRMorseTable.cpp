// The document's look-ups of the Morse character table.
#include "toneremote/COrvDocTR.h"
#include "toneremote/cMorseCode.h"

int16_t COrvDocTR::SetMorseCode(QChar ch, int32_t& lngPattern, int16_t& intLength)
{
    return cMorseCode::SetMorseCode(ch, lngPattern, intLength);
}

int16_t COrvDocTR::GetMorseCode(const QString& strCode, QChar& ch) { return cMorseCode::GetMorseCode(strCode, ch); }
