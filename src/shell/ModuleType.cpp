#include "shell/ModuleType.h"

#include <array>

namespace basVelmar {
namespace {

// Indexed by code 0..3.
const std::array<QString, 4>& typeTexts()
{
    static const std::array<QString, 4> texts = {
        QStringLiteral("Receiver"),
        QStringLiteral("Transmitter"),
        QStringLiteral("Exciter"),
        QStringLiteral("ToneRemote"),
    };
    return texts;
}

} // namespace

int16_t intModuleTypeCode(uint8_t configurationByte)
{
    switch (configurationByte & 0xE0) {
    case 0x00:
        switch (configurationByte & 0x06) {
        case 0x00: return kTransmitter;
        case 0x04: return kExciter;
        default: return kReceiver;  // 0x02 and 0x06
        }
    case 0x80: return kToneRemote;
    case 0x40: return kQuasiSync;
    case 0x20: return kLinearT1;
    default: return kUnknownModule;
    }
}

QString strModuleTypeText(int code)
{
    return code >= 0 && code < static_cast<int>(typeTexts().size()) ? typeTexts()[code] : QString();
}

int16_t intModuleTypeFromText(const QString& text)
{
    for (size_t i = 0; i < typeTexts().size(); ++i)
        if (text == typeTexts()[i])
            return static_cast<int16_t>(i);
    return kUnknownModule;
}

} // namespace basVelmar
