// A new radio-module document: the system pages of a module of the chosen model, made before the
// module is first programmed.
#include "radio/CLASSOrvDocument.h"

#include "db/CLASSOrvDB.h"
#include "db/CModule.h"
#include "db/PageFields.h"
#include "radio/RadioConfiguration.h"
#include "radio/RadioFailure.h"
#include "radio/RadioPageWords.h"
#include "shell/ByteCodecs.h"
#include "shell/Windows1252.h"

using namespace radiolayout;

namespace {

// A codec that refused has shown its own message.
void check(int16_t codecStatus)
{
    if (codecStatus != 0)
        throw platform::Error(0, QString());
}

} // namespace

QString CLASSOrvDocument::MakeStandardName(const QString& strInput)
{
    QString code;
    if (strInput.startsWith(QLatin1String(modelcode::kSeriesPrefix))) {
        code = strInput.mid(2);
        code.remove(QLatin1Char('-'));
    }
    if (code.size() > kTextLength)
        radiodoc::fail(radiodoc::kOutOfRange,
                       QStringLiteral("The model name \"%1\" gives a model code longer than %2 characters.")
                           .arg(strInput)
                           .arg(kTextLength));
    return code.leftJustified(kTextLength, QLatin1Char(' '));
}

QString CLASSOrvDocument::modelCodeOf(const QString& model)
{
    const QString m = model.leftJustified(kTextLength, QLatin1Char(' '));
    QString code;
    for (const int position : {3, 4, 6, 7, 9, 10, 11, 12})
        code += m.at(position - 1);
    return code;
}

int16_t CLASSOrvDocument::NewRadio(const QString& strModuleP, const QString& strModelType, int32_t lngSerial,
                                   const QString& strSuffix, const QDate& datProductionDate, int32_t lngMaxChannelP,
                                   int32_t lngPartitionP)
{
    Q_UNUSED(strModelType);
    Q_UNUSED(strSuffix);
    return radiodoc::trapped([&]() -> int16_t {
        pagefields::serialOfNumber(lngSerial);
        if (lngMaxChannelP < 0 || lngMaxChannelP > kMaxChannels)
            radiodoc::fail(radiodoc::kOutOfRange,
                           QStringLiteral("A radio module has 0 to %1 channels, not %2.").arg(kMaxChannels).arg(lngMaxChannelP));
        const QString modelCode =
            MakeStandardName(strModelAsMade == CModule::kStandardModel ? strModuleP : strModelAsMade);

        intDocumentFrom = kFromNew;
        pages_[kBlankPage].fill(0);
        pages_[kStatePage] = {255, 255, 0, 0, 1, 0, 1, 0}; // firmware V01.01, current channel 0

        // The database proposes a row and a serial number; the serial that counts is the caller's.
        QString proposedSerial;
        CLASSOrvDB::instance().intGetModuleSerialAvaiable(moduleID_, proposedSerial);
        strSerial = proposedSerial;

        const uint8_t configuration = configurationOfKind(config::kTwoLetterCode, intRxTxEx, lngIntFreq);
        bytFlag1 = configuration;

        auto& identityPage = pages_[kIdentityPage];
        identityPage[identity::kConfig] = configuration;
        radiofields::setChannelCount(identityPage, lngMaxChannelP);
        identityPage[identity::kPartition] = static_cast<uint8_t>(lngPartitionP & 0xFF);
        identityPage[identity::kNewFill] = 255;
        intPartition = identityPage[identity::kPartition];
        pagefields::setSerial(*this, lngSerial);

        strProductionDate = datProductionDate.toString(QStringLiteral("ddMMyyyy"));
        setPageText(kProductionDatePage, strProductionDate.leftJustified(8, QLatin1Char(' '), true));
        setPageText(kModelCodePage, modelCode.left(modelcode::kLength));
        return 0;
    });
}

int16_t CLASSOrvDocument::intNew2Document(const QString& strModuleP, const QString& strModelType, int32_t lngSerial,
                                          const QString& strSuffix, const QDate& datProductionDate,
                                          int32_t lngMaxChannelP, int32_t lngPartitionP)
{
    Q_UNUSED(lngSerial);
    Q_UNUSED(strSuffix);
    Q_UNUSED(datProductionDate);
    Q_UNUSED(lngMaxChannelP);
    Q_UNUSED(lngPartitionP);
    const int16_t pagesMade = radiodoc::trapped([&]() -> int16_t {
        const bool standard = strModelType == CModule::kStandardModel;
        if (!standard && strModuleP.size() > kTextLength)
            radiodoc::fail(radiodoc::kOutOfRange,
                           QStringLiteral("The model name \"%1\" is longer than %2 characters.")
                               .arg(strModuleP)
                               .arg(kTextLength));

        const QByteArray customType = windows1252::encode(
            standard ? QString(kTextLength, QLatin1Char(' ')) : strModuleP.leftJustified(kTextLength, QLatin1Char(' ')));

        pages_[kOptionPage].fill(0);
        setPageBytes(kCustomTypePage, customType);
        setPageText(kRemarkPage, QString(kTextLength, QLatin1Char(' ')));
        setPageText(kToolTagPage, QLatin1String(kToolTag));

        check(pagefields::setDate(*this, kLastWritePage, QDateTime(QDate::currentDate(), QTime(0, 0))));

        check(basVelmar::intLongToBytes(lngUpperFreql, at(kBandPage, 7), at(kBandPage, 6), at(kBandPage, 5),
                                        at(kBandPage, 4)));
        check(basVelmar::intLongToBytes(lngLowerFreql, at(kBandPage, 3), at(kBandPage, 2), at(kBandPage, 1),
                                        at(kBandPage, 0)));
        check(basVelmar::intLongToBytes(lngRef2, at(kReferencePage, 7), at(kReferencePage, 6), at(kReferencePage, 5),
                                        at(kReferencePage, 4)));
        check(basVelmar::intLongToBytes(lngRef1, at(kReferencePage, 3), at(kReferencePage, 2), at(kReferencePage, 1),
                                        at(kReferencePage, 0)));

        check(basVelmar::intIntegerToBytes(intPrescalar, at(kSynthPage, rf::kPrescalerHigh),
                                           at(kSynthPage, rf::kPrescalerLow)));
        at(kSynthPage, rf::kDoubled) = boolDoubled ? 1 : 0;
        at(kSynthPage, rf::kKind) = static_cast<uint8_t>(intRxTxEx);
        at(kSynthPage, rf::kMarkHigh) = rf::kMark;
        at(kSynthPage, rf::kMarkLow) = 0;
        return 0;
    });
    if (pagesMade != 0 || intInitSystemInfo() != 0)
        return -1;
    return intInitChannel();
}
