#pragma once
// Key preview of a window: its key handler sees the keys pressed in the window or in any of its
// controls before the control with the focus and before any shortcut of the program does.
#include <Qt>
#include <functional>

class QWidget;

namespace platform {

// The shift state of a key handler: the sum of the keys held.
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

int shiftState(Qt::KeyboardModifiers modifiers);

// `takes(KeyCode, Shift)` tells whether the window takes a key (letters come as their capital's
// code, 'F' 70); a key it takes goes to `handler` and to nothing else. Other keys go their way.
// The preview ends with the window.
void installKeyPreview(QWidget* window, std::function<bool(int KeyCode, int Shift)> takes,
                       std::function<void(int KeyCode, int Shift)> handler);

} // namespace platform
