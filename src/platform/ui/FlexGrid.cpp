#include "platform/ui/FlexGrid.h"

#include "platform/PlatformError.h"
#include "platform/ui/Twips.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace platform {
namespace {

// The number of the failure for a cell outside the grid.
constexpr int kSubscriptOutOfRange = 9;

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent)
{
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // Captions keep their font whatever is selected, so a caption that fits keeps fitting.
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

int FlexGrid::Rows() const { return rowCount() + 1; }

void FlexGrid::setRows(int rows) { setRowCount(std::max(rows, 1) - 1); }

int FlexGrid::Cols() const { return columnCount(); }

void FlexGrid::setCols(int cols) { setColumnCount(std::max(cols, 0)); }

void FlexGrid::requireCell(int row, int col) const
{
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols())
        throw Error(kSubscriptOutOfRange, QStringLiteral("Subscript out of range"));
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    requireCell(row, col);
    const QTableWidgetItem* item = row == 0 ? horizontalHeaderItem(col) : this->item(row - 1, col);
    return item ? item->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    requireCell(row, col);
    if (row == 0) {
        setHorizontalHeaderItem(col, new QTableWidgetItem(text));
        return;
    }
    QTableWidgetItem* cell = item(row - 1, col);
    if (!cell) {
        cell = new QTableWidgetItem;
        if (col == 0) {
            // The fixed column is never part of a selection.
            cell->setFlags(Qt::ItemIsEnabled);
            cell->setBackground(palette().button());
        }
        setItem(row - 1, col, cell);
    }
    cell->setText(text);
}

int FlexGrid::ColWidth(int col) const { return columnWidth(col) * kTwipsPerPixel; }

void FlexGrid::setColWidth(int col, int twips)
{
    if (twips <= 0) {
        setColumnHidden(col, true);
        return;
    }
    setColumnHidden(col, false);
    setColumnWidth(col, twipsToPixels(twips));
}

int FlexGrid::innerWidth() const
{
    if (isVisible())
        return viewport()->width() * kTwipsPerPixel;
    // Before the grid is shown its view has no size yet: room is kept for the vertical scroll bar.
    const int pixels = width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width();
    return std::max(pixels, 0) * kTwipsPerPixel;
}

QSize FlexGrid::sizeFor(int rows, int innerWidth) const
{
    const int frames = 2 * frameWidth();
    return {innerWidth + verticalScrollBar()->sizeHint().width() + frames,
            horizontalHeader()->sizeHint().height() + rows * verticalHeader()->defaultSectionSize() + frames};
}

int FlexGrid::Row() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

int FlexGrid::RowSel() const
{
    const int row = Row();
    if (row == 0)
        return 0;
    for (const QTableWidgetSelectionRange& r : selectedRanges()) {
        if (row - 1 < r.topRow() || row - 1 > r.bottomRow())
            continue;
        return (row - 1 == r.topRow() ? r.bottomRow() : r.topRow()) + 1;
    }
    return row;
}

void FlexGrid::select(int row, int col, int rowSel, int colSel)
{
    requireCell(row, col);
    requireCell(rowSel, colSel);
    if (row == 0 || rowSel == 0)
        return; // the caption row is not selected
    clearSelection();
    setCurrentCell(row - 1, col, QItemSelectionModel::NoUpdate);
    setRangeSelected(QTableWidgetSelectionRange(std::min(row, rowSel) - 1, std::min(col, colSel),
                                                std::max(row, rowSel) - 1, std::max(col, colSel)),
                     true);
}

} // namespace platform
