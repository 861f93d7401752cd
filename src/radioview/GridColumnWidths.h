#pragma once
// The widths of the channel grid's columns. Each column takes its fraction of the grid's width
// (the width in twips divided by the column's divisor), but never less than its texts need: a
// column that needs more takes it from the columns that have more than they need, each giving in
// proportion to what it can spare. Only when no column can spare more does the grid scroll.
#include <QList>

namespace orvview {

// `width`: the grid's inner width in pixels; `divisors` and `needs` (pixels) per column, in order.
QList<int> gridColumnWidths(int width, const QList<int>& divisors, const QList<int>& needs);

} // namespace orvview
