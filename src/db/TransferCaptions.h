#pragma once
// The progress captions of a module document's transfers with the module in the rack.
#include <QString>

namespace transfercaption {

inline const QString& readingModule()
{
    static const QString caption = QStringLiteral("Reading Module...");
    return caption;
}

inline const QString& writingModule()
{
    static const QString caption = QStringLiteral("Writing Module");
    return caption;
}

} // namespace transfercaption
