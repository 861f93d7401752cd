// Model codes between page 4 and the form the user reads them in.
#include "toneremote/basVelmarTR.h"

#include <gtest/gtest.h>

using basVelmarTR::ConvertModelCode;

TEST(ModelCode, DisplayFormOfStoredCodes)
{
    const struct {
        const char* stored;
        const char* shown;
    } cases[] = {
        {"", ""},
        {"12345678", "Vr12-34-5678"},
        {"123", "Vr00-00-0123"},
        {" 123", "Vr00-00-0123"},
        {"4110    ", "Vr00-00-4110"},
        {"1E5", "1E5"},
        {"-123", "-123"},
        {"12.5", "12.5"},
        {"Custom  ", "Custom  "},
        {"000000000123", "Vr00-00-0123"},
        {"123456789", "Vr123-45-6789"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConvertModelCode(QString::fromLatin1(c.stored), 0), QString::fromLatin1(c.shown)) << c.stored;
}

TEST(ModelCode, StoredFormOfDisplayedCodes)
{
    EXPECT_EQ(ConvertModelCode(QStringLiteral("Vr12-34-5678"), 1), QStringLiteral("12345678"));
    EXPECT_EQ(ConvertModelCode(QStringLiteral("vr12-34-5678"), 1), QStringLiteral("vr12-34-5678"));
    EXPECT_EQ(ConvertModelCode(QStringLiteral("ABCDE"), 1), QStringLiteral("ABCDE   "));
    EXPECT_EQ(ConvertModelCode(QStringLiteral("Vr1-2"), 1), QStringLiteral("12      "));
    EXPECT_EQ(ConvertModelCode(QStringLiteral("Vr12-34-5678"), 2), QString());
    EXPECT_EQ(ConvertModelCode(QStringLiteral("12345678"), -1), QString());
}

TEST(ModelCode, StripCharsAndPadRight)
{
    EXPECT_EQ(basVelmarTR::StripChars(QStringLiteral("a-b_c-d"), QStringLiteral("-_")), QStringLiteral("abcd"));
    EXPECT_EQ(basVelmarTR::StripChars(QStringLiteral("AaBb"), QStringLiteral("a")), QStringLiteral("ABb"));
    EXPECT_EQ(basVelmarTR::PadRight(QStringLiteral("ab"), 4), QStringLiteral("ab  "));
    EXPECT_EQ(basVelmarTR::PadRight(QStringLiteral("abcdef"), 4), QStringLiteral("abcdef"));
}
