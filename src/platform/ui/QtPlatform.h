#pragma once

// Puts the real message boxes, file and printer dialogs and the help window in place
// of the platform services (the program calls this once at start-up).
namespace platform {
void installWidgetServices();
}
