// Moving a tone-remote module's configuration between the document and the module in the rack,
// one page of 8 bytes at a time over the serial link, and the factory write of a module's identity.
#include "toneremote/COrvDocTR.h"

#include "db/Compatibility.h"
#include "db/DbQuery.h"
#include "db/ModuleSession.h"
#include "db/TransferCaptions.h"
#include "platform/PlatformError.h"
#include "platform/Progress.h"
#include "shell/FailureTrap.h"

#include <cmath>

using namespace trlayout;

namespace {

// The bar grows by the same step after each page: 1999 / pages, rounded (8 for 256 pages).
int progressStep(int pages) { return static_cast<int>(std::lround((platform::Progress::kFull - 1) / double(pages))); }

} // namespace

void COrvDocTR::requireModulePages() const
{
    if (lngMaxPage < kStatePage + 1 || lngMaxPage > kModulePages)
        throw platform::Error(velmardb::kErrSubscript,
                              QStringLiteral("The module has pages 0 to %1; the document asks for pages 0 to %2.")
                                  .arg(kModulePages - 1)
                                  .arg(lngMaxPage - 1));
}

int16_t COrvDocTR::intModule2Document(const QString& strSerialP)
{
    ModuleSession session;
    if (!session.acquired())
        return -1;
    platform::ProgressScope progress(transfercaption::readingModule());
    return basVelmar::trapped([&]() -> int16_t {
        requireModulePages();
        if (session.open(strSerialP) != 0)
            return -1;
        // Read beside the document, which takes the pages only when all of them came.
        COrvDocTR loaded(*this);
        const int step = progressStep(lngMaxPage);
        for (int page = 0; page < lngMaxPage; ++page) {
            const std::optional<ModulePage> read = session.readPage(page);
            if (!read || loaded.intWritePage(page, read->bytes) != 0)
                return -1;
            session.advance(step);
        }
        loaded.intDocumentFrom = kFromModule;
        loaded.strSerial = strSerialP;
        loaded.strSourceSerial = strSerialP;
        *this = loaded;
        basVelmar::warnIfFirmwareIncompatible(
            at(kStatePage, state::kFirmwareMajorHi), at(kStatePage, state::kFirmwareMajorLo),
            at(kStatePage, state::kFirmwareMinorHi), at(kStatePage, state::kFirmwareMinorLo));
        return 0;
    });
}

int16_t COrvDocTR::intDocument2Module()
{
    if (intEditSystem() != 0)
        return -1;
    ModuleSession session;
    if (!session.acquired())
        return -1;
    platform::ProgressScope progress(transfercaption::writingModule());
    return basVelmar::trapped([&]() -> int16_t {
        requireModulePages();
        if (session.open(strSerial) != 0)
            return -1;
        const std::optional<ModulePage> identityPage = session.readPage(kIdentityPage);
        if (!identityPage)
            return -1;

        // The threshold keeps its voltage on a module of another calibration: it is read against
        // the document's calibration byte and set again against the module's, which the image
        // then keeps. A voltage the module's scale cannot hold stops the write here.
        COrvDocTR rebased(*this);
        const ExactDecimal volts = rebased.LowVoltAlarmThreshold();
        rebased.at(kIdentityPage, identity::kCalibration) =
            static_cast<uint8_t>(identityPage->bytes.at(identity::kCalibration));
        if (rebased.LowVoltAlarmThreshold(volts) != 0)
            return -1;
        *this = rebased;

        // The module keeps its own identity, calibration and production data (pages 2-4).
        const int step = progressStep(lngMaxPage);
        if (!session.writePages(*this, {kStatePage}, step)
            || !session.writePageRun(*this, kModelCodePage + 1, lngMaxPage - 1, step))
            return -1;
        fModified = false;
        session.restart();
        return intInitSystemInfo();
    });
}

int16_t COrvDocTR::FactoryWrite(int32_t lngSerialNew)
{
    // The new serial number travels in page 2; the module is found by the poll.
    Q_UNUSED(lngSerialNew);
    ModuleSession session;
    if (!session.acquired())
        return -1;
    return basVelmar::trapped([&]() -> int16_t {
        if (session.attachOnlyModule() != 0
            || !session.writePages(*this, {kIdentityPage, kProductionDatePage, kModelCodePage, kMarkerPage}))
            return -1;
        session.restart();
        fModified = false;
        return 0;
    });
}
