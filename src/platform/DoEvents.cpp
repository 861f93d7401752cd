#include "platform/DoEvents.h"

#include <QCoreApplication>

namespace platform {

void DoEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace platform
