#include "modules/ModuleOpening.h"

#include "db/PageFields.h"
#include "shell/Globals.h"
#include "docwindow/DocumentWindowOpen.h"
#include "docwindow/WindowRegistry.h"

namespace moduleopen {

std::optional<long> digitsValue(const QString& text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    for (QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    return digits.toLong();
}

std::optional<long> serialValue(const QString& text)
{
    const std::optional<long> value = digitsValue(text);
    if (!value || !pagefields::isSerialNumber(*value))
        return std::nullopt;
    return value;
}

int16_t intOpenInWindow(int16_t typeCode, const std::function<int16_t(IDocumentWindow&)>& opener)
{
    return openInNewDocumentWindow(WindowRegistry::kindForTypeCode(typeCode), opener);
}

UnlinkOnViewCloseOff::UnlinkOnViewCloseOff() : saved_(basVelmar::gUnlinkOnViewClose)
{
    basVelmar::gUnlinkOnViewClose = false;
}

UnlinkOnViewCloseOff::~UnlinkOnViewCloseOff() { basVelmar::gUnlinkOnViewClose = saved_; }

} // namespace moduleopen
