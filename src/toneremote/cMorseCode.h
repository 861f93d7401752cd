#pragma once
// The Morse station ident (CWID): the character table, an ident text packed into the key-down /
// key-up bit stream the module sends, and that stream turned back into dots, dashes and text.
//
// One bit is one Morse unit (1 tone on, 0 tone off); a dot is 1 0 and a dash 1 1 1 0. The stream
// of an ident is one 0 bit, then each character's pattern with two more 0 bits between patterns,
// without the last pattern's final 0. Spaces key nothing. The stream fits 256 bits at most.
#include <QChar>
#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

class cMorseCode {
public:
    static constexpr int kBufferBytes = 33; // of which at most 32 are used
    static constexpr int kIdentBits = 256;  // the ident pages
    static constexpr int kIdentBytes = kIdentBits / 8;
    using IdentBytes = std::array<uint8_t, kIdentBytes>;

    // The pattern of a character (either case) and its length in bits: 0 when found, 1 when the
    // table has no code for it (pattern and length then unchanged).
    static int16_t SetMorseCode(QChar ch, int32_t& lngPattern, int16_t& intLength);
    // The character of a dots-and-dashes code (".-" gives 'A'): 0 when found, 1 when none (ch
    // then unchanged).
    static int16_t GetMorseCode(const QString& strCode, QChar& ch);

    // Builds the stream of an ident into the word buffer and the tail: 0, or 1 when a character
    // has no code or the stream does not fit 256 bits; on 1 the object keeps its former stream.
    int16_t CreateMorseCode(const QString& strIdent);
    // Why CreateMorseCode refuses an ident, as one sentence for the user: the first character
    // without a code, or how many of its first characters fit. Empty when it takes the ident.
    static QString refusal(const QString& strIdent);
    // Appends one word (high byte first): 0, or 1 when the buffer already
    // holds 32 bytes (nothing stored).
    int16_t AddMorseWord(uint8_t bytHigh, uint8_t bytLow);
    // The used buffer bytes (index 0 .. intLast; intLast is -1 when none), the tail's value and
    // its bit count. Returns 0.
    int16_t GetMorseData(std::array<uint8_t, kBufferBytes>& bytData, int16_t& intLast, int32_t& lngTail,
                         int16_t& intTailBits) const;

    // The current stream right-aligned in 256 bits, most significant byte first (the byte order
    // of the ident pages from page 220 byte 7 to page 223 byte 0); the bits before the stream 0.
    IdentBytes identBytes() const;

    // Appends to strText the dots, dashes and letter gaps (" ") of the stream in the first
    // intCount bytes, bit 7 first. Leading 0 bits are skipped; a gap longer than 3 units, a mark
    // longer than 3 units or a gap of 2 units ends the reading there. Returns 0.
    static int16_t ConvertMorseByte(int intCount, QString& strText, std::span<const uint8_t> bytData);

    // The dots and dashes and the text of an ident stored as identBytes gives it; zero bytes
    // before the first non-zero one are skipped. A piece no character has is left out.
    struct Decoded {
        QString dotsAndDashes;
        QString text;
    };
    static Decoded decodeIdent(const IdentBytes& bytes);

private:
    // The stream of an ident with the last pattern's final 0, as far as it fits.
    struct Stream {
        std::vector<bool> bits;
        QChar noCode;          // the first character the table has no code for
        bool tooLong = false;  // some character did not fit
        qsizetype fitting = 0; // characters of the text (spaces counted) up to the last that fit
    };
    static Stream streamOf(const QString& strIdent);

    std::array<uint8_t, kBufferBytes> buffer_{};
    int bufferUsed_ = 0;
    uint32_t tail_ = 0;
    int tailBits_ = 0;
};
