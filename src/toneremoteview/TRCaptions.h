#pragma once
// Captions that more than one control of the tone-remote window carries.
#include <QString>

namespace trview {

inline const QString kEditCaption = QStringLiteral("&Edit"); // the Edit buttons of the two grids
inline const QString kUndoCaption = QStringLiteral("&Undo"); // the Undo buttons of the two grids

} // namespace trview
