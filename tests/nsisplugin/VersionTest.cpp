// CompareVersions as a setup script calls it: two versions on the installer's stack, one word back.
#include <gtest/gtest.h>

#include "BrenlowNSIS.h"
#include "InstallerStack.h"
#include "nsis_version.h"
#include "version_cases.h"

namespace {

using Texts = std::vector<std::string>;

TEST(CompareVersions, ComparesFieldByFieldAsNumbers)
{
    for (const version_case& c : version_cases) {
        InstallerStack stack;
        EXPECT_EQ(stack.call(CompareVersions, {c.a, c.b}), Texts{c.result}) << c.a << " against " << c.b;
        const char *mirrored = std::string(c.result) == "GREATER" ? "LESSER"
                               : std::string(c.result) == "LESSER" ? "GREATER"
                                                                   : "EQUAL";
        EXPECT_EQ(stack.call(CompareVersions, {c.b, c.a}), Texts{mirrored}) << c.b << " against " << c.a;
    }
}

TEST(CompareVersions, AMissingVersionIsTheEmptyVersion)
{
    InstallerStack stack;
    EXPECT_EQ(stack.call(CompareVersions, {"1.2"}), Texts{"GREATER"});
    EXPECT_EQ(stack.call(CompareVersions, {"0.0.0.0"}), Texts{"EQUAL"});
    EXPECT_EQ(stack.call(CompareVersions, {}), Texts{"EQUAL"});
}

TEST(CompareVersions, TakesItsTwoArgumentsAndLeavesTheRest)
{
    InstallerStack stack;
    stack.push("below");
    EXPECT_EQ(stack.call(CompareVersions, {"3", "2"}), (Texts{"GREATER", "below"}));
    EXPECT_EQ(installer_heap::inUse(), 0u);
}

TEST(NormalizeVersion, ReadsTheFirstFourPieces)
{
    int fields[NSIS_VERSION_FIELDS];
    NormalizeVersion("..1..2..", fields);
    EXPECT_EQ(std::vector<int>(fields, fields + 4), (std::vector<int>{1, 2, 0, 0}));
    NormalizeVersion("4.10.0.123.7", fields);
    EXPECT_EQ(std::vector<int>(fields, fields + 4), (std::vector<int>{4, 10, 0, 123}));
    NormalizeVersion("-99999999999.+7x.", fields);
    EXPECT_EQ(std::vector<int>(fields, fields + 4), (std::vector<int>{INT_MIN, 7, 0, 0}));
}

} // namespace
