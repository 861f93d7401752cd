#pragma once
// Fields of the fixed-layout records that module files are made of: little-endian numbers and
// blank-padded texts of one byte a character (Windows-1252). A record is a structure of such fields,
// byte arrays only, so it has no padding and its size is the size of the file's record.
#include "shell/Windows1252.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace recordfields {

template <std::size_t N>
using Bytes = std::array<uint8_t, N>;
using LeInt16 = Bytes<2>;  // signed 16-bit, low byte first
using LeDouble = Bytes<8>; // IEEE 754 64-bit, least significant byte first

inline LeInt16 int16Field(int16_t value)
{
    const auto v = static_cast<uint16_t>(value);
    return {static_cast<uint8_t>(v & 0xFF), static_cast<uint8_t>(v >> 8)};
}

inline int16_t int16Of(const LeInt16& field) { return static_cast<int16_t>(field[0] | (field[1] << 8)); }

inline LeDouble doubleField(double value)
{
    const auto bits = std::bit_cast<uint64_t>(value);
    LeDouble field{};
    for (std::size_t i = 0; i < field.size(); ++i)
        field[i] = static_cast<uint8_t>(bits >> (8 * i));
    return field;
}

inline double doubleOf(const LeDouble& field)
{
    uint64_t bits = 0;
    for (std::size_t i = 0; i < field.size(); ++i)
        bits |= uint64_t{field[i]} << (8 * i);
    return std::bit_cast<double>(bits);
}

// The bytes, padded with `pad` and cut at the field's width.
template <std::size_t N>
Bytes<N> byteField(const QByteArray& bytes, uint8_t pad = ' ')
{
    Bytes<N> field;
    field.fill(pad);
    std::memcpy(field.data(), bytes.constData(), std::min<std::size_t>(N, static_cast<std::size_t>(bytes.size())));
    return field;
}

// The text, one byte a character, padded with `pad` and cut at the field's width. A character
// within the width that has no byte raises platform::Error naming it.
template <std::size_t N>
Bytes<N> textField(const QString& text, uint8_t pad = ' ')
{
    return byteField<N>(windows1252::encode(text.left(static_cast<qsizetype>(N))), pad);
}

// The field's characters as stored, padding included.
template <std::size_t N>
QString textOf(const Bytes<N>& field)
{
    return windows1252::decode(QByteArrayView(field.data(), static_cast<qsizetype>(N)));
}

// The text without blanks at either end (only blanks: other characters are the text's own).
inline QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

template <class Record>
concept FileRecord = std::is_trivially_copyable_v<Record> && std::is_standard_layout_v<Record> && alignof(Record) == 1;

template <FileRecord Record>
QByteArray bytesOf(const Record& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), static_cast<qsizetype>(sizeof(Record)));
}

// The record at `offset` of `bytes`; the caller has made sure that it is there in full.
template <FileRecord Record>
Record recordAt(const QByteArray& bytes, qsizetype offset)
{
    Record record;
    std::memcpy(&record, bytes.constData() + offset, sizeof(Record));
    return record;
}

} // namespace recordfields
