// The field rules of the tone-remote pages: texts and 16-bit words (the rules every module shares
// are db/PageFields.h's).
#include "toneremote/COrvDocTR.h"

#include "db/DbQuery.h"
#include "db/PageFields.h"
#include "platform/PlatformError.h"
#include "shell/Windows1252.h"

using namespace trlayout;

QString COrvDocTR::pageText(int page, int chars) const
{
    return windows1252::decode(pagefields::textBytes(*this, page, chars));
}

void COrvDocTR::setPageText(int page, const QByteArray& bytes) { pagefields::setTextBytes(*this, page, bytes); }

QByteArray COrvDocTR::textBytes(const QString& text, int chars, const char* field)
{
    if (text.size() > chars)
        throw platform::Error(velmardb::kErrOverflow, QStringLiteral("The %1 \"%2\" is longer than %3 characters.")
                                                          .arg(QLatin1String(field), text)
                                                          .arg(chars));
    return windows1252::encode(text).leftJustified(chars, ' ');
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
