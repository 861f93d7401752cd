#include "radio/RadioEpromImage.h"

#include "db/PageFields.h"
#include "shell/Windows1252.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace eprom {
namespace {

constexpr int kMaxB = 1023;
constexpr int kMaxA = 127;

uint8_t hi(uint8_t b) { return static_cast<uint8_t>(b >> 4); }
uint8_t nibble(int64_t v, int shift) { return static_cast<uint8_t>((v >> shift) & 0x0F); }
uint8_t byteOf(int highNibble, int lowNibble) { return static_cast<uint8_t>(((highNibble & 0x0F) << 4) | (lowNibble & 0x0F)); }

constexpr uint8_t kBlank = 0x20;
constexpr uint8_t kMark = 0xFF;
constexpr int kHexModelChars = 14;
constexpr int kHexShortChars = 11;

// `text` from byte `from` on, one byte a character, cut where the field ends.
void place(Bytes<kTextSize>& field, const QString& text, int from, int maxChars)
{
    const QByteArray bytes = windows1252::encode(text.left(std::min(maxChars, kTextSize - from)));
    for (int i = 0; i < bytes.size(); ++i)
        field[static_cast<std::size_t>(from + i)] = static_cast<uint8_t>(bytes.at(i));
}

} // namespace

SynthCounters synthCounters(int64_t hz, int64_t ref, int64_t tcxo, int prescaler, int32_t toneDivider)
{
    SynthCounters c;
    c.t = toneDivider;
    if (hz <= 0)
        return c;
    c.r = ref > 0 ? static_cast<int32_t>(std::floor(double(tcxo) / double(ref) / 2.0 + 0.1)) : 0;
    const double n = ref > 0 ? double(hz) / double(ref) : 0.0;
    int64_t b = prescaler > 0 ? static_cast<int64_t>(std::floor(n / prescaler)) : 0;
    int64_t a = static_cast<int64_t>(std::floor(n)) % prescaler;
    if (b > kMaxB) {
        b = kMaxB;
        a += prescaler;
    }
    if (a > kMaxA)
        a = kMaxA;
    c.b = static_cast<int32_t>(b);
    c.a = static_cast<int32_t>(a);
    return c;
}

SynthRecord synthRecord(const SynthCounters& c)
{
    const int64_t t = c.t;
    return SynthRecord{{
        byteOf(0, (c.b & 3) * 4),
        byteOf(0, c.b >> 2),
        byteOf(nibble(t, 0), c.b >> 6),
        byteOf(nibble(t, 0), c.a),
        byteOf(nibble(t, 4), c.a >> 4),
        byteOf(nibble(t, 4), c.r),
        byteOf(nibble(t, 8), c.r >> 4),
        byteOf(nibble(t, 8), c.r >> 8),
    }};
}

int32_t toneDividerOf(const SynthRecord& r) { return hi(r.bytes[6]) * 256 + hi(r.bytes[4]) * 16 + hi(r.bytes[2]); }

bool isSynthRecord(const SynthRecord& r)
{
    const Bytes<8>& b = r.bytes;
    return hi(b[0]) == 0 && hi(b[1]) == 0 && (b[0] & 0x03) == 0 && hi(b[2]) == hi(b[3]) && hi(b[4]) == hi(b[5])
        && hi(b[6]) == hi(b[7]);
}

FrequencyBcdRecord frequencyRecord(int64_t v)
{
    FrequencyBcdRecord r{};
    int64_t rest = v % 100000000;
    for (int i = 3; i >= 0; --i) {
        const int pair = static_cast<int>(rest % 100);
        rest /= 100;
        r.bytes[static_cast<std::size_t>(i)] = static_cast<uint8_t>((pair / 10) * 16 + pair % 10);
    }
    return r;
}

std::optional<int64_t> frequencyOf(const FrequencyBcdRecord& r)
{
    int64_t v = 0;
    for (const uint8_t b : r.bytes) {
        if (hi(b) > 9 || (b & 0x0F) > 9)
            return std::nullopt;
        v = v * 100 + hi(b) * 10 + (b & 0x0F);
    }
    return v;
}

Bytes<kTextSize> binTextField(const QString& text)
{
    QByteArray bytes = windows1252::encode(text.left(kTextSize));
    bytes.append('\0').append(char(kMark));
    return recordfields::byteField<kTextSize>(bytes);
}

QString binTextOf(const Bytes<kTextSize>& field)
{
    QByteArray bytes(reinterpret_cast<const char*>(field.data()), kTextSize);
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    const qsizetype mark = bytes.indexOf(char(kMark));
    if (mark >= 0)
        bytes.truncate(mark);
    return recordfields::trimBlanks(windows1252::decode(bytes));
}

Bytes<kTextSize> hexModelField(const QString& model)
{
    Bytes<kTextSize> field;
    field.fill(kBlank);
    place(field, model, 1, kHexModelChars);
    field[kTextSize - 1] = kMark;
    return field;
}

Bytes<kTextSize> hexDateField(const QString& date)
{
    Bytes<kTextSize> field;
    field.fill(kMark);
    place(field, date.leftJustified(kHexShortChars, QLatin1Char(' ')), 0, kHexShortChars);
    return field;
}

Bytes<kTextSize> hexSerialField(const QString& serial) { return hexDateField(serial); }

Bytes<kTextSize> hexRemarkField(const QString& remark) { return recordfields::textField<kTextSize>(remark); }

Bytes<kTextSize> hexClosingField()
{
    Bytes<kTextSize> field;
    field.fill(kBlank);
    field[kTextSize - 1] = '/';
    return field;
}

QString hexTextOf(const Bytes<kTextSize>& field)
{
    QByteArray bytes;
    for (const uint8_t b : field) {
        if (hi(b) == 0 || hi(b) == 0x0F)
            break;
        bytes.append(static_cast<char>(b));
    }
    return recordfields::trimBlanks(windows1252::decode(bytes));
}

QByteArray hexDataLine(uint16_t address, const Bytes<kHexLineBytes>& data)
{
    QByteArray record(4, '\0'); // byte count, load address, record type 0
    record[0] = char(kHexLineBytes);
    pagefields::setBigEndianWord(pagefields::bytesOf(record), 1, address);
    record.append(reinterpret_cast<const char*>(data.data()), kHexLineBytes);
    uint8_t sum = 0;
    for (const char c : record)
        sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(c));
    record.append(static_cast<char>(static_cast<uint8_t>(-sum)));
    return ':' + record.toHex().toUpper();
}

std::optional<Bytes<kHexLineBytes>> hexDataOf(const QByteArray& line, uint16_t address)
{
    if (line.size() != kHexLineLength || line.at(0) != ':')
        return std::nullopt;
    for (qsizetype i = 1; i < line.size(); ++i)
        if (!std::isxdigit(static_cast<unsigned char>(line.at(i))))
            return std::nullopt;
    const QByteArray record = QByteArray::fromHex(line.mid(1));
    uint8_t sum = 0;
    for (const char c : record)
        sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(c));
    const auto at = [&](int i) { return static_cast<uint8_t>(record.at(i)); };
    if (sum != 0 || at(0) != kHexLineBytes || pagefields::bigEndianWord(pagefields::bytesOf(record), 1) != address
        || at(3) != 0)
        return std::nullopt;
    Bytes<kHexLineBytes> data;
    for (int i = 0; i < kHexLineBytes; ++i)
        data[static_cast<std::size_t>(i)] = at(4 + i);
    return data;
}

QByteArray hexEndLine() { return QByteArrayLiteral(":00000001FF"); }

} // namespace eprom
