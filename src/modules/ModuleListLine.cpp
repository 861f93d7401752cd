#include "modules/ModuleListLine.h"

#include "db/CRADIO.h"
#include "shell/ModuleType.h"
#include "shell/ShownText.h"

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

} // namespace modulelist
