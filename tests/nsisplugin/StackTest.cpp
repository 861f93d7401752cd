// The string stack as both functions use it: what they take and free, what they leave, and what they
// do when the installer gives them no stack, very short strings or no more memory.
#include <gtest/gtest.h>

#include <cstring>

#include "BrenlowNSIS.h"
#include "InstallerStack.h"
#include "nsis_stack.h"

namespace {

using Texts = std::vector<std::string>;

TEST(StringStack, PopCopiesFreesAndUnlinksTheTop)
{
    InstallerStack stack(16);
    stack.push("second");
    stack.push("first");
    nsis_stack_attach(stack.stringSize(), stack.top());
    char buffer[16] = "untouched";
    ASSERT_EQ(PopString(buffer), 0);
    EXPECT_STREQ(buffer, "first");
    EXPECT_EQ(stack.depth(), 1u);
    EXPECT_EQ(installer_heap::inUse(), 1u);
    ASSERT_EQ(PopString(buffer), 0);
    EXPECT_STREQ(buffer, "second");
    std::strcpy(buffer, "untouched");
    EXPECT_EQ(PopString(buffer), 1);
    EXPECT_STREQ(buffer, "untouched");
    EXPECT_EQ(installer_heap::inUse(), 0u);
}

TEST(StringStack, ResultsAreCutToTheStringSize)
{
    InstallerStack stack(3);
    EXPECT_EQ(stack.call(CompareVersions, {"1", "2"}), Texts{"LE"});
    EXPECT_EQ(stack.call(LaunchAppAndWait, {}), Texts{"No"});
    InstallerStack none(1);
    EXPECT_EQ(none.call(CompareVersions, {"1", "2"}), Texts{""});
}

TEST(StringStack, WithoutAStackNothingHappens)
{
    CompareVersions(nullptr, 1024, nullptr, nullptr);
    LaunchAppAndWait(nullptr, 1024, nullptr, nullptr);
    nsis_stack_attach(1024, nullptr);
    char buffer[8] = "kept";
    EXPECT_EQ(PopString(buffer), 1);
    EXPECT_STREQ(buffer, "kept");
    PushString("lost");
    EXPECT_EQ(installer_heap::inUse(), 0u);
}

// Every allocation a call makes fails in turn: the call leaves its arguments, or takes them and pushes
// its result or nothing; every block in use afterwards is an entry of the stack.
TEST(StringStack, RunningOutOfMemoryPushesNothingAndLosesNothing)
{
    struct Call {
        nsis_function *function;
        Texts args;
        std::string result;
    };
    const Call calls[] = {
        {CompareVersions, {"1.10", "1.9"}, "GREATER"},
        {LaunchAppAndWait, {"/nonexistent/program"}, "CreateProcess() Failed"},
    };
    for (const Call &c : calls) {
        Texts untouched = c.args;
        untouched.push_back("below");
        for (std::size_t allowed = 0;; ++allowed) {
            ASSERT_LT(allowed, 10u) << "the call never succeeds";
            InstallerStack stack;
            stack.push("below");
            for (auto it = c.args.rbegin(); it != c.args.rend(); ++it)
                stack.push(*it);
            installer_heap::allowOnly(allowed);
            c.function(nullptr, stack.stringSize(), nullptr, stack.top());
            installer_heap::allowAll();
            EXPECT_EQ(installer_heap::inUse(), stack.depth()) << "blocks left behind";
            Texts left;
            while (auto text = stack.pop())
                left.push_back(*text);
            if (left == Texts{c.result, "below"})
                break;
            EXPECT_TRUE(left == untouched || left == Texts{"below"}) << "with " << allowed << " allocations: " << ::testing::PrintToString(left);
        }
    }
}

} // namespace
