#pragma once
// Cuts the byte stream from the PC into frames by their command byte and length.
#include <QByteArray>
#include <vector>

namespace rackemu {

class FrameSplitter {
public:
    struct Piece {
        QByteArray bytes;
        bool whole = false; // a frame of full length; false for bytes that begin no frame
    };

    // Adds received bytes; returns the frames completed and the stray bytes met, in order.
    std::vector<Piece> feed(const QByteArray& bytes);

    // A frame begun and not finished (the modules give up on it after a pause on the line).
    bool hasPartial() const { return !buffer_.isEmpty(); }
    QByteArray takePartial();

private:
    QByteArray buffer_;
};

} // namespace rackemu
