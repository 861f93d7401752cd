#include "modules/ModuleListLayout.h"

#include "modules/ModuleListFont.h"
#include "modules/ModuleListLine.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>

namespace moduledialogs {

void setUpModuleList(QLabel& heading, QListWidget& list, const QString& caption)
{
    setListFont(list);
    const QFont font = list.font();
    heading.setFont(font);
    heading.setText(modulelist::ModuleListHeading(caption));

    // A line's text starts behind the list's frame and the item's text margin (the style draws item
    // text one pixel beyond its focus frame margin); the heading is indented by as much.
    const int textMargin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    heading.setIndent(list.frameWidth() + textMargin);
    heading.setMargin(0);

    const QFontMetrics metrics(font);
    const int lineWidth = metrics.horizontalAdvance(QString(modulelist::kLineLength, QLatin1Char('M')));
    list.setMinimumWidth(2 * list.frameWidth() + 2 * textMargin + lineWidth + list.verticalScrollBar()->sizeHint().width());
}

void selectFirstLine(QListWidget& list)
{
    if (list.count() > 0)
        list.setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
}

} // namespace moduledialogs
