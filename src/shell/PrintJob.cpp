#include "shell/PrintJob.h"

#include "platform/PlatformError.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPen>
#include <QStringList>
#include <cmath>

namespace {

const QString& printerErrorText()
{
    static const QString text = QStringLiteral("Printer error");
    return text;
}

constexpr double kTwipsPerPoint = 20.0;

} // namespace

PrintJob::PrintJob(std::unique_ptr<QPagedPaintDevice> printer) : owned_(std::move(printer)), device_(owned_.get())
{
    QPagedPaintDevice* paged = owned_.get();
    newPage_ = [paged] { return paged && paged->newPage(); };
}

PrintJob::PrintJob(QPaintDevice& device, std::function<bool()> newPage) : device_(&device), newPage_(std::move(newPage)) {}

PrintJob::~PrintJob()
{
    if (painter_.isActive())
        painter_.end();
}

double PrintJob::pageWidth() const
{
    return device_ && device_->logicalDpiX() > 0 ? device_->width() * kTwipsPerInch / device_->logicalDpiX() : 0;
}

double PrintJob::pageHeight() const
{
    return device_ && device_->logicalDpiY() > 0 ? device_->height() * kTwipsPerInch / device_->logicalDpiY() : 0;
}

void PrintJob::fail()
{
    failed_ = true;
    if (painter_.isActive())
        painter_.end();
    throw platform::Error(kPrinterError, printerErrorText());
}

QPainter& PrintJob::painter()
{
    if (failed_)
        throw platform::Error(kPrinterError, printerErrorText());
    if (!painter_.isActive()) {
        if (!device_ || device_->logicalDpiX() <= 0 || device_->logicalDpiY() <= 0 || !painter_.begin(device_))
            fail();
        // Everything is drawn in twips; the device's resolution does the rest.
        painter_.scale(device_->logicalDpiX() / kTwipsPerInch, device_->logicalDpiY() / kTwipsPerInch);
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    }
    return painter_;
}

void PrintJob::print(const QString& text)
{
    QPainter& p = painter();
    QFont f(font_.name);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font_.size * kTwipsPerPoint))));
    f.setBold(font_.bold);
    p.setFont(f);
    p.setPen(Qt::black);
    // The font's size is set in twips, so its metrics are in twips too.
    const QFontMetricsF metrics(f);
    const double ascent = metrics.ascent();
    const double lineHeight = metrics.height();
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& row : normalised.split(QLatin1Char('\n'))) {
        if (!row.isEmpty())
            p.drawText(QPointF(x_, y_ + ascent), row);
        y_ += lineHeight;
    }
    x_ = 0;
}

void PrintJob::line(const QPointF& from, const QPointF& to, const QColor& colour)
{
    QPainter& p = painter();
    QPen pen(colour);
    pen.setWidthF(std::max(1, drawWidth_) * kTwipsPerPixel);
    p.setPen(pen);
    p.drawLine(from, to);
}

void PrintJob::paintPicture(const QImage& picture, const QRectF& box)
{
    if (picture.isNull())
        throw platform::Error(kInvalidPicture, QStringLiteral("Invalid picture"));
    painter().drawImage(box, picture);
}

void PrintJob::newPage()
{
    painter();
    if (!newPage_ || !newPage_())
        fail();
    x_ = 0;
    y_ = 0;
}

void PrintJob::endDoc()
{
    if (failed_)
        throw platform::Error(kPrinterError, printerErrorText());
    if (painter_.isActive() && !painter_.end())
        fail();
    x_ = 0;
    y_ = 0;
}
