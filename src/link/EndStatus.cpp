#include "link/EndStatus.h"

#include "link/TransferGuard.h"
#include "platform/MsgBox.h"

namespace linkengine {
namespace {

constexpr uint8_t kChannelSelectedExternally = 0x10;
constexpr uint8_t kSynthesizerData = 0x20;
constexpr uint8_t kInternalError = 0x30;

} // namespace

int16_t decodeEndStatus(uint8_t status)
{
    using namespace platform;
    const QString title = QStringLiteral("Error");
    TransferGuard::EventsOpen open;
    switch (status) {
    case kChannelSelectedExternally:
        MsgBox(QStringLiteral("The programmed default channel was not accepted ") +
                   QStringLiteral("by the Base Station, as a channel is selected externally!") +
                   QStringLiteral("Try turning the external channel switch off."),
               vbOKOnly | vbExclamation, title);
        return 0;
    case kSynthesizerData:
        if (MsgBox(QStringLiteral("Synthesizer received incorrect or corrupted data or ") +
                       QStringLiteral("the frequency selected is outside the VCO switching range. Do you want to continue?"),
                   vbYesNo | vbExclamation, title) != vbYes)
            return -1;
        MsgBox(QStringLiteral(" The frequency selected is outside the VCO switching range!"), vbOKOnly | vbExclamation,
               title);
        return 0;
    case kInternalError:
        MsgBox(QStringLiteral("Data could not be read/written from the Base Station module due to an internal error.") +
                   QStringLiteral("  If data is being written the Base Station might not operate as expected!"),
               vbOKOnly | vbExclamation, title);
        return 0;
    default:
        return 0;
    }
}

} // namespace linkengine
