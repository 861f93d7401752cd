#pragma once
#include <QString>

class QLabel;
class QListWidget;

namespace moduledialogs {

// Sets up a module list and its column heading: both in a fixed-pitch font, the caption's words
// over their columns, the heading's text starting where the lines' text starts, and the list wide
// enough for a whole line without a horizontal scroll bar.
void setUpModuleList(QLabel& heading, QListWidget& list, const QString& caption);

// Makes the first line the current and the selected one, so the line that looks chosen is the one
// OK takes.
void selectFirstLine(QListWidget& list);

} // namespace moduledialogs
