#pragma once
#include <QByteArray>
#include <optional>

// The page a READ reply carries (CLASSREAD's strResponse): reply positions 5 to 12 (1-based), behind
// the lead byte and the module's serial address, page byte 7 first.
namespace linkengine {

// The page's 8 bytes, page byte i at index i; nothing when the reply is too short to hold them.
std::optional<QByteArray> readReplyPage(const QByteArray& strResponse);
// The same 8 bytes as the line carries them, page byte 7 first: the order in which the characters
// of a text page and the bytes of a date page read.
std::optional<QByteArray> readReplyLine(const QByteArray& strResponse);

} // namespace linkengine
