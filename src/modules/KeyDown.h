#pragma once
#include <functional>

class QWidget;

namespace moduledialogs {

// Key code of Enter (Return and the keypad's Enter) as the key-down handlers see it.
constexpr int kEnterKey = 13;

// `handler` sees every key pressed in `control` before the control does: Enter as kEnterKey, any
// other key as its Qt key code. When it returns true it has taken the key, and neither the control
// nor the dialog (its default button) sees it.
void onKeyDown(QWidget* control, std::function<bool(int keyCode)> handler);

} // namespace moduledialogs
