#pragma once
// The configuration byte of page 2 as a radio module's kind and intermediate frequency make it.
#include <cstdint>

namespace radiolayout {

// `configuration` with the kind bits of `kind` (0 receiver, 1 transmitter, 2 exciter) added, and
// the injection bit set for an intermediate frequency of 1 Hz or more, cleared otherwise.
uint8_t configurationOfKind(uint8_t configuration, int16_t kind, int32_t intermediateHz);

} // namespace radiolayout
