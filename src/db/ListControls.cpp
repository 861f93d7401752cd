#include "db/ListControls.h"

#include <QAbstractItemModel>

#include <algorithm>

void ItemModelList::AddItem(const QString& item)
{
    const int row = model_.rowCount();
    if (model_.insertRow(row))
        model_.setData(model_.index(row, 0), item, Qt::DisplayRole);
}

int ItemModelGrid::Rows() const { return model_.rowCount() + 1; }

void ItemModelGrid::setRows(int rows)
{
    const int wanted = std::max(0, rows - 1);
    const int have = model_.rowCount();
    if (wanted > have)
        model_.insertRows(have, wanted - have);
    else if (wanted < have)
        model_.removeRows(wanted, have - wanted);
}

int ItemModelGrid::Cols() const { return model_.columnCount(); }

QString ItemModelGrid::text(int row, int col) const
{
    if (row == 0)
        return model_.headerData(col, Qt::Horizontal, Qt::DisplayRole).toString();
    return model_.data(model_.index(row - 1, col), Qt::DisplayRole).toString();
}

void ItemModelGrid::setText(int row, int col, const QString& text)
{
    if (row == 0)
        model_.setHeaderData(col, Qt::Horizontal, text, Qt::DisplayRole);
    else
        model_.setData(model_.index(row - 1, col), text, Qt::EditRole);
}

void TextGrid::setRows(int rows)
{
    rows = std::max(0, rows);
    while (cells_.size() > rows)
        cells_.removeLast();
    while (cells_.size() < rows) {
        QStringList row;
        for (int c = 0; c < cols_; ++c)
            row.append(QString());
        cells_.append(row);
    }
}

QString TextGrid::text(int row, int col) const
{
    if (row < 0 || row >= Rows() || col < 0 || col >= cols_)
        return QString();
    return cells_[row][col];
}

void TextGrid::setText(int row, int col, const QString& text)
{
    if (row >= 0 && row < Rows() && col >= 0 && col < cols_)
        cells_[row][col] = text;
}
