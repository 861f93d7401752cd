#pragma once
#include "shell/PrintLayout.h"

#include <cstdint>

class PrintJob;

// Copying a report's layout onto the printer, one control a call, at the control's own position.
// Each returns 0 when done and -1 after a failure, which it has shown in a message box (a failed
// printer is shown once for the whole report).
namespace basVelmar {

// The label's caption, when the label is visible.
int16_t intPrintLabel(PrintJob& job, const PrintLabel& label);
// The text box's text (visible or not).
int16_t intPrintTextBox(PrintJob& job, const PrintTextBox& textBox);
// One row of a table: prints the text box, then moves it one row down (its height and 20 twips).
// Returns 1 when the next row no longer fits above the bottom margin of 1000 twips: the box is then
// back at 1000 twips from the top, and the caller starts a new page. -1 on failure, without a message.
int16_t intPrintTextBoxLines(PrintJob& job, PrintTextBox& textBox);
// The line, in black, `borderWidth` wide.
int16_t intPrintLine(PrintJob& job, const PrintLine& line);
// The picture, scaled to the image's box.
int16_t intPrintImage(PrintJob& job, const PrintImage& image);
// A new page; the drawing position goes back to the top left corner.
int16_t intPrintNewPage(PrintJob& job);
// A new page with the channel-table header at its top: the header moves up so that Lin1 lies
// 100 twips from the top of the page, and stays there for the pages after.
int16_t intPrintNewPage(PrintJob& job, ChannelTableHeader& header);
// Ends the job, which sends the pages to the printer.
int16_t intPrintEnd(PrintJob& job);

} // namespace basVelmar
