#pragma once
// The header block that every configuration report begins with, as plain layout data: the logo,
// the program's title, and the captions and fields of the module's date, model, serial number,
// type and remark. Positions in twips; the report's font is Courier New.
#include "shell/PrintLayout.h"

struct ReportHeader {
    ReportHeader();

    PrintImage ImgLOGO;
    PrintLabel lblTitle;
    PrintLabel lblDate;
    PrintTextBox TxtDate;
    PrintLabel lblModuleType;
    PrintTextBox TxtCustomType;
    PrintLabel lblSerial;
    PrintTextBox TxtSerial;
    PrintLabel lblType;
    PrintTextBox TxtType;
    PrintLabel lblUserRemark;
    PrintTextBox TxtUserRemark;
};

// The pieces reports are laid out with, in the reports' font.
namespace reportlayout {

PrintLabel label(double left, double top, const QString& caption, double size, bool bold = false);
PrintTextBox textBox(double left, double top, double width, double height, double size);
// A rule across the page at height `y`.
PrintLine rule(double y);

} // namespace reportlayout
