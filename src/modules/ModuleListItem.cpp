#include "modules/ModuleListItem.h"

#include <QListWidget>

namespace modulelist {

ModuleListItem::ModuleListItem(std::shared_ptr<CRADIO> record, const QString& line, QListWidget* list)
    : QListWidgetItem(line, list, QListWidgetItem::UserType), record_(std::move(record))
{
}

QList<std::shared_ptr<CRADIO>> selectedModules(const QListWidget& list)
{
    QList<std::shared_ptr<CRADIO>> out;
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem* line = list.item(row);
        if (line->isSelected() && line->type() == QListWidgetItem::UserType)
            out << static_cast<const ModuleListItem*>(line)->record();
    }
    return out;
}

} // namespace modulelist
