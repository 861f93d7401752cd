#include "docwindow/NotInThisVersion.h"

#include "platform/MsgBox.h"

int16_t intNotInThisVersion(const QString& what)
{
    platform::MsgBox(QStringLiteral("This version cannot %1 yet.").arg(what), platform::vbOKOnly | platform::vbInformation);
    return -1;
}
