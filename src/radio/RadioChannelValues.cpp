#include "radio/RadioChannelValues.h"

#include "db/CLASSOrvDB.h"
#include "shell/FrequencyCodecs.h"

namespace radiochannel {

int32_t storedFrequency(uint8_t byte7, uint8_t byte6, uint8_t byte5)
{
    int32_t hz = 0;
    int32_t step = 0;
    return basVelmar::intBytesToFrequency(hz, step, byte7, byte6, byte5) == 0 ? hz : 0;
}

double toneFrequency(int32_t code)
{
    double hz = 0.0;
    return CLASSOrvDB::instance().intCTCSSTone2CTCSSFrequency(hz, code) == 0 ? hz : 0.0;
}

int32_t toneCodeOf(double hz)
{
    int32_t code = 0;
    return CLASSOrvDB::instance().intCTCSSFrequency2CTCSSTone(hz, code) == 0 ? code : 0;
}

QString bitString(uint8_t value)
{
    QString bits;
    for (int bit = 7; bit >= 0; --bit)
        bits.append((value >> bit) & 1 ? QLatin1Char('1') : QLatin1Char('0'));
    return bits;
}

QString switchSetting(int channel) { return bitString(static_cast<uint8_t>(~channel & 0xFF)); }

} // namespace radiochannel
