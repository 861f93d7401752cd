#include "db/ModuleKind.h"

#include "db/PageFields.h"
#include "db/PageImage.h"

namespace modulekind {

const Kind& of(const CPageImage& image) { return image.isToneRemote() ? kToneRemote : kRadio; }

uint8_t configurationByte(const CPageImage& image)
{
    QByteArray identity(CPageImage::kPageSize, '\0');
    image.intReadPage(pagefields::kIdentityPage, identity);
    return static_cast<uint8_t>(identity.at(pagefields::kConfiguration));
}

int16_t typeCode(const CPageImage& image) { return basVelmar::intModuleTypeCode(configurationByte(image)); }

bool keepsKind(const CPageImage& image, uint8_t configuration)
{
    return of(image).isKind(basVelmar::intModuleTypeCode(configuration));
}

bool holdsOwnKind(const CPageImage& image) { return keepsKind(image, configurationByte(image)); }

QString configurationText(uint8_t configuration)
{
    const QString type = basVelmar::strModuleTypeText(basVelmar::intModuleTypeCode(configuration));
    const QString hex = QStringLiteral("%1").arg(configuration, 2, 16, QLatin1Char('0')).toUpper();
    return type.isEmpty() ? QStringLiteral("%1 (no type this program edits)").arg(hex)
                          : QStringLiteral("%1 (%2)").arg(hex, type);
}

} // namespace modulekind
