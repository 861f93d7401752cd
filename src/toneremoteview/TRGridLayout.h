#pragma once
// Column widths of the tone-remote window's two grids, from the grid's width in twips, and the
// fitting that keeps them so when the grid changes size.
#include <QList>
#include <functional>

namespace platform {
class FlexGrid;
}

namespace trview {

// The function-tone grid: row number, "Tone1", "Tone2", " Action ". The action column takes the
// rest of the width (of at least 3000 twips), never less than 1000.
QList<int> fnToneColumnWidths(int width);
// The alarm grid: number, alarm name, action. The action column takes the rest of the width.
QList<int> alarmColumnWidths(int width);

// Gives the grid's columns the widths for its inner width now and each time the grid changes size.
// A column hidden meanwhile (width 0: the function-tone grid's filter hides "Tone2") stays hidden.
void fitColumns(platform::FlexGrid* grid, std::function<QList<int>(int width)> widths);
// Gives the columns their widths once more (after a column was shown or hidden).
void refitColumns(platform::FlexGrid* grid);

} // namespace trview
