#pragma once
// An up-down spinner: two small arrow buttons beside a box, holding a whole number between a
// minimum and a maximum that each click moves by the increment. The value changed by a click is
// announced with Change; a value set from code is not.
#include <QWidget>
#include <functional>

class QToolButton;

namespace platform {

class UpDown : public QWidget {
public:
    UpDown(int minimum, int maximum, int increment, QWidget* parent = nullptr);

    int value() const { return value_; }
    // Held to the minimum and maximum.
    void setValue(int value);
    // Runs after a click has changed the value.
    void onChange(std::function<void()> handler) { change_ = std::move(handler); }

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

private:
    void step(int direction);

    int minimum_, maximum_, increment_;
    int value_;
    QToolButton* up_;
    QToolButton* down_;
    std::function<void()> change_;
};

} // namespace platform
