#include "radioview/ChannelCells.h"

#include "db/PageImage.h"
#include "radio/RadioPageLayout.h"
#include "radio/RadioChannelValues.h"

namespace orvview {

using namespace radiolayout;

uint8_t pageByte(const QByteArray& page, int byte)
{
    return byte >= 0 && byte < page.size() ? static_cast<uint8_t>(page.at(byte)) : 0;
}

int64_t channelFrequency(const QByteArray& page, int32_t intermediateFrequency)
{
    const int32_t hz = radiochannel::storedFrequency(pageByte(page, channel::kFreq1), pageByte(page, channel::kFreq2),
                                                     pageByte(page, channel::kFreq3));
    return hz > 0 ? static_cast<int64_t>(hz) - intermediateFrequency : 0;
}

int32_t channelToneCode(const QByteArray& page)
{
    return radiochannel::toneCode(pageByte(page, channel::kCtcssHigh), pageByte(page, channel::kCtcssLow));
}

bool channelFlagged(const QByteArray& page) { return (pageByte(page, channel::kFreq1) & channel::kFlagBit) != 0; }

QByteArray imageBytes(const CPageImage& doc)
{
    QByteArray image;
    QByteArray page;
    for (int p = 0; p < doc.pageCount(); ++p)
        if (doc.intReadPage(p, page) == 0)
            image += page;
    return image;
}

} // namespace orvview
