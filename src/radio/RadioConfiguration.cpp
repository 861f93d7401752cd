#include "radio/RadioConfiguration.h"

#include "radio/RadioPageLayout.h"

namespace radiolayout {

uint8_t configurationOfKind(uint8_t configuration, int16_t kind, int32_t intermediateHz)
{
    if (kind == 0)
        configuration |= config::kKindReceiver;
    else if (kind == 2)
        configuration |= config::kKindExciter;
    return intermediateHz >= 1 ? (configuration | config::kHighSideInjection)
                               : (configuration & ~config::kHighSideInjection);
}

} // namespace radiolayout
