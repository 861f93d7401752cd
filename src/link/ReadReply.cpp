#include "link/ReadReply.h"

#include "link/LinkFrames.h"

#include <algorithm>

namespace linkengine {
namespace {

// The lead byte and the 3 bytes of the serial address come first.
constexpr int kPagePosition = 1 + kSerialBytes;

} // namespace

std::optional<QByteArray> readReplyLine(const QByteArray& strResponse)
{
    if (strResponse.size() < kPagePosition + kPageDataBytes)
        return std::nullopt;
    return strResponse.mid(kPagePosition, kPageDataBytes);
}

std::optional<QByteArray> readReplyPage(const QByteArray& strResponse)
{
    std::optional<QByteArray> page = readReplyLine(strResponse);
    if (page)
        std::reverse(page->begin(), page->end());
    return page;
}

} // namespace linkengine
