#include "db/CatalogueTexts.h"

#include "shell/Windows1252.h"

namespace catalogue {

void requireStorableTexts(const QVariantList& values)
{
    for (const QVariant& value : values)
        if (value.typeId() == QMetaType::QString)
            windows1252::encode(value.toString());
}

} // namespace catalogue
