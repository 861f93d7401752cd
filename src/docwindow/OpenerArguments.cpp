#include "docwindow/OpenerArguments.h"

namespace docwindow {

QString leftTrimmedRight(const QString& text, int length)
{
    QString s = text.left(length);
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    return s;
}

} // namespace docwindow
