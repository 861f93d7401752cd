#include "toneremoteview/TRFrameControls.h"

#include "platform/ui/Named.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using platform::named;

namespace trview {

QGridLayout* gridOf(QGroupBox* frame)
{
    if (auto* g = qobject_cast<QGridLayout*>(frame->layout()))
        return g;
    return new QGridLayout(frame);
}

QLabel* caption(QWidget* parent, const QString& text, const QString& name)
{
    return named(new QLabel(text, parent), name);
}

QCheckBox* checkBox(QWidget* parent, const QString& text, const QString& name, const QString& tip)
{
    auto* c = named(new QCheckBox(text, parent), name);
    c->setToolTip(tip);
    return c;
}

QLineEdit* narrowBox(QWidget* parent, const QString& name, const QString& tip)
{
    auto* b = named(new QLineEdit(parent), name);
    b->setToolTip(tip);
    b->setMaximumWidth(70);
    return b;
}

} // namespace trview
