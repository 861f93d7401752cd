#pragma once
#include "docwindow/WindowRegistry.h"

#include <cstdint>
#include <functional>

class IDocumentWindow;

// Opens a module in a new document window of the kind: makes the window and calls `opener` on it
// (one of its intInitFrom... members), which shows it on success. A window that did not get shown
// is discarded. Returns the opener's status, or -1 when there is no window of that kind.
int16_t openInNewDocumentWindow(WindowRegistry::WindowKind kind, const std::function<int16_t(IDocumentWindow&)>& opener);
