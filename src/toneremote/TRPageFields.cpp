// The field rules of the tone-remote pages: texts and 16-bit words, on the rules every module
// shares (db/PageFields.h).
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

uint16_t COrvDocTR::word(int page, int hiByte) const { return pagefields::word(pages_[page], hiByte); }

void COrvDocTR::setWord(int page, int hiByte, uint16_t bits) { pagefields::setWord(pages_[page], hiByte, bits); }
