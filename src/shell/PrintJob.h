#pragma once
#include "shell/PrintLayout.h"

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <functional>
#include <memory>

class QPaintDevice;
class QPagedPaintDevice;

// A report on its way to the printer: a drawing position, a font, a line width and the page, all in
// twips (1440 an inch) whatever the device's resolution. The job starts with the first output and
// ends with endDoc(), which sends the pages.
//
// A failure of the printer (it cannot start the job, a new sheet or the end of the job) raises
// platform::Error(kPrinterError) and leaves the job failed: every later output raises it again
// and nothing more reaches the printer.
class PrintJob {
public:
    static constexpr int kPrinterError = 482;
    static constexpr int kInvalidPicture = 481;
    static constexpr double kTwipsPerInch = 1440.0;
    // A line's width is given in pixels of the screen layout it was drawn on (96 an inch).
    static constexpr double kTwipsPerPixel = 15.0;

    // Prints on the printer the user chose (platform::ShowPrinter()).
    explicit PrintJob(std::unique_ptr<QPagedPaintDevice> printer);
    // Prints on any paint device; `newPage` starts its next sheet and tells whether it could.
    PrintJob(QPaintDevice& device, std::function<bool()> newPage);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // Drawing position (twips from the top left corner of the printable area).
    double currentX() const { return x_; }
    double currentY() const { return y_; }
    void setCurrentX(double x) { x_ = x; }
    void setCurrentY(double y) { y_ = y; }

    // Font name, size (points) and bold flag of the text that follows.
    const PrintFont& font() const { return font_; }
    void setFont(const PrintFont& font) { font_ = font; }

    // Width of the lines that follow, in pixels.
    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int width) { drawWidth_ = width; }

    // Size of the printable area, twips.
    double pageWidth() const;
    double pageHeight() const;

    // Prints the text at the drawing position (each line of a text of several lines below the one
    // before, at the same left edge) and moves the position to the start of the next line.
    void print(const QString& text);
    // A line from one point to another.
    void line(const QPointF& from, const QPointF& to, const QColor& colour = Qt::black);
    // A picture scaled into the box; a null picture raises platform::Error(kInvalidPicture).
    void paintPicture(const QImage& picture, const QRectF& box);
    // Ends the page and starts the next; the drawing position goes back to the top left corner.
    void newPage();
    // Ends the job: the pages go to the printer. A job with no output sends nothing.
    void endDoc();

    bool failed() const { return failed_; }
    // Whether the user has been told of the failure (a report shows it once).
    bool failureShown() const { return failureShown_; }
    void setFailureShown() { failureShown_ = true; }

private:
    QPainter& painter();
    [[noreturn]] void fail();

    std::unique_ptr<QPagedPaintDevice> owned_;
    QPaintDevice* device_;
    std::function<bool()> newPage_;
    QPainter painter_;
    double x_ = 0;
    double y_ = 0;
    PrintFont font_;
    int drawWidth_ = 1;
    bool failed_ = false;
    bool failureShown_ = false;
};
