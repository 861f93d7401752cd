#include "toneremote/cMorseCode.h"

#include <vector>

namespace {

struct MorseEntry {
    char ch;
    const char* code;
};

// ITU-R M.1677-1. Letters stand as capitals; a small letter keys as its capital.
constexpr MorseEntry kTable[] = {
    {'A', ".-"},     {'B', "-..."},   {'C', "-.-."},   {'D', "-.."},    {'E', "."},       {'F', "..-."},
    {'G', "--."},    {'H', "...."},   {'I', ".."},     {'J', ".---"},   {'K', "-.-"},     {'L', ".-.."},
    {'M', "--"},     {'N', "-."},     {'O', "---"},    {'P', ".--."},   {'Q', "--.-"},    {'R', ".-."},
    {'S', "..."},    {'T', "-"},      {'U', "..-"},    {'V', "...-"},   {'W', ".--"},     {'X', "-..-"},
    {'Y', "-.--"},   {'Z', "--.."},   {'1', ".----"},  {'2', "..---"},  {'3', "...--"},   {'4', "....-"},
    {'5', "....."},  {'6', "-...."},  {'7', "--..."},  {'8', "---.."},  {'9', "----."},   {'0', "-----"},
    {'.', ".-.-.-"}, {',', "--..--"}, {';', "-.-.-."}, {'?', "..--.."}, {'\'', ".----."}, {'-', "-....-"},
    {'/', "-..-."},  {'(', "-.--."},  {')', "-.--.-"}, {'"', ".-..-."},
};

} // namespace

int16_t cMorseCode::SetMorseCode(QChar ch, int32_t& lngPattern, int16_t& intLength)
{
    const QChar upper = ch.toUpper();
    for (const auto& e : kTable) {
        if (upper != QLatin1Char(e.ch))
            continue;
        int32_t pattern = 0;
        int16_t length = 0;
        for (const char* p = e.code; *p; ++p) {
            const int marks = *p == '.' ? 1 : 3;
            for (int i = 0; i < marks; ++i)
                pattern = pattern << 1 | 1;
            pattern <<= 1;
            length = static_cast<int16_t>(length + marks + 1);
        }
        lngPattern = pattern;
        intLength = length;
        return 0;
    }
    return 1;
}

int16_t cMorseCode::GetMorseCode(const QString& strCode, QChar& ch)
{
    for (const auto& e : kTable)
        if (strCode == QLatin1String(e.code)) {
            ch = QLatin1Char(e.ch);
            return 0;
        }
    return 1;
}

cMorseCode::Stream cMorseCode::streamOf(const QString& strIdent)
{
    Stream stream;
    for (qsizetype i = 0; i < strIdent.size(); ++i) {
        const QChar ch = strIdent.at(i);
        if (ch == QLatin1Char(' '))
            continue;
        int32_t pattern = 0;
        int16_t length = 0;
        if (SetMorseCode(ch, pattern, length) != 0) {
            stream.noCode = ch;
            return stream;
        }
        std::vector<bool> next = stream.bits;
        next.insert(next.end(), next.empty() ? 1 : 2, false);
        for (int b = length - 1; b >= 0; --b)
            next.push_back((pattern >> b & 1) != 0);
        if (next.size() - 1 > static_cast<size_t>(kIdentBits)) {
            stream.tooLong = true;
            continue; // the rest is only looked at for a character without a code
        }
        if (!stream.tooLong) {
            stream.bits = std::move(next);
            stream.fitting = i + 1;
        }
    }
    return stream;
}

QString cMorseCode::refusal(const QString& strIdent)
{
    const Stream stream = streamOf(strIdent);
    if (!stream.noCode.isNull())
        return QStringLiteral("The character \"%1\" has no Morse code.").arg(stream.noCode);
    if (stream.tooLong)
        return QStringLiteral("It is too long: at most %1 characters of it fit.").arg(stream.fitting);
    return {};
}

int16_t cMorseCode::CreateMorseCode(const QString& strIdent)
{
    // The whole stream first, with the last pattern's final 0; nothing of the object changes
    // until it is known to fit.
    const Stream stream = streamOf(strIdent);
    if (!stream.noCode.isNull() || stream.tooLong)
        return 1;
    const std::vector<bool>& bits = stream.bits;

    buffer_.fill(0);
    bufferUsed_ = 0;
    size_t next = 0;
    // A word leaves the pending bits whenever more than 16 are pending.
    while (bits.size() - next > 16) {
        uint16_t word = 0;
        for (int i = 0; i < 16; ++i)
            word = static_cast<uint16_t>(word << 1 | (bits[next++] ? 1 : 0));
        AddMorseWord(static_cast<uint8_t>(word >> 8), static_cast<uint8_t>(word & 0xFF));
    }
    tail_ = 0;
    tailBits_ = 0;
    if (bits.size() > next) {
        for (size_t i = next; i + 1 < bits.size(); ++i) // less the final 0
            tail_ = tail_ << 1 | (bits[i] ? 1 : 0);
        tailBits_ = static_cast<int>(bits.size() - next - 1);
    }
    return 0;
}

int16_t cMorseCode::AddMorseWord(uint8_t bytHigh, uint8_t bytLow)
{
    if (bufferUsed_ >= kIdentBytes)
        return 1;
    buffer_[bufferUsed_++] = bytHigh;
    buffer_[bufferUsed_++] = bytLow;
    return 0;
}

int16_t cMorseCode::GetMorseData(std::array<uint8_t, kBufferBytes>& bytData, int16_t& intLast, int32_t& lngTail,
                                 int16_t& intTailBits) const
{
    for (int i = 0; i < bufferUsed_; ++i)
        bytData[i] = buffer_[i];
    intLast = static_cast<int16_t>(bufferUsed_ - 1);
    lngTail = static_cast<int32_t>(tail_);
    intTailBits = static_cast<int16_t>(tailBits_);
    return 0;
}

cMorseCode::IdentBytes cMorseCode::identBytes() const
{
    IdentBytes out{};
    // Bits from the end of the stream: the tail's, then the buffer's from its last byte back.
    int pos = kIdentBits - 1; // bit number counted from the first bit of out
    auto put = [&](bool bit) {
        if (bit)
            out[pos / 8] |= static_cast<uint8_t>(0x80 >> (pos % 8));
        --pos;
    };
    for (int i = 0; i < tailBits_; ++i)
        put((tail_ >> i & 1) != 0);
    for (int b = bufferUsed_ - 1; b >= 0; --b)
        for (int i = 0; i < 8; ++i)
            put((buffer_[b] >> i & 1) != 0);
    return out;
}

int16_t cMorseCode::ConvertMorseByte(int intCount, QString& strText, std::span<const uint8_t> bytData)
{
    int m = 0;
    int z = 0;
    const int count = std::min<int>(intCount, static_cast<int>(bytData.size()));
    for (int b = 0; b < count; ++b)
        for (int i = 7; i >= 0; --i) {
            if (bytData[b] >> i & 1)
                ++m;
            else
                ++z;
            if (m == 0) {
                z = 0;
            } else if (m == 1 || m == 3) {
                if (z > 3)
                    return 0;
            } else if (m == 2 || m == 4) {
                if (z == 0)
                    continue;
                if (z != 1 && z != 3)
                    return 0;
                strText += QLatin1Char(m == 2 ? '.' : '-');
                if (z == 3)
                    strText += QLatin1Char(' ');
                m = 1;
                z = 0;
            } else {
                return 0;
            }
        }
    if (m == 1 && z == 0)
        strText += QLatin1Char('.');
    else if (m == 3 && z == 0)
        strText += QLatin1Char('-');
    return 0;
}

cMorseCode::Decoded cMorseCode::decodeIdent(const IdentBytes& bytes)
{
    size_t first = 0;
    while (first < bytes.size() && bytes[first] == 0)
        ++first;
    Decoded d;
    const std::span<const uint8_t> kept(bytes.data() + first, bytes.size() - first);
    ConvertMorseByte(static_cast<int>(kept.size()), d.dotsAndDashes, kept);
    for (const QString& piece : d.dotsAndDashes.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QChar ch;
        if (GetMorseCode(piece, ch) == 0)
            d.text += ch;
    }
    return d;
}
