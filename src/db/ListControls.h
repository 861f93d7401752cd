#pragma once
#include <QString>
#include <QStringList>
#include <QList>

class QAbstractItemModel;

// The controls that database look-ups fill: a list that items are appended to, and a grid of text
// cells with a settable row count. Row 0 of a grid is its header row, as the look-ups count rows.
class IListControl {
public:
    virtual ~IListControl() = default;
    virtual void AddItem(const QString& item) = 0;
};

class IGridControl {
public:
    virtual ~IGridControl() = default;
    // Row count, the header row included.
    virtual int Rows() const = 0;
    virtual void setRows(int rows) = 0;
    virtual int Cols() const = 0;
    virtual QString text(int row, int col) const = 0;
    virtual void setText(int row, int col, const QString& text) = 0;
};

// A list control over an item model (a combo box's or a list widget's model): each item is a new last row.
class ItemModelList : public IListControl {
public:
    explicit ItemModelList(QAbstractItemModel& model) : model_(model) {}
    void AddItem(const QString& item) override;

private:
    QAbstractItemModel& model_;
};

// A grid over an item model (a table widget's model): grid row 0 is the model's horizontal header
// (written where the model keeps header items), grid row r the model's row r - 1.
class ItemModelGrid : public IGridControl {
public:
    explicit ItemModelGrid(QAbstractItemModel& model) : model_(model) {}
    int Rows() const override;
    void setRows(int rows) override;
    int Cols() const override;
    QString text(int row, int col) const override;
    void setText(int row, int col, const QString& text) override;

private:
    QAbstractItemModel& model_;
};

// A list control that keeps its items, for callers that want the texts themselves.
class StringListControl : public IListControl {
public:
    void AddItem(const QString& item) override { items.append(item); }
    QStringList items;
};

// A grid that keeps its cells in memory: `cols` columns, rows added and removed by setRows.
class TextGrid : public IGridControl {
public:
    explicit TextGrid(int cols, int rows = 1) : cols_(cols) { setRows(rows); }
    int Rows() const override { return static_cast<int>(cells_.size()); }
    void setRows(int rows) override;
    int Cols() const override { return cols_; }
    QString text(int row, int col) const override;
    void setText(int row, int col, const QString& text) override;

private:
    int cols_;
    QList<QStringList> cells_;
};
