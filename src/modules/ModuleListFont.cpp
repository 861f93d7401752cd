#include "modules/ModuleListFont.h"

#include <QFont>
#include <QWidget>

namespace moduledialogs {

void setListFont(QWidget& list)
{
    QFont font(QStringLiteral("Courier New"));
    // Where Courier New is not installed, another fixed-pitch face stands in.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    list.setFont(font);
}

} // namespace moduledialogs
