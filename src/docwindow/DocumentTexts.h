#pragma once
// Texts that both document windows show.
#include <QString>

namespace doctext {

inline const QString kSave = QStringLiteral("&Save");   // the Save button and File > Save
inline const QString kClose = QStringLiteral("&Close"); // the Close button and File > Close
// The question on closing a changed document.
inline const QString kContentChanged = QStringLiteral("The content has changed. Do you want to save the changes?");
// A write to the module that failed.
inline const QString kModuleNotFound = QStringLiteral("Can't find the module in the rack!");

// A document window's caption: the module's model and serial number.
inline QString caption(const QString& model, const QString& serial)
{
    return QStringLiteral("Model: ") + model + QStringLiteral(" Serial Number: ") + serial;
}

} // namespace doctext
