#include "shell/ShownText.h"

namespace basVelmar {

QString strShownText(const QString& text)
{
    QString shown = text;
    for (QChar& c : shown)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return shown;
}

} // namespace basVelmar
