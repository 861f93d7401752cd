// Function tones: the frequency of a tone number and the text of an action code.
#include "toneremote/basVelmarTR.h"

#include "toneremote/ToneRemotePageLayout.h"

namespace basVelmarTR {

using namespace trlayout::fntones;

int16_t intGetFnToneFrequency(int16_t intTone, int16_t& intFrequency)
{
    if (intTone < 0 || intTone >= kToneCount)
        return -1;
    intFrequency = static_cast<int16_t>(kFirstToneHz + kToneStepHz * intTone);
    return 0;
}

int16_t intFnActionToText(int16_t intActionCode, QString& strText)
{
    const int code = intActionCode;
    if (code < 0 || code > 255)
        return -1;
    // Ranges that carry a number: their first code, last code and text.
    struct Range {
        int first, last;
        const char16_t* text;
    };
    static const Range kRanges[] = {
        {0, 127, u"Set Channel To [%1]"},
        {144, 147, u"Set Auxiliary outputs [%1] ON"},
        {160, 163, u"Set Auxiliary outputs [%1] OFF"},
        {176, 179, u"Toggle Auxiliary outputs [%1]"},
        {218, 223, u"Trigger Confirmation Message [%1]"},
    };
    for (const Range& r : kRanges)
        if (code >= r.first && code <= r.last) {
            strText = QString::fromUtf16(r.text).arg(code - r.first);
            return 0;
        }
    switch (code) {
    case 128: strText = QStringLiteral("Set talk-thru OFF"); break;
    case 129: strText = QStringLiteral("Set talk-thru ON"); break;
    case 130: strText = QStringLiteral("Toggle talk-thru"); break;
    case 136: strText = QStringLiteral("Defeat CTCSS until keyed"); break;
    case 137: strText = QStringLiteral("Defeat CTCSS for momentary time or until keyed"); break;
    case 138: strText = QStringLiteral("Toggle CTCSS Defeat (Keying resets)"); break;
    case 192: strText = QStringLiteral("Cancel Alarm"); break;
    case 193: strText = QStringLiteral("Clear Alarm/Confirmation Pip-Tones"); break;
    case 194: strText = QStringLiteral("Toggle loopback"); break;
    case kDoNothing: strText = QStringLiteral("Do Nothing"); break;
    default: strText = QStringLiteral("??Unknown"); break;
    }
    return 0;
}

} // namespace basVelmarTR
