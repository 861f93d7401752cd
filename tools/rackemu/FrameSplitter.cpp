#include "FrameSplitter.h"
#include "Protocol.h"

namespace rackemu {

std::vector<FrameSplitter::Piece> FrameSplitter::feed(const QByteArray& bytes)
{
    buffer_ += bytes;
    std::vector<Piece> pieces;
    auto stray = [&](char c) {
        if (pieces.empty() || pieces.back().whole)
            pieces.push_back({});
        pieces.back().bytes.append(c);
    };
    while (!buffer_.isEmpty()) {
        const auto first = static_cast<uint8_t>(buffer_.at(0));
        const int length = frameLength(first);
        // UNLINK is two 0x0D bytes: a lone 0x0D followed by another byte begins nothing.
        const bool badUnlink = first == static_cast<uint8_t>(Command::Unlink) && buffer_.size() >= 2
            && buffer_.at(1) != buffer_.at(0);
        if (length == 0 || badUnlink) {
            stray(buffer_.at(0));
            buffer_.remove(0, 1);
            continue;
        }
        if (buffer_.size() < length)
            break;
        pieces.push_back({buffer_.left(length), true});
        buffer_.remove(0, length);
    }
    return pieces;
}

QByteArray FrameSplitter::takePartial()
{
    QByteArray p = buffer_;
    buffer_.clear();
    return p;
}

} // namespace rackemu
