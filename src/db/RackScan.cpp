#include "db/RackScan.h"

#include "link/LinkAddress.h"
#include "link/LinkCommands.h"
#include "link/ReadReply.h"
#include "link/TransferGuard.h"
#include "platform/Progress.h"
#include "shell/DateCodecs.h"
#include "shell/FailureTrap.h"
#include "shell/ModelCode.h"
#include "shell/ModuleType.h"
#include "shell/Windows1252.h"

#include <optional>

namespace rackscan {
namespace {

constexpr int kEntrySize = 5;
constexpr int kConfigurationPage = 2;
constexpr int kConfigurationByte = 2;  // of page 2

constexpr int kModelPage = 4;
constexpr int kCustomTypePage1 = 6, kCustomTypePage2 = 7;
constexpr int kRemarkPage1 = 8, kRemarkPage2 = 9;
constexpr int kDatePage = 11;
constexpr int kIdentityPage = 13;
constexpr uint8_t kToneRemoteMarkByte5 = 0xAA;
constexpr uint8_t kToneRemoteMarkByte6 = 0x7E;

using ReplyDecoder = std::optional<QByteArray> (*)(const QByteArray&);

// A page of the linked module as `decode` takes it from the READ reply: linkengine::readReplyPage
// (byte i at index i) or linkengine::readReplyLine (byte 7 first, for texts and dates). Nothing
// when the module does not answer.
std::optional<QByteArray> readPage(const QByteArray& serial, int page, ReplyDecoder decode)
{
    CLASSREAD& read = CLASSREAD::instance();
    if (read.intExecute(serial, basVelmar::strLongTo2Bytes(page)) != 0)
        return std::nullopt;
    return decode(read.strResponse);
}

uint8_t pageByte(const QByteArray& page, int b) { return static_cast<uint8_t>(page.at(b)); }

// The text of pages read in order, the first character of each in its byte 7.
std::optional<QString> readText(const QByteArray& serial, std::initializer_list<int> pages)
{
    QString text;
    for (int p : pages) {
        const auto bytes = readPage(serial, p, linkengine::readReplyLine);
        if (!bytes)
            return std::nullopt;
        text += windows1252::decode(*bytes);
    }
    return text;
}

// Reads what the module at `serial` is. Nothing when it does not link or stops answering.
std::optional<CRADIO> readModule(const QByteArray& serial, const QString& serialText)
{
    if (CLASSLINK::instance().intExecute(serial) != 0)
        return std::nullopt;
    TransferGuard::doEvents();

    const auto config = readPage(serial, kConfigurationPage, linkengine::readReplyPage);
    if (!config)
        return std::nullopt;
    const uint8_t configuration = pageByte(*config, kConfigurationByte);
    const int16_t type = basVelmar::intModuleTypeCode(configuration);
    TransferGuard::doEvents();

    const auto model = readPage(serial, kModelPage, linkengine::readReplyLine);
    if (!model)
        return std::nullopt;
    const QString modelText = basVelmar::strModelCodeName(windows1252::decode(*model), configuration != 0);

    const auto identity = readPage(serial, kIdentityPage, linkengine::readReplyPage);
    if (!identity)
        return std::nullopt;

    CRADIO record;
    const bool hasTexts = type != basVelmar::kToneRemote
        || (pageByte(*identity, 5) == kToneRemoteMarkByte5 && pageByte(*identity, 6) == kToneRemoteMarkByte6);
    if (!hasTexts) {
        record.intInit(serialText, type, modelText, QString(), QString(), 0, 0);
        return record;
    }
    const auto custom = readText(serial, {kCustomTypePage1, kCustomTypePage2});
    const auto remark = custom ? readText(serial, {kRemarkPage1, kRemarkPage2}) : std::nullopt;
    const auto datePage = remark ? readPage(serial, kDatePage, linkengine::readReplyLine) : std::nullopt;
    if (!datePage)
        return std::nullopt;
    basVelmar::DateBytes d{};
    for (std::size_t i = 0; i < d.size(); ++i)
        d[i] = static_cast<uint8_t>(datePage->at(static_cast<int>(i)));  // byte 7 first
    const double date = basVelmar::dteBytesToDate(d);
    record.intInit(serialText, type, modelText, *custom, *remark, date, date);
    return record;
}

int16_t scan(CRADIOCollection& rack)
{
    platform::Progress& progress = platform::Progress::instance();
    if (CLASSUNLINK::instance().intExecute() != 0)
        return -1;
    progress.setWidth(500);
    CLASSPOLL& poll = CLASSPOLL::instance();
    if (poll.intExecute() != 0)
        return -1;
    progress.setWidth(1500);
    const QList<QByteArray> entries = pollEntries(poll.strResponse);
    progress.setWidth(platform::Progress::kFull);
    rack.clear();

    for (const QByteArray& serial : entries) {
        const QString serialText = basVelmar::strBytesToDecimal(serial);
        auto record = std::make_shared<CRADIO>();
        if (auto found = readModule(serial, serialText))
            *record = *found;
        else
            record->intInit(serialText, basVelmar::kUnknownModule, QString(), QString(), QString(), 0, 0);
        rack.append(record);
        TransferGuard::doEvents();
    }

    if (CLASSUNLINK::instance().intExecute() != 0)
        return -1;
    CLASSUNLINK::instance().intExecute();
    return 0;
}

} // namespace

QList<QByteArray> pollEntries(const QByteArray& reply)
{
    QList<QByteArray> out;
    for (int p = 0; p + 4 <= reply.size(); p += kEntrySize)
        out.append(reply.mid(p + 1, 3));
    return out;
}

int16_t intScanRack(CRADIOCollection& rack)
{
    platform::ProgressScope progress(QStringLiteral("Reading rack..."));
    rack.clear();
    TransferGuard guard;
    if (!guard.acquired())
        return -1;
    const int16_t result = basVelmar::trapped([&] { return scan(rack); });
    TransferGuard::doEvents();
    return result;
}

} // namespace rackscan
