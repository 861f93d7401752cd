#include "link/LinkFrames.h"

namespace linkengine {

uint8_t xorOf(const QByteArray& bytes)
{
    uint8_t x = 0;
    for (const char c : bytes)
        x ^= static_cast<uint8_t>(c);
    return x;
}

QByteArray addressedFrame(uint8_t command, std::initializer_list<QByteArray> parts)
{
    QByteArray frame(1, static_cast<char>(command));
    for (const QByteArray& p : parts)
        frame += p;
    frame += static_cast<char>(xorOf(frame));
    return frame;
}

QByteArray pollFrame()
{
    QByteArray body;
    for (int b = 0xFD; b >= 0xF1; --b)
        body += static_cast<char>(b);
    return addressedFrame(kPoll, {body});
}

QByteArray unlinkFrame() { return QByteArray(2, static_cast<char>(kUnlinkByte)); }

} // namespace linkengine
