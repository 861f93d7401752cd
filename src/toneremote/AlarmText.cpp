// The one-line description of an alarm or confirmation record.
#include "toneremote/basVelmarTR.h"

#include "toneremote/AlarmMessage.h"
#include "toneremote/AlarmRecordFormat.h"

namespace basVelmarTR {
namespace {

using namespace alarmformat;

QString toneText(int tone)
{
    int16_t hz = 0;
    return intGetFnToneFrequency(static_cast<int16_t>(tone), hz) == 0 ? QString::number(hz) : QString();
}

} // namespace

int16_t intAlarmToText(const std::array<uint8_t, 8>& bytAlarm, QString& strText)
{
    const uint8_t flags = bytAlarm[kFlagsByte];
    const uint8_t encoding = flags & kEncodingMask;
    const QString digits = messageText(bytAlarm, encoding == kDtmf);
    const uint8_t destination = flags & kDestinationMask;
    if (destination == 0) {
        strText = QStringLiteral("Disabled");
        return 0;
    }
    QString text = (flags & kPipTone) ? QStringLiteral("PipTone. ") : QString();
    if (bytAlarm[kMessageFirstByte] != kNoMessage && (flags & kAnyOutputMask) != 0) {
        if (encoding == kFunctionTones) {
            const int first = bytAlarm[kFtFirstToneByte] & 0x0F;
            const int second = bytAlarm[kFtSecondToneByte] >> 4;
            text += QStringLiteral("FT Seq ") + (first == kNoTone ? QStringLiteral("None") : toneText(first));
            if (second != kNoTone)
                text += QLatin1Char('+') + toneText(second);
        } else if (encoding == kSelcall) {
            text += QStringLiteral("Selcall ") + QLatin1Char(' ') + digits;
        } else if (encoding == kDtmf) {
            text += QStringLiteral("DTMF ") + QLatin1Char(' ') + digits;
        }
        if (destination == kToLine)
            text += QStringLiteral(" to Line. ");
        else if (destination == kToRadio)
            text += QStringLiteral(" to Radio. ");
        else
            text += QStringLiteral(" to Line+Radio. ");
    }
    if (flags & kAuxEnabled)
        text += QStringLiteral("Activate Aux ") + QString::number((flags & kAuxNumberMask) >> kAuxNumberShift);
    strText = text;
    return 0;
}

} // namespace basVelmarTR
