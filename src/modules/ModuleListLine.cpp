#include "modules/ModuleListLine.h"

#include "db/CRADIO.h"
#include "shell/ModuleType.h"
#include "shell/ShownText.h"

#include <QStringList>
#include <algorithm>

namespace modulelist {
namespace {

// The text cut to `length` characters, then filled with blanks up to `width`; control characters
// show as blanks.
QString column(const QString& text, int length, int width)
{
    return basVelmar::strShownText(text.left(length)).leftJustified(width, QLatin1Char(' '));
}

} // namespace

QString ModuleListLine(const CRADIO& record, RemarkColumn remark)
{
    QString line = column(record.strSerial, 8, 9);
    line += column(basVelmar::strModuleTypeText(record.intRxTxEx), 11, 12);
    line += column(record.strModuleType, 12, 13);
    line += column(record.strCustomType, 12, 13);
    line += remark == RemarkColumn::Filled ? column(record.strUserRemark, 16, 17) : column(record.strUserRemark, 16, 0);
    return line;
}

QString ModuleListHeading(const QString& caption)
{
    const QStringList words = caption.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString heading;
    for (qsizetype i = 0; i < words.size(); ++i) {
        // A word that runs into the next column keeps one blank before the following one.
        const int start = i < qsizetype(kColumnStarts.size()) ? kColumnStarts[i] : 0;
        if (!heading.isEmpty())
            heading = heading.leftJustified(std::max<qsizetype>(start, heading.size() + 1), QLatin1Char(' '));
        heading += words[i];
    }
    return heading;
}

} // namespace modulelist
