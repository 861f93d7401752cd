#include "platform/ui/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace platform {

UpDown::UpDown(int minimum, int maximum, int increment, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), increment_(increment), value_(minimum)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto arrow = [this, layout](Qt::ArrowType type, int direction) {
        auto* b = new QToolButton(this);
        b->setArrowType(type);
        b->setAutoRepeat(true);
        b->setFixedSize(16, 11);
        connect(b, &QToolButton::clicked, this, [this, direction] { step(direction); });
        layout->addWidget(b);
        return b;
    };
    up_ = arrow(Qt::UpArrow, 1);
    down_ = arrow(Qt::DownArrow, -1);
}

void UpDown::setValue(int value) { value_ = std::clamp(value, minimum_, maximum_); }

void UpDown::step(int direction)
{
    const int next = std::clamp(value_ + direction * increment_, minimum_, maximum_);
    if (next == value_)
        return;
    value_ = next;
    if (change_)
        change_();
}

} // namespace platform
