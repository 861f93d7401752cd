#pragma once
#include "db/CRADIO.h"

#include <QListWidgetItem>
#include <memory>

class QListWidget;

namespace modulelist {

// A line of a module list that keeps the module it was made from: opening goes by the module's
// own serial number and type code, never by the text of its line.
class ModuleListItem : public QListWidgetItem {
public:
    ModuleListItem(std::shared_ptr<CRADIO> record, const QString& line, QListWidget* list);
    const std::shared_ptr<CRADIO>& record() const { return record_; }

private:
    std::shared_ptr<CRADIO> record_;
};

// The modules of the selected lines, from the first line to the last.
QList<std::shared_ptr<CRADIO>> selectedModules(const QListWidget& list);

} // namespace modulelist
