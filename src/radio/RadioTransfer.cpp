// Moving a radio module's configuration between the document and the module in the rack, one
// page of 8 bytes at a time over the serial link.
#include "radio/CLASSOrvDocument.h"

#include "link/LinkAddress.h"
#include "link/LinkCommands.h"
#include "link/ReadReply.h"
#include "link/TransferGuard.h"
#include "platform/Progress.h"
#include "radio/RadioFailure.h"
#include "shell/Compatibility.h"
#include "shell/DateCodecs.h"

#include <QDateTime>
#include <cmath>
#include <optional>

using namespace radiolayout;

namespace {

// Positions (from 0) in the 13 reply bytes of a READ: lead byte, serial address, the page's bytes
// (linkengine::readReplyPage), check byte.
constexpr int kReplyLead = 0;
constexpr int kReplySerial = 1;
constexpr int kReplyLength = 13;

const QString& noResponse()
{
    static const QString text = QStringLiteral("No response from module");
    return text;
}

// The module's serial address from the decimal text; empty (no module answers it) when the text
// is no serial number.
QByteArray serialAddress(const QString& serial)
{
    bool isNumber = false;
    const qlonglong value = serial.trimmed().toLongLong(&isNumber);
    return isNumber ? basVelmar::strLongTo3Bytes(value) : QByteArray();
}

uint8_t replyByte(const QByteArray& reply, int index)
{
    return index < reply.size() ? static_cast<uint8_t>(reply.at(index)) : 0;
}

uint8_t byteOf(const QByteArray& page, int byte) { return static_cast<uint8_t>(page.at(byte)); }

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

// UNLINK twice (the line may hold a link of its own), then LINK.
int16_t relink(const QByteArray& address)
{
    CLASSUNLINK::instance().intExecute();
    CLASSUNLINK::instance().intExecute();
    return CLASSLINK::instance().intExecute(address);
}

using ReplyDecoder = std::optional<QByteArray> (*)(const QByteArray&);

// Reads one page and gives its bytes as `decode` takes them from the reply: byte i at index i, or
// (linkengine::readReplyLine) byte 7 first. The whole reply stays in CLASSREAD's strResponse.
// Nothing when the module does not answer in full.
std::optional<QByteArray> readPage(const QByteArray& address, int page,
                                   ReplyDecoder decode = linkengine::readReplyPage)
{
    CLASSREAD& read = CLASSREAD::instance();
    if (read.intExecute(address, basVelmar::strLongTo2Bytes(page)) != 0 || read.strResponse.size() < kReplyLength)
        return std::nullopt;
    return decode(read.strResponse);
}

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

// Grows the progress bar by `step` while it is short of full width, then lets the windows repaint
// (user input stays queued), so the bar is seen growing page by page.
void advance(int step)
{
    platform::Progress& progress = platform::Progress::instance();
    if (progress.width() < platform::Progress::kFull)
        progress.setWidth(progress.width() + step);
    TransferGuard::doEvents();
}

} // namespace

int16_t CLASSOrvDocument::stampLastWrite()
{
    basVelmar::DateBytes now{};
    if (basVelmar::intDateToBytes(basVelmar::dteFromDateTime(QDateTime::currentDateTime()), now) != 0)
        return -1;
    for (int i = 0; i < kPageSize; ++i)
        at(kLastWritePage, kPageSize - 1 - i) = now[i];
    return 0;
}

QByteArray CLASSOrvDocument::lineData(int page) const
{
    QByteArray data(kPageSize, '\0');
    for (int i = 0; i < kPageSize; ++i)
        data[i] = static_cast<char>(at(page, kPageSize - 1 - i));
    return data;
}

bool CLASSOrvDocument::writePage(const QByteArray& address, int page) const
{
    return CLASSWRITE::instance().intExecute(address, basVelmar::strLongTo2Bytes(page), lineData(page)) == 0;
}

int16_t CLASSOrvDocument::intModule2Document(const QString& strSerialP)
{
    intDocumentFrom = kFromModule;
    strSerial = strSerialP;
    const QByteArray address = serialAddress(strSerial);

    TransferGuard guard;
    if (!guard.acquired())
        return -1;
    platform::ProgressScope progress(QStringLiteral("Reading Module..."));
    return radiodoc::trapped([&]() -> int16_t {
        const std::optional<QByteArray> identityPage =
            relink(address) == 0 ? readPage(address, kIdentityPage) : std::nullopt;
        if (!identityPage) {
            radiodoc::message(noResponse());
            return -1;
        }
        const int channels =
            byteOf(*identityPage, identity::kChannelsHigh) * 256 + byteOf(*identityPage, identity::kChannelsLow);
        const int lastPage = channels + byteOf(*identityPage, identity::kPartition) + 1;
        checkChannelArea(channels, lastPage);
        const int step = static_cast<int>(std::lround(double(platform::Progress::kFull) / (lastPage > 0 ? lastPage : 1)));

        TransferGuard::doEvents();
        for (int page = 0; page <= lastPage; ++page) {
            const std::optional<QByteArray> data = readPage(address, page);
            if (!data) {
                radiodoc::message(noResponse());
                return -1;
            }
            for (int i = 0; i < kPageSize; ++i)
                at(page, i) = byteOf(*data, i);
            advance(step);
        }
        platform::Progress::instance().setWidth(platform::Progress::kFull);

        const double firmware = QStringLiteral("%1%2.%3%4")
                                    .arg(at(kStatePage, state::kFirmwareMajorHi))
                                    .arg(at(kStatePage, state::kFirmwareMajorLo))
                                    .arg(at(kStatePage, state::kFirmwareMinorHi))
                                    .arg(at(kStatePage, state::kFirmwareMinorLo))
                                    .toDouble();
        if (basVelmar::intCheckCompatible(firmware) != 0)
            radiodoc::message(
                QStringLiteral("Warning: The Firmware version is not compatible. Data read maybe incorrect."));

        CLASSUNLINK::instance().intExecute();
        if (intInitSystemInfo() != 0 || readModDataOfLoad() != 0)
            return -1;
        return 0;
    });
}

int16_t CLASSOrvDocument::intDocument2Module()
{
    if (intEditSystem() != 0)
        return -1;
    return radiodoc::trapped([&]() -> int16_t {
        if (stampLastWrite() != 0)
            return -1;
        const QByteArray address = serialAddress(strSerial);
        TransferGuard guard;
        if (!guard.acquired() || relink(address) != 0)
            return -1;
        platform::ProgressScope progress(QStringLiteral("Writing Module"));

        const std::optional<QByteArray> identityPage = readPage(address, kIdentityPage);
        if (!identityPage || replyByte(CLASSREAD::instance().strResponse, kReplyLead) == 0)
            return -1;
        const uint8_t moduleConfig = byteOf(*identityPage, identity::kConfig);
        if (moduleKind(moduleConfig) != intRxTxEx
            && radiodoc::message(QStringLiteral("Warning! The data type is different from the module type! Continue?"),
                                 platform::vbYesNo | platform::vbCritical | platform::vbDefaultButton2)
                == platform::vbNo)
            return 0;

        // A module of the other layout keeps its own configuration byte and channel count; the
        // document's partition goes to it with page 2, which is then written first.
        const bool writeIdentity = byteOf(*identityPage, identity::kPartition) != intPartition;
        if (writeIdentity) {
            at(kIdentityPage, identity::kConfig) = moduleConfig;
            at(kIdentityPage, identity::kChannelsLow) = byteOf(*identityPage, identity::kChannelsLow);
            at(kIdentityPage, identity::kChannelsHigh) = byteOf(*identityPage, identity::kChannelsHigh);
        }

        TransferGuard::doEvents();
        const std::optional<QByteArray> modelCode = readPage(address, kModelCodePage, linkengine::readReplyLine);
        if (!modelCode || TestModelType(*modelCode) != 0)
            return -1;

        const int channels = at(kIdentityPage, identity::kChannelsHigh) * 256 + at(kIdentityPage, identity::kChannelsLow);
        const int lastPage = channels + at(kIdentityPage, identity::kPartition);
        checkChannelArea(channels, lastPage);
        if (writeIdentity && !writePage(address, kIdentityPage))
            return -1;

        const int step = platform::Progress::kFull / (lastPage - 3 > 0 ? lastPage - 3 : 1);
        if (!writePage(address, kStatePage))
            return -1;
        advance(step);
        for (int page = kOptionPage; page <= lastPage; ++page) {
            if (!writePage(address, page))
                return -1;
            advance(step);
        }

        if (CLASSEND::instance().intExecute(address) != 0 || CLASSRESTART::instance().intExecute(address) != 0)
            return -1;
        if (intInitSystemInfo() != 0)
            return -1;
        platform::Progress::instance().setWidth(platform::Progress::kFull);
        fModified = false;
        return 0;
    });
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

        const QByteArray address = serialAddress(strSerial);
        TransferGuard guard;
        if (!guard.acquired() || relink(address) != 0)
            return -1;
        const std::optional<QByteArray> identityPage = readPage(address, kIdentityPage);
        if (!identityPage || CLASSREAD::instance().strResponse.mid(kReplySerial, 3) != address)
            return -1;
        if (moduleKind(byteOf(*identityPage, identity::kConfig)) != intRxTxEx) {
            radiodoc::message(QStringLiteral("Wrong module type!"), platform::vbOKOnly | platform::vbExclamation,
                              QStringLiteral("Writing Error"));
            return 0;
        }

        TransferGuard::doEvents();
        for (const int page : {kStatePage, kLastWritePage, channelPageNumber})
            if (!writePage(address, page))
                return -1;
        if (CLASSEND::instance().intExecute(address) != 0 || CLASSRESTART::instance().intExecute(address) != 0)
            return -1;
        if (intInitSystemInfo() != 0)
            return -1;
        fModified = true;
        return 0;
    });
}
