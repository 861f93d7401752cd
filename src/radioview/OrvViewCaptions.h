#pragma once
// Captions that more than one control of the radio-module window carries.
#include <QString>

namespace orvview {

inline const QString kSaveCaption = QStringLiteral("&Save");   // the Save button and File > Save
inline const QString kCloseCaption = QStringLiteral("&Close"); // the Close button and File > Close

} // namespace orvview
