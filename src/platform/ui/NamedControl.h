#pragma once
#include <QString>

namespace platform {

// The control with its name set: forms name each control as the program's code and tests know it.
template <class W>
W* named(W* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}

} // namespace platform
