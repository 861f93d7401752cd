// The document's Morse station ident: the look-ups of the character table and the ident's pages.
#include "toneremote/COrvDocTR.h"
#include "toneremote/cMorseCode.h"

using namespace trlayout;

static_assert(cMorseCode::kIdentBytes == kMorseIdentPages * kPageSize);

int16_t COrvDocTR::SetMorseCode(QChar ch, int32_t& lngPattern, int16_t& intLength)
{
    return cMorseCode::SetMorseCode(ch, lngPattern, intLength);
}

int16_t COrvDocTR::GetMorseCode(const QString& strCode, QChar& ch) { return cMorseCode::GetMorseCode(strCode, ch); }

namespace {

constexpr int kFirstIdentPage = kMorseIdentTopPage - kMorseIdentPages + 1;

// Byte `i` of the stream is byte 7 - i % 8 of the i / 8-th ident page.
constexpr int identPage(int i) { return kFirstIdentPage + i / kPageSize; }
constexpr int identByte(int i) { return kPageSize - 1 - i % kPageSize; }

} // namespace

cMorseCode::IdentBytes COrvDocTR::morseIdent() const
{
    cMorseCode::IdentBytes bytes{};
    for (int i = 0; i < cMorseCode::kIdentBytes; ++i)
        bytes[i] = at(identPage(i), identByte(i));
    return bytes;
}

void COrvDocTR::setMorseIdent(const cMorseCode::IdentBytes& bytes)
{
    for (int i = 0; i < cMorseCode::kIdentBytes; ++i)
        at(identPage(i), identByte(i)) = bytes[i];
}
