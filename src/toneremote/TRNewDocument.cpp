// A new tone-remote document: the identity of a module about to be programmed for the first time,
// and the factory-default settings it starts with.
#include "toneremote/COrvDocTR.h"

#include "db/PageFields.h"
#include "shell/FailureTrap.h"
#include "shell/RecordFields.h"
#include "toneremote/basVelmarTR.h"

using namespace trlayout;

namespace {

// The factory defaults, bytes listed from byte 7 down to byte 0.
constexpr Bytes7to0 kTimerDefaults{0, 0, 0, 0, 0, 0x84, 0, identity::kFactoryCalibration};
constexpr Bytes7to0 kLevelDefaults{255, 255, 255, 255, 255, 255, 255, 255};
constexpr Bytes7to0 kDurationDefaults{0, 0, 30, 0, 0, 0, 127, 225};
constexpr Bytes7to0 kStateDefaults{0, 0, 0, 0, 0, 0, 255, 255};
// Alarm records 1-8: flags byte 0, the alarm disabled.
constexpr Bytes7to0 kAlarmDefaults{0, 0, 0, 0, 0, 0, 15, 136};

constexpr uint16_t kTxDelayDefault = 1200;
constexpr uint16_t kRxDelayDefault = 600;
constexpr int32_t kKeytoneDefaultHz = 2175;

// Writes a page of defaults listed from byte 7 down.
void setDefaults(CPageImage& doc, int page, const Bytes7to0& bytes)
{
    pagefields::writeReversed(doc, page, recordfields::bytesOf(bytes));
}

const QString& defaultSelcallStandard()
{
    static const QString standard = QStringLiteral("CCIR");
    return standard;
}

} // namespace

int16_t COrvDocTR::NewToneRemote(const QString& strModel, bool boolStandard, int32_t lngSerial,
                                 const QString& strSuffix, const QDate& datProduction, uint8_t bytOption)
{
    Q_UNUSED(boolStandard);
    Q_UNUSED(strSuffix);
    return basVelmar::trapped([&]() -> int16_t {
        const int32_t serial = pagefields::serialOfNumber(lngSerial);
        const QString productionDate = datProduction.toString(QStringLiteral("dd-MM-yy"));
        const QByteArray dateBytes = textBytes(productionDate, kShortTextLength, "production date");
        const QByteArray modelCode = textBytes(basVelmarTR::ConvertModelCode(strModel, 1).left(kShortTextLength),
                                               kShortTextLength, "model code");

        intDocumentFrom = kFromNew;
        pages_[kBlankPage].fill(0);
        setDefaults(*this, kStatePage, kStateDefaults);
        bytFlag1 = identity::kToneRemoteKind;
        bytFlag1Ext = bytOption;
        pages_[kIdentityPage].fill(0);
        pagefields::setSerial(*this, serial);
        at(kIdentityPage, identity::kConfig) = bytFlag1;
        at(kIdentityPage, identity::kOption) = bytFlag1Ext;
        at(kIdentityPage, identity::kCalibration) = identity::kFactoryCalibration;
        strSerial = QString::number(serial);
        strProductionDate = productionDate;
        setPageText(kProductionDatePage, dateBytes);
        setPageText(kModelCodePage, modelCode);
        return 0;
    });
}

int16_t COrvDocTR::NewDocument()
{
    const std::optional<QByteArray> today = pagefields::datePage(QDateTime::currentDateTime());
    if (!today)
        return -1;
    setDefaults(*this, kTimerPage, kTimerDefaults);
    setPageText(kCustomTypePage, QByteArray(kTextLength, ' '));
    setPageText(kRemarkPage, QByteArray(kTextLength, ' '));
    setPageText(kProgramTagPage, QByteArray(kToolTag));
    intWritePage(kLastWritePage, *today);
    setPageText(kKeytonePage, QByteArray(kShortTextLength, ' '));
    setPageText(kMarkerPage, QByteArray(kShortTextLength, ' '));
    at(kMarkerPage, marker::kFirst) = marker::kBytes[0];
    at(kMarkerPage, marker::kSecond) = marker::kBytes[1];
    at(kMarkerPage, marker::kThird) = marker::kBytes[2];
    setDefaults(*this, kLevelPage, kLevelDefaults);
    setDefaults(*this, kDurationPage, kDurationDefaults);

    VotingLevel = voting::kDefaultLevel;
    setWord(kVotingPage, voting::kLevelHi, voting::kDefaultLevel);
    setWord(kDelayPage, delays::kRxHi, kRxDelayDefault);
    setWord(kDelayPage, delays::kTxHi, kTxDelayDefault);

    // A table the database cannot give ends the defaults there.
    if (intSetSelcallStandard(defaultSelcallStandard()) != 0 || SetSelcallCode(defaultSelcallStandard()) != 0
        || intSetKeyToneFrequency(kKeytoneDefaultHz) != 0 || CreateMuTable() != 0 || CreateFnTonesStds() != 0)
        return -1;

    for (int alarm = 1; alarm <= alarms::kLowCount; ++alarm)
        setDefaults(*this, alarmPage(alarm), kAlarmDefaults);
    ResetFnToneActions();
    return intInitSystemInfo();
}
