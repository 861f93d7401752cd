// The field rules of the tone-remote pages: texts, the serial number, the date of the last write
// and 16-bit words.
#include "toneremote/COrvDocTR.h"

#include "db/DbQuery.h"
#include "platform/PlatformError.h"
#include "shell/DateCodecs.h"
#include "shell/Windows1252.h"

#include <QDate>

using namespace trlayout;

QString COrvDocTR::pageText(int page, int chars) const
{
    QByteArray bytes(chars, '\0');
    for (int i = 0; i < chars; ++i)
        bytes[i] = static_cast<char>(at(page + i / kPageSize, kPageSize - 1 - i % kPageSize));
    return windows1252::decode(bytes);
}

void COrvDocTR::setPageText(int page, const QByteArray& bytes)
{
    for (int i = 0; i < bytes.size(); ++i)
        at(page + i / kPageSize, kPageSize - 1 - i % kPageSize) = static_cast<uint8_t>(bytes[i]);
}

QByteArray COrvDocTR::textBytes(const QString& text, int chars, const char* field)
{
    if (text.size() > chars)
        throw platform::Error(velmardb::kErrOverflow, QStringLiteral("The %1 \"%2\" is longer than %3 characters.")
                                                          .arg(QLatin1String(field), text)
                                                          .arg(chars));
    return windows1252::encode(text).leftJustified(chars, ' ');
}

int32_t COrvDocTR::serialOfText(const QString& text)
{
    bool isNumber = false;
    const QString t = text.trimmed();
    const qlonglong serial = t.toLongLong(&isNumber);
    if (!isNumber || t.startsWith(QLatin1Char('+')) || serial < 0 || serial > identity::kMaxSerial)
        throw platform::Error(velmardb::kErrTypeMismatch,
                              QStringLiteral("The serial number \"%1\" is not a number from 0 to %2.")
                                  .arg(text)
                                  .arg(identity::kMaxSerial));
    return static_cast<int32_t>(serial);
}

void COrvDocTR::setSerialBytes(int32_t serial)
{
    at(kIdentityPage, identity::kSerialHigh) = static_cast<uint8_t>((serial >> 16) & 0xFF);
    at(kIdentityPage, identity::kSerialMid) = static_cast<uint8_t>((serial >> 8) & 0xFF);
    at(kIdentityPage, identity::kSerialLow) = static_cast<uint8_t>(serial & 0xFF);
}

std::optional<basVelmar::DateBytes> COrvDocTR::todayBytes()
{
    basVelmar::DateBytes now{};
    if (basVelmar::intDateToBytes(basVelmar::dteFromDateTime(QDateTime::currentDateTime()), now) != 0)
        return std::nullopt;
    return now;
}

void COrvDocTR::setLastWrite(const basVelmar::DateBytes& date)
{
    for (int i = 0; i < kPageSize; ++i)
        at(kLastWritePage, kPageSize - 1 - i) = date[i];
}

QString COrvDocTR::lastWriteText() const
{
    basVelmar::DateBytes d;
    for (int i = 0; i < kPageSize; ++i)
        d[i] = at(kLastWritePage, kPageSize - 1 - i);
    const double stored = basVelmar::dteBytesToDate(d);
    const QDate shown = stored == 0 ? QDate::currentDate() : basVelmar::dateTimeFromDte(stored).date();
    return shown.toString(QStringLiteral("dd-MM-yyyy"));
}

uint16_t COrvDocTR::word(int page, int hiByte) const
{
    return static_cast<uint16_t>((at(page, hiByte) << 8) | at(page, hiByte - 1));
}

void COrvDocTR::setWord(int page, int hiByte, uint16_t bits)
{
    at(page, hiByte) = static_cast<uint8_t>(bits >> 8);
    at(page, hiByte - 1) = static_cast<uint8_t>(bits & 0xFF);
}
