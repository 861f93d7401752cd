#pragma once
#include <QString>

class CModule;
class QListWidget;
class QListWidgetItem;

// The fixed-column line by which the model editor and the New dialog list a catalogue model: the
// model name cut to 12 and filled to 14, its kind text cut and filled to 14, then "Standard" for a
// factory model or "User".
namespace modellist {

QString ModelListLine(const CModule& model);

// A new last line of `list` for the model; the line keeps the model's whole name, so that a name
// longer than its column is never taken for another model that begins the same way.
QListWidgetItem* addModelLine(QListWidget& list, const CModule& model);
// The whole name of the model a line stands for.
QString lineModelName(const QListWidgetItem& line);
// The line's last column: "Standard" or "User".
QString lineOrigin(const QListWidgetItem& line);
// A model list in the lists' fixed-pitch font, wide enough for a whole line.
void setUpModelList(QListWidget& list);

} // namespace modellist
