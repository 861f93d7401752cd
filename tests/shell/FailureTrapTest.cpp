// The program's one failure rule: which failures show a box and with what text, the status the
// command gives, and that no transfer can start from the box when it is shown in the middle of one.
#include "link/TransferGuard.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "radio/RadioFailure.h"
#include "shell/FailureTrap.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

namespace {

// Records each box shown and whether a transfer could start from an event it lets run.
class BoxWatch {
public:
    BoxWatch()
    {
        previous_ = platform::setMsgBoxHandler([this](const platform::MsgBoxRequest& request) {
            shown.append(request.prompt);
            TransferGuard fromTheBox;
            startedFromTheBox = startedFromTheBox || fromTheBox.acquired();
            return platform::vbOK;
        });
    }
    ~BoxWatch() { platform::setMsgBoxHandler(previous_); }
    BoxWatch(const BoxWatch&) = delete;
    BoxWatch& operator=(const BoxWatch&) = delete;

    QStringList shown;
    bool startedFromTheBox = false;

private:
    platform::MsgBoxHandler previous_;
};

} // namespace

TEST(FailureRule, ShowsEachFailureOnceWithTheLineClosedToNewTransfers)
{
    struct Case {
        const char* what;
        std::function<int16_t()> body;
        int16_t status;
        QStringList shown;
    };
    const Case cases[] = {
        {"a body that returns", [] { return int16_t(3); }, 3, {}},
        {"number 0: reported already",
         []() -> int16_t { throw platform::Error(0, QStringLiteral("said before")); },
         -1,
         {}},
        {"a platform failure",
         []() -> int16_t { throw platform::Error(53, QStringLiteral("File not found: a.mcf")); },
         -1,
         {QStringLiteral("File not found: a.mcf")}},
        {"no memory", []() -> int16_t { throw std::bad_alloc(); }, -1, {QStringLiteral("Out of memory")}},
        {"any other failure",
         []() -> int16_t { throw std::runtime_error("page 300 is outside the image"); },
         -1,
         {QStringLiteral("page 300 is outside the image")}},
    };
    for (const Case& c : cases) {
        BoxWatch boxes;
        TransferGuard transfer;
        ASSERT_TRUE(transfer.acquired());
        EXPECT_EQ(basVelmar::trapped(c.body), c.status) << c.what;
        EXPECT_EQ(boxes.shown.join(u'|'), c.shown.join(u'|')) << c.what;
        EXPECT_FALSE(boxes.startedFromTheBox) << c.what;
    }
}

TEST(FailureRule, TheRadioDocumentKeepsTheSameRule)
{
    BoxWatch boxes;
    TransferGuard transfer;
    ASSERT_TRUE(transfer.acquired());
    EXPECT_EQ(radiodoc::trapped([]() -> int16_t { throw std::runtime_error("broken"); }), -1);
    EXPECT_EQ(radiodoc::trapped([]() -> int16_t { radiodoc::fail(0, QStringLiteral("said before")); }), -1);
    EXPECT_EQ(boxes.shown, QStringList{QStringLiteral("broken")});
    EXPECT_FALSE(boxes.startedFromTheBox);
}
