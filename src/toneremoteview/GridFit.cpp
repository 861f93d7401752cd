#include "toneremoteview/GridFit.h"

#include "platform/ui/FlexGrid.h"

#include <QHeaderView>
#include <QScrollBar>

namespace trview {

void fitColumnsToTexts(platform::FlexGrid* grid)
{
    grid->resizeColumnsToContents();
    int width = 2 * grid->frameWidth() + grid->verticalScrollBar()->sizeHint().width();
    for (int col = 0; col < grid->columnCount(); ++col) {
        if (!grid->isColumnHidden(col))
            width += grid->columnWidth(col);
    }
    grid->setMinimumWidth(width);
}

} // namespace trview
