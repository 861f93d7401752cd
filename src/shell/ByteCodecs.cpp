#include "shell/ByteCodecs.h"

#include "shell/CodecFailure.h"

#include <limits>

namespace basVelmar {

int16_t intBytesToInteger(int16_t& value, uint8_t hi, uint8_t lo)
{
    value = static_cast<int16_t>(static_cast<uint16_t>((hi << 8) | lo));
    return 0;
}

int16_t intIntegerToBytes(int16_t value, uint8_t& hi, uint8_t& lo)
{
    const auto bits = static_cast<uint16_t>(value);
    hi = static_cast<uint8_t>(bits >> 8);
    lo = static_cast<uint8_t>(bits & 0xFF);
    return 0;
}

int16_t intBytesToLong(int32_t& value, uint8_t b1, uint8_t b2, uint8_t b3, uint8_t b4)
{
    const uint32_t bits = (uint32_t{b1} << 24) | (uint32_t{b2} << 16) | (uint32_t{b3} << 8) | b4;
    if (b1 < 0x80)
        value = static_cast<int32_t>(bits);
    else
        value = -static_cast<int32_t>(~bits);
    return 0;
}

int16_t intLongToBytes(int32_t value, uint8_t& b1, uint8_t& b2, uint8_t& b3, uint8_t& b4)
{
    if (value == std::numeric_limits<int32_t>::min()) {
        ShowCodecOverflow();
        return -1;
    }
    const uint32_t bits = value >= 0 ? static_cast<uint32_t>(value) : ~static_cast<uint32_t>(-value);
    b1 = static_cast<uint8_t>(bits >> 24);
    b2 = static_cast<uint8_t>(bits >> 16);
    b3 = static_cast<uint8_t>(bits >> 8);
    b4 = static_cast<uint8_t>(bits);
    return 0;
}

int16_t intBCDToByte(uint8_t bcd, uint8_t& value)
{
    value = static_cast<uint8_t>((bcd >> 4) * 10 + (bcd & 0x0F));
    return 0;
}

int16_t intByteToBCD(uint8_t value, uint8_t& bcd)
{
    if (value > 99)
        return -1;
    bcd = static_cast<uint8_t>(((value / 10) << 4) | (value % 10));
    return 0;
}

} // namespace basVelmar
