// CompareVersions as a setup script calls it: two versions on the installer's stack, one word back.
#include <gtest/gtest.h>

#include "BrenlowNSIS.h"
#include "installer_stack.h"
#include "nsis_version.h"

namespace {

using Texts = std::vector<std::string>;

struct VersionCase {
    const char *a;
    const char *b;
    const char *result; // a compared with b
};

TEST(CompareVersions, ComparesFieldByFieldAsNumbers)
{
    const VersionCase cases[] = {
        {"1.2", "1.2.0.0", "EQUAL"},
        {"1.10", "1.9", "GREATER"},
        {"2", "10", "LESSER"},
        {"100", "99", "GREATER"},
        {"1.2.3.10000", "1.2.3.9999", "GREATER"},
        {"1.2.3.4.5", "1.2.3.4", "EQUAL"},
        {"1.2a", "1.2", "EQUAL"},
        {"..1..2..", "1.2", "EQUAL"},
        {" 4. +10.0.0123", "4.10.0.123", "EQUAL"},
        {"1.-1", "1.0", "LESSER"},
        {"x.y", "", "EQUAL"},
        {"99999999999", "2147483647", "EQUAL"},
        {"1.2.0.1", "1.2", "GREATER"},
    };
    for (const VersionCase &c : cases) {
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
