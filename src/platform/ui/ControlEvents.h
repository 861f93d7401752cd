#pragma once
// Key and focus events of a form's boxes, delivered the way the forms expect them:
// a key filter that sees each typed character first and may discard it, and a check that runs
// whenever the focus moves from a box to another control of the same form: of its own tab or
// frame, of another tab, or a button of the form.
#include <QChar>
#include <functional>

class QWidget;

namespace platform {

// `filter` sees every character typed into `box` (Backspace as '\b') and returns false to
// discard it. Keys that type no character (arrows, Delete, shortcuts) pass untouched.
void onKeyPress(QWidget* box, std::function<bool(QChar)> filter);

// `check` runs when the focus moves from `box` to another control of the form that `window`
// belongs to (`window` may be the form or any part of it, such as a tab page: the form is the
// dialog, or the document window inside its frame); when it returns false the focus goes back to
// `box`. Focus that goes to another window, or leaves with the window's activation or a menu,
// runs nothing. A check that shows a message box is not run again for the focus change that the
// box itself causes.
void onValidate(QWidget* box, QWidget* window, std::function<bool()> check);

// `handler` runs whenever the focus leaves `box` for another control of the form that `window`
// belongs to, as for onValidate.
void onLostFocus(QWidget* box, QWidget* window, std::function<void()> handler);

} // namespace platform
