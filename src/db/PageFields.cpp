#include "db/PageFields.h"

#include "db/DbQuery.h"
#include "platform/PlatformError.h"
#include "shell/ByteCodecs.h"
#include "shell/DateCodecs.h"

#include <algorithm>

namespace pagefields {
namespace {

constexpr int kPageSize = CPageImage::kPageSize;

QByteArray pageOf(const CPageImage& image, int page)
{
    QByteArray bytes(kPageSize, '\0');
    image.intReadPage(page, bytes);
    return bytes;
}

basVelmar::DateBytes dateBytes(const QByteArray& bytes)
{
    basVelmar::DateBytes d{};
    std::copy_n(bytes.constBegin(), d.size(), d.begin());
    return d;
}

} // namespace

QByteArray reversed(QByteArray page)
{
    std::reverse(page.begin(), page.end());
    return page;
}

QByteArray readReversed(const CPageImage& image, int page) { return reversed(pageOf(image, page)); }

void writeReversed(CPageImage& image, int page, const QByteArray& bytes) { image.intWritePage(page, reversed(bytes)); }

std::span<const uint8_t> bytesOf(const QByteArray& bytes)
{
    return {reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

std::span<uint8_t> bytesOf(QByteArray& bytes)
{
    return {reinterpret_cast<uint8_t*>(bytes.data()), static_cast<std::size_t>(bytes.size())};
}

uint16_t word(uint8_t high, uint8_t low)
{
    int16_t value = 0;
    basVelmar::intBytesToInteger(value, high, low);
    return static_cast<uint16_t>(value);
}

uint16_t word(std::span<const uint8_t> bytes, int hiByte) { return word(bytes[hiByte], bytes[hiByte - 1]); }

void setWord(std::span<uint8_t> bytes, int hiByte, uint16_t value)
{
    basVelmar::intIntegerToBytes(static_cast<int16_t>(value), bytes[hiByte], bytes[hiByte - 1]);
}

uint16_t bigEndianWord(std::span<const uint8_t> bytes, int hiByte) { return word(bytes[hiByte], bytes[hiByte + 1]); }

void setBigEndianWord(std::span<uint8_t> bytes, int hiByte, uint16_t value)
{
    basVelmar::intIntegerToBytes(static_cast<int16_t>(value), bytes[hiByte], bytes[hiByte + 1]);
}

QString firmwareNumber(uint8_t b7, uint8_t b6, uint8_t b5, uint8_t b4)
{
    return QStringLiteral("%1%2.%3%4").arg(b7).arg(b6).arg(b5).arg(b4);
}

QString firmwareVersion(uint8_t b7, uint8_t b6, uint8_t b5, uint8_t b4)
{
    return QLatin1Char('V') + firmwareNumber(b7, b6, b5, b4);
}

bool isSerialNumber(qlonglong value) { return value >= 0 && value <= kMaxSerial; }

std::optional<int32_t> serialNumber(const QString& text)
{
    bool isNumber = false;
    const qlonglong value = text.trimmed().toLongLong(&isNumber);
    if (!isNumber || !isSerialNumber(value))
        return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<int32_t> factorySerial(const QString& text)
{
    if (text.isEmpty() || text.size() > kSerialDigits)
        return std::nullopt;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    const int32_t serial = text.toInt();
    if (serial >= kHighestEnteredSerial)
        return std::nullopt;
    return serial;
}

int32_t serialOfText(const QString& text, bool signAllowed)
{
    const std::optional<int32_t> value = serialNumber(text);
    if (!value || (!signAllowed && text.trimmed().startsWith(QLatin1Char('+'))))
        throw platform::Error(
            velmardb::kErrTypeMismatch,
            QStringLiteral("The serial number \"%1\" is not a number from 0 to %2.").arg(text).arg(kMaxSerial));
    return *value;
}

int32_t serialOfNumber(qlonglong value)
{
    if (!isSerialNumber(value))
        throw platform::Error(
            velmardb::kErrSubscript,
            QStringLiteral("The serial number %1 is not a number from 0 to %2.").arg(value).arg(kMaxSerial));
    return static_cast<int32_t>(value);
}

int32_t serial(const CPageImage& image)
{
    const QByteArray page = pageOf(image, kIdentityPage);
    const auto byte = [&](int b) { return static_cast<int32_t>(static_cast<uint8_t>(page.at(b))); };
    return byte(kSerialHigh) * 65536 + byte(kSerialMid) * 256 + byte(kSerialLow);
}

void setSerial(CPageImage& image, int32_t serial)
{
    QByteArray page = pageOf(image, kIdentityPage);
    page[kSerialHigh] = static_cast<char>((serial >> 16) & 0xFF);
    page[kSerialMid] = static_cast<char>((serial >> 8) & 0xFF);
    page[kSerialLow] = static_cast<char>(serial & 0xFF);
    image.intWritePage(kIdentityPage, page);
}

QByteArray textBytes(const CPageImage& image, int page, int chars)
{
    QByteArray text;
    for (int p = page; text.size() < chars; ++p)
        text += readReversed(image, p);
    return text.left(chars);
}

void setTextBytes(CPageImage& image, int page, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size(); done += kPageSize, ++page) {
        QByteArray line = readReversed(image, page);
        const QByteArray part = bytes.mid(done, kPageSize);
        line.replace(0, part.size(), part);
        writeReversed(image, page, line);
    }
}

double date(const CPageImage& image, int page)
{
    return basVelmar::dteBytesToDate(dateBytes(readReversed(image, page)));
}

std::optional<QByteArray> datePage(const QDateTime& when)
{
    basVelmar::DateBytes d{};
    if (basVelmar::intDateToBytes(basVelmar::dteFromDateTime(when), d) != 0)
        return std::nullopt;
    return reversed(QByteArray(reinterpret_cast<const char*>(d.data()), static_cast<qsizetype>(d.size())));
}

int16_t setDate(CPageImage& image, int page, const QDateTime& when)
{
    const std::optional<QByteArray> bytes = datePage(when);
    if (!bytes)
        return -1;
    image.intWritePage(page, *bytes);
    return 0;
}

QString dayText(const CPageImage& image, int page)
{
    const double stored = date(image, page);
    const QDate shown = stored == 0 ? QDate::currentDate() : basVelmar::dateTimeFromDte(stored).date();
    return shown.toString(QStringLiteral("dd-MM-yyyy"));
}

} // namespace pagefields
