// The configuration byte of page 2 from the module's kind and intermediate frequency.
#include "radio/RadioConfiguration.h"

#include <gtest/gtest.h>

TEST(RadioConfiguration, KindBitsAndInjectionSide)
{
    struct Case {
        uint8_t before;
        int16_t kind;
        int32_t intermediateHz;
        uint8_t after;
    };
    const Case cases[] = {
        {0x10, 0, 21400000, 0x13}, // receiver with an intermediate frequency: high-side injection
        {0x10, 0, 0, 0x12},        // receiver without one
        {0x10, 1, 0, 0x10},        // a transmitter keeps the byte
        {0x10, 2, 0, 0x14},        // exciter
        {0x11, 1, 0, 0x10},        // the injection bit goes without an intermediate frequency
        {0x1A, 2, 0, 0x1E},        // other bits stay
    };
    for (const Case& c : cases)
        EXPECT_EQ(radiolayout::configurationOfKind(c.before, c.kind, c.intermediateHz), c.after)
            << int(c.before) << " kind " << c.kind;
}
