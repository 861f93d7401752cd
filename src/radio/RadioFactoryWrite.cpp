// Factory programming of a radio module: its model's RF data from the catalogue, its identity in
// the system pages, and pages 2 to 16 written into the one module in the rack.
#include "radio/CLASSOrvDocument.h"

#include "link/TransferGuard.h"
#include "db/CLASSOrvDB.h"
#include "db/ModuleSession.h"
#include "db/PageFields.h"
#include "link/LinkAddress.h"
#include "radio/RadioDateText.h"
#include "radio/RadioFailure.h"
#include "radio/RadioPageWords.h"
#include "shell/ByteCodecs.h"

#include <QDateTime>

using namespace radiolayout;

namespace {

void checkTextLength(const QString& text, const char* what)
{
    if (text.size() > kTextLength)
        radiodoc::fail(radiodoc::kOutOfRange, QStringLiteral("The %1 \"%2\" is longer than %3 characters.")
                                                  .arg(QLatin1String(what), text)
                                                  .arg(kTextLength));
}

} // namespace

int16_t CLASSOrvDocument::ReadFactoryModel()
{
    return radiodoc::trapped([&]() -> int16_t {
        ModData data;
        if (CLASSOrvDB::instance().ReadFactModel(strCustomType, data) != 0)
            return -1;
        takeModData(data);
        return 0;
    });
}

int16_t CLASSOrvDocument::ChangeFactoryWriteData(int32_t lngSer, int16_t intChan, uint8_t bytFlag, int16_t intPar,
                                                 const QString& strMT, const QString& strCust,
                                                 const QString& strProdDate, const QDateTime& datDate)
{
    return radiodoc::trapped([&]() -> int16_t {
        checkTextLength(strMT, "model");
        checkTextLength(strCust, "custom type");
        pagefields::serialOfNumber(lngSer);
        if (intChan < 0 || intChan > kMaxChannels)
            radiodoc::fail(radiodoc::kOutOfRange,
                           QStringLiteral("A radio module has 0 to %1 channels, not %2.").arg(kMaxChannels).arg(intChan));
        if (intPar != kPartition && intPar != kOldPartition)
            radiodoc::fail(radiodoc::kOutOfRange,
                           QStringLiteral("The partition is %1 or %2, not %3.").arg(kPartition).arg(kOldPartition).arg(intPar));
        // The date is taken to the second, as its text form holds it.
        const std::optional<QDateTime> stamp = radiodate::fromStampText(radiodate::stampText(datDate));
        if (!stamp)
            radiodoc::fail(radiodoc::kTypeMismatch, QStringLiteral("The date of the factory write is not a valid date."));

        // The pages change together or not at all.
        CLASSOrvDocument changed(*this);
        radiofields::setChannelCount(changed.pages_[kIdentityPage], intChan);
        changed.at(kIdentityPage, identity::kConfig) = bytFlag;
        changed.at(kIdentityPage, identity::kPartition) = static_cast<uint8_t>(intPar);
        changed.setPageText(kModelCodePage, modelCodeOf(strMT));
        changed.setPageText(kProductionDatePage, strProdDate.leftJustified(8, QLatin1Char(' '), true));
        changed.pages_[kOptionPage].fill(0);
        changed.setPageText(kCustomTypePage, strCust.leftJustified(kTextLength, QLatin1Char(' ')));
        changed.setPageText(kToolTagPage, QLatin1String(kToolTag));
        pagefields::setSerial(changed, lngSer);
        if (pagefields::setDate(changed, kLastWritePage, *stamp) != 0)
            return -1;

        if (intPar != kOldPartition) {
            const auto putLong = [&](int page, int high, int32_t value) {
                if (basVelmar::intLongToBytes(value, changed.at(page, high), changed.at(page, high - 1),
                                              changed.at(page, high - 2), changed.at(page, high - 3))
                    != 0)
                    throw platform::Error(0, QString()); // the codec has shown its message
            };
            putLong(kBandPage, rf::kHighGroup, lngUpperFreql);
            putLong(kBandPage, rf::kLowGroup, lngLowerFreql);
            putLong(kReferencePage, rf::kHighGroup, lngRef2);
            putLong(kReferencePage, rf::kLowGroup, lngRef1);
            basVelmar::intIntegerToBytes(intPrescalar, changed.at(kSynthPage, rf::kPrescalerHigh),
                                         changed.at(kSynthPage, rf::kPrescalerLow));
            changed.at(kSynthPage, rf::kDoubled) = boolDoubled ? 1 : 0;
            changed.at(kSynthPage, rf::kKind) = static_cast<uint8_t>(intRxTxEx);
            changed.at(kSynthPage, rf::kMarkHigh) = rf::kMark;
            changed.at(kSynthPage, rf::kMarkLow) = 0;
        }
        *this = changed;
        return 0;
    });
}

int16_t CLASSOrvDocument::FactoryWrite(int32_t lngSerialNew)
{
    // The new serial number travels in page 2; the module is found by the poll.
    Q_UNUSED(lngSerialNew);
    ModuleSession session;
    if (!session.acquired())
        return -1;
    return radiodoc::trapped([&]() -> int16_t {
        if (session.attachOnlyModule() != 0 || !session.writePageRun(*this, kIdentityPage, kPartition)
            || session.restart() != 0)
            return -1;
        fModified = false;
        return 0;
    });
}

int16_t CLASSOrvDocument::intDocument2ModuleFactory(int32_t lngSerialNew)
{
    if (intEditSystem() != 0)
        return -1;
    const int16_t rackChecked = radiodoc::trapped([&]() -> int16_t {
        pagefields::serialOfNumber(lngSerialNew);
        if (pagefields::serialOfText(strSerial) == lngSerialNew)
            return 0;
        // Two modules answering to one number could no longer be told apart on the line.
        ModuleSession session;
        if (!session.acquired())
            return -1;
        const std::optional<QList<QByteArray>> modules = session.poll();
        if (!modules)
            return -1;
        if (modules->contains(basVelmar::strLongTo3Bytes(lngSerialNew))) {
            TransferGuard::message(QStringLiteral("Error! There is a module in rack with the same serial number: ")
                                   + QString::number(lngSerialNew));
            return -1;
        }
        return 0;
    });
    if (rackChecked != 0)
        return -1;
    if (pagefields::serialOfText(strSerial) == lngSerialNew)
        return intDocument2Module();
    // A write the user stops at the kind warning leaves the module's number as it was.
    bool written = false;
    return writeToModule(lngSerialNew, written) == 0 && written ? 0 : -1;
}
