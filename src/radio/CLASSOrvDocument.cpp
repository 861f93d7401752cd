#include "radio/CLASSOrvDocument.h"

#include "db/PageFields.h"
#include "radio/RadioFailure.h"

#include <algorithm>

using namespace radiolayout;

CLASSOrvDocument::CLASSOrvDocument()
{
    intDocumentFrom = kFromDatabase;
}

int16_t CLASSOrvDocument::intWritePage(int page, const QByteArray& bytes)
{
    if (page < 0 || page > kLastPage || bytes.size() != kPageSize)
        return -1;
    for (int i = 0; i < kPageSize; ++i)
        at(page, i) = static_cast<uint8_t>(bytes.at(i));
    return 0;
}

int16_t CLASSOrvDocument::intReadPage(int page, QByteArray& bytes) const
{
    if (page < 0 || page > kLastPage)
        return -1;
    bytes.resize(kPageSize);
    for (int i = 0; i < kPageSize; ++i)
        bytes[i] = static_cast<char>(at(page, i));
    return 0;
}

int CLASSOrvDocument::lastStoredPage() const
{
    return std::clamp(intPartition + intMaxchannel, 0, kLastPage);
}

uint8_t CLASSOrvDocument::pageByte(int page, int byte) const
{
    if (page < 0 || page > kLastPage || byte < 0 || byte >= kPageSize)
        return 0;
    return at(page, byte);
}

int16_t CLASSOrvDocument::intInit(const QString& strSerialP, int32_t lngModuleIDP)
{
    strSerial = strSerialP;
    moduleID_ = lngModuleIDP;
    return 0;
}

int16_t CLASSOrvDocument::ChangeSerial(int32_t lngSer)
{
    pagefields::setSerial(*this, lngSer);
    return 0;
}

int16_t CLASSOrvDocument::MovePages(int MaxPages)
{
    return radiodoc::trapped([&]() -> int16_t {
        // The channel pages move down from 16 to 12; the last source page must lie in the image.
        if (MaxPages + kPartition > kLastPage)
            radiodoc::fail(radiodoc::kOutOfRange,
                           QStringLiteral("Cannot convert the old page layout: %1 pages from page %2 do not fit in "
                                          "the image of %3 pages.")
                               .arg(MaxPages + 1)
                               .arg(kPartition)
                               .arg(kPageCount));
        intPartition = kOldPartition;
        at(kIdentityPage, identity::kPartition) = kOldPartition;
        for (int page = kPartition; page <= MaxPages + kPartition; ++page)
            pages_[page - (kPartition - kOldPartition)] = pages_[page];
        return 0;
    });
}

int CLASSOrvDocument::channelPage(int n) const
{
    // Channel pages never reach below the older layout's first channel page: a partition that
    // makes no sense must not let a channel edit overwrite the system pages.
    if (n < 1 || n > kMaxChannels || intPartition < kOldPartition)
        return -1;
    const int page = intPartition + n - 1;
    return page <= kLastPage ? page : -1;
}

int CLASSOrvDocument::usedChannelPage(int n) const
{
    return n <= intMaxchannel ? channelPage(n) : -1;
}
