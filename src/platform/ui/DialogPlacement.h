#pragma once

class QWidget;

namespace platform {

// Puts the dialog in the middle of its screen: (screen - dialog) \ 2 both ways, after it has taken
// the size of its contents as they are now.
void centreOnScreen(QWidget& dialog);

} // namespace platform
