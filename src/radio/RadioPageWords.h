#pragma once
// The 16-bit fields of the radio pages that several loaders and editors write, each read and
// written in one place: the channel count of page 2, the default channel of page 1 and a channel's
// CTCSS tone code. Each takes the 8 bytes of its page, byte 0 first.
#include "db/PageFields.h"
#include "radio/RadioPageLayout.h"

#include <cstdint>
#include <span>

namespace radiofields {

inline int channelCount(std::span<const uint8_t> identityPage)
{
    return pagefields::word(identityPage, radiolayout::identity::kChannelsHigh);
}
inline void setChannelCount(std::span<uint8_t> identityPage, int count)
{
    pagefields::setWord(identityPage, radiolayout::identity::kChannelsHigh, static_cast<uint16_t>(count));
}

// The default channel, counted from 0.
inline int currentChannel(std::span<const uint8_t> statePage)
{
    return pagefields::word(statePage, radiolayout::state::kCurrentHigh);
}
inline void setCurrentChannel(std::span<uint8_t> statePage, int channel)
{
    pagefields::setWord(statePage, radiolayout::state::kCurrentHigh, static_cast<uint16_t>(channel));
}

// The tone code of a channel page (byte 2 high, byte 1 low).
inline int32_t toneCode(std::span<const uint8_t> channelPage)
{
    return pagefields::word(channelPage, radiolayout::channel::kCtcssHigh);
}
inline void setToneCode(std::span<uint8_t> channelPage, int32_t code)
{
    pagefields::setWord(channelPage, radiolayout::channel::kCtcssHigh, static_cast<uint16_t>(code));
}

} // namespace radiofields
