#include "support/RadioModuleImage.h"

#include "radio/RadioPageLayout.h"
#include "support/PageBytes.h"

using namespace radiolayout;

namespace testsupport {

QByteArray radioModuleImage(rackemu::Kind kind, uint32_t serial, int channels)
{
    QByteArray image = rackemu::defaultImage(kind, serial);
    const char* code = kind == rackemu::Kind::Receiver ? "31050000"
        : kind == rackemu::Kind::Transmitter           ? "31150000"
                                                       : "31250000";
    image.replace(kModelCodePage * kPageSize, kPageSize, textPage(code));
    rackemu::setPageByte(image, kIdentityPage, identity::kChannelsLow, channels & 0xFF);
    rackemu::setPageByte(image, kIdentityPage, identity::kChannelsHigh, channels >> 8);
    for (int ch = 0; ch < channels; ++ch) {
        const int divider = 12000 + ch; // 150 MHz and up in steps of 12.5 kHz
        image.replace((kPartition + ch) * kPageSize, kPageSize,
                      page7to0({0x30 | (divider >> 14), (divider >> 6) & 0xFF, divider & 0x3F, 60 + ch, 100 + ch, 0,
                                ch % 50 + 1, ch}));
    }
    return image;
}

} // namespace testsupport
