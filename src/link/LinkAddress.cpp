#include "link/LinkAddress.h"

#include "platform/MsgBox.h"

namespace basVelmar {

QByteArray strLongTo3Bytes(int64_t value)
{
    if (value < 0 || value > 0xFFFFFF)
        return {};
    QByteArray out(3, '\0');
    out[0] = static_cast<char>((value >> 16) & 0xFF);
    out[1] = static_cast<char>((value >> 8) & 0xFF);
    out[2] = static_cast<char>(value & 0xFF);
    return out;
}

QByteArray strLongTo2Bytes(int64_t value)
{
    if (value < 0 || value > 0xFFFF)
        return {};
    QByteArray out(2, '\0');
    out[0] = static_cast<char>((value >> 8) & 0xFF);
    out[1] = static_cast<char>(value & 0xFF);
    return out;
}

QString strBytesToDecimal(const QByteArray& text)
{
    if (text.size() < 2) {
        platform::MsgBox(QStringLiteral("A module address needs at least two bytes."),
                         platform::vbOKOnly | platform::vbExclamation);
        return {};
    }
    const auto byte = [&](int i) { return static_cast<uint32_t>(static_cast<uint8_t>(text.at(i))); };
    const uint32_t value = byte(0) * 65536u + byte(1) * 256u + byte(text.size() - 1);
    return QString::number(value);
}

} // namespace basVelmar
