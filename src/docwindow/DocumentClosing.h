#pragma once
// Closing a document window: the way it goes, and the question it asks when it closes with changes
// not saved.
#include <QString>
#include <cstdint>
#include <functional>

class QWidget;

// Closes the window with its frame in the main window (the frame asks the window first).
void closeDocumentWindow(QWidget& window);

// Asks whether to save the changes of `window`: the window comes to the front first and the box
// carries its caption as title, so that the user sees which module the answer is for (Exit asks
// each changed window in turn). Yes runs `apply` (the window's entries into the document), then
// `save` (the document back to where it came from; `where` names that place); when either fails
// the window stays open, a failed save named by "Error: " and its place (a save that fails before
// it names a place has said why). No lets the window close unsaved; Cancel keeps it open. True
// when the window may close.
bool askToSaveChanges(const std::function<int16_t()>& apply, const std::function<int16_t(QString& where)>& save,
                      QWidget& window);
