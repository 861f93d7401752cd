#pragma once

class QWidget;

namespace moduledialogs {

// The fixed-pitch font of the module lists, so that the columns of the lines stand under each other
// (and under their headings, ModuleListLayout.h).
void setListFont(QWidget& list);

} // namespace moduledialogs
