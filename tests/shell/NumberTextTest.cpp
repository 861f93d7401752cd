#include "LocaleParam.h"

#include "shell/NumberText.h"

using namespace basVelmar;

namespace {

class NumberText : public UnderLocale {};

TEST_P(NumberText, DecimalPointFollowsTheLocale)
{
    EXPECT_EQ(strDecimalPoint(), GetParam() == QLocale::German ? QStringLiteral(",") : QStringLiteral("."));
}

TEST_P(NumberText, InvariantNumbersUseAFullStop)
{
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {2.5, "2.5"},         {-3.75, "-3.75"},     {0.0, "0"},         {-0.0, "0"},
        {1234567.25, "1234567.25"},                  {450.0125, "450.0125"},
        {0.1, "0.1"},         {0.0001, "0.0001"},   {0.00001, "1E-05"},
        {123456789012345.0, "123456789012345"},     {1e15, "1E+15"},
        {1.0 / 3.0, "0.333333333333333"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(strNumberInvariant(c.value), QString::fromLatin1(c.text)) << c.text;
}

VELMAR_UNDER_BOTH_LOCALES(NumberText);

} // namespace
