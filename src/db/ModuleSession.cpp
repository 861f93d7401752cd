#include "db/ModuleSession.h"

#include "db/PageFields.h"
#include "db/PageImage.h"
#include "db/RackScan.h"
#include "link/LinkAddress.h"
#include "link/LinkCommands.h"
#include "link/LinkFrames.h"
#include "link/ReadReply.h"
#include "platform/Progress.h"

#include <algorithm>

namespace {

// A READ reply: lead byte, the answering module's serial address, the page, check byte.
constexpr int kReplyLength = 13;
constexpr int kReplyLead = 0;
constexpr int kReplySerial = 1;
constexpr int kSerialLength = 3;

} // namespace

ModuleSession::ModuleSession() : lineOpen_(guard_.acquired() && intOpenLine() == 0) {}

QByteArray ModuleSession::addressOf(const QString& serial)
{
    bool isNumber = false;
    const qlonglong value = serial.trimmed().toLongLong(&isNumber);
    return isNumber ? basVelmar::strLongTo3Bytes(value) : QByteArray();
}

int16_t ModuleSession::open(const QString& serial)
{
    address_ = addressOf(serial);
    CLASSUNLINK::instance().intExecute();
    CLASSUNLINK::instance().intExecute();
    return CLASSLINK::instance().intExecute(address_);
}

int16_t ModuleSession::attach(const QByteArray& address)
{
    address_ = address;
    return CLASSLINK::instance().intExecute(address_);
}

int16_t ModuleSession::attach(const QString& serial) { return attach(addressOf(serial)); }

std::optional<QList<QByteArray>> ModuleSession::poll() const
{
    CLASSPOLL& command = CLASSPOLL::instance();
    if (command.intExecute() != 0)
        return std::nullopt;
    return rackscan::pollEntries(command.strResponse);
}

int16_t ModuleSession::attachOnlyModule()
{
    const std::optional<QList<QByteArray>> modules = poll();
    if (!modules || modules->size() != 1)
        return -1;
    return attach(modules->front());
}

std::optional<ModulePage> ModuleSession::readPage(int page) const
{
    CLASSREAD& read = CLASSREAD::instance();
    if (read.intExecute(address_, basVelmar::strLongTo2Bytes(page)) != 0 || read.strResponse.size() < kReplyLength)
        return std::nullopt;
    const std::optional<QByteArray> bytes = linkengine::readReplyPage(read.strResponse);
    if (!bytes)
        return std::nullopt;
    return ModulePage{*bytes, static_cast<uint8_t>(read.strResponse.at(kReplyLead)),
                      read.strResponse.mid(kReplySerial, kSerialLength)};
}

bool ModuleSession::writePage(const CPageImage& image, int page, int progressStep) const
{
    QByteArray bytes;
    if (image.intReadPage(page, bytes) != 0)
        return false;
    if (CLASSWRITE::instance().intExecute(address_, basVelmar::strLongTo2Bytes(page), pagefields::reversed(bytes)) != 0)
        return false;
    if (progressStep != 0)
        advance(progressStep);
    return true;
}

bool ModuleSession::writePages(const CPageImage& image, std::initializer_list<int> pages, int progressStep) const
{
    return std::all_of(pages.begin(), pages.end(), [&](int page) { return writePage(image, page, progressStep); });
}

bool ModuleSession::writePageRun(const CPageImage& image, int first, int last, int progressStep) const
{
    for (int page = first; page <= last; ++page)
        if (!writePage(image, page, progressStep))
            return false;
    return true;
}

int16_t ModuleSession::finish() const
{
    if (CLASSEND::instance().intExecute(address_) != 0 || CLASSRESTART::instance().intExecute(address_) != 0)
        return -1;
    return 0;
}

bool ModuleSession::endAccepted() const
{
    CLASSEND& end = CLASSEND::instance();
    return end.intExecute(address_) == 0 && end.strResponse.startsWith(static_cast<char>(linkengine::kAccepted));
}

int16_t ModuleSession::restart() const { return CLASSRESTART::instance().intExecute(address_); }

void ModuleSession::release() const { CLASSUNLINK::instance().intExecute(); }

void ModuleSession::advance(int step) const
{
    platform::Progress::instance().grow(step);
    TransferGuard::doEvents();
}
