#include "shell/ReportHeader.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace reportlayout {
namespace {

const QString& layoutFont()
{
    static const QString f = QStringLiteral("Courier New");
    return f;
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

PrintLabel label(double left, double top, const QString& caption, double size, bool bold)
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

} // namespace reportlayout

using namespace reportlayout;

ReportHeader::ReportHeader()
{
    ImgLOGO = {540, 420, 1350, 2535, logo()};
    lblTitle = label(2520, 420, QStringLiteral("Vorn PROGRAMMING APPLICATION"), 13.5, true);
    lblTitle.width = 5535;
    lblTitle.height = 435;
    lblDate = label(2040, 960, QStringLiteral("Date Modified: "), 10.5);
    TxtDate = textBox(3885, 960, 2010, 360, 10.5);
    lblModuleType = label(2040, 1380, QStringLiteral("Module Type: "), 10.5);
    TxtCustomType = textBox(3885, 1380, 2010, 360, 10.5);
    lblSerial = label(2040, 1800, QStringLiteral("Serial Number: "), 10.5);
    TxtSerial = textBox(3885, 1800, 2010, 360, 10.5);
    lblType = label(2040, 2220, QStringLiteral("Type: "), 10.5);
    TxtType = textBox(3885, 2220, 2010, 360, 10.5);
    lblUserRemark = label(2040, 2640, QStringLiteral("User Remark: "), 10.5);
    TxtUserRemark = textBox(3900, 2640, 6075, 360, 10.5);
}
