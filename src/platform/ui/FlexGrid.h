#pragma once
// The grid of the forms: rows and columns numbered as the forms number them (row 0 is the caption
// row, column 0 a fixed column whose cells are never selected), column widths in twips, and the
// selection as the current row and the other end of the selected block.
#include <QTableWidget>

namespace platform {

class FlexGrid : public QTableWidget {
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    // Rows with the caption row (at least 1), and columns.
    int Rows() const;
    void setRows(int rows);
    int Cols() const;
    void setCols(int cols);

    // A cell's text, the caption row's included. A cell outside the grid raises platform::Error
    // ("Subscript out of range").
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // Width of a column, in twips.
    int ColWidth(int col) const;
    void setColWidth(int col, int twips);
    // The width inside the grid's frame and beside its vertical scroll bar, in twips: what its
    // columns can fill without a horizontal scroll bar.
    int innerWidth() const;

    // The outer size of a grid that shows `rows` rows below its caption row without scrolling, and
    // whose columns can fill `innerWidth` pixels beside a vertical scroll bar.
    QSize sizeFor(int rows, int innerWidth) const;

    // The current row (0 when there is none) and the row at the other end of the selected block
    // that holds it (the current row when only it is selected).
    int Row() const;
    int RowSel() const;
    // Makes (row, col) the current cell and selects the block up to (rowSel, colSel).
    void select(int row, int col, int rowSel, int colSel);

private:
    void requireCell(int row, int col) const;
};

} // namespace platform
