// The settings of a tone-remote module: decoding the system pages into the document's fields and
// encoding the fields back into the pages.
#include "toneremote/COrvDocTR.h"

#include "db/DbQuery.h"
#include "db/PageFields.h"
#include "link/TransferGuard.h"
#include "platform/PlatformError.h"
#include "shell/ByteCodecs.h"
#include "shell/FailureTrap.h"
#include "shell/ModuleType.h"
#include "shell/RecordFields.h"
#include "toneremote/SlidingTone.h"
#include "toneremote/basVelmarTR.h"

#include <cmath>

using namespace trlayout;

namespace {

QString chopTrailingBlanks(QString s)
{
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    return s;
}

// The nearest whole number, halves to the even one.
double wholeNumber(double v) { return std::nearbyint(v); }

[[noreturn]] void doesNotFit(const char* field, const QString& value, const QString& range)
{
    throw platform::Error(velmardb::kErrOverflow, QStringLiteral("The setting %1 holds %2; the module can only store %3.")
                                                      .arg(QLatin1String(field), value, range));
}

// A whole number that goes into a 16-bit word: -32768..65535, stored as its low 16 bits.
uint16_t wordBits(double value, const char* field)
{
    const double v = wholeNumber(value);
    if (!(v >= -32768 && v <= 65535))
        doesNotFit(field, QString::number(value, 'g', 15), QStringLiteral("a whole number from -32768 to 65535"));
    return static_cast<uint16_t>(static_cast<int32_t>(v) & 0xFFFF);
}

uint8_t byteOf(double value, const char* field)
{
    const double v = wholeNumber(value);
    if (!(v >= 0 && v <= 255))
        doesNotFit(field, QString::number(value, 'g', 15), QStringLiteral("0 to 255"));
    return static_cast<uint8_t>(v);
}

// A duration in 2 ms units as the page holds it, and the milliseconds it loads as.
uint8_t durationUnits(uint8_t ms) { return static_cast<uint8_t>(wholeNumber(ms / double(durations::kMsPerUnit))); }

uint8_t functionToneMs(uint8_t units)
{
    return units >= durations::kFunctionToneFirst && units <= durations::kFunctionToneLast
        ? static_cast<uint8_t>(units * durations::kMsPerUnit)
        : durations::kFunctionToneDefaultMs;
}

uint8_t hlgtMs(uint8_t units)
{
    const int ms = units * durations::kMsPerUnit;
    return ms >= durations::kHlgtFirstMs && ms <= durations::kHlgtLastMs ? static_cast<uint8_t>(ms)
                                                                         : durations::kHlgtDefaultMs;
}

// A line level (dBm) of page 14: the byte is minus the level; the unset byte reads as `unset`.
int levelOf(uint8_t b, int unset) { return b == levels::kLevelUnset ? unset : -b; }

} // namespace

int16_t COrvDocTR::intInitSystemInfo()
{
    return basVelmar::trapped([&]() -> int16_t {
        TransferGuard::doEvents();
        ToneRemoteFields f = *this;

        f.bytCurrentChannel = at(kStatePage, state::kCurrentChannel);
        f.strFirmwareVersion = pagefields::firmwareVersion(
            at(kStatePage, state::kFirmwareMajorHi), at(kStatePage, state::kFirmwareMajorLo),
            at(kStatePage, state::kFirmwareMinorHi), at(kStatePage, state::kFirmwareMinorLo));

        const QString serial = QString::number(pagefields::serial(*this));

        f.bytFlag1 = at(kIdentityPage, identity::kConfig);
        f.bytFlag1Ext = at(kIdentityPage, identity::kOption);
        const int16_t kind = basVelmar::intModuleTypeCode(f.bytFlag1);
        f.intRxTxEx = basVelmar::isRadioModule(kind) ? int16_t{basVelmar::kUnknownModule} : kind;

        f.strProductionDate = pageText(kProductionDatePage, kShortTextLength);
        f.strModuleType = basVelmarTR::ConvertModelCode(pageText(kModelCodePage, kShortTextLength), 0);

        f.intMomTime = at(kTimerPage, timers::kMomentaryTime);
        f.intLineFailTime = word(kTimerPage, timers::kLineFailHi);
        f.bytFlag1Page5 = at(kTimerPage, timers::kFlag1Page5);
        f.bytFlag2 = at(kTimerPage, timers::kFlag2);
        basVelmar::intBytesToInteger(f.iMorseTimer, at(kTimerPage, timers::kMorseTimerHi),
                                     at(kTimerPage, timers::kMorseTimerLo));

        f.strCustomType = chopTrailingBlanks(pageText(kCustomTypePage, kTextLength));
        f.strModuleUsed = f.strModuleType;
        f.strUserRemark = chopTrailingBlanks(pageText(kRemarkPage, kTextLength));
        f.strFileName = chopTrailingBlanks(pageText(kProgramTagPage, kShortTextLength));
        f.strLastModified = pagefields::dayText(*this, kLastWritePage);

        f.intKeytoneFrequencyLT5 = word(kKeytonePage, keytone::kFirstHi);
        f.intKeytoneFrequencyRT10 = word(kKeytonePage, keytone::kSecondHi);

        f.bytFTTime = functionToneMs(at(kDurationPage, durations::kFunctionTone));
        f.byt5TTime = at(kDurationPage, durations::kFiveTone);
        f.bytDTMFT = at(kDurationPage, durations::kDtmf);
        f.bytHLGTDuration = hlgtMs(at(kDurationPage, durations::kHlgt));
        f.bytSelcallStd = at(kDurationPage, durations::kSelcallStandard);
        f.bytLET = at(kDurationPage, durations::kLet);
        f.bytLineOutAmp = at(kDurationPage, durations::kLineOutAmp);
        f.bytLineInAmp = at(kDurationPage, durations::kLineInAmp);

        f.intTxDelay = word(kDelayPage, delays::kTxHi);
        f.intRxDelay = word(kDelayPage, delays::kRxHi);
        f.OneTone = at(kDelayPage, delays::kOneTone) == 1 ? 1 : 0;

        f.lFreq_TOI = static_cast<int16_t>(word(kVotingPage, voting::kToneOnIdleHi));
        const uint16_t level = word(kVotingPage, voting::kLevelHi);
        f.VotingLevel = level == 0 ? voting::kDefaultLevel : level;

        f.RSSISignal = (at(kLevelPage, levels::kRssiKind) & levels::kRssiKindMask) == 1 ? 1 : 0;
        const trvoting::RssiSpan span = trvoting::rssiSpan(f.RSSISignal == 1);
        f.V1 = span.v1;
        f.V2 = span.v2;
        f.p1 = trvoting::kRssiFloorDbm;
        f.p2 = trvoting::kRssiFloorDbm + trvoting::kRssiSpanDb;
        f.kRSSI = trvoting::kRssiCountsPerVolt;
        const trvoting::LevelScale scale = trvoting::levelScale(span);
        f.Pm = scale.pm;
        f.Pint = scale.pint;

        if (f.bytFlag2 & timers::kSlidingTone) {
            if (at(kVotingPage, voting::kToneOnIdleHi) == voting::kNoSlidingTone) {
                f.iSlidingSimoco = 0;
            } else {
                f.iSlidingSimoco = 1;
                f.MuteFreq = word(kVotingTonePage, votingtone::kMuteHi);
                f.LowerFreq = word(kVotingTonePage, votingtone::kLowerHi);
                f.UpperFreq = word(kVotingTonePage, votingtone::kUpperHi);
                f.AlarmFreq = word(kVotingTonePage, votingtone::kAlarmHi);
                f.Fl = trvoting::hzOfCode(static_cast<uint16_t>(f.LowerFreq));
                f.Fu = trvoting::hzOfCode(static_cast<uint16_t>(f.UpperFreq));
                f.Fa = trvoting::hzOfCode(static_cast<uint16_t>(f.AlarmFreq));
                f.Fmute = trvoting::hzOfCode(static_cast<uint16_t>(f.MuteFreq));
                f.m = word(kVotingPage, voting::kSlopeHi);
                f.c = static_cast<int16_t>(word(kVotingPage, voting::kOffsetHi));
                f.Ll = levelOf(at(kLevelPage, levels::kLowerLevel), levels::kLowerUnsetDbm);
                f.Lu = levelOf(at(kLevelPage, levels::kUpperLevel), levels::kUpperUnsetDbm);
            }
        }

        static_cast<ToneRemoteFields&>(*this) = f;
        strSerial = serial;
        agreed_ = f;
        return 0;
    });
}

int16_t COrvDocTR::intEditSystem()
{
    return basVelmar::trapped([&]() -> int16_t {
        const ToneRemoteFields& f = *this;
        // Everything is checked and worked out before the first byte changes, so a refused save
        // leaves the pages as they were. The line levels, which only a sliding tone decodes,
        // leave their bytes alone while they still hold what the pages gave; every other field
        // is written as it stands, so a byte the decode read as another value is written as
        // that value.
        // A sign is no part of a tone-remote module's serial number.
        const int32_t serial = pagefields::serialOfText(strSerial, false);
        const uint8_t momTime = byteOf(f.intMomTime, "momentary time");
        if (f.intLineFailTime < 0 || f.intLineFailTime > 65535)
            doesNotFit("line-fail time", QString::number(f.intLineFailTime), QStringLiteral("0 to 65535"));
        const QByteArray remark = textBytes(f.strUserRemark, kTextLength, "user remark");
        const QByteArray fileName = textBytes(f.strFileName, kShortTextLength, "program tag");
        const bool lowerLevelSet = f.Ll != agreed_.Ll;
        const bool upperLevelSet = f.Lu != agreed_.Lu;
        const uint8_t lowerLevel = lowerLevelSet ? byteOf(-f.Ll, "lower line level (minus)") : 0;
        const uint8_t upperLevel = upperLevelSet ? byteOf(-double(f.Lu), "upper line level (minus)") : 0;
        if (f.RSSISignal < 0 || f.RSSISignal > levels::kRssiKindMask)
            doesNotFit("RSSI signal kind", QString::number(f.RSSISignal), QStringLiteral("0 to 15"));
        const uint16_t toneOnIdle = wordBits(f.lFreq_TOI, "tone-on-idle word");
        const uint16_t votingLevel = wordBits(f.VotingLevel, "voting level");
        const bool sliding = f.iSlidingSimoco != 0;
        const uint16_t slope = sliding ? wordBits(f.m, "sliding-tone slope") : 0;
        const uint16_t muteWord = sliding ? wordBits(f.MuteFreq, "mute frequency word") : 0;
        const uint16_t lowerWord = sliding ? wordBits(f.LowerFreq, "lower frequency word") : 0;
        const uint16_t upperWord = sliding ? wordBits(f.UpperFreq, "upper frequency word") : 0;
        const uint16_t alarmWord = sliding ? wordBits(f.AlarmFreq, "alarm frequency word") : 0;
        const std::optional<QByteArray> today = pagefields::datePage(QDateTime::currentDateTime());
        if (!today)
            return -1;

        // 1-3: channel, serial number, timers and flags.
        at(kStatePage, state::kCurrentChannel) = f.bytCurrentChannel;
        pagefields::setSerial(*this, serial);
        at(kTimerPage, timers::kMomentaryTime) = momTime;
        basVelmar::intIntegerToBytes(f.iMorseTimer, at(kTimerPage, timers::kMorseTimerHi),
                                     at(kTimerPage, timers::kMorseTimerLo));
        setWord(kTimerPage, timers::kLineFailHi, static_cast<uint16_t>(f.intLineFailTime));
        at(kTimerPage, timers::kFlag1Page5) = f.bytFlag1Page5;
        at(kTimerPage, timers::kFlag2) = f.bytFlag2;

        // 4-6: texts (the custom type is not written) and the date of this write.
        setPageText(kRemarkPage, remark);
        setPageText(kProgramTagPage, fileName);
        intWritePage(kLastWritePage, *today);

        // 7-9: keytones, line levels, durations.
        setWord(kKeytonePage, keytone::kFirstHi, f.intKeytoneFrequencyLT5);
        setWord(kKeytonePage, keytone::kSecondHi, f.intKeytoneFrequencyRT10);
        if (lowerLevelSet)
            at(kLevelPage, levels::kLowerLevel) = lowerLevel;
        if (upperLevelSet)
            at(kLevelPage, levels::kUpperLevel) = upperLevel;
        at(kDurationPage, durations::kFunctionTone) = durationUnits(f.bytFTTime);
        at(kDurationPage, durations::kFiveTone) = f.byt5TTime;
        at(kDurationPage, durations::kDtmf) = f.bytDTMFT;
        at(kDurationPage, durations::kHlgt) = durationUnits(f.bytHLGTDuration);
        at(kDurationPage, durations::kSelcallStandard) = f.bytSelcallStd;
        at(kDurationPage, durations::kLet) = f.bytLET;
        at(kDurationPage, durations::kLineOutAmp) = f.bytLineOutAmp;
        at(kDurationPage, durations::kLineInAmp) = f.bytLineInAmp;

        // 10-13: path delays, RSSI kind and its preset, one-tone mode.
        setWord(kDelayPage, delays::kTxHi, f.intTxDelay == 0 ? delays::kZeroWrittenAs : f.intTxDelay);
        setWord(kDelayPage, delays::kRxHi, f.intRxDelay == 0 ? delays::kZeroWrittenAs : f.intRxDelay);
        SetLowNybble(kLevelPage, levels::kRssiKind, static_cast<uint8_t>(f.RSSISignal));
        const auto& preset = f.RSSISignal == 1 ? votingtone::kVhfPreset : votingtone::kUhfPreset;
        pagefields::writeReversed(*this, kVotingTonePage, recordfields::bytesOf(preset));
        at(kDelayPage, delays::kOneTone) = f.OneTone == 1 ? 1 : 0;

        // 14-15: voting; in sliding-tone mode the slope, the offset and the four words.
        setWord(kVotingPage, voting::kToneOnIdleHi, toneOnIdle);
        setWord(kVotingPage, voting::kLevelHi, votingLevel);
        if (sliding) {
            setWord(kVotingPage, voting::kSlopeHi, slope);
            basVelmar::intIntegerToBytes(f.c, at(kVotingPage, voting::kOffsetHi), at(kVotingPage, voting::kOffsetLo));
            setWord(kVotingTonePage, votingtone::kMuteHi, muteWord);
            setWord(kVotingTonePage, votingtone::kLowerHi, lowerWord);
            setWord(kVotingTonePage, votingtone::kUpperHi, upperWord);
            setWord(kVotingTonePage, votingtone::kAlarmHi, alarmWord);
        }
        agreed_ = f;
        return 0;
    });
}
