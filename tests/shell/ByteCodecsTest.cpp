#include "LocaleParam.h"

#include "shell/ByteCodecs.h"
#include "support/ScriptedMsgBox.h"

#include <array>
#include <cstdint>

using namespace basVelmar;

namespace {

class ByteCodecs : public UnderLocale {};

TEST_P(ByteCodecs, IntegersAreTwosComplementBothWays)
{
    struct Case {
        int16_t value;
        uint8_t hi, lo;
    };
    const Case cases[] = {
        {0, 0x00, 0x00},  {300, 0x01, 0x2C},  {32767, 0x7F, 0xFF}, {-1, 0xFF, 0xFF},
        {-2, 0xFF, 0xFE}, {-32768, 0x80, 0x00}, {-300, 0xFE, 0xD4},
    };
    for (const Case& c : cases) {
        uint8_t hi = 0xAA, lo = 0xAA;
        EXPECT_EQ(intIntegerToBytes(c.value, hi, lo), 0);
        EXPECT_EQ(hi, c.hi) << c.value;
        EXPECT_EQ(lo, c.lo) << c.value;
        int16_t back = 12345;
        EXPECT_EQ(intBytesToInteger(back, c.hi, c.lo), 0);
        EXPECT_EQ(back, c.value) << "a stored value must read back unchanged";
    }
}

TEST_P(ByteCodecs, LongsAreOnesComplementBothWays)
{
    struct Case {
        int32_t value;
        std::array<uint8_t, 4> bytes;
    };
    const Case cases[] = {
        {0, {0x00, 0x00, 0x00, 0x00}},           {0x12345678, {0x12, 0x34, 0x56, 0x78}},
        {2147483647, {0x7F, 0xFF, 0xFF, 0xFF}},  {-1, {0xFF, 0xFF, 0xFF, 0xFE}},
        {-2, {0xFF, 0xFF, 0xFF, 0xFD}},          {-2147483647, {0x80, 0x00, 0x00, 0x00}},
    };
    for (const Case& c : cases) {
        std::array<uint8_t, 4> b{};
        EXPECT_EQ(intLongToBytes(c.value, b[0], b[1], b[2], b[3]), 0);
        EXPECT_EQ(b, c.bytes) << c.value;
        int32_t back = 99;
        EXPECT_EQ(intBytesToLong(back, b[0], b[1], b[2], b[3]), 0);
        EXPECT_EQ(back, c.value);
    }
    int32_t zero = 99;
    intBytesToLong(zero, 0xFF, 0xFF, 0xFF, 0xFF);
    EXPECT_EQ(zero, 0) << "the complemented form of 0";
}

TEST_P(ByteCodecs, LongTooNegativeForTheFormIsRefused)
{
    testsupport::ScriptedMsgBox box;
    box.expect(QStringLiteral("Overflow"));
    uint8_t b1 = 1, b2 = 2, b3 = 3, b4 = 4;
    EXPECT_EQ(intLongToBytes(-2147483647 - 1, b1, b2, b3, b4), -1);
    EXPECT_EQ((std::array<uint8_t, 4>{b1, b2, b3, b4}), (std::array<uint8_t, 4>{1, 2, 3, 4}));
}

TEST_P(ByteCodecs, Bcd)
{
    struct Case {
        uint8_t bcd, value;
    };
    for (const Case& c : {Case{0x00, 0}, Case{0x59, 59}, Case{0x99, 99}, Case{0x07, 7}}) {
        uint8_t value = 0xEE, bcd = 0xEE;
        EXPECT_EQ(intBCDToByte(c.bcd, value), 0);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(intByteToBCD(c.value, bcd), 0);
        EXPECT_EQ(bcd, c.bcd);
    }
    uint8_t value = 0;
    EXPECT_EQ(intBCDToByte(0xFF, value), 0);
    EXPECT_EQ(value, 165) << "nibbles are not checked";
    for (const uint8_t tooBig : {uint8_t{100}, uint8_t{255}}) {
        uint8_t bcd = 0x42;
        EXPECT_EQ(intByteToBCD(tooBig, bcd), -1);
        EXPECT_EQ(bcd, 0x42) << "a refused value leaves the output as it was";
    }
}

VELMAR_UNDER_BOTH_LOCALES(ByteCodecs);

} // namespace
