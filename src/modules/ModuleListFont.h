#pragma once

class QWidget;

namespace moduledialogs {

// The fixed-pitch font of the module lists and their column headings, so that the columns of the
// lines stand under their headings.
void setListFont(QWidget& heading, QWidget& list);
// The same font for a list without a heading.
void setListFont(QWidget& list);

} // namespace moduledialogs
