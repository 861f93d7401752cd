#pragma once
#include <QImage>
#include <QString>

// A report's print layout as plain data: the controls a document's printing command fills in and
// copies onto the page one by one. Positions and sizes are in twips (1440 an inch), the unit of
// the page; font sizes in points.

struct PrintFont {
    QString name = QStringLiteral("MS Sans Serif");
    double size = 8.25;
    bool bold = false;
};

// A caption; printed only while visible.
struct PrintLabel {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    QString caption;
    PrintFont font;
    bool visible = true;
};

// A text field; printed whether visible or not. A text box that is a row of a table moves down
// the page as its rows are printed.
struct PrintTextBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    QString text;
    PrintFont font;
    bool visible = true;
};

// A straight line in black, `borderWidth` pixels wide.
struct PrintLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    int borderWidth = 1;
};

// A picture, scaled to its box.
struct PrintImage {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    QImage picture;
};

// The header of the radio report's channel table: two rules and seven column captions. It is
// printed again at the top of every further page of the table.
struct ChannelTableHeader {
    PrintLine Lin1;
    PrintLine Lin2;
    PrintLabel lblChannel;
    PrintLabel lblSwitch;
    PrintLabel lblFrequency;
    PrintLabel lblCTCSS;
    PrintLabel lblPin;
    PrintLabel lblDeviation;
    PrintLabel lblReference;
};
