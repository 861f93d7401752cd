#include "modules/ModelListLine.h"

#include "db/CModule.h"
#include "modules/ModuleListFont.h"

#include <QListWidget>

namespace modellist {
namespace {

constexpr int kNameLength = 12;
constexpr int kColumnWidth = 14;

} // namespace

QString ModelListLine(const CModule& model)
{
    return model.strModule.left(kNameLength).leftJustified(kColumnWidth)
           + model.strRxTxEx.left(kColumnWidth).leftJustified(kColumnWidth)
           + (model.boolStandard ? CModule::kStandardModel : QStringLiteral("User"));
}

QListWidgetItem* addModelLine(QListWidget& list, const CModule& model)
{
    auto* line = new QListWidgetItem(ModelListLine(model), &list);
    line->setData(Qt::UserRole, model.strModule);
    return line;
}

QString lineModelName(const QListWidgetItem& line) { return line.data(Qt::UserRole).toString(); }

QString lineOrigin(const QListWidgetItem& line) { return line.text().mid(2 * kColumnWidth).trimmed(); }

void setUpModelList(QListWidget& list)
{
    moduledialogs::setListFont(list);
    // The two filled columns, "Standard" and room for the frame and a scroll bar.
    list.setMinimumWidth(list.fontMetrics().horizontalAdvance(QString(2 * kColumnWidth + 10, QLatin1Char('M'))));
}

} // namespace modellist
