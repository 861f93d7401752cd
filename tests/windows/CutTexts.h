#pragma once
// Finds the texts a window shows cut: a label, button, box, list, frame caption, tab or menu whose
// text needs more room than it has, a grid cell or header narrower than its text, and a grid
// column or list line that runs out of sight behind the edge of its view.
#include <QStringList>

class QWidget;

namespace testsupport {

// One line per cut text: the control's name and class, the text, the room it needs and has.
QStringList cutTexts(QWidget* window);

} // namespace testsupport
