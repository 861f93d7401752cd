// Moving a radio module's configuration between the document and the module in the rack, one
// page of 8 bytes at a time over the serial link.
#include "radio/CLASSOrvDocument.h"

#include "db/Compatibility.h"
#include "db/ModuleSession.h"
#include "db/PageFields.h"
#include "db/TransferCaptions.h"
#include "link/TransferGuard.h"
#include "platform/Progress.h"
#include "radio/RadioFailure.h"
#include "radio/RadioPageWords.h"

#include <QDateTime>
#include <cmath>
#include <optional>

using namespace radiolayout;

namespace {

const QString& noResponse()
{
    static const QString text = QStringLiteral("No response from module");
    return text;
}

// Kind of a module's configuration byte as intRxTxEx counts it; -1 for a module of no radio kind.
int moduleKind(uint8_t configuration)
{
    switch (configuration & config::kModuleKindMask) {
    case config::kKindTransmitter: return 1;
    case config::kKindExciter: return 2;
    case config::kKindReceiver:
    case config::kKindReceiver | config::kKindExciter: return 0;
    default: return -1;
    }
}

uint8_t byteOf(const QByteArray& page, int byte) { return static_cast<uint8_t>(page.at(byte)); }

// Channel counts and last pages that the image can hold; anything else is refused with a message
// before a page moves.
void checkChannelArea(int channels, int lastPage)
{
    if (channels > kMaxChannels)
        radiodoc::fail(radiodoc::kOutOfRange,
                       QStringLiteral("The module reports %1 channels; a radio module has at most %2.")
                           .arg(channels)
                           .arg(kMaxChannels));
    if (lastPage > kLastPage)
        radiodoc::fail(radiodoc::kOutOfRange,
                       QStringLiteral("The module's memory would end at page %1; a radio module has pages 0 to %2.")
                           .arg(lastPage)
                           .arg(kLastPage));
}

} // namespace

int16_t CLASSOrvDocument::stampLastWrite()
{
    return pagefields::setDate(*this, kLastWritePage, QDateTime::currentDateTime());
}

int16_t CLASSOrvDocument::intModule2Document(const QString& strSerialP)
{
    ModuleSession session;
    if (!session.acquired())
        return -1;
    platform::ProgressScope progress(transfercaption::readingModule());
    return radiodoc::trapped([&]() -> int16_t {
        const std::optional<ModulePage> identityPage =
            session.open(strSerialP) == 0 ? session.readPage(kIdentityPage) : std::nullopt;
        if (!identityPage) {
            TransferGuard::message(noResponse());
            return -1;
        }
        const QByteArray& identityBytes = identityPage->bytes;
        const int channels = radiofields::channelCount(pagefields::bytesOf(identityBytes));
        const int lastPage = channels + byteOf(identityBytes, identity::kPartition) + 1;
        checkChannelArea(channels, lastPage);
        const int step = static_cast<int>(std::lround(double(platform::Progress::kFull) / (lastPage > 0 ? lastPage : 1)));

        // Read beside the document, which takes the pages only when all of them came and decoded.
        CLASSOrvDocument loaded(*this);
        loaded.intDocumentFrom = kFromModule;
        loaded.strSerial = strSerialP;
        loaded.strSourceSerial = strSerialP;
        TransferGuard::doEvents();
        for (int page = 0; page <= lastPage; ++page) {
            const std::optional<ModulePage> data = session.readPage(page);
            if (!data) {
                TransferGuard::message(noResponse());
                return -1;
            }
            for (int i = 0; i < kPageSize; ++i)
                loaded.at(page, i) = byteOf(data->bytes, i);
            session.advance(step);
        }
        platform::Progress::instance().setWidth(platform::Progress::kFull);

        const auto& firmware = loaded.pages_[kStatePage];
        basVelmar::warnIfFirmwareIncompatible(firmware[state::kFirmwareMajorHi], firmware[state::kFirmwareMajorLo],
                                              firmware[state::kFirmwareMinorHi], firmware[state::kFirmwareMinorLo]);

        session.release();
        if (loaded.intInitSystemInfo() != 0 || loaded.readModDataOfLoad() != 0)
            return -1;
        *this = loaded;
        return 0;
    });
}

int16_t CLASSOrvDocument::intDocument2Module()
{
    bool written = false;
    return writeToModule(std::nullopt, written);
}

int16_t CLASSOrvDocument::writeToModule(std::optional<int32_t> newSerial, bool& written)
{
    written = false;
    if (intEditSystem() != 0)
        return -1;
    const int32_t oldSerial = pagefields::serial(*this);
    const int16_t result = radiodoc::trapped([&]() -> int16_t {
        if (stampLastWrite() != 0)
            return -1;
        ModuleSession session;
        if (!session.acquired() || session.open(strSerial) != 0)
            return -1;
        platform::ProgressScope progress(transfercaption::writingModule());

        const std::optional<ModulePage> identityPage = session.readPage(kIdentityPage);
        if (!identityPage || identityPage->lead == 0)
            return -1;
        const QByteArray& moduleIdentity = identityPage->bytes;
        const uint8_t moduleConfig = byteOf(moduleIdentity, identity::kConfig);
        if (moduleKind(moduleConfig) != intRxTxEx
            && TransferGuard::message(
                   QStringLiteral("Warning! The data type is different from the module type! Continue?"),
                   platform::vbYesNo | platform::vbCritical | platform::vbDefaultButton2)
                == platform::vbNo)
            return 0;

        // A module of the other layout keeps its own configuration byte and channel count; the
        // document's partition goes to it with page 2, which is then written first. So does a new
        // serial number, which the module answers to once it has restarted.
        const bool otherLayout = byteOf(moduleIdentity, identity::kPartition) != intPartition;
        if (otherLayout) {
            at(kIdentityPage, identity::kConfig) = moduleConfig;
            radiofields::setChannelCount(pages_[kIdentityPage],
                                         radiofields::channelCount(pagefields::bytesOf(moduleIdentity)));
        }
        if (newSerial)
            pagefields::setSerial(*this, *newSerial);
        const bool writeIdentity = otherLayout || newSerial.has_value();

        TransferGuard::doEvents();
        const std::optional<ModulePage> modelCode = session.readPage(kModelCodePage);
        if (!modelCode || TestModelType(pagefields::reversed(modelCode->bytes)) != 0)
            return -1;

        const int channels = radiofields::channelCount(pages_[kIdentityPage]);
        const int lastPage = channels + at(kIdentityPage, identity::kPartition);
        checkChannelArea(channels, lastPage);
        written = true;
        if (writeIdentity && !session.writePages(*this, {kIdentityPage}))
            return -1;

        const int step = platform::Progress::kFull / (lastPage - 3 > 0 ? lastPage - 3 : 1);
        if (!session.writePages(*this, {kStatePage}, step) || !session.writePageRun(*this, kOptionPage, lastPage, step)
            || session.finish() != 0)
            return -1;
        if (intInitSystemInfo() != 0)
            return -1;
        platform::Progress::instance().setWidth(platform::Progress::kFull);
        fModified = false;
        return 0;
    });
    // The serial number of page 2 stays the one the document names until the module has taken
    // the new one.
    if (newSerial && (result != 0 || !written))
        pagefields::setSerial(*this, oldSerial);
    return result;
}

int16_t CLASSOrvDocument::WriteDefault(int16_t intChannelIndex)
{
    return radiodoc::trapped([&]() -> int16_t {
        const int channelPageNumber = channelPage(intChannelIndex + 1);
        if (channelPageNumber < 0)
            radiodoc::fail(radiodoc::kOutOfRange,
                           QStringLiteral("The default channel %1 lies outside the module's memory.").arg(intChannelIndex));
        if (intEditSystem() != 0 || stampLastWrite() != 0)
            return -1;

        ModuleSession session;
        if (!session.acquired() || session.open(strSerial) != 0)
            return -1;
        const std::optional<ModulePage> identityPage = session.readPage(kIdentityPage);
        if (!identityPage || identityPage->module != session.address())
            return -1;
        if (moduleKind(byteOf(identityPage->bytes, identity::kConfig)) != intRxTxEx) {
            TransferGuard::message(QStringLiteral("Wrong module type!"), platform::vbOKOnly | platform::vbExclamation,
                                   QStringLiteral("Writing Error"));
            return 0;
        }

        TransferGuard::doEvents();
        if (!session.writePages(*this, {kStatePage, kLastWritePage, channelPageNumber}) || session.finish() != 0)
            return -1;
        if (intInitSystemInfo() != 0)
            return -1;
        fModified = true;
        return 0;
    });
}
