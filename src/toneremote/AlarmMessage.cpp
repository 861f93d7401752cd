#include "toneremote/AlarmMessage.h"

#include "toneremote/AlarmRecordFormat.h"

namespace alarmformat {
namespace {

// Codes 10-14 of each encoding; the selcall '?' (14) is shown but cannot be typed.
constexpr char16_t kSelcallSigns[] = u"PRGA?";
constexpr char16_t kDtmfSigns[] = u"*#ABC";
constexpr int kFirstSignCode = 10;
constexpr int kLastSignCode = 14;
constexpr int kLastTypedSelcallCode = 13;
constexpr int kSelcallGCode = 12;
constexpr int kDtmfStarCode = 10;

// The code of one typed character, or -1 when the encoding has none for it. 'G' and '*' are one
// sign typed two ways: the selcall G (12) and the DTMF star (10).
int codeOf(QChar c, bool dtmf)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    const QChar upper = c.toUpper();
    if (upper == u'G' || c == u'*')
        return dtmf ? kDtmfStarCode : kSelcallGCode;
    const char16_t* signs = dtmf ? kDtmfSigns : kSelcallSigns;
    const int last = dtmf ? kLastSignCode : kLastTypedSelcallCode;
    for (int code = kFirstSignCode; code <= last; ++code)
        if (upper == QChar(signs[code - kFirstSignCode]))
            return code;
    return -1;
}

} // namespace

QString messageText(const std::array<uint8_t, 8>& record, bool dtmf)
{
    QString text;
    for (int k = 0; k < kMessageDigits; ++k) {
        const int code = messageNibble(record, k);
        if (code == kEndOfMessage)
            break;
        text += code <= 9 ? QChar(u'0' + code) : QChar((dtmf ? kDtmfSigns : kSelcallSigns)[code - kFirstSignCode]);
    }
    return text;
}

TypedMessage codeMessage(const QString& text, bool dtmf)
{
    TypedMessage typed;
    for (int i = 0; i < text.size(); ++i) {
        const int code = codeOf(text.at(i), dtmf);
        if (code < 0) {
            typed.codes.clear();
            typed.badPosition = i + 1;
            return typed;
        }
        typed.codes << code;
    }
    if (typed.codes.size() > kMessageDigits) {
        typed.codes.clear();
        typed.tooLong = true;
    }
    return typed;
}

void putMessage(std::array<uint8_t, 8>& record, const QList<int>& codes)
{
    for (int k = 0; k < codes.size() && k < kMessageDigits; ++k) {
        uint8_t& b = record[kMessageFirstByte + k / 2];
        const auto code = static_cast<uint8_t>(codes[k] & 0x0F);
        b = k % 2 == 0 ? static_cast<uint8_t>(code << 4 | kEndOfMessage) : static_cast<uint8_t>((b & 0xF0) | code);
    }
}

} // namespace alarmformat
