#pragma once
#include <QByteArray>
#include <cstdint>

namespace basVelmar {

// Hands a frame to the serial port. Nothing is sent for an empty frame. When the port cannot
// take it, "CommOutput Error" is shown and the result is -1; otherwise 0.
int16_t CommOutput(const QByteArray& text);

} // namespace basVelmar
