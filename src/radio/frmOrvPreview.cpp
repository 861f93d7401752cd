#include "radio/frmOrvPreview.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace {

const QString& layoutFont()
{
    static const QString f = QStringLiteral("Courier New");
    return f;
}

PrintLabel label(double left, double top, const QString& caption, double size, bool bold = false)
{
    PrintLabel l;
    l.left = left;
    l.top = top;
    l.caption = caption;
    l.font = {layoutFont(), size, bold};
    return l;
}

PrintTextBox textBox(double left, double top, double width, double height, double size)
{
    PrintTextBox t;
    t.left = left;
    t.top = top;
    t.width = width;
    t.height = height;
    t.font = {layoutFont(), size, false};
    return t;
}

PrintLine rule(double y)
{
    PrintLine l;
    l.x1 = 600;
    l.x2 = 10000;
    l.y1 = l.y2 = y;
    l.borderWidth = 1;
    return l;
}

// The logo: a mast sending waves, drawn for the 1350 x 2535 twips of its place (90 x 169 pixels).
QImage logo()
{
    QImage image(90, 169, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x1F, 0x3A, 0x68);
    p.setPen(QPen(ink, 4));
    p.drawLine(QPointF(45, 60), QPointF(25, 160));
    p.drawLine(QPointF(45, 60), QPointF(65, 160));
    p.drawLine(QPointF(33, 120), QPointF(57, 120));
    p.setBrush(ink);
    p.drawEllipse(QPointF(45, 55), 6, 6);
    p.setBrush(Qt::NoBrush);
    for (int r = 16; r <= 40; r += 12) {
        p.drawArc(QRectF(45 - r, 55 - r, 2 * r, 2 * r), 30 * 16, 120 * 16);
    }
    return image;
}

} // namespace

frmOrvPreview::frmOrvPreview()
{
    caption = QStringLiteral("Module");

    ImgLOGO = {540, 420, 1350, 2535, logo()};
    lbl1 = label(2520, 420, QStringLiteral("Vorn PROGRAMMING APPLICATION"), 13.5, true);
    lbl1.width = 5535;
    lbl1.height = 435;
    lbl2 = label(2040, 960, QStringLiteral("Date Modified: "), 10.5);
    TxtDate = textBox(3885, 960, 2010, 360, 10.5);
    lbl3 = label(2040, 1380, QStringLiteral("Module Type: "), 10.5);
    TxtCustomType = textBox(3885, 1380, 2010, 360, 10.5);
    lbl4 = label(2040, 1800, QStringLiteral("Serial Number: "), 10.5);
    TxtSerial = textBox(3885, 1800, 2010, 360, 10.5);
    lbl5 = label(2040, 2220, QStringLiteral("Type: "), 10.5);
    TxtType = textBox(3885, 2220, 2010, 360, 10.5);
    lbl6 = label(2040, 2640, QStringLiteral("User Remark: "), 10.5);
    TxtUserRemark = textBox(3900, 2640, 6075, 360, 10.5);
    lblFrequencyRange = label(5940, 960, QStringLiteral("Frequency (MHz)"), 11.25);
    lblFrequencyRange.width = 2175;
    lblFrequencyRange.height = 315;
    txtFrequencyRange = textBox(8160, 960, 1815, 375, 11.25);

    Lin1 = rule(3180);
    lblChannel = label(660, 3300, QStringLiteral("Channel"), 10.5);
    lblSwitch = label(1620, 3300, QStringLiteral("Switch(8-1)"), 10.5);
    lblFrequency = label(3120, 3300, QStringLiteral("Frequency(MHz)"), 10.5);
    lblCTCSS = label(4980, 3300, QStringLiteral("CTCSS(Hz)"), 10.5);
    lblDeviation = label(6240, 3300, QStringLiteral("Deviation"), 10.5);
    lblReference = label(7560, 3300, QStringLiteral("Reference"), 10.5);
    lblPin = label(8820, 3300, QStringLiteral("Pin(7-0)"), 10.5);
    Lin2 = rule(3710);

    TxtChannel = textBox(660, 3780, 900, 360, 10.5);
    TxtSwitch = textBox(1620, 3780, 1455, 360, 10.5);
    TxtFrequency = textBox(3120, 3780, 1815, 360, 10.5);
    TxtCTCSS = textBox(4980, 3780, 1155, 360, 10.5);
    txtDeviation = textBox(6300, 3780, 1095, 360, 10.5);
    txtReference = textBox(7620, 3780, 1035, 360, 10.5);
    TxtPin = textBox(8820, 3780, 1275, 360, 10.5);
}
