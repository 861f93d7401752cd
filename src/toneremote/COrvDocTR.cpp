// The tone-remote page image: raw page and nybble access, the identity marker and the serial number.
#include "toneremote/COrvDocTR.h"

#include "db/DbQuery.h"
#include "db/PageFields.h"
#include "platform/PlatformError.h"

using namespace trlayout;

COrvDocTR::COrvDocTR()
{
    intDocumentFrom = kFromDatabase;
}

void COrvDocTR::requireByte(int page, int byte)
{
    if (page < 0 || page >= kPageCount || byte < 0 || byte >= kPageSize)
        throw platform::Error(velmardb::kErrSubscript,
                              QStringLiteral("Subscript out of range (page %1, byte %2)").arg(page).arg(byte));
}

int16_t COrvDocTR::intWritePage(int page, const QByteArray& bytes)
{
    if (page < 0 || page >= kPageCount || bytes.size() != kPageSize)
        return -1;
    for (int i = 0; i < kPageSize; ++i)
        at(page, i) = static_cast<uint8_t>(bytes[i]);
    return 0;
}

int16_t COrvDocTR::intReadPage(int page, QByteArray& bytes) const
{
    if (page < 0 || page >= kPageCount)
        return -1;
    QByteArray read(kPageSize, '\0');
    for (int i = 0; i < kPageSize; ++i)
        read[i] = static_cast<char>(at(page, i));
    bytes = read;
    return 0;
}

void COrvDocTR::SetPage(int page, uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3, uint8_t b4, uint8_t b5, uint8_t b6,
                        uint8_t b7)
{
    requireByte(page, 0);
    pages_[page] = {b0, b1, b2, b3, b4, b5, b6, b7};
}

uint8_t COrvDocTR::GetLowNybble(int page, int byte) const
{
    requireByte(page, byte);
    return at(page, byte) & 0x0F;
}

void COrvDocTR::SetLowNybble(int page, int byte, uint8_t value)
{
    requireByte(page, byte);
    at(page, byte) = static_cast<uint8_t>((at(page, byte) & 0xF0) | (value & 0x0F));
}

int16_t COrvDocTR::ChangeSerial(int32_t lngSerial)
{
    if (!pagefields::isSerialNumber(lngSerial))
        return -1;
    pagefields::setSerial(*this, lngSerial);
    return 0;
}

bool COrvDocTR::OrvTest() const
{
    return at(kMarkerPage, marker::kFirst) == marker::kBytes[0] && at(kMarkerPage, marker::kSecond) == marker::kBytes[1]
        && at(kMarkerPage, marker::kThird) == marker::kBytes[2];
}
