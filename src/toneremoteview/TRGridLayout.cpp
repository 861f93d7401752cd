#include "toneremoteview/TRGridLayout.h"

#include "platform/ui/FlexGrid.h"

#include <QEvent>
#include <QScrollBar>

#include <algorithm>

namespace trview {
namespace {

constexpr int kLeastActionArea = 3000;
constexpr int kLeastActionColumn = 1000;

// Fits the grid's columns when it is shown and whenever its view changes size.
class ColumnFitter : public QObject {
public:
    ColumnFitter(platform::FlexGrid* grid, std::function<QList<int>(int)> widths)
        : QObject(grid), grid_(grid), widths_(std::move(widths))
    {
        setObjectName(QStringLiteral("ColumnFitter"));
        grid->installEventFilter(this);
        grid->viewport()->installEventFilter(this);
    }

    void fit()
    {
        const QList<int> widths = widths_(grid_->innerWidth());
        for (int c = 0; c < std::min<int>(grid_->Cols(), widths.size()); ++c)
            if (!grid_->isColumnHidden(c))
                grid_->setColWidth(c, widths[c]);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Resize)
            fit();
        return false;
    }

private:
    platform::FlexGrid* grid_;
    std::function<QList<int>(int)> widths_;
};

} // namespace

QList<int> fnToneColumnWidths(int width)
{
    const int number = width / 10;
    const int tone = width / 6;
    const int action = std::max(std::max(width, kLeastActionArea) - number - 2 * tone, kLeastActionColumn);
    return {number, tone, tone, action};
}

QList<int> alarmColumnWidths(int width)
{
    const int number = width / 14;
    const int name = static_cast<int>(width / 2.5);
    return {number, name, std::max(width - number - name, 0)};
}

void fitColumns(platform::FlexGrid* grid, std::function<QList<int>(int width)> widths)
{
    (new ColumnFitter(grid, std::move(widths)))->fit();
}

void refitColumns(platform::FlexGrid* grid)
{
    if (QObject* fitter = grid->findChild<QObject*>(QStringLiteral("ColumnFitter"), Qt::FindDirectChildrenOnly))
        static_cast<ColumnFitter*>(fitter)->fit();
}

} // namespace trview
