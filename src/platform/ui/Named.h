#pragma once
// Controls carry the names the forms give them, so that tests and the forms' own code find them by
// name (findChild).
#include <QString>

namespace platform {

template <class W>
W* named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace platform
