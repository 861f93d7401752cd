#pragma once
#include "rackemu/PageImage.h"

#include <QByteArray>
#include <cstdint>

namespace testsupport {

// A radio module's memory for the emulated rack: firmware V01.01, partition 16, `channels`
// channels whose pages all differ, and the catalogue's model code of its kind (Vr31-05/15/25-0000).
QByteArray radioModuleImage(rackemu::Kind kind, uint32_t serial, int channels);

} // namespace testsupport
