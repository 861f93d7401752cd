// END tells the user what the module's status byte means.
#include "RackFixture.h"

#include "link/LinkCommands.h"

namespace {

struct Box {
    const char* text;
    platform::MsgResult answer;
    int style;
};

struct EndCase {
    const char* name;
    uint8_t status;
    std::vector<Box> boxes;
    int16_t result;
};

// Test names and failure messages show the case's name.
void PrintTo(const EndCase& c, std::ostream* os) { *os << c.name; }

class EndStatus : public RackFixture, public ::testing::WithParamInterface<EndCase> {};

TEST_P(EndStatus, MessagesAndResult)
{
    const EndCase& c = GetParam();
    const QByteArray serial = QByteArray::fromHex("000001");
    ASSERT_EQ(CLASSLINK::instance().intExecute(serial), 0);
    ASSERT_TRUE(rack_.setEndStatus(kSerial, c.status));

    testsupport::ScriptedMsgBox box;
    for (const Box& b : c.boxes)
        box.expect(QString::fromLatin1(b.text), b.answer);
    EXPECT_EQ(CLASSEND::instance().intExecute(serial), c.result);

    ASSERT_EQ(box.shown().size(), static_cast<qsizetype>(c.boxes.size()));
    for (size_t i = 0; i < c.boxes.size(); ++i) {
        EXPECT_EQ(box.shown()[i].prompt, QString::fromLatin1(c.boxes[i].text)) << "the whole text, exactly";
        EXPECT_EQ(box.shown()[i].title, QStringLiteral("Error"));
        EXPECT_EQ(box.shown()[i].style, c.boxes[i].style);
    }
    EXPECT_EQ(static_cast<uint8_t>(CLASSEND::instance().strResponse.at(0)), c.status);
    EXPECT_EQ(rack_.frameCount(rackemu::Command::End), 1);
}

using platform::vbExclamation;
using platform::vbNo;
using platform::vbOK;
using platform::vbOKOnly;
using platform::vbYes;
using platform::vbYesNo;

const char kExternal[] = "The programmed default channel was not accepted by the Base Station, as a channel is "
                         "selected externally!Try turning the external channel switch off.";
const char kSynthesizer[] = "Synthesizer received incorrect or corrupted data or the frequency selected is outside "
                            "the VCO switching range. Do you want to continue?";
const char kOutsideRange[] = " The frequency selected is outside the VCO switching range!";
const char kInternal[] = "Data could not be read/written from the Base Station module due to an internal error.  If "
                         "data is being written the Base Station might not operate as expected!";

const EndCase kEndCases[] = {
    {"ChannelSelectedExternally", 0x10, {{kExternal, vbOK, vbOKOnly | vbExclamation}}, 0},
    {"SynthesizerAnsweredYes", 0x20,
     {{kSynthesizer, vbYes, vbYesNo | vbExclamation}, {kOutsideRange, vbOK, vbOKOnly | vbExclamation}}, 0},
    {"SynthesizerAnsweredNo", 0x20, {{kSynthesizer, vbNo, vbYesNo | vbExclamation}}, -1},
    {"InternalError", 0x30, {{kInternal, vbOK, vbOKOnly | vbExclamation}}, 0},
    {"Accepted", 0x50, {}, 0},
    {"OtherStatus", 0x40, {}, 0},
    {"ZeroStatus", 0x00, {}, 0},
};

INSTANTIATE_TEST_SUITE_P(Statuses, EndStatus, ::testing::ValuesIn(kEndCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
